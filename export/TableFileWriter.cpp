// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableFileWriter.h"

#include "HtmlTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <atomic>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tallisk {

namespace {

// Armed by the test seam; -1 when no failure is to be injected.
std::atomic<qint64> injectedFailureAfter{-1};

// Set by the test seam; empty for the real program directory.
QString& programDirectoryStandIn()
{
    static QString directory;
    return directory;
}

bool reportFailure(const QString& path, const QString& reason, QString* errorMessage)
{
    if (errorMessage) {
        QString line = TableFileWriter::tr("Could not write %1: %2")
                           .arg(QDir::toNativeSeparators(path), reason);
        // One line, whatever the platform's reason text holds.
        line.replace(u'\r', u' ');
        line.replace(u'\n', u' ');
        *errorMessage = line;
    }
    return false;
}

// Why the thing at path, if any, may not be replaced by a saved file: the empty text for a
// regular file or nothing at all. A symbolic link counts as what it points to, as the save
// writes through it.
QString refusal(const QString& path)
{
#ifdef Q_OS_UNIX
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || S_ISREG(status.st_mode))
        return QString();
    if (S_ISDIR(status.st_mode))
        return TableFileWriter::tr("it is a directory, not a regular file");
    if (S_ISFIFO(status.st_mode))
        return TableFileWriter::tr("it is a named pipe, not a regular file");
    if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
        return TableFileWriter::tr("it is a device, not a regular file");
    if (S_ISSOCK(status.st_mode))
        return TableFileWriter::tr("it is a socket, not a regular file");
    return TableFileWriter::tr("it is not a regular file");
#else
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return QString();
    return info.isDir() ? TableFileWriter::tr("it is a directory, not a regular file")
                        : TableFileWriter::tr("it is not a regular file");
#endif
}

// The device's reason for its last failure; a device that failed without giving one (a short
// write is no error to the toolkit) at least says what went wrong.
QString reasonOf(const QFileDevice& file)
{
    if (file.error() != QFileDevice::NoError && !file.errorString().isEmpty())
        return file.errorString();
    return TableFileWriter::tr("the file system took no more bytes");
}

} // namespace

QString TableFileWriter::fileName()
{
    return QStringLiteral("table.htm");
}

QString TableFileWriter::programDirectory()
{
    const QString& standIn = programDirectoryStandIn();
    return QDir::toNativeSeparators(standIn.isEmpty() ? QCoreApplication::applicationDirPath()
                                                      : standIn);
}

QString TableFileWriter::exportDirectory()
{
    const QString program = programDirectory();
    // Whether this user may create files there (the system's own access check, so an
    // administrator may, and nobody may on a read-only medium).
    const QFileInfo programInfo(program);
    if (programInfo.isDir() && programInfo.isWritable())
        return program;

    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty() || !QDir().mkpath(documents))
        return QString();
    return QDir::toNativeSeparators(documents);
}

QString TableFileWriter::tablePath(const QString& directory)
{
    return directory + QDir::separator() + fileName();
}

bool TableFileWriter::write(const QString& path, const QByteArray& bytes, QString* errorMessage)
{
    const qint64 failAfter = injectedFailureAfter.exchange(-1);

    // A save replaces the target by renaming a new file over it: right for a regular file,
    // never for a pipe or a device (`--html /dev/null` run by root would replace the system's
    // own), whose reader would get nothing.
    if (const QString why = refusal(path); !why.isEmpty())
        return reportFailure(path, why, errorMessage);

    // QSaveFile never falls back to writing the target in place (directWriteFallback stays
    // off), and removes its temporary file on every failure path, its destructor included.
    // Unbuffered: Qt 6.4's commit() renames even when the flush of its own buffer failed (a
    // full disk), so every byte must go through write(), whose failure it does notice.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return reportFailure(path, reasonOf(file), errorMessage);

    // Every failure from here on: the destructor removes the cancelled temporary file.
    const auto abandon = [&file, &path, errorMessage](const QString& reason) {
        file.cancelWriting();
        return reportFailure(path, reason, errorMessage);
    };

    const QByteArrayView toWrite =
        failAfter < 0 ? QByteArrayView(bytes)
                      : QByteArrayView(bytes).first(std::min<qint64>(failAfter, bytes.size()));
    // A nearly full disk takes part of the bytes without an error; the next write then fails
    // with the system's reason ("No space left on device"), which is the one to report.
    for (qsizetype done = 0; done < toWrite.size();) {
        const qint64 written = file.write(toWrite.data() + done, toWrite.size() - done);
        if (written <= 0)
            return abandon(reasonOf(file));
        done += written;
    }
    if (failAfter >= 0) {
        // The bytes before the failure are in the temporary file (unbuffered), as a device
        // failing midway would leave them.
        return abandon(
            tr("write failed after %1 bytes (injected for testing)").arg(toWrite.size()));
    }
    if (!file.flush())
        return abandon(reasonOf(file));
#ifdef Q_OS_UNIX
    // commit() ignores a failed sync; a file system that reports lost data only there (a full
    // network share, a pulled medium) must not get the rename.
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != ENOTSUP)
        return abandon(qt_error_string(errno));
#endif
    // Checked again at the last moment: something other than a regular file may have taken the
    // target's place while the bytes were written.
    if (const QString why = refusal(path); !why.isEmpty())
        return abandon(why);
    if (!file.commit())
        return reportFailure(path, reasonOf(file), errorMessage);
    return true;
}

bool TableFileWriter::exportTable(const DecodeTarget& source, const QString& path,
                                  QString* errorMessage)
{
    return write(path, HtmlTable::render(source.modelName(), source.fieldTexts()), errorMessage);
}

void TableFileWriter::failNextWriteAfter(qint64 bytes)
{
    injectedFailureAfter.store(bytes < 0 ? -1 : bytes);
}

void TableFileWriter::setProgramDirectory(const QString& directory)
{
    programDirectoryStandIn() = directory;
}

} // namespace tallisk

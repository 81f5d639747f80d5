// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableFileWriter.h"

#include "HtmlTable.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <atomic>
#include <cerrno>

#ifdef Q_OS_UNIX
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

    // QSaveFile never falls back to writing the target in place (directWriteFallback stays
    // off), and removes its temporary file on every failure path, its destructor included.
    // Unbuffered: Qt 6.4's commit() renames even when the flush of its own buffer failed (a
    // full disk), so every byte must go through write(), whose failure it does notice.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return reportFailure(path, file.errorString(), errorMessage);

    // Every failure from here on: the destructor removes the cancelled temporary file.
    const auto abandon = [&file, &path, errorMessage](const QString& reason) {
        file.cancelWriting();
        return reportFailure(path, reason, errorMessage);
    };

    const QByteArrayView toWrite =
        failAfter < 0 ? QByteArrayView(bytes)
                      : QByteArrayView(bytes).first(std::min<qint64>(failAfter, bytes.size()));
    if (file.write(toWrite.data(), toWrite.size()) != toWrite.size())
        return abandon(file.errorString());
    if (failAfter >= 0) {
        // The bytes before the failure are in the temporary file (unbuffered), as a device
        // failing midway would leave them.
        return abandon(
            tr("write failed after %1 bytes (injected for testing)").arg(toWrite.size()));
    }
    if (!file.flush())
        return abandon(file.errorString());
#ifdef Q_OS_UNIX
    // commit() ignores a failed sync; a file system that reports lost data only there (a full
    // network share, a pulled medium) must not get the rename.
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != ENOTSUP)
        return abandon(qt_error_string(errno));
#endif
    if (!file.commit())
        return reportFailure(path, file.errorString(), errorMessage);
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

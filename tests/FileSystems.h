// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QMetaType>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <utility>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

// What tests need of file systems beyond plain files: a small tmpfs to fill, and the special
// files (pipes, devices) that a save must never replace.
namespace tallisk::test {

// A tmpfs mounted over a directory for the length of one test; unmounted on every exit path.
class TmpfsMount
{
public:
    explicit TmpfsMount(QString directory) : m_directory(std::move(directory)) {}
    ~TmpfsMount()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_directory});
    }
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    // Empty on success, else why it could not be mounted (it needs root and mount rights).
    QString mount(const QString& options)
    {
        const QString error =
            run({QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"), options,
                 QStringLiteral("tmpfs"), m_directory});
        m_mounted = error.isEmpty();
        return error;
    }
    QString remountReadOnly()
    {
        return run({QStringLiteral("-o"), QStringLiteral("remount,ro"), m_directory});
    }

private:
    static QString run(const QStringList& arguments)
    {
        QProcess process;
        process.start(QStringLiteral("mount"), arguments);
        if (!process.waitForFinished(30000))
            return QStringLiteral("mount did not run: ") + process.errorString();
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            return QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        return {};
    }

    QString m_directory;
    bool m_mounted = false;
};

// Fills the file system holding directory until a write is refused, then frees `leave` bytes
// again (whole pages on tmpfs), as a disk with a few KB left.
inline bool fillFileSystem(const QString& directory, qint64 leave = 0)
{
    QFile filler(directory + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(4096, 'x');
    for (int i = 0; i < 100000; ++i) {
        if (filler.write(block) != block.size())
            break;
    }
    // Single bytes too, so no partial page is left over.
    for (int i = 0; i < 8192; ++i) {
        if (filler.write("x", 1) != 1)
            return filler.resize(filler.size() - leave);
    }
    return false;
}

#ifdef Q_OS_UNIX
// What a test puts where a file would be written, other than a regular file.
enum class SpecialFile
{
    Directory,
    NamedPipe,
    Device,          // a character device with /dev/null's numbers
    LinkToNamedPipe, // the pipe beside it, named path + ".pipe"
};

// Makes one at path; empty on success, else why not (a device needs root).
inline QString makeSpecialFile(SpecialFile kind, const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    int made = -1;
    switch (kind) {
    case SpecialFile::Directory:
        made = ::mkdir(name.constData(), 0700);
        break;
    case SpecialFile::NamedPipe:
        made = ::mkfifo(name.constData(), 0600);
        break;
    case SpecialFile::Device:
        made = ::mknod(name.constData(), S_IFCHR | 0600, makedev(1, 3));
        break;
    case SpecialFile::LinkToNamedPipe:
        made = ::mkfifo((name + ".pipe").constData(), 0600);
        if (made == 0)
            made = ::symlink((name + ".pipe").constData(), name.constData());
        break;
    }
    return made == 0 ? QString() : qt_error_string(errno);
}

// The file type bits of what is at path itself (a link not followed); 0 when nothing is.
inline unsigned fileType(const QString& path)
{
    struct stat status;
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}
#endif

} // namespace tallisk::test

#ifdef Q_OS_UNIX
Q_DECLARE_METATYPE(tallisk::test::SpecialFile)
#endif

// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecodeRecord.h"
#include "ExportPlaces.h"
#include "FileSystems.h"
#include "HtmlTable.h"
#include "TableFileWriter.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <memory>

using namespace tallisk;
using namespace tallisk::test;

namespace {

QStringList entries(const QString& directory)
{
    return QDir(directory).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

DecodeRecord exampleRecord()
{
    DecodeRecord record;
    record.setModelName(QStringLiteral("AMD Athlon XP"));
    record.setField(Field::Core, QStringLiteral("Barton"));
    record.setField(Field::OperatingTemperature, QStringLiteral("85\u00B0C"));
    return record;
}

QByteArray exampleBytes()
{
    const DecodeRecord record = exampleRecord();
    return HtmlTable::render(record.modelName(), record.fieldTexts());
}

// A previous export's bytes, distinct from any new rendering and longer than it, so a
// truncation, a partial overwrite and an append would all show.
QByteArray previousBytes()
{
    return QByteArray("previous table\r\n").repeated(1000);
}

// The failure reports one line that names the path and gives a reason after it.
void verifyFailureMessage(const QString& message, const QString& path, const QString& reason)
{
    QVERIFY2(!message.isEmpty(), "no failure message");
    QVERIFY2(!message.contains(u'\n') && !message.contains(u'\r'), qPrintable(message));
    const QString nativePath = QDir::toNativeSeparators(path);
    QVERIFY2(message.contains(nativePath), qPrintable(message));
    QVERIFY2(message.size() > message.indexOf(nativePath) + nativePath.size() + 2,
             qPrintable(message));
    if (!reason.isEmpty())
        QVERIFY2(message.contains(reason, Qt::CaseInsensitive), qPrintable(message));
}

// How a failing export is provoked.
// What stands in for the program's directory in the export-directory tests.
enum class ProgramDirectory
{
    Writable,
    UnderRegularFile,   // refused to everyone, root included: a regular file in the path
    ReadOnlyFileSystem, // a write-protected medium, refused to root too
};

enum class Failure
{
    FileInPath, // a regular file where a directory of the path should be
    FullFileSystem,
    NearlyFullFileSystem, // room for part of the file only
    ReadOnlyFileSystem,   // a write-protected medium: refused even to root
    Injected,             // the test seam, as a device failing midway
};

} // namespace

Q_DECLARE_METATYPE(Failure)
Q_DECLARE_METATYPE(ProgramDirectory)

class TableFileWriterTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { TableFileWriter::failNextWriteAfter(-1); }

    void tablePath_data();
    void tablePath();
    void programDirectory();
    void exportDirectory_data();
    void exportDirectory();
    void writes_data();
    void writes();
    void failures_data();
    void failures();
};

void TableFileWriterTest::tablePath_data()
{
    addColumns<QString, QString>({"directory", "path"});

#ifdef Q_OS_WIN
    // clang-format off
    QTest::newRow("program directory") << QStringLiteral("C:\\Program Files\\Tallisk") << QStringLiteral("C:\\Program Files\\Tallisk\\table.htm");
    QTest::newRow("drive root keeps its backslash") << QStringLiteral("C:\\") << QStringLiteral("C:\\\\table.htm");
#else
    QTest::newRow("program directory") << QStringLiteral("/usr/lib/tallisk") << QStringLiteral("/usr/lib/tallisk/table.htm");
    QTest::newRow("root keeps its separator") << QStringLiteral("/") << QStringLiteral("//table.htm");
    // clang-format on
#endif
}

void TableFileWriterTest::tablePath()
{
    QFETCH(QString, directory);
    QFETCH(QString, path);
    QCOMPARE(TableFileWriter::tablePath(directory), path);
}

void TableFileWriterTest::programDirectory()
{
    const QString directory = TableFileWriter::programDirectory();
    QVERIFY(QDir::isAbsolutePath(QDir::fromNativeSeparators(directory)));
    QCOMPARE(directory, QDir::toNativeSeparators(directory));
    // The directory this very test program was started from.
    const QFileInfo self(QDir::fromNativeSeparators(directory),
                         QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    QVERIFY2(self.isFile() && self.isExecutable(), qPrintable(self.filePath()));
}

void TableFileWriterTest::exportDirectory_data()
{
    // toDocuments: else to the program's directory; empty if neither
    addColumns<ProgramDirectory, bool, bool>({"program", "documentsPossible", "toDocuments"});

    // clang-format off
    QTest::newRow("writable program directory is kept") << ProgramDirectory::Writable << true << false;
    QTest::newRow("unwritable program directory: documents") << ProgramDirectory::UnderRegularFile << true << true;
    QTest::newRow("read-only medium: documents") << ProgramDirectory::ReadOnlyFileSystem << true << true;
    QTest::newRow("unwritable program directory, no documents folder possible") << ProgramDirectory::UnderRegularFile << false << false;
    // clang-format on
}

// The window's export keeps the program's directory where it may write there, and otherwise
// goes to the user's documents folder, creating it.
void TableFileWriterTest::exportDirectory()
{
    QFETCH(ProgramDirectory, program);
    QFETCH(bool, documentsPossible);
    QFETCH(bool, toDocuments);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeFile(dir.filePath(QStringLiteral("file")), "a regular file"));

    QString programDir = dir.filePath(QStringLiteral("program"));
    TmpfsMount mount(programDir);
    if (program == ProgramDirectory::UnderRegularFile) {
        programDir = dir.filePath(QStringLiteral("file/bin"));
    } else {
        QVERIFY(QDir().mkpath(programDir));
    }
    if (program == ProgramDirectory::ReadOnlyFileSystem) {
        if (const QString why = mount.mount(QStringLiteral("size=64k,ro")); !why.isEmpty())
            QSKIP(qPrintable(QStringLiteral("cannot mount a read-only tmpfs here: ") + why));
    }
    test::ExportPlaces places(programDir,
                              test::ExportPlaces::homeIn(dir.path(), documentsPossible));
    const QString documents = test::ExportPlaces::documents();
    if (!places.documentsInHome())
        QSKIP("the documents folder does not follow the home directory on this platform");
    QCOMPARE(TableFileWriter::programDirectory(), QDir::toNativeSeparators(programDir));

    const QString chosen = TableFileWriter::exportDirectory();
    if (!documentsPossible) {
        QCOMPARE(chosen, QString());
        return;
    }
    QCOMPARE(chosen, QDir::toNativeSeparators(toDocuments ? documents : programDir));
    // Created only when it is used.
    QCOMPARE(QFileInfo(documents).isDir(), toDocuments);
    QVERIFY(TableFileWriter::exportTable(exampleRecord(), TableFileWriter::tablePath(chosen)));
    QCOMPARE(readFile(TableFileWriter::tablePath(chosen)), exampleBytes());
}

void TableFileWriterTest::writes_data()
{
    addColumns<bool, bool>({"hasPrevious", "throughLink"});
    // clang-format off
    QTest::newRow("a new file") << false << false;
    QTest::newRow("replacing a longer file, keeping its permissions") << true << false;
    QTest::newRow("through a symbolic link, which stays") << true << true;
    // clang-format on
}

void TableFileWriterTest::writes()
{
    QFETCH(bool, hasPrevious);
    QFETCH(bool, throughLink);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = TableFileWriter::tablePath(dir.path());
    // With a link, the file it points to is the one written.
    const QString file = throughLink ? dir.filePath(QStringLiteral("target.htm")) : path;
    if (throughLink)
        QVERIFY(QFile::link(file, path));
    const QFileDevice::Permissions permissions =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    if (hasPrevious) {
        QVERIFY(writeFile(file, previousBytes()));
        QVERIFY(QFile::setPermissions(file, permissions));
    }
    const QStringList before = entries(dir.path());

    QString error;
    QVERIFY2(TableFileWriter::exportTable(exampleRecord(), path, &error), qPrintable(error));
    QVERIFY(error.isEmpty());
    QCOMPARE(readFile(file), exampleBytes());
    QCOMPARE(QFileInfo(path).isSymLink(), throughLink);
    // No temporary left, nothing else made.
    QCOMPARE(entries(dir.path()), hasPrevious ? before : QStringList{TableFileWriter::fileName()});
    if (hasPrevious) {
        QCOMPARE(QFile::permissions(file) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
                 permissions);
    }
}

void TableFileWriterTest::failures_data()
{
    // failAfter: Injected only
    // reason: errno the message must give; 0: any reason
    addColumns<Failure, bool, qint64, int>({"failure", "hasPrevious", "failAfter", "reason"});

    const qint64 size = exampleBytes().size();
    // clang-format off
    QTest::newRow("regular file in the path") << Failure::FileInPath << true << qint64(-1) << ENOTDIR;
    QTest::newRow("full file system") << Failure::FullFileSystem << true << qint64(-1) << ENOSPC;
    QTest::newRow("a few KB left") << Failure::NearlyFullFileSystem << true << qint64(-1) << ENOSPC;
    // Replacing, the toolkit names the unwritable file itself; creating, the system's reason.
    QTest::newRow("read-only, replacing") << Failure::ReadOnlyFileSystem << true << qint64(-1) << 0;
    QTest::newRow("read-only, creating") << Failure::ReadOnlyFileSystem << false << qint64(-1) << EROFS;
    QTest::newRow("injected before the first byte") << Failure::Injected << true << qint64(0) << 0;
    QTest::newRow("injected after one byte") << Failure::Injected << true << qint64(1) << 0;
    QTest::newRow("injected after the first lines") << Failure::Injected << true << qint64(300) << 0;
    QTest::newRow("injected one byte short") << Failure::Injected << true << size - 1 << 0;
    QTest::newRow("injected after every byte, before the rename") << Failure::Injected << true << size << 0;
    QTest::newRow("injected while creating") << Failure::Injected << false << qint64(10) << 0;
    // clang-format on
}

// A failed export reports one line naming the path, leaves the file that was there exactly as
// it was (or none), and leaves no temporary file.
void TableFileWriterTest::failures()
{
    QFETCH(Failure, failure);
    QFETCH(bool, hasPrevious);
    QFETCH(qint64, failAfter);
    QFETCH(int, reason);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    TmpfsMount mount(dir.path());
    if (failure == Failure::FullFileSystem || failure == Failure::NearlyFullFileSystem ||
        failure == Failure::ReadOnlyFileSystem) {
        if (const QString why = mount.mount(QStringLiteral("size=64k")); !why.isEmpty())
            QSKIP(qPrintable(QStringLiteral("cannot mount a small tmpfs here (needs root and "
                                            "mount rights): ") +
                             why));
    }

    QString path = TableFileWriter::tablePath(dir.path());
    QString previous = path; // the file that must stay as it was
    if (failure == Failure::FileInPath) {
        // Permission bits do not stop root; a path through a regular file stops everyone.
        previous = dir.filePath(QStringLiteral("tallisk"));
        path = TableFileWriter::tablePath(previous);
    }
    if (hasPrevious)
        QVERIFY(writeFile(previous, previousBytes()));
    if (failure == Failure::FullFileSystem || failure == Failure::NearlyFullFileSystem) {
        // One page left: less than the table, which then fails part way.
        const qint64 leave = failure == Failure::FullFileSystem ? 0 : 4096;
        QVERIFY(exampleBytes().size() > leave);
        QVERIFY2(fillFileSystem(dir.path(), leave), "the small file system did not fill up");
    }
    const QStringList before = entries(dir.path());
    if (failure == Failure::ReadOnlyFileSystem) {
        if (const QString why = mount.remountReadOnly(); !why.isEmpty())
            QFAIL(qPrintable(QStringLiteral("cannot remount read-only: ") + why));
    }
    if (failure == Failure::Injected)
        TableFileWriter::failNextWriteAfter(failAfter);

    QString error;
    QVERIFY(!TableFileWriter::exportTable(exampleRecord(), path, &error));
    verifyFailureMessage(error, path, reason ? qt_error_string(reason) : QString());
    if (hasPrevious)
        QCOMPARE(readFile(previous), previousBytes());
    else
        QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(entries(dir.path()), before);

    if (failure == Failure::Injected) {
        // One shot: the next export goes through.
        QVERIFY(TableFileWriter::exportTable(exampleRecord(), path));
        QCOMPARE(readFile(path), exampleBytes());
    } else {
        // A caller without a message sink is told too.
        QVERIFY(!TableFileWriter::exportTable(exampleRecord(), path, nullptr));
    }
}

QTEST_GUILESS_MAIN(TableFileWriterTest)

#include "tst_TableFileWriter.moc"

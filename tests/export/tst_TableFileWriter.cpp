// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecodeRecord.h"
#include "HtmlTable.h"
#include "TableFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <memory>

using namespace tallisk;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool writeRaw(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

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

    // Empty on success, else why it could not be mounted.
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

// Fills the file system holding directory until a write is refused.
bool fillFileSystem(const QString& directory)
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
            return true;
    }
    return false;
}

} // namespace

class TableFileWriterTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void fileName();
    void tablePath_data();
    void tablePath();
    void programDirectory();

    void writesNewFile();
    void replacesWholeFile();
    void exportsTwiceIdentically();
    void preservesPermissions();

    void failsThroughRegularFile();
    void failsOnDirectoryInTheWay();
    void failsOnFullFileSystem();
    void failsOnReadOnlyFileSystem_data();
    void failsOnReadOnlyFileSystem();
    void failsMidway_data();
    void failsMidway();
    void injectedFailureIsOneShot();
    void failureWithoutMessageSink();
};

void TableFileWriterTest::cleanup()
{
    TableFileWriter::failNextWriteAfter(-1);
}

void TableFileWriterTest::fileName()
{
    QCOMPARE(TableFileWriter::fileName(), QStringLiteral("table.htm"));
}

void TableFileWriterTest::tablePath_data()
{
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("path");

#ifdef Q_OS_WIN
    QTest::newRow("program directory") << QStringLiteral("C:\\Program Files\\Tallisk")
                                       << QStringLiteral("C:\\Program Files\\Tallisk\\table.htm");
    QTest::newRow("drive root keeps its backslash")
        << QStringLiteral("C:\\") << QStringLiteral("C:\\\\table.htm");
#else
    QTest::newRow("program directory")
        << QStringLiteral("/usr/lib/tallisk") << QStringLiteral("/usr/lib/tallisk/table.htm");
    QTest::newRow("root directory") << QStringLiteral("/") << QStringLiteral("//table.htm");
    QTest::newRow("trailing separator kept")
        << QStringLiteral("/opt/tallisk/") << QStringLiteral("/opt/tallisk//table.htm");
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

void TableFileWriterTest::writesNewFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = TableFileWriter::tablePath(dir.path());

    QString error;
    QVERIFY2(TableFileWriter::write(path, exampleBytes(), &error), qPrintable(error));
    QVERIFY(error.isEmpty());
    QCOMPARE(readAll(path), exampleBytes());
    QCOMPARE(entries(dir.path()), QStringList{TableFileWriter::fileName()});
}

void TableFileWriterTest::replacesWholeFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(TableFileWriter::fileName());
    QVERIFY(writeRaw(path, previousBytes()));

    QString error;
    QVERIFY2(TableFileWriter::exportTable(exampleRecord(), path, &error), qPrintable(error));
    QCOMPARE(readAll(path), exampleBytes());
    QCOMPARE(entries(dir.path()), QStringList{TableFileWriter::fileName()});
}

void TableFileWriterTest::exportsTwiceIdentically()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(TableFileWriter::fileName());
    const DecodeRecord fresh;

    QVERIFY(TableFileWriter::exportTable(fresh, path));
    const QByteArray first = readAll(path);
    QVERIFY(first.contains("<b>[ Waiting ]</b>"));
    QVERIFY(TableFileWriter::exportTable(fresh, path));
    QCOMPARE(readAll(path), first); // replaced, never grown
    QCOMPARE(entries(dir.path()), QStringList{TableFileWriter::fileName()});
}

void TableFileWriterTest::preservesPermissions()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(TableFileWriter::fileName());
    QVERIFY(writeRaw(path, previousBytes()));
    const QFileDevice::Permissions permissions =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QVERIFY(QFile::setPermissions(path, permissions));

    QVERIFY(TableFileWriter::write(path, exampleBytes()));
    QCOMPARE(QFile::permissions(path) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
             permissions);
}

void TableFileWriterTest::failsThroughRegularFile()
{
    // Permission bits do not stop root; a path through a regular file stops everyone.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString blocker = dir.filePath(QStringLiteral("tallisk"));
    QVERIFY(writeRaw(blocker, previousBytes()));
    const QString path = TableFileWriter::tablePath(blocker);

    QString error;
    QVERIFY(!TableFileWriter::exportTable(exampleRecord(), path, &error));
    verifyFailureMessage(error, path, qt_error_string(ENOTDIR));
    QCOMPARE(readAll(blocker), previousBytes());
    QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("tallisk")});
}

void TableFileWriterTest::failsOnDirectoryInTheWay()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(TableFileWriter::fileName());
    QVERIFY(QDir(dir.path()).mkdir(TableFileWriter::fileName()));
    QVERIFY(writeRaw(path + QStringLiteral("/inside"), previousBytes()));

    QString error;
    QVERIFY(!TableFileWriter::write(path, exampleBytes(), &error));
    verifyFailureMessage(error, path, {});
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(readAll(path + QStringLiteral("/inside")), previousBytes());
    QCOMPARE(entries(dir.path()), QStringList{TableFileWriter::fileName()});
}

void TableFileWriterTest::failsOnFullFileSystem()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    TmpfsMount mount(dir.path());
    if (const QString why = mount.mount(QStringLiteral("size=64k")); !why.isEmpty())
        QSKIP(qPrintable(QStringLiteral("cannot mount a small tmpfs here (needs root and "
                                        "mount rights): ") +
                         why));

    const QString path = dir.filePath(TableFileWriter::fileName());
    QVERIFY(writeRaw(path, previousBytes()));
    QVERIFY2(fillFileSystem(dir.path()), "the small file system did not fill up");
    const QStringList before = entries(dir.path());

    QString error;
    QVERIFY(!TableFileWriter::exportTable(exampleRecord(), path, &error));
    verifyFailureMessage(error, path, qt_error_string(ENOSPC));
    QCOMPARE(readAll(path), previousBytes());
    QCOMPARE(entries(dir.path()), before);
}

void TableFileWriterTest::failsOnReadOnlyFileSystem_data()
{
    QTest::addColumn<bool>("hasPrevious");
    QTest::newRow("replacing a previous file") << true;
    QTest::newRow("creating the file") << false;
}

void TableFileWriterTest::failsOnReadOnlyFileSystem()
{
    QFETCH(bool, hasPrevious);

    // A write-protected medium: refused even to root.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    TmpfsMount mount(dir.path());
    if (const QString why = mount.mount(QStringLiteral("size=64k")); !why.isEmpty())
        QSKIP(qPrintable(QStringLiteral("cannot mount a small tmpfs here (needs root and "
                                        "mount rights): ") +
                         why));

    const QString path = dir.filePath(TableFileWriter::fileName());
    if (hasPrevious)
        QVERIFY(writeRaw(path, previousBytes()));
    const QStringList before = entries(dir.path());
    if (const QString why = mount.remountReadOnly(); !why.isEmpty())
        QFAIL(qPrintable(QStringLiteral("cannot remount read-only: ") + why));

    QString error;
    QVERIFY(!TableFileWriter::exportTable(exampleRecord(), path, &error));
    // Replacing, the toolkit names the unwritable file itself; creating, the system's reason.
    verifyFailureMessage(error, path, hasPrevious ? QString() : qt_error_string(EROFS));
    if (hasPrevious)
        QCOMPARE(readAll(path), previousBytes());
    else
        QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(entries(dir.path()), before);
}

void TableFileWriterTest::failsMidway_data()
{
    QTest::addColumn<qint64>("failAfter");

    const qint64 size = exampleBytes().size();
    QTest::newRow("before the first byte") << qint64(0);
    QTest::newRow("after one byte") << qint64(1);
    QTest::newRow("after the first lines") << qint64(300);
    QTest::newRow("one byte short") << size - 1;
    QTest::newRow("after every byte, before the rename") << size;
}

void TableFileWriterTest::failsMidway()
{
    QFETCH(qint64, failAfter);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(TableFileWriter::fileName());
    QVERIFY(writeRaw(path, previousBytes()));

    TableFileWriter::failNextWriteAfter(failAfter);
    QString error;
    QVERIFY(!TableFileWriter::exportTable(exampleRecord(), path, &error));
    verifyFailureMessage(error, path, {});
    QCOMPARE(readAll(path), previousBytes());
    QCOMPARE(entries(dir.path()), QStringList{TableFileWriter::fileName()});
}

void TableFileWriterTest::injectedFailureIsOneShot()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(TableFileWriter::fileName());

    TableFileWriter::failNextWriteAfter(10);
    QVERIFY(!TableFileWriter::write(path, exampleBytes()));
    QVERIFY(!QFileInfo::exists(path));
    QVERIFY(entries(dir.path()).isEmpty());

    QVERIFY(TableFileWriter::write(path, exampleBytes()));
    QCOMPARE(readAll(path), exampleBytes());
}

void TableFileWriterTest::failureWithoutMessageSink()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString blocker = dir.filePath(QStringLiteral("file"));
    QVERIFY(writeRaw(blocker, "x"));
    QVERIFY(!TableFileWriter::write(TableFileWriter::tablePath(blocker), exampleBytes(), nullptr));
}

QTEST_GUILESS_MAIN(TableFileWriterTest)

#include "tst_TableFileWriter.moc"

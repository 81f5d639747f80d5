// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandRun.h"
#include "CsvReader.h"
#include "DecodeCommand.h"
#include "DecodePass.h"
#include "DecodeRecord.h"
#include "FileSystems.h"
#include "PartTable.h"
#include "ResultReport.h"
#include "TestSupport.h"

#include <QBuffer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

using namespace tallisk;
using namespace tallisk::test;

// Whether this test runs under AddressSanitizer, whose shadow memory no small limit of
// address space allows.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

class tst_DecodeCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textOutput();
    void exitStatusAndMessages_data();
    void exitStatusAndMessages();
    void jsonOutput();
    void usageErrors_data();
    void usageErrors();
    void versionAndHelp();
    void htmlExport();
    void htmlExportFailureKeepsFile();
    void htmlRefusesSpecialFiles_data();
    void htmlRefusesSpecialFiles();
    void batch();
    void batchFromStandardInput();
    void batchFileMissing();
    void identifyAddsOneLine_data();
    void identifyAddsOneLine();
    void identifyJson();
    void batchIdentify();
    void windowAndCommandAgreeOnEveryPart();
    void batchCitesSourcesById();
    void batchSuggestsOnlyWhenAsked();
    void realExecutable();
    void lostOutput_data();
    void lostOutput();
    void fullDevice_data();
    void fullDevice();
    void closedPipe_data();
    void closedPipe();
    void batchAcrossBlocks();
    void longLines_data();
    void longLines();
    void endlessLineUnderAMemoryLimit();
    void batchReadFailure();
};

// Standard input that gives `data` and then fails, as a disk with a bad block does.
class FailingInput : public QIODevice
{
public:
    explicit FailingInput(QByteArray data) : m_data(std::move(data)) { open(QIODevice::ReadOnly); }

protected:
    qint64 readData(char* data, qint64 size) override
    {
        if (m_data.isEmpty()) {
            setErrorString(QStringLiteral("Input/output error"));
            return -1;
        }
        const qint64 taken = qMin(size, qint64(m_data.size()));
        std::memcpy(data, m_data.constData(), static_cast<std::size_t>(taken));
        m_data.remove(0, taken);
        return taken;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_data;
};

// Standard output on a device that takes `capacity` bytes and then fails every write, as a
// full disk does.
class FailingDevice : public QIODevice
{
public:
    explicit FailingDevice(qint64 capacity) : m_capacity(capacity) { open(QIODevice::WriteOnly); }
    qint64 writesAfterFailure = 0;
    QByteArray written;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        if (m_failed)
            ++writesAfterFailure;
        const qint64 room = m_capacity - written.size();
        if (room <= 0) {
            m_failed = true;
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        const qint64 taken = qMin(room, size);
        written.append(data, taken);
        return taken;
    }

private:
    qint64 m_capacity;
    bool m_failed = false;
};

static QStringList strings(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts)
        list << QString::fromUtf8(text);
    return list;
}

using Run = CommandRun;

static Run run(const QStringList& arguments, const QByteArray& input = {})
{
    return runCommand(arguments, input);
}

static const QStringList kExample{QStringLiteral("AXDA2500DKV4D"),
                                  QStringLiteral("ABCDEFG18HIJ1234"),
                                  QStringLiteral("JIUHB0312XPMW")};

void tst_DecodeCommand::textOutput()
{
    const Run result = run(kExample);
    QCOMPARE(result.status, EXIT_SUCCESS);
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(result.out, QByteArray("AMD Athlon XP\n"
                                    "Core: Barton\n"
                                    "CPU Model: 10\n"
                                    "Performance Rating: 2500+\n"
                                    "Working frequency: 1833\n"
                                    "Package Type: OPGA\n"
                                    "Operating Voltage: 1.65v\n"
                                    "Operating Temperature: 85\xC2\xB0"
                                    "C\n"
                                    "L1 Cache: 128KB\n"
                                    "L2 Cache: 512KB\n"
                                    "Multiplier: 11.0\n"
                                    "FSB Frequency: 333MHz\n"
                                    "Stepping Code: JIUHB\n"
                                    "Manufacture Year: 2003\n"
                                    "Manufacture Week: Week 12\n"
                                    "Production Batch: M\n"
                                    "Batch Production Number: 1234\n"
                                    "Downgraded from: N/A\n"));
}

void tst_DecodeCommand::exitStatusAndMessages_data()
{
    addColumns<QStringList, int, QByteArray, QByteArray>({"lines", "status", "err", "firstLine"});

    // clang-format off
    QTest::newRow("unsupported chip") << QStringList{QStringLiteral("AMSN2000DKT3C")} << EXIT_FAILURE << QByteArray("Chip 'AMD Athlon MP' is currently unsupported by Tallisk\n") << QByteArray("[ Waiting ]");
    QTest::newRow("code error with its detail") << QStringList{QStringLiteral("AXDB2000")} << EXIT_FAILURE << QByteArray("There was an error with the string you entered - Please revise it.\r\n\r\nDid you mean 'AXDA' or 'AX' instead?\n") << QByteArray("[ Waiting ]");
    QTest::newRow("stepping message does not end the pass") << QStringList{QStringLiteral("AX1800DMT3C"), QStringLiteral("ABCDEFGH")} << EXIT_SUCCESS << QByteArray("Failed trying to retrieve stepping\n") << QByteArray("AMD Athlon XP");
    QTest::newRow("two messages in order, the second ends the pass") << QStringList{QStringLiteral("AXDA2500DKV4D")} << EXIT_FAILURE << QByteArray("Failed trying to retrieve stepping\nError: Unable to read correct value in textbox two.\n") << QByteArray("AMD Athlon XP");
    QTest::newRow("empty first line") << QStringList{QString()} << EXIT_FAILURE << QByteArray("Error! CPU Identification String not found.. Aborting\n") << QByteArray("[ Waiting ]");
    // clang-format on
}

void tst_DecodeCommand::exitStatusAndMessages()
{
    QFETCH(QStringList, lines);
    QFETCH(int, status);
    QFETCH(QByteArray, err);
    QFETCH(QByteArray, firstLine);
    const Run result = run(lines);
    QCOMPARE(result.status, status);
    QCOMPARE(result.err, err);
    QCOMPARE(result.out.split('\n').value(0), firstLine);
    QCOMPARE(result.out.count('\n'), 18); // the caption and the seventeen rows, always
}

void tst_DecodeCommand::jsonOutput()
{
    const Run result = run(QStringList{QStringLiteral("--json")} + kExample);
    QCOMPARE(result.status, EXIT_SUCCESS);
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(result.out, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(object.keys(),
             strings({"completed", "fields", "line1", "line2", "line3", "messages", "model_name"}));
    QCOMPARE(object.value(u"model_name").toString(), QStringLiteral("AMD Athlon XP"));
    QCOMPARE(object.value(u"line2").toString(), kExample[1]);
    QCOMPARE(object.value(u"completed").toBool(), true);
    QCOMPARE(object.value(u"messages").toArray(), QJsonArray());
    const QJsonObject fields = object.value(u"fields").toObject();
    QCOMPARE(fields.size(), 17);
    QCOMPARE(fields.value(u"core").toString(), QStringLiteral("Barton"));
    QCOMPARE(fields.value(u"operating_temperature").toString(), QStringLiteral("85\u00B0C"));
    QCOMPARE(fields.value(u"batch_production_number").toString(), QStringLiteral("1234"));
    QCOMPARE(fields.value(u"multiplier").toString(), QStringLiteral("11.0"));

    // An early end: blank fields as "", the exact message with its CR LF, not completed.
    const Run declined = run({QStringLiteral("--json"), QStringLiteral("AXDA")});
    QCOMPARE(declined.status, EXIT_FAILURE);
    const QJsonObject early = QJsonDocument::fromJson(declined.out).object();
    QCOMPARE(early.value(u"completed").toBool(true), false);
    QCOMPARE(early.value(u"model_name").toString(), QStringLiteral("[ Waiting ]"));
    QCOMPARE(early.value(u"line3").toString(QStringLiteral("x")), QString());
    QCOMPARE(early.value(u"messages").toArray().at(0).toString(),
             QStringLiteral("There was an error with the string you entered - Please revise it."
                            "\r\n\r\nA mistake was made with the first several letters of text in "
                            "code one"));
    for (const QJsonValue& value : early.value(u"fields").toObject())
        QCOMPARE(value, QJsonValue(QString()));
}

void tst_DecodeCommand::usageErrors_data()
{
    addColumns<QStringList, QByteArray>({"arguments", "problem"});

    // clang-format off
    QTest::newRow("no line") << QStringList() << QByteArray("missing LINE1");
    QTest::newRow("four lines") << strings({"a", "b", "c", "d"}) << QByteArray("too many code lines");
    QTest::newRow("unknown option, as typed") << strings({"--jsn", "A1000"}) << QByteArray("unknown option '--jsn'");
    QTest::newRow("unknown short option") << strings({"-j", "A1000"}) << QByteArray("unknown option '-j'");
    QTest::newRow("unknown option with a value") << strings({"--out=x", "A1000"}) << QByteArray("unknown option '--out'");
    QTest::newRow("html without file") << strings({"--html"}) << QByteArray("--html needs a FILE");
    QTest::newRow("a flag given a value") << strings({"--identify=yes", "A1000"}) << QByteArray("--identify takes no value");
    QTest::newRow("batch with lines") << strings({"--batch", "-", "A1000"}) << QByteArray("--batch");
    QTest::newRow("batch with html") << strings({"--batch", "-", "--html", "x.htm"}) << QByteArray("--html");
    QTest::newRow("csv with json") << strings({"--csv", "--json", "A1000"}) << QByteArray("--csv and --json cannot be used together");
    // Given twice, the last one silently won: now an error naming the option as typed.
    QTest::newRow("batch twice") << strings({"--batch", "a.tsv", "--batch", "b.tsv"}) << QByteArray("--batch given more than once");
    QTest::newRow("batch twice, with =") << strings({"--batch=a.tsv", "--batch=b.tsv"}) << QByteArray("--batch given more than once");
    QTest::newRow("html twice") << strings({"--html", "a.htm", "--html=b.htm", "A1000"}) << QByteArray("--html given more than once");
    QTest::newRow("json twice") << strings({"--json", "--json", "A1000"}) << QByteArray("--json given more than once");
    QTest::newRow("identify twice") << strings({"--identify", "A1000", "--identify"}) << QByteArray("--identify given more than once");
    QTest::newRow("help twice, short and long") << strings({"-h", "--help"}) << QByteArray("--help given more than once");
    QTest::newRow("suggest without identify") << strings({"--batch", "-", "--suggest"}) << QByteArray("--suggest needs --identify");
    QTest::newRow("sources with a batch") << strings({"--sources", "--batch", "-"}) << QByteArray("--batch cannot be used with --sources");
    QTest::newRow("sources with identify") << strings({"--identify", "--sources"}) << QByteArray("--identify cannot be used with --sources");
    QTest::newRow("sources with lines") << strings({"--sources", "A1000"}) << QByteArray("--sources takes no code lines");
    // clang-format on
}

void tst_DecodeCommand::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, problem);
    const Run result = run(arguments);
    QCOMPARE(result.status, DecodeCommand::kUsageError);
    QCOMPARE(result.out, QByteArray());
    QVERIFY2(result.err.startsWith("tallisk-decode: ") && result.err.contains(problem),
             result.err.constData());
    QCOMPARE(result.err.count('\n'), 1);
}

void tst_DecodeCommand::versionAndHelp()
{
    const Run version = run({QStringLiteral("--version")});
    QCOMPARE(version.status, EXIT_SUCCESS);
    QCOMPARE(version.out, QByteArray("tallisk-decode 0.5.0\n"));
    const Run help = run({QStringLiteral("-h")});
    QCOMPARE(help.status, EXIT_SUCCESS);
    QCOMPARE(help.err, QByteArray());
    const QStringList lines = QString::fromUtf8(help.out).split(u'\n');
    for (const QString& line : lines)
        QVERIFY2(line.size() <= 80, qPrintable(line));
    // Both forms of use, every option at the start of its line, the statuses and examples.
    QVERIFY(lines[0].startsWith(u"Usage: tallisk-decode [--json | --csv]"));
    QVERIFY(lines.contains(QStringLiteral(
        "       tallisk-decode --batch FILE [--json | --csv] [--identify [--suggest]]")));
    QVERIFY(lines.contains(QStringLiteral("       tallisk-decode --sources [--json | --csv]")));
    const auto startsALine = [&lines](const QString& start, qsizetype from = 0) {
        return lines.indexOf(
            QRegularExpression(QRegularExpression::escape(start) + QStringLiteral(".*")), from);
    };
    for (const char* option : {"--json ", "--csv ", "--identify ", "--suggest ", "--html FILE ",
                               "--batch FILE ", "--sources ", "-h, --help ", "-v, --version "})
        QVERIFY2(startsALine(QStringLiteral("  ") + QLatin1StringView(option)) > 0, option);
    QVERIFY(help.out.contains("line longer than 65536 bytes"));
    QVERIFY(help.out.contains("real part") && !help.out.contains("part table"));
    const qsizetype statuses = lines.indexOf(QStringLiteral("Exit status:"));
    QVERIFY(statuses > 0);
    for (int status = 0; status <= 2; ++status)
        QVERIFY(startsALine(QStringLiteral("  %1  ").arg(status), statuses) > statuses);
    const qsizetype examples = lines.indexOf(QStringLiteral("Examples:"));
    QVERIFY(examples > statuses);
    QCOMPARE(lines.mid(examples + 1).filter(QStringLiteral("  tallisk-decode ")).size(), 2);
}

void tst_DecodeCommand::htmlExport()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("out.htm"));
    const Run result = run(QStringList{QStringLiteral("--html"), path} + kExample);
    QCOMPARE(result.status, EXIT_SUCCESS);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.count("\r\n"), 76);
    QVERIFY(bytes.contains("&nbsp;<b>AMD Athlon XP</b>"));
    QVERIFY(bytes.contains("&nbsp;85\xB0"
                           "C</font>"));
    // The pass's output is unchanged by the export.
    QCOMPARE(result.out, run(kExample).out);
}

void tst_DecodeCommand::htmlExportFailureKeepsFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // A directory path that runs through a regular file cannot be written, even by root.
    const QString blocker = dir.filePath(QStringLiteral("file"));
    QVERIFY(writeFile(blocker, "previous"));
    const QString path = blocker + QStringLiteral("/out.htm");
    const Run result = run(QStringList{QStringLiteral("--html"), path} + kExample);
    QCOMPARE(result.status, DecodeCommand::kUsageError);
    QVERIFY2(result.err.startsWith("tallisk-decode: ") && result.err.contains(path.toUtf8()),
             result.err.constData());
    QCOMPARE(result.err.count('\n'), 1);
    QFile block(blocker);
    QVERIFY(block.open(QIODevice::ReadOnly));
    QCOMPARE(block.readAll(), QByteArray("previous"));
}

// The real program run to its end; its standard error, or a failure when it did not end.
static QByteArray runProgram(QProcess& process, const QString& program,
                             const QStringList& arguments)
{
    process.start(program, arguments);
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        QTest::qFail("the program did not end", __FILE__, __LINE__);
    }
    return process.readAllStandardError();
}

void tst_DecodeCommand::htmlRefusesSpecialFiles_data()
{
#ifdef Q_OS_UNIX
    QTest::addColumn<SpecialFile>("kind");
    // clang-format off
    QTest::newRow("a directory") << SpecialFile::Directory;
    QTest::newRow("a named pipe") << SpecialFile::NamedPipe;
    QTest::newRow("a device") << SpecialFile::Device;
    QTest::newRow("a link to a named pipe") << SpecialFile::LinkToNamedPipe;
    // clang-format on
#endif
}

// `--html` onto what is not a regular file: refused, named, status 2, and left as it was (a
// save would rename a file over it: a pipe's reader would get nothing, /dev/null be replaced).
void tst_DecodeCommand::htmlRefusesSpecialFiles()
{
#ifdef Q_OS_UNIX
    QFETCH(SpecialFile, kind);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("out.htm"));
    if (const QString why = makeSpecialFile(kind, path); !why.isEmpty())
        QSKIP(qPrintable(QStringLiteral("cannot make it here (a device needs root): ") + why));
    const unsigned type = fileType(path);

    QProcess process;
    const QByteArray err = runProgram(process, QStringLiteral(TALLISK_DECODE_PATH),
                                      QStringList{QStringLiteral("--html"), path} + kExample);
    QCOMPARE(process.exitCode(), DecodeCommand::kUsageError);
    QVERIFY2(err.startsWith("tallisk-decode: Could not write " + path.toUtf8() + ": it is a ") &&
                 err.endsWith(", not a regular file\n"),
             err.constData());
    QCOMPARE(fileType(path), type);
    QStringList made{QStringLiteral("out.htm")};
    if (kind == SpecialFile::LinkToNamedPipe)
        made << QStringLiteral("out.htm.pipe");
    QCOMPARE(QDir(dir.path())
                 .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name),
             made);
#else
    QSKIP("pipes and devices as files are Unix's");
#endif
}

void tst_DecodeCommand::batch()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("codes.tsv"));
    // A collector's file: a header (after a spreadsheet's byte order mark), comments, blank
    // lines. Record numbers stay line numbers.
    QVERIFY(writeFile(path, "\xEF\xBB\xBFline1\tline2\tline3\r\n"                // 1 skipped
                            "# Socket A, drawer 2\n"                             // 2 skipped
                            "AXDA2500DKV4D\tABCDEFG18HIJ1234\tJIUHB0312XPMW\r\n" // 3 CR LF ending
                            "\n"                                                 // 4 skipped
                            "\xC3\x28\tbad\n"                                    // 5 invalid UTF-8
                            "\r\n"                                               // 6 skipped
                            "a\tb\tc\td\n"                                       // 7 four fields
                            "\t\t\n"                        // 8 three empty code lines
                            "D700AUT1B\n"                   // 9 fewer fields
                            "line1\tline2\tline3\n"         // 10 a header only comes first
                            "AX1800DMT3C\tAGOGA0227TPDW")); // 11 no final line end

    const Run result = run({QStringLiteral("--batch"), path});
    QCOMPARE(result.status, EXIT_SUCCESS);
    QCOMPARE(result.err, QByteArray());
    QVERIFY(result.out.endsWith('\n'));
    QList<QJsonObject> records;
    QList<int> numbers;
    for (const QByteArray& line : result.out.chopped(1).split('\n')) {
        QJsonParseError error;
        records << QJsonDocument::fromJson(line, &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        numbers << records.last().value(u"record").toInt();
    }
    QCOMPARE(numbers, (QList<int>{3, 5, 7, 8, 9, 10, 11}));
    QCOMPARE(records[0].value(u"line1").toString(), QStringLiteral("AXDA2500DKV4D"));
    QCOMPARE(records[0].value(u"line3").toString(), QStringLiteral("JIUHB0312XPMW"));
    QCOMPARE(records[0].value(u"fields").toObject().value(u"production_batch").toString(),
             QStringLiteral("M"));
    QCOMPARE(records[1].keys(), strings({"error", "record"}));
    QCOMPARE(records[1].value(u"error").toString(), QStringLiteral("invalid UTF-8"));
    QCOMPARE(records[2].keys(), strings({"error", "record"}));
    QVERIFY(records[2].value(u"error").toString().contains(u"more than three fields"));
    QCOMPARE(records[3].value(u"messages").toArray().at(0).toString(),
             QStringLiteral("Error! CPU Identification String not found.. Aborting"));
    QCOMPARE(records[3].value(u"completed").toBool(true), false);
    QCOMPARE(records[4].value(u"fields").toObject().value(u"core").toString(),
             QStringLiteral("Spitfire"));
    QCOMPARE(records[4].value(u"line2").toString(QStringLiteral("x")), QString());
    QCOMPARE(records[5].value(u"line1").toString(), QStringLiteral("line1"));
    QCOMPARE(records[6].value(u"fields").toObject().value(u"production_batch").toString(),
             QStringLiteral("W"));
    // Each record starts from a fresh window: no caption carried over from the one before.
    QCOMPARE(records[5].value(u"model_name").toString(), QStringLiteral("[ Waiting ]"));
}

void tst_DecodeCommand::batchFromStandardInput()
{
    const Run result =
        run({QStringLiteral("--batch"), QStringLiteral("-")}, "AMSN2000DKT3C\nK7650\n");
    QCOMPARE(result.status, EXIT_SUCCESS);
    const QList<QByteArray> lines = result.out.split('\n');
    QCOMPARE(lines.size(), 3);
    const QJsonObject first = QJsonDocument::fromJson(lines[0]).object();
    QCOMPARE(first.value(u"messages").toArray().at(0).toString(),
             QStringLiteral("Chip 'AMD Athlon MP' is currently unsupported by Tallisk"));
    QCOMPARE(QJsonDocument::fromJson(lines[1]).object().value(u"model_name").toString(),
             QStringLiteral("AMD Athlon"));
}

void tst_DecodeCommand::batchFileMissing()
{
    const Run result = run({QStringLiteral("--batch"), QStringLiteral("/nonexistent/codes.tsv")});
    QCOMPARE(result.status, DecodeCommand::kUsageError);
    QVERIFY(result.err.contains("/nonexistent/codes.tsv"));
    QCOMPARE(result.err.count('\n'), 1);
}

void tst_DecodeCommand::identifyAddsOneLine_data()
{
    addColumns<QStringList, QByteArray>({"lines", "identified"});
    // How standard error goes on after the pass's messages: the closest part first.
    QTest::addColumn<QByteArray>("hint");

    auto row = [](const char* name, QStringList lines, const char* identified,
                  const char* hint = "") {
        QTest::newRow(name) << lines << QByteArray(identified) << QByteArray(hint);
    };
    const char* closest = "tallisk-decode: closest part numbers (not an identification): ";
    // clang-format off
    // One part per family, through the whole command, each with the basis of its answer; the
    // first two the decoder gets right, the rest it declines, misses or gives no core.
    row("Athlon XP Barton, the worked example", kExample, "Identified: AMD Athlon XP 2500+ (Barton, 1833 MHz, 333 MHz bus, 11.0x, 512 KB L2) [read from the part number]\n");
    row("Duron Applebred", {QStringLiteral("DHD1800DLV1C")}, "Identified: AMD Duron 1.8 GHz (Applebred, 1800 MHz, 266 MHz bus, 13.5x, 64 KB L2) [known part]\n");
    row("Athlon MP, declined by the decoder", {QStringLiteral("AMSN2000DUT3C")}, "Identified: AMD Athlon MP 2000+ (Thoroughbred A or Thoroughbred B, 1667 MHz, 266 MHz bus, 12.5x, 256 KB L2) [known part]\n");
    row("Thorton, not recognised by the decoder", {QStringLiteral("AXDC2400DKV3C")}, "Identified: AMD Athlon XP 2400+ (Thorton, 2000 MHz, 266 MHz bus, 15.0x, 256 KB L2) [read from the part number]\n");
    row("Sempron, not recognised by the decoder", {QStringLiteral("SDA3000DUT4D")}, "Identified: AMD Sempron 3000+ (Barton, 2000 MHz, 333 MHz bus, 12.0x, 512 KB L2) [read from the part number]\n");
    row("Slot A Athlon", {QStringLiteral("K7600MTR51B")}, "Identified: AMD Athlon 600 MHz (Argon or Pluto, 600 MHz, 200 MHz bus, 6.0x, 512 KB L2) [read from the part number]\n");
    row("Slot A label as printed", {QStringLiteral("AMD-K7700MTR51B A")}, "Identified: AMD Athlon 700 MHz (Argon or Pluto, 700 MHz, 200 MHz bus, 7.0x, 512 KB L2) [known part]\n");
    row("Athlon XP Barton on a 400 MHz bus, no clock from the decoder", {QStringLiteral("AXDA3200DKV4E")}, "Identified: AMD Athlon XP 3200+ (Barton, 2200 MHz, 400 MHz bus, 11.0x, 512 KB L2) [known part]\n");
    row("Thunderbird", {QStringLiteral("A1400AMS3C")}, "Identified: AMD Athlon 1.4 GHz (Thunderbird, 1400 MHz, 266 MHz bus, 10.5x, 256 KB L2) [known part]\n");
    row("mobile, in lower case", {QStringLiteral("axmd2600gjq4d")}, "Identified: AMD Athlon XP-M 2600+ (Barton, 1833 MHz, 333 MHz bus, 11.0x, 512 KB L2) [known part]\n");
    row("trailing blank", {QStringLiteral("AXDA2800DKV4D ")}, "Identified: AMD Athlon XP 2800+ (Barton, 2083 MHz, 333 MHz bus, 12.5x, 512 KB L2) [known part]\n");
    // The decoded stepping code tells the two Thoroughbreds of one part number apart.
    row("Thoroughbred told by its stepping", {QStringLiteral("AXDA2200DKV3C"), QStringLiteral("ABCDEFG18HIJ1234"), QStringLiteral("KIUHB0312XPMW")}, "Identified: AMD Athlon XP 2200+ (Thoroughbred B, 1800 MHz, 266 MHz bus, 13.5x, 256 KB L2) [known part]\n");
    // A letter beyond the tables: the answer without what it decides, and which letter.
    row("bus letter not read", {QStringLiteral("axda2800dkv4z")}, "Identified: AMD Athlon XP 2800+ (Barton, 512 KB L2) [read from the part number]\nNote: the bus letter Z was not read.\n");
    // Not known: why, and near misses as hints only.
    row("Sempron of a prefix no source gives", {QStringLiteral("SDC2800DUT3D")}, "Identified: not known\nReason: No part-number layout starts like this line.\n", closest);
    row("truncated", {QStringLiteral("AXDA2800DKV4")}, "Identified: not known\nReason: The bus letter is missing.\n", "tallisk-decode: closest part numbers (not an identification): AXDA2800DKV4D, ");
    row("nothing close", {QStringLiteral("Q")}, "Identified: not known\nReason: No part-number layout starts like this line.\n");
    // clang-format on
}

// --identify changes nothing of the decoder's output: it adds its lines after the seventeen
// rows (the disagreements last, see windowAndCommandAgreeOnEveryPart()), and near misses go to
// standard error after the pass's own messages.
void tst_DecodeCommand::identifyAddsOneLine()
{
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, identified);
    QFETCH(QByteArray, hint);
    const Run plain = run(lines);
    const Run identifying = run(QStringList{QStringLiteral("--identify")} + lines);
    QCOMPARE(identifying.status, plain.status);
    const qsizetype disagreements = identifying.out.indexOf("\nDisagreement: ");
    QCOMPARE(identifying.out.first(disagreements < 0 ? identifying.out.size() : disagreements + 1),
             plain.out + identified);
    QVERIFY2(identifying.err.startsWith(plain.err + hint), identifying.err.constData());
    QCOMPARE(identifying.err.count('\n'), plain.err.count('\n') + (hint.isEmpty() ? 0 : 1));
}

static QJsonObject jsonOf(const QStringList& arguments)
{
    return QJsonDocument::fromJson(run(arguments).out).object();
}

// The keys --identify adds, beside the decoder's result as it is without them. The identity's
// values are the tables' (tst_PartTable, tst_PartData), written as the toolkit writes them
// (tst_JsonWriter).
void tst_DecodeCommand::identifyJson()
{
    const QStringList athlonMp{QStringLiteral("--json"), QStringLiteral("AMSN2000DUT3C")};
    QJsonObject object = jsonOf(QStringList{QStringLiteral("--identify")} + athlonMp);
    const QJsonObject identity = object.take(u"identity").toObject();
    QCOMPARE(object.take(u"suggestions").toArray(), QJsonArray());
    QCOMPARE(object.take(u"reason"), QJsonValue(QJsonValue::Null));
    QCOMPARE(object.take(u"unread").toArray(), QJsonArray());
    QCOMPARE(object.take(u"disagreements").toArray().size(), 10); // the tables say nothing
    QCOMPARE(object, jsonOf(athlonMp)); // the decoder's result, message and blank fields
    QCOMPARE(identity.keys(), strings({"basis", "clock_mhz", "core", "family", "fsb_mhz", "l1_kb",
                                       "l2_kb", "max_temp_c", "multiplier", "name", "package",
                                       "part", "rating", "socket", "sources", "vcore"}));
    QCOMPARE(identity.value(u"basis").toString(), QStringLiteral("known part"));
    QCOMPARE(identity.value(u"part").toString(), QStringLiteral("AMSN2000DUT3C"));
    // A fact the sources leave open is null: the voltage of this mobile Athlon 4.
    QCOMPARE(jsonOf(strings({"--json", "--identify", "AHM1200AVS3C"}))[u"identity"][u"vcore"],
             QJsonValue(QJsonValue::Null));

    // A part that is not known: a null identity, why, and what to try instead.
    const QJsonObject unknown = jsonOf(strings({"--json", "--identify", "AXDA2800DKV4"}));
    QCOMPARE(unknown.value(u"identity"), QJsonValue(QJsonValue::Null));
    QCOMPARE(unknown.value(u"suggestions").toArray().first(), QStringLiteral("AXDA2800DKV4D"));
    QCOMPARE(unknown.value(u"reason").toString(), QStringLiteral("The bus letter is missing."));

    // A letter not read: its facts null, and the letter named.
    const QJsonObject partial = jsonOf(strings({"--json", "--identify", "AXDA2800DKV4X"}));
    QCOMPARE(partial.value(u"identity")[u"fsb_mhz"], QJsonValue(QJsonValue::Null));
    QCOMPARE(partial.value(u"identity")[u"core"].toString(), QStringLiteral("Barton"));
    QCOMPARE(partial.value(u"unread").toArray(),
             QJsonArray({QJsonObject{{QStringLiteral("field"), QStringLiteral("bus")},
                                     {QStringLiteral("letter"), QStringLiteral("X")}}}));
    QCOMPARE(partial.value(u"reason"), QJsonValue(QJsonValue::Null));
}

void tst_DecodeCommand::batchIdentify()
{
    const QByteArray input = "AXDA2800DKV4D\nnot a part\n\xC3\x28\n";
    const QList<QByteArray> plain =
        run({QStringLiteral("--batch"), QStringLiteral("-")}, input).out.split('\n');
    const Run result =
        run({QStringLiteral("--batch"), QStringLiteral("-"), QStringLiteral("--identify")}, input);
    QCOMPARE(result.status, EXIT_SUCCESS);
    const QList<QByteArray> lines = result.out.split('\n');
    QCOMPARE(lines.size(), 4);
    QJsonObject first = QJsonDocument::fromJson(lines[0]).object();
    QCOMPARE(first.take(u"identity").toObject().value(u"core").toString(),
             QStringLiteral("Barton"));
    for (const char16_t* key : {u"suggestions", u"reason", u"unread", u"disagreements"})
        first.remove(key);
    QCOMPARE(first, QJsonDocument::fromJson(plain[0]).object());
    QCOMPARE(QJsonDocument::fromJson(lines[1]).object().value(u"identity"),
             QJsonValue(QJsonValue::Null));
    // A record that cannot be read has no result to identify.
    QCOMPARE(QJsonDocument::fromJson(lines[2]).object().keys(), strings({"error", "record"}));
}

// The window marks the rows of its report; the command prints those of its identification, as
// JSON objects and as one text line each after the answer in the window's sentences: for every
// known part, with the worked example's lines 2 and 3, they are the same rows. (The CSV cell of
// them is held to the JSON by tst_CsvOutput.)
void tst_DecodeCommand::windowAndCommandAgreeOnEveryPart()
{
    int disagreeing = 0;
    for (const PartIdentity& part : PartTable::instance().rows()) {
        const QStringList lines{part.part, kExample[1], kExample[2]};
        DecodeRecord checked(lines[0], lines[1], lines[2]);
        const PassOutcome outcome = runDecodePass(checked);
        const ResultReport report = ResultReport::of(checked, checked.messages(), outcome);
        QVERIFY2(report.identification.part, qPrintable(part.part));
        QStringList window; // the rows it marks
        QStringList sentences;
        for (const RowComparison& row : report.rows) {
            if (!row.disagrees())
                continue;
            window << QStringLiteral("%1: %2 -> %3")
                          .arg(QLatin1StringView(fieldInfo(row.field).jsonKey), row.tables,
                               row.part);
            sentences << QStringLiteral("Disagreement: ") + ResultReport::sentence(row);
        }
        QStringList command;
        for (const QJsonValue& disagreement :
             jsonOf(strings({"--json", "--identify"}) + lines).value(u"disagreements").toArray())
            command << QStringLiteral("%1: %2 -> %3")
                           .arg(disagreement[u"field"].toString(),
                                disagreement[u"tables"].toString(),
                                disagreement[u"part"].toString());
        QCOMPARE(command, window);

        // Text: after the Identified line, one line each; nothing after them.
        const QStringList text =
            QString::fromUtf8(run(QStringList{QStringLiteral("--identify")} + lines).out)
                .split(u'\n', Qt::SkipEmptyParts);
        const qsizetype identified =
            text.indexOf(QRegularExpression(QStringLiteral("Identified: .*")));
        QVERIFY(identified > 0);
        QCOMPARE(text.mid(identified + 1), sentences);
        disagreeing += !window.isEmpty();
    }
    QVERIFY(disagreeing > 10);
}

// A batch cites its sources by id; --sources lists each once, and with it every record's ids
// give back the whole citations a single decode of the same lines gives.
void tst_DecodeCommand::batchCitesSourcesById()
{
    QHash<QString, QString> citations;
    QStringList ids;
    for (const QByteArray& line : run(strings({"--sources", "--json"})).out.split('\n')) {
        if (line.isEmpty())
            continue;
        const QJsonObject source = QJsonDocument::fromJson(line).object();
        const QString id = source.value(u"id").toString();
        const QString address = source.value(u"address").toString();
        ids << id;
        citations.insert(id, source.value(u"title").toString() +
                                 (address.isEmpty() ? QString() : QStringLiteral(", ") + address));
    }
    QVERIFY(ids.size() > 20);
    // The same list as text and as CSV.
    QStringList text;
    for (const QString& id : ids)
        text << id + QStringLiteral(": ") + citations.value(id);
    QCOMPARE(QString::fromUtf8(run({QStringLiteral("--sources")}).out), text.join(u'\n') + u'\n');
    QString problem;
    const QList<QStringList> rows = readCsv(run(strings({"--sources", "--csv"})).out, &problem);
    QCOMPARE(rows.value(0), strings({"id", "title", "address"}));
    QCOMPARE(rows.size(), ids.size() + 1);
    for (qsizetype i = 0; i < ids.size(); ++i) {
        QCOMPARE(cellValue(rows[i + 1][0]), ids[i]);
        QCOMPARE(citations.value(ids[i]),
                 cellValue(rows[i + 1][1]) +
                     (rows[i + 1][2].isEmpty() ? QString()
                                               : QStringLiteral(", ") + cellValue(rows[i + 1][2])));
    }

    // A known part, one read from its letters, a core the stepping narrows (its own source),
    // a letter not read.
    const QList<QStringList> records{
        {QStringLiteral("AXDA2800DKV4D")},
        kExample,
        {QStringLiteral("AXDA2200DKV3C"), kExample[1], QStringLiteral("KIUHB0312XPMW")},
        {QStringLiteral("K7600MTR51B")},
        {QStringLiteral("axda2800dkv4z")},
    };
    QByteArray input;
    for (const QStringList& lines : records)
        input += lines.join(u'\t').toUtf8() + '\n';
    for (const bool csv : {false, true}) {
        QStringList arguments = strings({"--batch", "-", "--identify"});
        if (csv)
            arguments << QStringLiteral("--csv");
        const Run batch = run(arguments, input);
        QCOMPARE(batch.status, EXIT_SUCCESS);
        QList<QStringList> cited; // each record's ids
        if (csv) {
            const QList<QStringList> table = readCsv(batch.out, &problem);
            const qsizetype column = table[0].indexOf(QStringLiteral("identity.sources"));
            for (const QStringList& row : table.mid(1))
                cited << cellValue(row[column]).split(u'\n');
        } else {
            for (const QByteArray& line : batch.out.split('\n').mid(0, records.size())) {
                QStringList sources;
                for (const QJsonValue& id :
                     QJsonDocument::fromJson(line)[u"identity"][u"sources"].toArray())
                    sources << id.toString();
                cited << sources;
            }
        }
        QCOMPARE(cited.size(), records.size());
        for (qsizetype i = 0; i < records.size(); ++i) {
            QStringList joined;
            for (const QString& id : cited[i]) {
                QVERIFY2(citations.contains(id), qPrintable(id));
                joined << citations.value(id);
            }
            QStringList whole;
            for (const QJsonValue& citation : jsonOf(strings({"--json", "--identify"}) + records[i])
                                                  .value(u"identity")[u"sources"]
                                                  .toArray())
                whole << citation.toString();
            QVERIFY(!whole.isEmpty());
            QCOMPARE(joined, whole);
        }
    }
}

// Suggestions cost far more than the rest of a record: a batch looks for them only when asked,
// and then finds what a single decode finds; the reason comes always.
void tst_DecodeCommand::batchSuggestsOnlyWhenAsked()
{
    const QByteArray input = "AXDA2500DKV4\nAXDA2800DKV4D\n";
    const QJsonObject single = jsonOf(strings({"--json", "--identify", "AXDA2500DKV4"}));
    QCOMPARE(single.value(u"suggestions").toArray().first(), QStringLiteral("AXDA2500DKV4D"));
    for (const bool suggest : {false, true}) {
        QStringList arguments = strings({"--batch", "-", "--identify"});
        if (suggest)
            arguments << QStringLiteral("--suggest");
        const QList<QByteArray> lines = run(arguments, input).out.split('\n');
        const QJsonObject notKnown = QJsonDocument::fromJson(lines[0]).object();
        QCOMPARE(notKnown.value(u"reason"), single.value(u"reason"));
        QCOMPARE(notKnown.value(u"suggestions"),
                 suggest ? single.value(u"suggestions") : QJsonValue(QJsonValue::Null));
        // A known part needs none.
        QCOMPARE(QJsonDocument::fromJson(lines[1])[u"suggestions"], QJsonValue(QJsonArray()));
    }
}

void tst_DecodeCommand::realExecutable()
{
    QProcess process;
    process.start(QStringLiteral(TALLISK_DECODE_PATH), {QStringLiteral("AMSN2000DKT3C")});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), EXIT_FAILURE);
    QCOMPARE(process.readAllStandardError(),
             QByteArray("Chip 'AMD Athlon MP' is currently unsupported by Tallisk\n"));
    QVERIFY(process.readAllStandardOutput().startsWith("[ Waiting ]\nCore: \n"));

    process.start(QStringLiteral(TALLISK_DECODE_PATH),
                  {QStringLiteral("--batch"), QStringLiteral("-")});
    QVERIFY(process.waitForStarted());
    process.write("A1000AMT3C\n");
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), EXIT_SUCCESS);
    QVERIFY(process.readAllStandardOutput().contains("\"multiplier\":\"7.5\""));

    process.start(QStringLiteral(TALLISK_DECODE_PATH),
                  {QStringLiteral("--identify"), QStringLiteral("axmd2600gjq4d")});
    QVERIFY(process.waitForFinished(30000));
    QVERIFY(process.readAllStandardOutput().contains(
        "\nIdentified: AMD Athlon XP-M 2600+ (Barton, 1833 MHz, 333 MHz bus, 11.0x, 512 KB L2) "
        "[known part]\n"));
}

static QByteArray manyRecords(int count)
{
    QByteArray records;
    for (int i = 0; i < count; ++i)
        records += i % 2 ? "AXDA2500DKV4D\tABCDEFG18HIJ1234\tJIUHB0312XPMW\n" : "AXDB2000\n";
    return records;
}

void tst_DecodeCommand::lostOutput_data()
{
    // messages: what the pass itself shows first
    addColumns<QStringList, QByteArray, qint64, QByteArray>(
        {"arguments", "input", "capacity", "messages"});

    const QByteArray declined = "There was an error with the string you entered - Please revise "
                                "it.\r\n\r\nDid you mean 'AXDA' or 'AX' instead?\n";
    const QByteArray batchInput = manyRecords(4000); // far more than one output block
    // clang-format off
    QTest::newRow("text") << kExample << QByteArray() << qint64(0) << QByteArray();
    QTest::newRow("text, part written") << kExample << QByteArray() << qint64(20) << QByteArray();
    QTest::newRow("text, early end") << strings({"AXDB2000"}) << QByteArray() << qint64(0) << declined;
    QTest::newRow("json") << QStringList{QStringLiteral("--json")} + kExample << QByteArray() << qint64(0) << QByteArray();
    QTest::newRow("json, identified") << QStringList{QStringLiteral("--json"), QStringLiteral("--identify")} + kExample << QByteArray() << qint64(100) << QByteArray();
    QTest::newRow("csv") << QStringList{QStringLiteral("--csv")} + kExample << QByteArray() << qint64(0) << QByteArray();
    QTest::newRow("help") << strings({"--help"}) << QByteArray() << qint64(0) << QByteArray();
    QTest::newRow("batch, nothing written") << strings({"--batch", "-"}) << batchInput << qint64(0) << QByteArray();
    QTest::newRow("batch, first block written") << strings({"--batch", "-"}) << batchInput << qint64(300000) << QByteArray();
    QTest::newRow("batch, only the last flush fails") << strings({"--batch", "-"}) << manyRecords(3) << qint64(0) << QByteArray();
    QTest::newRow("batch csv") << strings({"--batch", "-", "--csv", "--identify"}) << batchInput << qint64(300000) << QByteArray();
    // clang-format on
}

// Output that could not be written is never a success: one line names standard output and the
// reason, the status is 1, and nothing more is written after the failure.
void tst_DecodeCommand::lostOutput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(qint64, capacity);
    QFETCH(QByteArray, messages);
    QBuffer in(&input), err;
    in.open(QIODevice::ReadOnly);
    err.open(QIODevice::WriteOnly);
    FailingDevice out(capacity);
    DecodeCommand command(in, out, err);
    QCOMPARE(command.run(QStringList{QStringLiteral("tallisk-decode")} + arguments), EXIT_FAILURE);
    QCOMPARE(err.data(),
             messages + "tallisk-decode: cannot write standard output: No space left on device\n");
    QCOMPARE(out.writesAfterFailure, qint64(0));
    QCOMPARE(out.written.size(), capacity);
}

void tst_DecodeCommand::fullDevice_data()
{
    addColumns<QStringList, QByteArray>({"arguments", "input"});

    // clang-format off
    QTest::newRow("text") << kExample << QByteArray();
    QTest::newRow("text, identified") << QStringList{QStringLiteral("--identify")} + kExample << QByteArray();
    QTest::newRow("json") << QStringList{QStringLiteral("--json")} + kExample << QByteArray();
    QTest::newRow("csv") << QStringList{QStringLiteral("--csv")} + kExample << QByteArray();
    QTest::newRow("version") << strings({"--version"}) << QByteArray();
    QTest::newRow("batch") << strings({"--batch", "-"}) << manyRecords(3);
    QTest::newRow("batch, many blocks") << strings({"--batch", "-"}) << manyRecords(3000);
    QTest::newRow("batch csv") << strings({"--batch", "-", "--csv"}) << manyRecords(3);
    // clang-format on
}

// The real program with standard output on a full device, in every mode.
void tst_DecodeCommand::fullDevice()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    if (!QFile::exists(QStringLiteral("/dev/full")))
        QSKIP("this system has no /dev/full");
    QProcess process;
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(QStringLiteral(TALLISK_DECODE_PATH), arguments);
    QVERIFY(process.waitForStarted());
    process.write(input);
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), EXIT_FAILURE);
    QCOMPARE(process.readAllStandardError(),
             QByteArray("tallisk-decode: cannot write standard output: No space left on device\n"));
}

void tst_DecodeCommand::closedPipe_data()
{
    QTest::addColumn<QStringList>("arguments");
    // clang-format off
    QTest::newRow("batch") << QStringList();
    QTest::newRow("batch csv") << QStringList{QStringLiteral("--csv")};
    // clang-format on
}

// `tallisk-decode --batch FILE | head -n 1`: the reader goes away early. The program ends by
// itself, quietly (no message, no death by SIGPIPE), with the status of lost output.
void tst_DecodeCommand::closedPipe()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString input = dir.filePath(QStringLiteral("codes.tsv"));
    const QString errors = dir.filePath(QStringLiteral("errors.txt"));
    QVERIFY(writeFile(input, manyRecords(20000))); // megabytes of output, beyond a pipe's buffer

    QProcess shell;
    shell.start(QStringLiteral("bash"),
                QStringList{QStringLiteral("-c"),
                            QStringLiteral("\"$0\" --batch \"$1\" \"${@:3}\" 2>\"$2\" | head -n 1; "
                                           "echo \"status ${PIPESTATUS[0]}\""),
                            QStringLiteral(TALLISK_DECODE_PATH), input, errors} +
                    arguments);
    QVERIFY(shell.waitForFinished(120000));
    const QList<QByteArray> lines = shell.readAllStandardOutput().split('\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines[0].startsWith(arguments.isEmpty() ? "{" : "record,"), lines[0].constData());
    QCOMPARE(lines[1], QByteArray("status 1"));
    QFile errorFile(errors);
    QVERIFY(errorFile.open(QIODevice::ReadOnly));
    QCOMPARE(errorFile.readAll(), QByteArray());
}

// Records read in large blocks: lines that cross a block's end come out whole and in order.
void tst_DecodeCommand::batchAcrossBlocks()
{
    QByteArray input;
    QList<QByteArray> middles;
    for (int i = 0; input.size() < 3 * 256 * 1024; ++i) {
        middles << QByteArray(i % 251 + (i % 100 == 0 ? 60000 : 0), 'Q');
        input += "AXDA2500DKV4D\t" + middles.last() + "\tJIUHB0312XPMW\n";
    }
    const Run result = run({QStringLiteral("--batch"), QStringLiteral("-")}, input);
    QCOMPARE(result.status, EXIT_SUCCESS);
    const QList<QByteArray> lines = result.out.split('\n');
    QCOMPARE(lines.size(), middles.size() + 1);
    for (qsizetype i = 0; i < middles.size(); ++i) {
        const QJsonObject object = QJsonDocument::fromJson(lines[i]).object();
        QCOMPARE(object.value(u"record").toInteger(), i + 1);
        QCOMPARE(object.value(u"line2").toString().toLatin1(), middles[i]);
        QCOMPARE(object.value(u"line3").toString(), QStringLiteral("JIUHB0312XPMW"));
    }
}

void tst_DecodeCommand::longLines_data()
{
    // ended: whether the last line has its line end
    addColumns<QList<int>, QByteArray, bool>({"lengths", "lineEnd", "ended"});

    // clang-format off
    QTest::newRow("at the limit") << QList<int>{65536} << QByteArray("\n") << true;
    QTest::newRow("at the limit, CR LF") << QList<int>{65536} << QByteArray("\r\n") << true;
    QTest::newRow("one byte over") << QList<int>{65537, 5} << QByteArray("\n") << true;
    QTest::newRow("one byte over, CR LF") << QList<int>{65537, 5} << QByteArray("\r\n") << true;
    QTest::newRow("over, last, no line end") << QList<int>{5, 70000} << QByteArray("\n") << false;
    QTest::newRow("over twice, then a record") << QList<int>{100000, 100000, 5} << QByteArray("\n") << true;
    QTest::newRow("beyond many blocks") << QList<int>{3, 3000000, 5} << QByteArray("\n") << true;
    // clang-format on
}

// A line longer than the limit is one error record, and the run goes on with the next line.
void tst_DecodeCommand::longLines()
{
    QFETCH(QList<int>, lengths);
    QFETCH(QByteArray, lineEnd);
    QFETCH(bool, ended);
    QByteArray input;
    for (int length : lengths)
        input += QByteArray(length, 'Q') + lineEnd;
    if (!ended)
        input.chop(lineEnd.size());

    const Run result = run({QStringLiteral("--batch"), QStringLiteral("-")}, input);
    QCOMPARE(result.status, EXIT_SUCCESS);
    const QList<QByteArray> lines = result.out.chopped(1).split('\n');
    QCOMPARE(lines.size(), lengths.size());
    for (qsizetype i = 0; i < lengths.size(); ++i) {
        const QJsonObject record = QJsonDocument::fromJson(lines[i]).object();
        QCOMPARE(record.value(u"record").toInteger(), i + 1);
        if (lengths[i] > 65536) {
            QCOMPARE(record.keys(), strings({"error", "record"}));
            QCOMPARE(record.value(u"error").toString(),
                     QStringLiteral("line longer than 65536 bytes"));
        } else {
            QCOMPARE(record.value(u"line1").toString().size(), lengths[i]);
        }
    }
}

// An endless line (a stream of zero bytes) between good records, read by the real program
// under a memory limit it could not hold the line in: every record is written, the line
// becomes one error record, and the program ends normally.
void tst_DecodeCommand::endlessLineUnderAMemoryLimit()
{
    if (kAddressSanitizer)
        QSKIP("AddressSanitizer reserves more address space than the limit allows");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString records = dir.filePath(QStringLiteral("records.tsv"));
    const QString output = dir.filePath(QStringLiteral("out.jsonl"));
    QVERIFY(writeFile(records, manyRecords(2000)));
    // 1 GiB of zero bytes without a line end, under a 512 MiB limit of address space.
    QProcess shell;
    const QByteArray err = runProgram(
        shell, QStringLiteral("bash"),
        {QStringLiteral("-c"),
         QStringLiteral("ulimit -v 524288 && "
                        "{ cat \"$1\"; head -c 1073741824 /dev/zero; echo; cat \"$1\"; } | "
                        "\"$0\" --batch - >\"$2\"; echo \"${PIPESTATUS[1]}\""),
         QStringLiteral(TALLISK_DECODE_PATH), records, output});
    QCOMPARE(err, QByteArray());
    QCOMPARE(shell.readAllStandardOutput(), QByteArray("0\n"));
    const QList<QByteArray> lines = readFile(output).split('\n');
    QCOMPARE(lines.size(), 4002);
    QCOMPARE(lines[2000], QByteArray(R"({"error":"line longer than 65536 bytes","record":2001})"));
    QCOMPARE(QJsonDocument::fromJson(lines[1999]).object().value(u"record").toInt(), 2000);
    QCOMPARE(QJsonDocument::fromJson(lines[4000]).object().value(u"record").toInt(), 4001);
}

// A batch whose input fails part way: what was read is written, and the failure is named
// with the input-file status, not taken for the end of the input.
void tst_DecodeCommand::batchReadFailure()
{
    FailingInput in("AXDA2500DKV4D\nAXDB2000\nD700AUT1B"); // the last line cut short
    QBuffer out, err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    DecodeCommand command(in, out, err);
    QCOMPARE(command.run(strings({"tallisk-decode", "--batch", "-"})), DecodeCommand::kUsageError);
    QCOMPARE(err.data(), QByteArray("tallisk-decode: standard input: Input/output error\n"));
    QCOMPARE(out.data().count('\n'), 2);
    QVERIFY(!out.data().contains("D700AUT1B"));
}

QTEST_GUILESS_MAIN(tst_DecodeCommand)
#include "tst_DecodeCommand.moc"

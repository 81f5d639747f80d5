// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecodeCommand.h"
#include "DecodePass.h"
#include "DecodeRecord.h"
#include "Identification.h"
#include "JsonResultWriter.h"
#include "JsonWriter.h"
#include "PartIdentifier.h"
#include "PartTable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <cmath>
#include <limits>

using namespace tallisk;

// The command's own JSON writer against the toolkit's: for every record and value, the same
// bytes as QJsonDocument::toJson, compact and indented.
class tst_JsonWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void recordMatchesToolkit_data();
    void recordMatchesToolkit();
    void unreadableRecord();
    void valuesMatchToolkit_data();
    void valuesMatchToolkit();
    void everyPartIdentity();
};

static QString withUnits(std::initializer_list<char16_t> units)
{
    QString text;
    for (const char16_t unit : units)
        text.append(QChar(unit));
    return text;
}

static QString everyControlCharacter()
{
    QString text;
    for (char16_t u = 0; u < 0x20; ++u)
        text.append(QChar(u));
    return text + QChar(0x7F) + QChar(0x80) + QChar(0x9F);
}

static QByteArray toolkitBytes(const QJsonObject& object, QJsonDocument::JsonFormat format)
{
    QByteArray bytes = QJsonDocument(object).toJson(format);
    if (format == QJsonDocument::Compact)
        bytes += '\n'; // the command's JSON Lines end each object with a line feed
    return bytes;
}

void tst_JsonWriter::recordMatchesToolkit_data()
{
    QTest::addColumn<QStringList>("lines");

    // clang-format off
    QTest::newRow("worked example") << QStringList{QStringLiteral("AXDA2500DKV4D"), QStringLiteral("ABCDEFG18HIJ1234"), QStringLiteral("JIUHB0312XPMW")};
    QTest::newRow("ended early, one message") << QStringList{QStringLiteral("AXDA")};
    QTest::newRow("two messages") << QStringList{QStringLiteral("AXDA2500DKV4D")};
    QTest::newRow("known part the decoder declines") << QStringList{QStringLiteral("AMSN2000DUT3C")};
    QTest::newRow("unknown part with suggestions") << QStringList{QStringLiteral("AXDA3200DKV4Z")};
    QTest::newRow("slot A, unknown facts null") << QStringList{QStringLiteral("K7600MTR51B")};
    QTest::newRow("empty lines") << QStringList{QString(), QString(), QString()};
    QTest::newRow("quotes and backslashes") << QStringList{ QStringLiteral("AX\"DA\\2500"), QStringLiteral("\\\\\"\""), QStringLiteral("\\u0041")};
    QTest::newRow("control characters") << QStringList{QStringLiteral("AXDA2500DKV4D") + everyControlCharacter(), everyControlCharacter(), QStringLiteral("\r\n\t\b\f")};
    QTest::newRow("lone surrogates") << QStringList{QStringLiteral("AXDA") + withUnits({0xD800}), withUnits({0xDC00, 0xD800}), withUnits({0xDBFF, u'x', 0xDFFF})};
    QTest::newRow("outside the BMP") << QStringList{QString::fromUcs4(U"A\U0001D7CF\U0010FFFF", 3), QString::fromUcs4(U"\U0001F600", 1), QStringLiteral("\u00B0\u20AC\uFFFF")};
    QTest::newRow("line and paragraph separators") << QStringList{ QStringLiteral("\u2028\u2029"), QStringLiteral("</script>"), QStringLiteral("\u00A0")};
    QTest::newRow("stepping from a latin-1 line") << QStringList{QStringLiteral("AX1800DMT3C"), QStringLiteral("AGOGA0227TPD\u00C9")};
    // clang-format on
}

// The writer's record of one decoded record, with every combination of options the command
// has, against the toolkit-built object of the same record.
static void compareWithToolkit(const DecodeRecord& record, PassOutcome outcome)
{
    for (const auto suggestions :
         {Identification::Suggestions::Search, Identification::Suggestions::Skip}) {
        const Identification identification = Identification::of(record, suggestions);
        for (const Citations citations : {Citations::Whole, Citations::Ids}) {
            for (const bool identify : {false, true}) {
                for (const qint64 number : {qint64(0), qint64(1), qint64(9007199254740993)}) {
                    QJsonObject object = DecodeCommand::resultJson(record, outcome);
                    if (identify)
                        DecodeCommand::addIdentity(object, identification, citations);
                    if (number > 0)
                        object.insert(QStringLiteral("record"), number);
                    const DecodeResult result{record, record.messages(), outcome,
                                              identify ? &identification : nullptr};
                    for (const auto& [style, format] :
                         {std::pair{JsonWriter::Style::Compact, QJsonDocument::Compact},
                          std::pair{JsonWriter::Style::Indented, QJsonDocument::Indented}}) {
                        QByteArray written = "kept";
                        JsonResultWriter(style, citations).writeResult(written, result, number);
                        QVERIFY(written.startsWith("kept")); // appended, never replacing
                        QCOMPARE(written.sliced(4), toolkitBytes(object, format));
                    }
                }
            }
        }
    }
}

void tst_JsonWriter::recordMatchesToolkit()
{
    QFETCH(QStringList, lines);
    DecodeRecord record(lines.value(0), lines.value(1), lines.value(2));
    const PassOutcome outcome = runDecodePass(record);
    compareWithToolkit(record, outcome);
}

void tst_JsonWriter::unreadableRecord()
{
    const QString problem = QStringLiteral("more than three fields (4) \"\\\u00E9");
    const QJsonObject object{{QStringLiteral("error"), problem}, {QStringLiteral("record"), 12}};
    QByteArray compact, indented;
    JsonResultWriter(JsonWriter::Style::Compact).writeUnreadable(compact, problem, 12);
    JsonResultWriter(JsonWriter::Style::Indented).writeUnreadable(indented, problem, 12);
    QCOMPARE(compact, toolkitBytes(object, QJsonDocument::Compact));
    QCOMPARE(indented, toolkitBytes(object, QJsonDocument::Indented));
}

void tst_JsonWriter::valuesMatchToolkit_data()
{
    QTest::addColumn<QJsonObject>("object");

    // clang-format off
    QTest::newRow("empty object") << QJsonObject();
    QTest::newRow("empty containers") << QJsonObject{{QStringLiteral("a"), QJsonArray()}, {QStringLiteral("o"), QJsonObject()}};
    QTest::newRow("scalars") << QJsonObject{{QStringLiteral("t"), true}, {QStringLiteral("f"), false}, {QStringLiteral("n"), QJsonValue()}, {QStringLiteral("s"), QStringLiteral("x")}};
    QTest::newRow("integers") << QJsonObject{ {QStringLiteral("zero"), 0}, {QStringLiteral("negative"), -1667}, {QStringLiteral("large"), qint64(1) << 53}, {QStringLiteral("largest"), std::numeric_limits<qint64>::max()}, {QStringLiteral("smallest"), std::numeric_limits<qint64>::min()}};
    QTest::newRow("doubles") << QJsonObject{ {QStringLiteral("half"), 12.5}, {QStringLiteral("vcore"), 1.6}, {QStringLiteral("whole"), 11.0}, {QStringLiteral("tenth"), 0.1}, {QStringLiteral("huge"), 1e300}, {QStringLiteral("tiny"), -4.9e-324}, {QStringLiteral("negative zero"), -0.0}, {QStringLiteral("infinite"), std::numeric_limits<double>::infinity()}};
    // Thousandths are written from their digits; their neighbours and the rest the toolkit's way.
    QTest::newRow("thousandths") << QJsonObject{ {QStringLiteral("volts"), 1.65}, {QStringLiteral("low"), -1.475}, {QStringLiteral("top"), 999999.999}, {QStringLiteral("million"), 1e6 + 0.5}, {QStringLiteral("small"), 0.001}, {QStringLiteral("smaller"), 0.0001}, {QStringLiteral("third"), 1.0 / 3}, {QStringLiteral("next to 1.65"), std::nextafter(1.65, 2.0)}};
    QTest::newRow("nesting") << QJsonObject{ {QStringLiteral("list"), QJsonArray{1, QJsonArray{QJsonArray{}, QJsonObject{{QStringLiteral("k"), 2.5}}}, QStringLiteral("s"), QJsonValue()}}, {QStringLiteral("deep"), QJsonObject{{QStringLiteral("a"), QJsonObject{{QStringLiteral("b"), QJsonObject{{QStringLiteral("c"), QJsonArray{true}}}}}}}}};
    QTest::newRow("keys to escape and sort") << QJsonObject{{QStringLiteral("z"), 1}, {QStringLiteral("\u00E9\"\\\n"), 2}, {withUnits({0xD800}), 3}, {QStringLiteral("A"), 4}, {QStringLiteral("_"), 5}};
    QTest::newRow("future identity") << QJsonObject{{QStringLiteral("sources"), QJsonArray{QStringLiteral("a datasheet"), QStringLiteral("a\nlist")}}, {QStringLiteral("basis"), QStringLiteral("part number")}};
    // clang-format on
}

void tst_JsonWriter::valuesMatchToolkit()
{
    QFETCH(QJsonObject, object);
    for (const auto& [style, format] :
         {std::pair{JsonWriter::Style::Compact, QJsonDocument::Compact},
          std::pair{JsonWriter::Style::Indented, QJsonDocument::Indented}}) {
        QByteArray written;
        JsonWriter(written, style).value(object);
        QCOMPARE(written, QJsonDocument(object).toJson(format));
        // The same inside an array, one level deeper.
        written.clear();
        JsonWriter(written, style).value(QJsonArray{object, object});
        QCOMPARE(written, QJsonDocument(QJsonArray{object, object}).toJson(format));
    }
}

// Every part the table knows, with the lines of the worked example, as the command writes it:
// each identity key read from its typed value, every disagreement.
void tst_JsonWriter::everyPartIdentity()
{
    const QList<PartIdentity>& rows = PartTable::instance().rows();
    QVERIFY(rows.size() > 10);
    for (const PartIdentity& row : rows) {
        DecodeRecord record(row.part, QStringLiteral("ABCDEFG18HIJ1234"),
                            QStringLiteral("JIUHB0312XPMW"));
        const PassOutcome outcome = runDecodePass(record);
        compareWithToolkit(record, outcome);
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(row.part));
    }
}

QTEST_GUILESS_MAIN(tst_JsonWriter)
#include "tst_JsonWriter.moc"

// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecodeTestSupport.h"
#include "HtmlTable.h"
#include "TestSupport.h"

#include <QTest>

using namespace tallisk;
using namespace tallisk::test;

// Input no one types on purpose, from the decode pass to the exported table: very long lines,
// control characters, lone surrogates as a paste can bring them, and characters outside the
// Basic Multilingual Plane (one position each, never split).
class tst_HostileInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void longLinesDecode_data();
    void longLinesDecode();
    void oddCharactersReachTheExport_data();
    void oddCharactersReachTheExport();
};

namespace {

const QString kLine1 = QStringLiteral("AXDA2500DKV4D");
const QString kLine2 = QStringLiteral("ABCDEFG18HIJ1234");
// The worked example's result, with the stepping code and the batch left to each case.
QString worked(const QString& stepping, const QString& batch)
{
    return QStringLiteral("core=Barton | cpu_model=10 | performance_rating=2500+"
                          " | working_frequency=1833 | package_type=OPGA"
                          " | operating_voltage=1.65v | operating_temperature=85\u00B0C"
                          " | l1_cache=128KB | l2_cache=512KB | multiplier=11.0"
                          " | fsb_frequency=333MHz | stepping_code=%1 | manufacture_year=2003"
                          " | manufacture_week=Week 12 | production_batch=%2"
                          " | batch_production_number=1234 | downgraded_from=N/A")
        .arg(stepping, batch);
}

} // namespace

void tst_HostileInput::longLinesDecode_data()
{
    QTest::addColumn<QString>("filler");

    // clang-format off
    QTest::newRow("letters") << QStringLiteral("X");
    QTest::newRow("outside the BMP") << QStringLiteral("\U0001F600");
    QTest::newRow("control characters") << QStringLiteral("\u0001\t\u007F\u0085");
    QTest::newRow("lone surrogates") << QString(QChar(0xDC00)) + QChar(0xD800);
    // clang-format on
}

// 200,000 UTF-16 units of filler in each box, where the decoder does not read: line 1 after the
// codes, line 2 before the batch production number, line 3 between the date and the batch.
void tst_HostileInput::longLinesDecode()
{
    QFETCH(QString, filler);
    const QString pad = filler.repeated(200000 / filler.size());

    DecodeRecord record(kLine1 + pad, pad + kLine2,
                        QStringLiteral("JIUHB0312") + pad + QStringLiteral("XPMW"));
    QCOMPARE(runDecodePass(record), PassOutcome::Completed);
    QCOMPARE(test::describe(record), worked(QStringLiteral("JIUHB"), QStringLiteral("M")));
    QVERIFY(record.messages().isEmpty());
    QCOMPARE(record.line1().size(), kLine1.size() + pad.size()); // the lines are left whole

    // Filler where the family is read: not found, nothing written.
    DecodeRecord unknown(pad + kLine1, kLine2, pad);
    QCOMPARE(runDecodePass(unknown), PassOutcome::EndedEarly);
    QCOMPARE(unknown.messages().size(), 1);
    QCOMPARE(test::describe(unknown), QString());
}

void tst_HostileInput::oddCharactersReachTheExport_data()
{
    // steppingCell: as the export writes it
    addColumns<QString, QString, QString, QByteArray, QByteArray>(
        {"line3", "stepping", "batch", "steppingCell", "batchCell"});

    const QString emoji = QStringLiteral("\U0001F600");
    const QChar high(0xD800);
    const QChar low(0xDC00);
    // clang-format off
    QTest::newRow("C0 controls and DEL") << QStringLiteral("\u0001\u001F\t\u007F0312XPMW") << QStringLiteral("\u0001\u001F\t\u007F") << QStringLiteral("M") << QByteArray("\x01\x1F\t\x7F") << QByteArray("M");
    QTest::newRow("CR and LF") << QStringLiteral("A\r\nB0312XP\nW") << QStringLiteral("A\r\nB") << QStringLiteral("\n") << QByteArray("A&#13;&#10;B") << QByteArray("&#10;");
    QTest::newRow("C1 controls and a non-breaking space") << QStringLiteral("\u0085\u009F\u00A00312XPMW") << QStringLiteral("\u0085\u009F\u00A0") << QStringLiteral("M") << QByteArray("&#133;&#159;\xA0") << QByteArray("M");
    // Seven characters of two UTF-16 units each: the digit after them is still position 8.
    QTest::newRow("seven characters outside the BMP") << emoji.repeated(7) + QStringLiteral("0312XP") + emoji + u'W' << emoji.repeated(7) << emoji << QByteArray("&#128512;").repeated(7) << QByteArray("&#128512;");
    QTest::newRow("lone surrogates, either half, and reversed") << QString(low) + high + QStringLiteral("0312XP") + high + u'W' << QString(low) + high << QString(high) << QByteArray("&#56320;&#55296;") << QByteArray("&#55296;");
    QTest::newRow("a lone high surrogate before a pair") << QString(high) + emoji + QStringLiteral("0312XP") + low + u'W' << QString(high) + emoji << QString(low) << QByteArray("&#55296;&#128512;") << QByteArray("&#56320;");
    QTest::newRow("markup") << QStringLiteral("<\"&>0312XP<W") << QStringLiteral("<\"&>") << QStringLiteral("<") << QByteArray("&lt;&quot;&amp;&gt;") << QByteArray("&lt;");
    // clang-format on
}

// The stepping code (the start of line 3) and the batch (its third character from the end)
// carry the characters through the pass unchanged, and the export writes every one of them.
void tst_HostileInput::oddCharactersReachTheExport()
{
    QFETCH(QString, line3);
    QFETCH(QString, stepping);
    QFETCH(QString, batch);

    DecodeRecord record(kLine1, kLine2, line3);
    QCOMPARE(runDecodePass(record), PassOutcome::Completed);
    QCOMPARE(test::describe(record), worked(stepping, batch));

    const QByteArray html = HtmlTable::render(record.modelName(), record.fieldTexts());
    const QList<QByteArray> lines = html.split('\n');
    QCOMPARE(lines.size(), HtmlTable::kLineCount + 1); // the last CR LF ends the last line
    const auto cell = [&lines](Field field) {
        // Four lines per row after the heading; the value is the row's third line.
        const QByteArray line = lines[6 + 4 * qsizetype(fieldIndex(field))];
        const qsizetype start = line.indexOf("&nbsp;") + 6;
        return line.mid(start, line.indexOf("</font></td>\r", start) - start);
    };
    QCOMPARE(cell(Field::Stepping), test::fetch<QByteArray>("steppingCell"));
    QCOMPARE(cell(Field::ProductionBatch), test::fetch<QByteArray>("batchCell"));
}

QTEST_GUILESS_MAIN(tst_HostileInput)
#include "tst_HostileInput.moc"

// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecodeTestSupport.h"
#include "TestSupport.h"

#include <QTest>

using namespace tallisk;
using namespace tallisk::test;

// Lines 2 and 3 through whole passes; line 1 picks the model-number group.
class tst_LineTwoThree : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lines_data();
    void lines();
    void thoroughbredSuffixes_data();
    void thoroughbredSuffixes();
    void steppingMessageSeesEarlierFields();
};

static const QString kStepping = QStringLiteral("Failed trying to retrieve stepping");
static const QString kLineTwo =
    QStringLiteral("Error: Unable to read correct value in textbox two.");
static const QString kLineThree =
    QStringLiteral("Error: Unable to read correct value in textbox three.");

// Line-1 fields (with core and model) of the lines used below, so each row adds what lines 2
// and 3 decide. Rows compare sets of "key=value", so the order of the pieces does not matter.
static const QString kThoroughbredLine = QStringLiteral("AXDA2200DKV3C"); // model 8, bus 266
static const QString kThoroughbred =
    QStringLiteral("cpu_model=8 | performance_rating=2200+ | package_type=OPGA"
                   " | operating_voltage=1.65v | operating_temperature=85\u00B0C"
                   " | l1_cache=128KB | l2_cache=256KB | fsb_frequency=266MHz");
static const QString kThoroughbredClock =
    QStringLiteral("working_frequency=1800 | multiplier=13.5");
static const QString kBartonLine = QStringLiteral("AXDA2500DKV4D");
static const QString kBarton =
    QStringLiteral("core=Barton | cpu_model=10 | performance_rating=2500+ | package_type=OPGA"
                   " | operating_voltage=1.65v | operating_temperature=85\u00B0C"
                   " | l1_cache=128KB | l2_cache=512KB | fsb_frequency=333MHz"
                   " | downgraded_from=N/A");
static const QString kBartonClock = QStringLiteral("working_frequency=1833 | multiplier=11.0");
static const QString kPalominoLine = QStringLiteral("AX1800DMT3C");
static const QString kPalomino =
    QStringLiteral("core=Palomino | cpu_model=6 | performance_rating=1800+ | package_type=OPGA"
                   " | operating_voltage=1.75v | operating_temperature=90\u00B0C"
                   " | l1_cache=128KB | l2_cache=256KB | fsb_frequency=266MHz"
                   " | working_frequency=1533 | multiplier=11.5 | downgraded_from=N/A"
                   " | batch_production_number=N/A");

static QStringList fieldSet(const QString& described)
{
    QStringList parts = described.split(QStringLiteral(" | "), Qt::SkipEmptyParts);
    parts.sort();
    return parts;
}

static QString join(std::initializer_list<QString> parts)
{
    return QStringList(parts).join(QStringLiteral(" | "));
}

void tst_LineTwoThree::lines_data()
{
    // fields: every non-empty field
    addColumns<QString, QString, QString, QString, QStringList, bool>(
        {"line1", "line2", "line3", "fields", "messages", "completed"});

    const QString worked2 = QStringLiteral("ABCDEFG18HIJ1234");
    const QString worked3 = QStringLiteral("JIUHB0312XPMW");
    const QString date0312 = QStringLiteral("manufacture_year=2003 | manufacture_week=Week 12");
    const QString batchM1234 = QStringLiteral("production_batch=M | batch_production_number=1234");
    const QString agoga = QStringLiteral("stepping_code=AGOGA | manufacture_year=2002"
                                         " | manufacture_week=Week 27 | production_batch=W");
    const QString lineTwoNA = QStringLiteral("batch_production_number=N/A | downgraded_from=N/A");
    const auto ok = [](const char* tag, const QString& l1, const QString& l2, const QString& l3,
                       const QString& fields) {
        QTest::newRow(tag) << l1 << l2 << l3 << fields << QStringList() << true;
    };

    // clang-format off
    ok("Thoroughbred, worked lines 2 and 3", kThoroughbredLine, worked2, worked3, join({QStringLiteral("core=Thoroughbred B Low end"), kThoroughbred, kThoroughbredClock, QStringLiteral("stepping_code=JIUHB | downgraded_from=1800+"), date0312, batchM1234}));
    ok("worked example: Barton, downgraded N/A, core unchanged", kBartonLine, worked2, worked3, join({kBarton, kBartonClock, QStringLiteral("stepping_code=JIUHB"), date0312, batchM1234}));
    ok("downgraded from a line 2 of eight characters", kThoroughbredLine, QStringLiteral("ABCD1237"), QStringLiteral("A0312XPMW"), join({QStringLiteral("core=Thoroughbred A High end"), kThoroughbred, kThoroughbredClock, QStringLiteral("stepping_code=A | production_batch=M | batch_production_number=1237 | downgraded_from=700+"), date0312}));
    ok("downgraded unreadable on a short line 2", kThoroughbredLine, QStringLiteral("1234"), QStringLiteral("K0312XPMW"), join({QStringLiteral("core=Thoroughbred"), kThoroughbred, kThoroughbredClock, QStringLiteral("stepping_code=K | downgraded_from=Error: Unable to read correct value"), date0312, batchM1234}));
    ok("seven-letter stepping", kBartonLine, QStringLiteral("1234"), QStringLiteral("ABCDEFG0312XPMW"), join( {kBarton, kBartonClock, QStringLiteral("stepping_code=ABCDEFG"), date0312, batchM1234}));
    QTest::newRow("eight letters: no stepping, date not numeric") << kBartonLine << QStringLiteral("1234") << QStringLiteral("ABCDEFGH0312XPMW") << join({kBarton, kBartonClock, batchM1234}) << QStringList{kStepping} << true;
    QTest::newRow("eight letters then the date ends the line") << kBartonLine << QStringLiteral("1234") << QStringLiteral("ABCDEFGH0312") << join({kBarton, QStringLiteral("batch_production_number=1234")}) << QStringList{kStepping, kLineThree} << false;
    ok("a digit at position 1 is not seen", kBartonLine, QStringLiteral("1234"), QStringLiteral("1A0312XPMW"), join({kBarton, kBartonClock, QStringLiteral("stepping_code=1A"), date0312, batchM1234}));
    QTest::newRow("line 2 ends in letters: pass ends after the date") << kBartonLine << QStringLiteral("ABCDEFG18HIJ12AB") << worked3 << join({kBarton, QStringLiteral("stepping_code=JIUHB"), date0312}) << QStringList{kLineTwo} << false;
    QTest::newRow("line 3 ends in digits: pass ends after the batch number") << kBartonLine << worked2 << QStringLiteral("JIUHB03121234") << join({kBarton, QStringLiteral("stepping_code=JIUHB | batch_production_number=1234"), date0312}) << QStringList{kLineThree} << false;
    ok("third of the last four a digit: no batch, no message", kBartonLine, QStringLiteral("1234"), QStringLiteral("JIUHB0312XP4W"), join({kBarton, kBartonClock, QStringLiteral("stepping_code=JIUHB | batch_production_number=1234"), date0312}));
    ok("last four of line 3 shorter than three", kBartonLine, QStringLiteral("1234"), QStringLiteral("A1"), join({kBarton, kBartonClock, QStringLiteral("stepping_code=A | manufacture_year=201 | manufacture_week=Week 1 | batch_production_number=1234")}));
    QTest::newRow("empty lines in the line-3 group") << kBartonLine << QString() << QString() << kBarton << QStringList{kStepping, kLineTwo} << false;
    ok("line-2 group, Palomino", kPalominoLine, QStringLiteral("AGOGA0227TPDW"), QString(), join({kPalomino, agoga}));
    ok("line-2 group, Thunderbird (model 4) gets its multiplier", QStringLiteral("A1000AMT3C"), QStringLiteral("AGOGA0227TPDW"), worked3, join({QStringLiteral("core=Thunderbird | cpu_model=4 | performance_rating=N/A | working_frequency=1000 | package_type=CPGA | operating_voltage=1.75v | operating_temperature=90\u00B0C | l1_cache=128KB | l2_cache=256KB | multiplier=7.5 | fsb_frequency=266MHz"), agoga, lineTwoNA}));
    ok("line-2 group, Morgan (model 7) keeps its frequency", QStringLiteral("DHD1300AMT1B"), QStringLiteral("AGOGA0227TPDW"), worked3, join({QStringLiteral("core=Morgan | cpu_model=7 | performance_rating=N/A | working_frequency=1300 | package_type=CPGA | operating_voltage=1.75v | operating_temperature=90\u00B0C | l1_cache=128KB | l2_cache=64KB | fsb_frequency=200MHz"), agoga, lineTwoNA}));
    ok("line-2 group, short date code", kPalominoLine, QStringLiteral("AB1"), QStringLiteral("ignored"), join({kPalomino, QStringLiteral("stepping_code=AB | manufacture_year=201 | manufacture_week=Week 1 | production_batch=1")}));
    ok("line-2 group, date taken untested", kPalominoLine, QStringLiteral("ABCD0W12"), QString(), join({kPalomino, QStringLiteral("stepping_code=ABCD | manufacture_year=200W | manufacture_week=Week 12 | production_batch=2")}));
    QTest::newRow("line-2 group, empty line 2") << kPalominoLine << QString() << QString() << join({kPalomino, QStringLiteral("manufacture_year=20 | manufacture_week=Week ")}) << QStringList{kStepping} << true;
    ok("line-2 group, Latin-1 stepping, lone surrogate as the batch", kPalominoLine, QStringLiteral("\u00B0\u00B0\u00B0\u00B0\u00B00227TPD") + QChar(0xDC00), QString(), join({kPalomino, QStringLiteral("stepping_code=\u00B0\u00B0\u00B0\u00B0\u00B0 | manufacture_year=2002 | manufacture_week=Week 27"), QStringLiteral("production_batch=") + QChar(0xDC00)}));
    ok("other chips read neither line", QStringLiteral("D700AUT1B"), QString(), QString(), QStringLiteral("core=Spitfire | performance_rating=N/A | working_frequency=700 | package_type=CPGA | operating_voltage=1.60v | operating_temperature=90\u00B0C | l1_cache=128KB | l2_cache=64KB | fsb_frequency=200MHz | production_batch=Not found | downgraded_from=N/A"));
    ok("model 3 is another chip", QStringLiteral("DHD800AUT1B"), QStringLiteral("AGOGA0227TPDW"), worked3, QStringLiteral("core=Spitfire | cpu_model=3 | performance_rating=N/A | working_frequency=800 | package_type=CPGA | operating_voltage=1.60v | operating_temperature=90\u00B0C | l1_cache=128KB | l2_cache=64KB | fsb_frequency=200MHz | production_batch=Not found | downgraded_from=N/A"));
    ok("wide characters in lines 2 and 3 are one position each", kBartonLine, QStringLiteral("\U0001F600\U0001F600\U0001F600\U0001F6001234"), QStringLiteral("\U0001F600\u00E9\U0001F6000312X\U0001F600\U0001F601W"), join({kBarton, kBartonClock, QStringLiteral("stepping_code=\U0001F600\u00E9\U0001F600 | production_batch=\U0001F601 | batch_production_number=1234"), date0312}));
    // clang-format on
}

// Each row is decoded over the worked example's result, as a window decodes one code after
// another: nothing of the previous pass may be left.
void tst_LineTwoThree::lines()
{
    QFETCH(QString, fields);
    QFETCH(QStringList, messages);
    QFETCH(bool, completed);
    DecodeRecord record(kBartonLine, QStringLiteral("ABCDEFG18HIJ1234"),
                        QStringLiteral("JIUHB0312XPMW"));
    QCOMPARE(runDecodePass(record), PassOutcome::Completed);
    record.setLines(test::fetch<QString>("line1"), test::fetch<QString>("line2"),
                    test::fetch<QString>("line3"));
    const PassOutcome outcome = runDecodePass(record);
    QCOMPARE(fieldSet(test::describe(record)), fieldSet(fields));
    QCOMPARE(record.messages(), messages);
    QCOMPARE(outcome, completed ? PassOutcome::Completed : PassOutcome::EndedEarly);
}

void tst_LineTwoThree::thoroughbredSuffixes_data()
{
    addTsvRows<QString, QString>("thoroughbred-steppings.tsv");
}

void tst_LineTwoThree::thoroughbredSuffixes()
{
    QFETCH(QString, stepping);
    DecodeRecord record(kThoroughbredLine, QStringLiteral("ABCDEFG18HIJ1234"),
                        stepping + QStringLiteral("0312XPMW"));
    runDecodePass(record);
    QCOMPARE(record.field(Field::Core), test::fetch<QString>("core"));
}

void tst_LineTwoThree::steppingMessageSeesEarlierFields()
{
    DecodeRecord record(kBartonLine, QStringLiteral("1234"), QStringLiteral("ABCDEFGH0312XPMW"));
    QString seenWhileOpen;
    record.setMessageObserver([&](const QString&) { seenWhileOpen = test::describe(record); });
    QCOMPARE(runDecodePass(record), PassOutcome::Completed);
    QVERIFY(seenWhileOpen.contains(QStringLiteral("core=Barton")));
    QVERIFY(seenWhileOpen.contains(QStringLiteral("downgraded_from=N/A")));
    QVERIFY(!seenWhileOpen.contains(QStringLiteral("batch_production_number")));
    QVERIFY(test::describe(record).contains(QStringLiteral("batch_production_number=1234")));
}

QTEST_GUILESS_MAIN(tst_LineTwoThree)
#include "tst_LineTwoThree.moc"

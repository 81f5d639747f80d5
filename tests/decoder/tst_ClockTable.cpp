// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClockTable.h"
#include "DecodeTestSupport.h"

#include <QLocale>
#include <QTest>

#include <span>

using namespace tallisk;

class tst_ClockTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void ratedChips_data();
    void ratedChips();
    void clockRatedMultiplier_data();
    void clockRatedMultiplier();
    void separatorFollowsLocale();
    void wholePasses_data();
    void wholePasses();
};

// Runs the clock stage over a record holding just the fields it reads.
static std::pair<QString, QString> clock(const QString& model, const QString& core,
                                         const QString& fsb, const QString& rating,
                                         const QString& frequency = {})
{
    DecodeRecord record;
    record.setField(Field::CpuModel, model);
    record.setField(Field::Core, core);
    record.setField(Field::Fsb, fsb);
    record.setField(Field::PerfRating, rating);
    record.setField(Field::WorkingFreq, frequency);
    applyClockTable(record);
    return {record.field(Field::WorkingFreq), record.field(Field::Multiplier)};
}

void tst_ClockTable::ratedChips_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("core");
    QTest::addColumn<QString>("fsb");
    QTest::addColumn<QString>("rating");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("multiplier");

    struct Row
    {
        const char* core;
        const char* fsb;
        const char* rating;
        const char* f;
        const char* m;
    };
    const Row palomino[] = {
        {"Palomino", "266MHz", "1500+", "1333", "10.0"},
        {"Palomino", "266MHz", "1600+", "1400", "10.5"},
        {"Palomino", "266MHz", "1700+", "1467", "11.0"},
        {"Palomino", "266MHz", "1800+", "1533", "11.5"},
        {"Palomino", "266MHz", "1900+", "1600", "12.0"},
        {"Palomino", "266MHz", "2000+", "1667", "12.5"},
        {"Palomino", "266MHz", "2100+", "1733", "13.0"},
        {"Palomino", "", "1800+", "1533", "11.5"},
        {"Palomino", "400MHz", "1800+", "1533", "11.5"},
        {"Palomino", "266MHz", "2200+", "", ""},
    };
    const Row thoroughbred[] = {
        {"Thoroughbred", "266MHz", "1500+", "1333", "10.0"},
        {"Thoroughbred", "266MHz", "1600+", "1400", "10.5"},
        {"Thoroughbred", "266MHz", "1700+", "1467", "11.0"},
        {"Thoroughbred", "266MHz", "1800+", "1533", "11.5"},
        {"Thoroughbred", "266MHz", "1900+", "1600", "12.0"},
        {"Thoroughbred", "266MHz", "2000+", "1667", "12.5"},
        {"Thoroughbred", "266MHz", "2100+", "1733", "13.0"},
        {"Thoroughbred B Low end", "266MHz", "2200+", "1800", "13.5"},
        {"Thoroughbred A", "266MHz", "2400+", "2000", "15.0"},
        {"Thoroughbred", "266MHz", "2600+", "2133", "16.0"},
        {"Thoroughbred", "333MHz", "2600+", "2083", "12.5"},
        {"Thoroughbred A High end", "333MHz", "2700+", "2167", "13.0"},
        {"Thoroughbred", "333MHz", "2800+", "2250", "13.5"},
        {"Thoroughbred", "333MHz", "2200+", "", ""},
        {"Thoroughbred", "200MHz", "2000+", "", ""},
        {"Thoroughbred", "400MHz", "2800+", "", ""},
        {"Thoroughbre", "266MHz", "2000+", "", ""},
    };
    const Row barton[] = {
        {"Barton", "333MHz", "2500+", "1833", "11.0"},
        {"Barton", "333MHz", "2800+", "2083", "12.5"},
        {"Barton", "333MHz", "3000+", "2167", "13.0"},
        {"Barton", "333MHz", "3200+", "", ""},
        {"Barton", "333MHz", "2600+", "Unsupported Chip", "Unsupported Chip"},
        {"Barton", "400MHz", "3200+", "", ""},
        {"Barton", "266MHz", "2500+", "", ""},
        {"Barton", "", "2500+", "", ""},
    };
    for (const char* model : {"10", "8", "6"}) {
        for (const auto& table :
             {std::span<const Row>(palomino), std::span<const Row>(thoroughbred),
              std::span<const Row>(barton)}) {
            for (const Row& r : table) {
                QTest::addRow("model %s, %s at %s, %s", model, r.core, r.fsb, r.rating)
                    << QString::fromLatin1(model) << QString::fromLatin1(r.core)
                    << QString::fromLatin1(r.fsb) << QString::fromLatin1(r.rating)
                    << QString::fromLatin1(r.f) << QString::fromLatin1(r.m);
            }
        }
        QTest::addRow("model %s, empty rating", model)
            << QString::fromLatin1(model) << QStringLiteral("Barton") << QStringLiteral("333MHz")
            << QString() << QStringLiteral("Error!") << QStringLiteral("Error!");
    }
    for (const char* model : {"7", "3", ""}) {
        QTest::addRow("model '%s' writes nothing", model)
            << QString::fromLatin1(model) << QStringLiteral("Palomino") << QStringLiteral("266MHz")
            << QStringLiteral("1800+") << QString() << QString();
    }
}

void tst_ClockTable::ratedChips()
{
    const auto [frequency, multiplier] =
        clock(test::fetch<QString>("model"), test::fetch<QString>("core"),
              test::fetch<QString>("fsb"), test::fetch<QString>("rating"));
    QCOMPARE(frequency, test::fetch<QString>("frequency"));
    QCOMPARE(multiplier, test::fetch<QString>("multiplier"));
}

void tst_ClockTable::clockRatedMultiplier_data()
{
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("fsb");
    QTest::addColumn<QString>("multiplier");

    QTest::newRow("1400 at 266") << QStringLiteral("1400") << QStringLiteral("266MHz")
                                 << QStringLiteral("10.5");
    QTest::newRow("1000 at 266, 7.518 rounds down")
        << QStringLiteral("1000") << QStringLiteral("266MHz") << QStringLiteral("7.5");
    QTest::newRow("1333 at 266") << QStringLiteral("1333") << QStringLiteral("266MHz")
                                 << QStringLiteral("10.0");
    QTest::newRow("1200 at 200") << QStringLiteral("1200") << QStringLiteral("200MHz")
                                 << QStringLiteral("12.0");
    QTest::newRow("950 at 200") << QStringLiteral("950") << QStringLiteral("200MHz")
                                << QStringLiteral("9.5");
    QTest::newRow("1005 at 200 is exactly 10.05, half up")
        << QStringLiteral("1005") << QStringLiteral("200MHz") << QStringLiteral("10.1");
    QTest::newRow("1015 at 200 is exactly 10.15, half up")
        << QStringLiteral("1015") << QStringLiteral("200MHz") << QStringLiteral("10.2");
    QTest::newRow("333 divides by 166.5")
        << QStringLiteral("1998") << QStringLiteral("333MHz") << QStringLiteral("12.0");
    QTest::newRow("400 bus") << QStringLiteral("2200") << QStringLiteral("400MHz")
                             << QStringLiteral("11.0");
    QTest::newRow("below one has no leading zero")
        << QStringLiteral("40") << QStringLiteral("200MHz") << QStringLiteral(".4");
    QTest::newRow("zero") << QStringLiteral("0") << QStringLiteral("200MHz")
                          << QStringLiteral(".0");
    QTest::newRow("no grouping") << QStringLiteral("9999") << QStringLiteral("200MHz")
                                 << QStringLiteral("100.0");
    QTest::newRow("decimal frequency")
        << QStringLiteral("1.25") << QStringLiteral("200MHz") << QStringLiteral(".0");
    QTest::newRow("frequency not numeric")
        << QStringLiteral("1X00") << QStringLiteral("266MHz") << QStringLiteral("Error!");
    QTest::newRow("empty bus") << QStringLiteral("1000") << QString() << QStringLiteral("Error!");
    QTest::newRow("bus not numeric")
        << QStringLiteral("1000") << QStringLiteral("MHz") << QStringLiteral("Error!");
    QTest::newRow("zero bus, no division by zero")
        << QStringLiteral("1000") << QStringLiteral("000MHz") << QStringLiteral("Error!");
    QTest::newRow("empty frequency")
        << QString() << QStringLiteral("266MHz") << QStringLiteral("Error!");
}

void tst_ClockTable::clockRatedMultiplier()
{
    QFETCH(QString, frequency);
    const auto [after, multiplier] =
        clock(QStringLiteral("4"), QStringLiteral("Thunderbird"), test::fetch<QString>("fsb"),
              QStringLiteral("N/A"), frequency);
    QCOMPARE(multiplier, test::fetch<QString>("multiplier"));
    QCOMPARE(after, frequency); // the working frequency is never rewritten
}

void tst_ClockTable::separatorFollowsLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(computeMultiplier(QStringLiteral("1400"), QStringLiteral("266MHz")),
             QStringLiteral("10,5"));
    QCOMPARE(computeMultiplier(QStringLiteral("40"), QStringLiteral("200MHz")),
             QStringLiteral(",4"));
    // The table's fixed texts keep their point whatever the locale.
    QCOMPARE(
        clock(QStringLiteral("6"), QStringLiteral("Palomino"), QString(), QStringLiteral("1800+"))
            .second,
        QStringLiteral("11.5"));
}

void tst_ClockTable::wholePasses_data()
{
    QTest::addColumn<QString>("line1");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("multiplier");

    QTest::newRow("Thunderbird A1000AMT3C")
        << QStringLiteral("A1000AMT3C") << QStringLiteral("1000") << QStringLiteral("7.5");
    QTest::newRow("Thunderbird K7 at 200")
        << QStringLiteral("K71200AMT3B") << QStringLiteral("1200") << QStringLiteral("12.0");
    QTest::newRow("Thunderbird, rating not digits")
        << QStringLiteral("A1X00AMT3C") << QStringLiteral("1X00") << QStringLiteral("Error!");
    QTest::newRow("Thunderbird, bus not in table")
        << QStringLiteral("A1000AMT3Z") << QStringLiteral("1000") << QStringLiteral("Error!");
    QTest::newRow("Morgan keeps its frequency")
        << QStringLiteral("DHD1300AMT1B") << QStringLiteral("1300") << QString();
    QTest::newRow("Spitfire model 3")
        << QStringLiteral("DHD800AUT1B") << QStringLiteral("800") << QString();
    QTest::newRow("Barton 3200+ at 400")
        << QStringLiteral("AXDA3200DKV4E") << QString() << QString();
}

void tst_ClockTable::wholePasses()
{
    DecodeRecord record(test::fetch<QString>("line1"), QStringLiteral("AGOGA0227TPDW1234"),
                        QStringLiteral("JIUHB0312XPMW"));
    runDecodePass(record);
    QCOMPARE(record.field(Field::WorkingFreq), test::fetch<QString>("frequency"));
    QCOMPARE(record.field(Field::Multiplier), test::fetch<QString>("multiplier"));
}

QTEST_GUILESS_MAIN(tst_ClockTable)
#include "tst_ClockTable.moc"

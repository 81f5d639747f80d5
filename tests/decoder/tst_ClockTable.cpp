// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClockTable.h"
#include "DecodeTestSupport.h"
#include "TestSupport.h"

#include <QLocale>
#include <QTest>

using namespace tallisk;
using namespace tallisk::test;

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

// Every row of the rated chips' sub-tables, and the ways a sub-table is missed.
void tst_ClockTable::ratedChips_data()
{
    addColumns<QString, QString, QString, QString, QString, QString>(
        {"model", "core", "fsb", "rating", "frequency", "multiplier"});

    const auto row = [](const char* model, const char* core, const char* fsb, const char* rating,
                        const char* frequency, const char* multiplier) {
        QTest::addRow("model %s, %s at %s, %s", model, core, fsb, rating)
            << QString::fromLatin1(model) << QString::fromLatin1(core) << QString::fromLatin1(fsb)
            << QString::fromLatin1(rating) << QString::fromLatin1(frequency)
            << QString::fromLatin1(multiplier);
    };
    // The seven ratings the Palomino and the 266 MHz Thoroughbred share.
    const char* const shared[][3] = {{"1500+", "1333", "10.0"}, {"1600+", "1400", "10.5"},
                                     {"1700+", "1467", "11.0"}, {"1800+", "1533", "11.5"},
                                     {"1900+", "1600", "12.0"}, {"2000+", "1667", "12.5"},
                                     {"2100+", "1733", "13.0"}};
    for (const auto& [rating, frequency, multiplier] : shared) {
        row("6", "Palomino", "266MHz", rating, frequency, multiplier);
        row("8", "Thoroughbred", "266MHz", rating, frequency, multiplier);
    }
    // clang-format off
    row("6", "Palomino", "", "1800+", "1533", "11.5"); // the Palomino ignores the bus row("6", "Palomino", "400MHz", "1800+", "1533", "11.5");
    row("6", "Palomino", "266MHz", "2200+", "", "");
    // Cores that lines 2 and 3 extended still choose their sub-table.
    row("8", "Thoroughbred B Low end", "266MHz", "2200+", "1800", "13.5");
    row("8", "Thoroughbred A", "266MHz", "2400+", "2000", "15.0");
    row("8", "Thoroughbred", "266MHz", "2600+", "2133", "16.0");
    row("8", "Thoroughbred", "333MHz", "2600+", "2083", "12.5");
    row("8", "Thoroughbred A High end", "333MHz", "2700+", "2167", "13.0");
    row("8", "Thoroughbred", "333MHz", "2800+", "2250", "13.5");
    row("8", "Thoroughbred", "333MHz", "2200+", "", "");
    row("8", "Thoroughbred", "200MHz", "2000+", "", "");
    row("8", "Thoroughbred", "400MHz", "2800+", "", "");
    row("8", "Thoroughbre", "266MHz", "2000+", "", "");
    row("10", "Barton", "333MHz", "2500+", "1833", "11.0");
    row("10", "Barton", "333MHz", "2800+", "2083", "12.5");
    row("10", "Barton", "333MHz", "3000+", "2167", "13.0");
    row("10", "Barton", "333MHz", "3200+", "", "");
    row("10", "Barton", "333MHz", "2600+", "Unsupported Chip", "Unsupported Chip");
    row("10", "Barton", "400MHz", "3200+", "", "");
    row("10", "Barton", "266MHz", "2500+", "", "");
    row("10", "Barton", "", "2500+", "", "");
    // The core and the bus choose the sub-table; the model only says the chip is rated.
    row("10", "Palomino", "266MHz", "1800+", "1533", "11.5");
    row("6", "Thoroughbred", "333MHz", "2700+", "2167", "13.0");
    row("8", "Barton", "333MHz", "2600+", "Unsupported Chip", "Unsupported Chip");
    // clang-format on
    for (const char* model : {"10", "8", "6"})
        row(model, "Barton", "333MHz", "", "Error!", "Error!");
    for (const char* model : {"7", "3", ""})
        row(model, "Palomino", "266MHz", "1800+", "", "");
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
    addTsvRows<QString, QString, QString>("clock-rated-multipliers.tsv");
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
    QCOMPARE(computeMultiplier(QStringLiteral("99999"), QStringLiteral("200MHz")),
             QStringLiteral("1000,0")); // no group separator
    // The table's fixed texts keep their point whatever the locale.
    QCOMPARE(
        clock(QStringLiteral("6"), QStringLiteral("Palomino"), QString(), QStringLiteral("1800+"))
            .second,
        QStringLiteral("11.5"));
}

QTEST_GUILESS_MAIN(tst_ClockTable)
#include "tst_ClockTable.moc"

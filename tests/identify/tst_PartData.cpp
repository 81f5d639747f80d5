// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PartTable.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <cmath>

using namespace tallisk;

// The compiled-in part table checked against itself and against what is known of the
// families: every row, one check at a time. A row that fails here would be a wrong answer.
//
// Bus convention: fsb_mhz is AMD's quoted double-data-rate figure; the multiplier applies to
// half the exact rate, so 266 stands for 2 x 133 1/3 MHz and 333 for 2 x 166 2/3 MHz.
class tst_PartData : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tableLoadsAndLooksUpEveryRow();
    void everyFamilyAndCoreHasRows();
    void clockIsMultiplierTimesBus_data() { addRows(); }
    void clockIsMultiplierTimesBus();
    void coreBelongsToFamily_data() { addRows(); }
    void coreBelongsToFamily();
    void cacheAndVoltageFitTheCore_data() { addRows(); }
    void cacheAndVoltageFitTheCore();
    void codeLettersAgreeWithFacts_data() { addRows(); }
    void codeLettersAgreeWithFacts();
    void nameAgreesWithPartNumber_data() { addRows(); }
    void nameAgreesWithPartNumber();

private:
    static void addRows();
};

namespace {

struct CoreFacts
{
    int l2Kb;
    QList<double> voltages;
};

// What each core is: its L2 size and the core voltages its chips were sold at.
const QHash<QString, CoreFacts>& coreFacts()
{
    static const QHash<QString, CoreFacts> facts{
        {QStringLiteral("Argon"), {512, {1.60}}},
        {QStringLiteral("Pluto"), {512, {1.60, 1.70}}},
        {QStringLiteral("Orion"), {512, {1.80}}},
        {QStringLiteral("Thunderbird"), {256, {1.70, 1.75}}},
        {QStringLiteral("Palomino"), {256, {1.75}}},
        {QStringLiteral("Thoroughbred"), {256, {1.50, 1.60, 1.65}}},
        {QStringLiteral("Thoroughbred A"), {256, {1.50, 1.60, 1.65}}},
        {QStringLiteral("Thoroughbred B"), {256, {1.50, 1.60, 1.65}}},
        {QStringLiteral("Thorton"), {256, {1.60, 1.65}}},
        {QStringLiteral("Barton"), {512, {1.60, 1.65}}},
        {QStringLiteral("Spitfire"), {64, {1.60}}},
        {QStringLiteral("Morgan"), {64, {1.75}}},
        {QStringLiteral("Applebred"), {64, {1.50}}},
    };
    return facts;
}

struct FamilyFacts
{
    QStringList prefixes; // the letters line 1 starts with
    QStringList cores;
    QList<int> l2Kb;
    bool ratedByClock; // named by clock ("800 MHz") rather than by rating ("2500+")
};

// A family whose rows are added (the mobile ones, for instance) is added here with its facts.
const QHash<QString, FamilyFacts>& familyFacts()
{
    static const QHash<QString, FamilyFacts> facts{
        {QStringLiteral("Athlon"),
         {{QStringLiteral("K7"), QStringLiteral("A")},
          {QStringLiteral("Argon"), QStringLiteral("Pluto"), QStringLiteral("Orion"),
           QStringLiteral("Thunderbird")},
          {256, 512},
          true}},
        {QStringLiteral("Athlon XP"),
         {{QStringLiteral("AX"), QStringLiteral("AXDA"), QStringLiteral("AXDC")},
          {QStringLiteral("Palomino"), QStringLiteral("Thoroughbred"),
           QStringLiteral("Thoroughbred A"), QStringLiteral("Thoroughbred B"),
           QStringLiteral("Thorton"), QStringLiteral("Barton")},
          {256, 512},
          false}},
        {QStringLiteral("Athlon MP"),
         {{QStringLiteral("AHX"), QStringLiteral("AMP"), QStringLiteral("AMSN")},
          {QStringLiteral("Palomino"), QStringLiteral("Thoroughbred"),
           QStringLiteral("Thoroughbred A"), QStringLiteral("Thoroughbred B"),
           QStringLiteral("Barton")},
          {256, 512},
          false}}, // the first two are named by clock; see nameAgreesWithPartNumber
        {QStringLiteral("Duron"),
         {{QStringLiteral("D"), QStringLiteral("DHD"), QStringLiteral("DHM"),
           QStringLiteral("DHL")},
          {QStringLiteral("Spitfire"), QStringLiteral("Morgan"), QStringLiteral("Applebred")},
          {64},
          true}},
        {QStringLiteral("Sempron"),
         {{QStringLiteral("SDA")},
          {QStringLiteral("Thoroughbred B"), QStringLiteral("Thorton"), QStringLiteral("Barton")},
          {256, 512},
          false}},
    };
    return facts;
}

// The exact bus clock the multiplier applies to, by the quoted bus figure.
std::optional<double> busClock(int fsbMhz)
{
    switch (fsbMhz) {
    case 200:
        return 100.0;
    case 266:
        return 400.0 / 3;
    case 333:
        return 500.0 / 3;
    case 400:
        return 200.0;
    default:
        return std::nullopt;
    }
}

QStringList coresOf(const PartIdentity& row)
{
    return row.core.isEmpty() ? QStringList() : row.core.split(QStringLiteral(" or "));
}

bool sameVolts(double a, double b)
{
    return std::abs(a - b) < 0.001;
}

// Line 1 split into its groups: family letters, clock or rating digits and the letters after.
struct CodeParts
{
    QString letters;
    QString digits;
    QString tail;
};

std::optional<CodeParts> split(const PartIdentity& row)
{
    // Slot A Athlons start with "K7", whose 7 is no clock digit.
    static const QRegularExpression slotK7(QStringLiteral("^(K7)([0-9]{3,4})([A-Z0-9]{6})$"));
    static const QRegularExpression other(QStringLiteral("^([A-Z]+)([0-9]{3,4})([A-Z0-9]+)$"));
    const QRegularExpressionMatch m = (row.part.startsWith(u"K7") ? slotK7 : other).match(row.part);
    if (!m.hasMatch())
        return std::nullopt;
    return CodeParts{m.captured(1), m.captured(2), m.captured(3)};
}

} // namespace

void tst_PartData::addRows()
{
    QTest::addColumn<qsizetype>("index");
    const QList<PartIdentity>& rows = PartTable::instance().rows();
    for (qsizetype i = 0; i < rows.size(); ++i)
        QTest::newRow(qPrintable(rows[i].part)) << i;
}

#define FETCH_ROW                                                                                  \
    QFETCH(qsizetype, index);                                                                      \
    const PartIdentity& row = PartTable::instance().rows().at(index)

void tst_PartData::tableLoadsAndLooksUpEveryRow()
{
    const QList<PartIdentity>& rows = PartTable::instance().rows();
    QVERIFY(rows.size() >= 90);
    QSet<QString> seen;
    for (const PartIdentity& row : rows) {
        QVERIFY2(!seen.contains(row.part), qPrintable(row.part));
        seen.insert(row.part);
        const std::optional<PartIdentity> found = PartTable::instance().identify(row.part);
        QVERIFY2(found && *found == row, qPrintable(row.part));
    }
}

void tst_PartData::everyFamilyAndCoreHasRows()
{
    QHash<QString, int> families;
    QHash<QString, int> cores;
    for (const PartIdentity& row : PartTable::instance().rows()) {
        ++families[row.family];
        for (const QString& core : coresOf(row))
            ++cores[core];
    }
    for (auto it = familyFacts().cbegin(); it != familyFacts().cend(); ++it)
        QVERIFY2(families.value(it.key()) > 0, qPrintable(it.key()));
    for (const char* core :
         {"Argon", "Pluto", "Orion", "Thunderbird", "Palomino", "Thoroughbred", "Thoroughbred B",
          "Thorton", "Barton", "Spitfire", "Morgan", "Applebred"})
        QVERIFY2(cores.value(QLatin1StringView(core)) > 0, core);
}

void tst_PartData::clockIsMultiplierTimesBus()
{
    FETCH_ROW;
    QVERIFY(row.clockMhz);
    if (row.fsbMhz)
        QVERIFY2(busClock(*row.fsbMhz), "bus must be 200, 266, 333 or 400");
    if (row.multiplier) // halves only
        QCOMPARE(std::fmod(*row.multiplier * 2, 1.0), 0.0);
    if (!row.clockMhz || !row.fsbMhz || !row.multiplier)
        return;
    const double expected = *row.multiplier * *busClock(*row.fsbMhz);
    QVERIFY2(std::abs(*row.clockMhz - expected) <= 1.0,
             qPrintable(QStringLiteral("%1 MHz, expected %2").arg(*row.clockMhz).arg(expected)));
}

void tst_PartData::coreBelongsToFamily()
{
    FETCH_ROW;
    QVERIFY2(familyFacts().contains(row.family), qPrintable(row.family));
    const FamilyFacts& family = familyFacts()[row.family];
    for (const QString& core : coresOf(row))
        QVERIFY2(family.cores.contains(core), qPrintable(core));
    const std::optional<CodeParts> code = split(row);
    QVERIFY2(code, "part number is not letters, digits, code letters");
    QVERIFY2(family.prefixes.contains(code->letters), qPrintable(code->letters));
    QVERIFY(row.socket == u"Socket A" || row.socket == u"Slot A");
}

void tst_PartData::cacheAndVoltageFitTheCore()
{
    FETCH_ROW;
    if (row.l2Kb)
        QVERIFY(familyFacts()[row.family].l2Kb.contains(*row.l2Kb));
    for (const QString& core : coresOf(row)) {
        const CoreFacts facts = coreFacts().value(core);
        if (row.l2Kb)
            QCOMPARE(*row.l2Kb, facts.l2Kb);
        if (row.vcore)
            QVERIFY2(std::any_of(facts.voltages.cbegin(), facts.voltages.cend(),
                                 [&](double v) { return sameVolts(v, *row.vcore); }),
                     qPrintable(QString::number(*row.vcore)));
    }
    if (row.maxTempC)
        QVERIFY(QList<int>({70, 85, 90, 95, 100}).contains(*row.maxTempC));
}

// The letters after the digits say again what the row says; a typo in either shows here.
void tst_PartData::codeLettersAgreeWithFacts()
{
    FETCH_ROW;
    const std::optional<CodeParts> code = split(row);
    QVERIFY(code);
    const QString& tail = code->tail;

    auto checkVolts = [&](const QHash<QChar, double>& table, QChar letter) {
        QVERIFY2(table.contains(letter), "voltage letter unknown");
        if (row.vcore)
            QVERIFY(sameVolts(table[letter], *row.vcore));
    };

    if (row.socket == u"Slot A") {
        // Module, voltage, temperature, L2 size, L2 speed ratio, bus.
        QCOMPARE(tail.size(), 6);
        QCOMPARE(tail[0], u'M');
        QCOMPARE(row.package, QStringLiteral("Module"));
        checkVolts({{u'T', 1.60}, {u'P', 1.70}, {u'N', 1.80}}, tail[1]);
        QCOMPARE(tail[2], u'R');
        if (row.maxTempC)
            QCOMPARE(*row.maxTempC, 70);
        const QHash<QChar, int> size{{u'5', 512}, {u'2', 256}};
        QVERIFY(size.contains(tail[3]));
        if (row.l2Kb)
            QCOMPARE(*row.l2Kb, size[tail[3]]);
        const QHash<QChar, QString> ratio{{u'1', QStringLiteral("L2 at 1/2 the core clock")},
                                          {u'2', QStringLiteral("L2 at 2/5 the core clock")},
                                          {u'3', QStringLiteral("L2 at 1/3 the core clock")},
                                          {u'4', QStringLiteral("L2 at the full core clock")}};
        QVERIFY(ratio.contains(tail[4]));
        QVERIFY2(row.note.contains(ratio[tail[4]]), qPrintable(row.note));
        QCOMPARE(tail[5], u'B');
        if (row.fsbMhz)
            QCOMPARE(*row.fsbMhz, 200);
        return;
    }

    // Package, voltage, temperature, cache, bus.
    QCOMPARE(tail.size(), 5);
    const QHash<QChar, QString> package{{u'A', QStringLiteral("CPGA")},
                                        {u'D', QStringLiteral("OPGA")}};
    QVERIFY(package.contains(tail[0]));
    QCOMPARE(row.package, package[tail[0]]);
    checkVolts({{u'L', 1.50}, {u'U', 1.60}, {u'K', 1.65}, {u'P', 1.70}, {u'M', 1.75}}, tail[1]);
    const QHash<QChar, int> temperature{{u'V', 85}, {u'T', 90}, {u'S', 95}};
    QVERIFY(temperature.contains(tail[2]));
    if (row.maxTempC)
        QCOMPARE(*row.maxTempC, temperature[tail[2]]);
    const QHash<QChar, int> cache{{u'1', 64}, {u'3', 256}, {u'4', 512}};
    QVERIFY(cache.contains(tail[3]));
    if (row.l2Kb)
        QCOMPARE(*row.l2Kb, cache[tail[3]]);
    const QHash<QChar, int> bus{{u'B', 200}, {u'C', 266}, {u'D', 333}, {u'E', 400}};
    QVERIFY(bus.contains(tail[4]));
    if (row.fsbMhz)
        QCOMPARE(*row.fsbMhz, bus[tail[4]]);
}

void tst_PartData::nameAgreesWithPartNumber()
{
    FETCH_ROW;
    const std::optional<CodeParts> code = split(row);
    QVERIFY(code);
    const QString familyName = QStringLiteral("AMD %1 ").arg(row.family);
    QVERIFY2(row.name.startsWith(familyName), qPrintable(row.name));
    const QString label = row.name.mid(familyName.size());
    const int digits = code->digits.toInt();

    static const QRegularExpression rating(QStringLiteral("^([0-9]{4})\\+$"));
    static const QRegularExpression clock(QStringLiteral("^([0-9]+(?:\\.[0-9]+)?) (MHz|GHz)$"));
    if (const QRegularExpressionMatch m = rating.match(label); m.hasMatch()) {
        QVERIFY2(!familyFacts()[row.family].ratedByClock, "a clock-rated family with a rating");
        QCOMPARE(m.captured(1).toInt(), digits);
        return;
    }
    const QRegularExpressionMatch m = clock.match(label);
    QVERIFY2(m.hasMatch(), qPrintable(label));
    QVERIFY(row.clockMhz);
    QCOMPARE(digits, *row.clockMhz);
    const double named = m.captured(1).toDouble() * (m.captured(2) == u"GHz" ? 1000 : 1);
    QVERIFY2(std::abs(named - *row.clockMhz) < 10, qPrintable(label));
}

QTEST_GUILESS_MAIN(tst_PartData)
#include "tst_PartData.moc"

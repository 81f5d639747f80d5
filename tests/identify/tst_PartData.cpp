// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PartNumberReader.h"
#include "PartTable.h"
#include "SourceList.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <cmath>
#include <utility>

using namespace tallisk;

// The compiled-in tables checked against themselves and against each other: every row of the
// known-part table, one check at a time, and every source. A row that fails here would be a
// wrong answer or a fact without its source.
//
// Bus convention: fsb_mhz is AMD's quoted double-data-rate figure; the multiplier applies to
// half the exact rate, so 266 stands for 2 x 133 1/3 MHz and 333 for 2 x 166 2/3 MHz.
class tst_PartData : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tableLoadsAndLooksUpEveryRow();
    void clockIsMultiplierTimesBus_data() { addRows(); }
    void clockIsMultiplierTimesBus();
    void coresAreKnownAndFitTheCache_data() { addRows(); }
    void coresAreKnownAndFitTheCache();
    void nameAgreesWithPartNumber_data() { addRows(); }
    void nameAgreesWithPartNumber();
    void readerAgreesWithRow_data() { addRows(); }
    void readerAgreesWithRow();
    void everySourceIsCitedAndListed();

private:
    static void addRows();
};

namespace {

// Every core a table may name, with its L2 size.
const QHash<QString, int>& coreCache()
{
    static const QHash<QString, int> cache{
        {QStringLiteral("Argon"), 512},          {QStringLiteral("Pluto"), 512},
        {QStringLiteral("Orion"), 512},          {QStringLiteral("Thunderbird"), 256},
        {QStringLiteral("Palomino"), 256},       {QStringLiteral("Thoroughbred A"), 256},
        {QStringLiteral("Thoroughbred B"), 256}, {QStringLiteral("Thorton"), 256},
        {QStringLiteral("Barton"), 512},         {QStringLiteral("Spitfire"), 64},
        {QStringLiteral("Morgan"), 64},          {QStringLiteral("Applebred"), 64},
    };
    return cache;
}

// Rows the part-number reader does not answer, and why: their letters or model numbers are
// beyond its sourced tables, so only the row itself can name them.
const QHash<QString, const char*>& beyondTheReader()
{
    static const std::pair<const char*, QStringList> reasons[] = {
        // clang-format off
        {"no layout: its L is not the 1.50 V of other parts", {QStringLiteral("AXL1500DLT3B")}},
        {"no layout: no legend of Geode NX letters", {QStringLiteral("ANXL1500FGC3F")}},
        {"no layout: HG is in no legend", {QStringLiteral("DHG0800AVS1B")}},
        {"no layout: HL is in no legend", {QStringLiteral("AHL1200AHT3B")}},
        {"a ninth letter no legend names", {QStringLiteral("DHM0800AVS1BM"), QStringLiteral("DHM0850AVS1BM")}},
        {"named by its clock, unlike other Athlon XP-M", {QStringLiteral("AXML0950GTS3B"), QStringLiteral("AXML1000GTS3B")}},
        {"1500+ on a 200 MHz bus: sources disagree on its clock", {QStringLiteral("AXMS1500GWS3B"), QStringLiteral("AXMS1500GXS3B"), QStringLiteral("AXML1500GYS3B")}},
        {"2500+: its one source gives an impossible clock", {QStringLiteral("AXMH2500FQQ4C")}},
        {"2800+ and its H are in no sourced table", {QStringLiteral("AXMJ2800FHQ4C")}},
        // clang-format on
    };
    static const QHash<QString, const char*> rows = [] {
        QHash<QString, const char*> byPart;
        for (const auto& [reason, parts] : reasons) {
            for (const QString& part : parts)
                byPart.insert(part, reason);
        }
        return byPart;
    }();
    return rows;
}

// The exact bus clock the multiplier applies to, by the quoted bus figure.
const QHash<int, double> kBusClock{{200, 100.0}, {266, 400.0 / 3}, {333, 500.0 / 3}, {400, 200.0}};

QStringList coresOf(const PartIdentity& row)
{
    return row.core.isEmpty() ? QStringList() : row.core.split(QStringLiteral(" or "));
}

QString resourceText(const QString& name)
{
    QFile file(QStringLiteral(":/tallisk/identify/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Every source id cited by the rows of the five tables.
QSet<QString> citedSources()
{
    QSet<QString> cited;
    for (const char* table :
         {"parts.tsv", "layouts.tsv", "letters.tsv", "ratings.tsv", "cores.tsv"}) {
        const QStringList lines = resourceText(QLatin1StringView(table)).split(u'\n');
        const qsizetype column = lines.front().split(u'\t').indexOf(QStringLiteral("source"));
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QStringList cells = lines[i].split(u'\t');
            if (column < 0 || column >= cells.size())
                continue;
            const QStringList ids = cells[column].split(u' ');
            cited.unite(QSet<QString>(ids.cbegin(), ids.cend()));
        }
    }
    return cited;
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
    QVERIFY(rows.size() >= 100);
    for (const PartIdentity& row : rows) {
        const std::optional<PartIdentity> found = PartTable::instance().identify(row.part);
        QVERIFY2(found && *found == row, qPrintable(row.part));
        QVERIFY2(!row.sources.isEmpty() && !row.sources.contains(QString()), qPrintable(row.part));
    }
}

void tst_PartData::clockIsMultiplierTimesBus()
{
    FETCH_ROW;
    if (row.fsbMhz)
        QVERIFY2(kBusClock.contains(*row.fsbMhz), "bus must be 200, 266, 333 or 400");
    if (row.multiplier) // halves only
        QCOMPARE(std::fmod(*row.multiplier * 2, 1.0), 0.0);
    if (!row.clockMhz || !row.fsbMhz || !row.multiplier)
        return;
    const double expected = *row.multiplier * kBusClock[*row.fsbMhz];
    QVERIFY2(std::abs(*row.clockMhz - expected) <= 1.0,
             qPrintable(QStringLiteral("%1 MHz, expected %2").arg(*row.clockMhz).arg(expected)));
}

void tst_PartData::coresAreKnownAndFitTheCache()
{
    FETCH_ROW;
    for (const QString& core : coresOf(row)) {
        QVERIFY2(coreCache().contains(core), qPrintable(core));
        if (row.l2Kb)
            QCOMPARE(*row.l2Kb, coreCache()[core]);
    }
    QVERIFY(row.socket == u"Socket A" || row.socket == u"Slot A" || row.socket == u"Socket 563");
    if (row.maxTempC)
        QVERIFY(QList<int>({70, 85, 90, 95, 100}).contains(*row.maxTempC));
}

void tst_PartData::nameAgreesWithPartNumber()
{
    FETCH_ROW;
    const QString familyName = QStringLiteral("AMD %1 ").arg(row.family);
    QVERIFY2(row.name.startsWith(familyName), qPrintable(row.name));
    const QString label = row.name.mid(familyName.size());
    static const QRegularExpression digitsOf(QStringLiteral("^(?:K7|[A-Z]+)([0-9]{3,4})[A-Z]"));
    const QRegularExpressionMatch code = digitsOf.match(row.part);
    QVERIFY2(code.hasMatch(), qPrintable(row.part));
    const int digits = code.captured(1).toInt();

    static const QRegularExpression rating(QStringLiteral("^([0-9]{3,4})\\+?$"));
    static const QRegularExpression clock(QStringLiteral("^([0-9]+(?:\\.[0-9]+)?) (MHz|GHz)$"));
    if (const QRegularExpressionMatch m = rating.match(label); m.hasMatch()) {
        QCOMPARE(m.captured(1).toInt(), digits);
        return;
    }
    const QRegularExpressionMatch m = clock.match(label);
    QVERIFY2(m.hasMatch(), qPrintable(label));
    const double named = m.captured(1).toDouble() * (m.captured(2) == u"GHz" ? 1000 : 1);
    QVERIFY2(std::abs(named - row.clockMhz.value_or(digits)) < 10, qPrintable(label));
}

// Where the reader answers a row too, the two agree on every fact both give; the row may be
// the more precise (fewer cores) but never contradicts it.
void tst_PartData::readerAgreesWithRow()
{
    FETCH_ROW;
    const std::optional<PartIdentity> read = PartNumberReader::instance().read(row.part);
    if (beyondTheReader().contains(row.part)) {
        QVERIFY2(!read, beyondTheReader()[row.part]);
        return;
    }
    QVERIFY2(read, "the reader does not answer this row");
    QCOMPARE(read->part, row.part);
    QCOMPARE(read->name, row.name);
    QCOMPARE(read->family, row.family);
    QCOMPARE(read->socket, row.socket);
    QCOMPARE(read->basis, QStringLiteral("read from the part number"));
    for (const QString& core : coresOf(row))
        QVERIFY2(coresOf(*read).contains(core), qPrintable(read->core));
    auto agree = [](const auto& a, const auto& b) {
        return !a || !b || *a == *b;
    };
    QVERIFY2(agree(row.clockMhz, read->clockMhz), "clock");
    QVERIFY2(agree(row.fsbMhz, read->fsbMhz), "bus");
    QVERIFY2(agree(row.multiplier, read->multiplier), "multiplier");
    QVERIFY2(agree(row.l2Kb, read->l2Kb), "L2");
    QVERIFY2(agree(row.vcore, read->vcore), "voltage");
    QVERIFY2(agree(row.maxTempC, read->maxTempC), "temperature");
    QVERIFY2(row.package.isEmpty() || read->package.isEmpty() || row.package == read->package,
             "package");
}

void tst_PartData::everySourceIsCitedAndListed()
{
    const QSet<QString> cited = citedSources();
    QFile list(QStringLiteral(TALLISK_SOURCES_DOC));
    QVERIFY2(list.open(QIODevice::ReadOnly), qPrintable(list.errorString()));
    const QString doc = QString::fromUtf8(list.readAll());
    for (const QString& id : SourceList::instance().ids()) {
        QVERIFY2(cited.contains(id), qPrintable(id + QStringLiteral(" is cited by no row")));
        QVERIFY2(doc.contains(QStringLiteral("| %1 |").arg(id)),
                 qPrintable(id + QStringLiteral(" is not in docs/sources.md")));
    }
}

QTEST_GUILESS_MAIN(tst_PartData)
#include "tst_PartData.moc"

// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecodePass.h"
#include "DecodeRecord.h"
#include "PartComparison.h"
#include "PartIdentifier.h"
#include "PartTable.h"
#include "TestSupport.h"

#include <QRegularExpression>
#include <QTest>

using namespace tallisk;
using namespace tallisk::test;

// The one comparison of the marking tables' rows with the real part, which the window marks
// and the command prints.
class tst_PartComparison : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void disagreements_data();
    void disagreements();
    void everyKnownPartComparesInTheSameUnits_data();
    void everyKnownPartComparesInTheSameUnits();
};

namespace {

const QString kLine2 = QStringLiteral("ABCDEFG18HIJ1234");
const QString kLine3 = QStringLiteral("JIUHB0312XPMW");

// A pass over the three lines, and the part its line 1 names (with its stepping).
std::pair<DecodeRecord, PartIdentity> decodedAndIdentified(const QString& line1)
{
    DecodeRecord record(line1, kLine2, kLine3);
    runDecodePass(record);
    const std::optional<PartIdentity> part =
        PartIdentifier::identify(line1, record.field(Field::Stepping));
    if (!part)
        qFatal("%s is not identified", qPrintable(line1));
    return {record, *part};
}

// Disagreements as "json_key: tables -> part", one per row.
QStringList described(const QList<RowComparison>& rows)
{
    QStringList texts;
    for (const RowComparison& row : rows)
        texts << QStringLiteral("%1: %2 -> %3")
                     .arg(QLatin1StringView(fieldInfo(row.field).jsonKey), row.tables, row.part);
    return texts;
}

} // namespace

void tst_PartComparison::disagreements_data()
{
    addColumns<QString, QStringList>({"line1", "expected"});
    // clang-format off
    QTest::newRow("worked example agrees") << QStringLiteral("AXDA2500DKV4D") << QStringList();
    QTest::newRow("tables without the 2600+ clock") << QStringLiteral("AXDA2600DKV4D") << QStringList{
        QStringLiteral("working_frequency: Unsupported Chip -> 1917"),
        QStringLiteral("multiplier: Unsupported Chip -> 11.5")};
    QTest::newRow("Slot A letters read otherwise") << QStringLiteral("K7600MTR51B") << QStringList{
        QStringLiteral("core:  -> Argon or Pluto"),
        QStringLiteral("package_type:  -> Module"),
        QStringLiteral("operating_voltage: 1.20v -> 1.60v"),
        QStringLiteral("l2_cache: 1024KB -> 512KB"),
        QStringLiteral("multiplier:  -> 6.0"),
        QStringLiteral("fsb_frequency:  -> 200MHz")};
    QTest::newRow("clock padded with a zero") << QStringLiteral("DHM0800AVS1BM") << QStringList{
        QStringLiteral("core:  -> Morgan"), QStringLiteral("multiplier:  -> 8.0")};
    QTest::newRow("declined Athlon MP") << QStringLiteral("AMP1800DMS3C") << QStringList{
        QStringLiteral("core:  -> Palomino"),
        QStringLiteral("performance_rating:  -> 1800+"),
        QStringLiteral("working_frequency:  -> 1533"),
        QStringLiteral("package_type:  -> OPGA"),
        QStringLiteral("operating_voltage:  -> 1.75v"),
        QStringLiteral("operating_temperature:  -> 95\u00B0C"),
        QStringLiteral("l1_cache:  -> 128KB"),
        QStringLiteral("l2_cache:  -> 256KB"),
        QStringLiteral("multiplier:  -> 11.5"),
        QStringLiteral("fsb_frequency:  -> 266MHz")};
    // "Thoroughbred B Low end" is one of the part's two cores: no disagreement.
    QTest::newRow("core narrowed by the stepping") << QStringLiteral("AXDA2200DKV3C") << QStringList();
    // clang-format on
}

void tst_PartComparison::disagreements()
{
    QFETCH(QString, line1);
    const auto [record, part] = decodedAndIdentified(line1);
    QTEST(described(PartComparison::disagreements(record, part)), "expected");
}

void tst_PartComparison::everyKnownPartComparesInTheSameUnits_data()
{
    QTest::addColumn<QString>("line1");
    for (const PartIdentity& row : PartTable::instance().rows())
        QTest::newRow(qPrintable(row.part)) << row.part;
}

// Whatever the tables make of a part number, a row called different must differ in what it
// states (the number in it, or the core), and a row called the same must not: read here
// without the comparison's own formatting.
void tst_PartComparison::everyKnownPartComparesInTheSameUnits()
{
    QFETCH(QString, line1);
    const auto [record, part] = decodedAndIdentified(line1);
    static const QRegularExpression number(
        QStringLiteral("^([0-9]*[.,]?[0-9]+)(KB|MHz|v|\u00B0C|\\+)?$"));
    for (const RowComparison& row : PartComparison::rows(record, part)) {
        const QString what = QLatin1StringView(fieldInfo(row.field).jsonKey);
        QCOMPARE(row.tables, record.field(row.field));
        if (row.part.isEmpty()) {
            QCOMPARE(row.verdict, RowVerdict::Silent);
            continue;
        }
        if (row.tables.isEmpty()) {
            QCOMPARE(row.verdict, RowVerdict::TablesBlank);
            continue;
        }
        const QRegularExpressionMatch tables = number.match(row.tables);
        const QRegularExpressionMatch stated = number.match(row.part);
        if (tables.hasMatch() && stated.hasMatch()) {
            QCOMPARE(tables.captured(2), stated.captured(2)); // the same unit
            const bool same =
                tables.captured(1).replace(u',', u'.').toDouble() == stated.captured(1).toDouble();
            QVERIFY2(same == (row.verdict == RowVerdict::Agrees), qPrintable(what));
        } else if (row.field == Field::Core) {
            const bool named = part.core.contains(row.tables.section(u' ', 0, 1));
            QVERIFY2(named == (row.verdict == RowVerdict::Agrees), qPrintable(what));
        } else {
            QVERIFY2(row.verdict != RowVerdict::Agrees || row.tables.size() <= row.part.size(),
                     qPrintable(what));
        }
    }
}

QTEST_GUILESS_MAIN(tst_PartComparison)
#include "tst_PartComparison.moc"

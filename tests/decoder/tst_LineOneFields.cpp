// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoreRules.h"
#include "DecodeTestSupport.h"
#include "FamilyTable.h"
#include "LineOneFields.h"
#include "TestSupport.h"

#include <QTest>

#include <utility>

using namespace tallisk;
using namespace tallisk::test;

Q_DECLARE_METATYPE(tallisk::Field)

// The line-1 stages on their own: the field codes, then the core and model rules.
class tst_LineOneFields : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fieldCodes_data();
    void fieldCodes();
    void codeTables_data();
    void codeTables();
    void coreRules_data();
    void coreRules();
};

// Family recognition and the line-1 stage; with `withCore`, the core rules as well. A line the
// family table does not decode leaves every field empty.
static DecodeRecord decodeLineOne(const QString& line1, bool withCore)
{
    DecodeRecord record(line1);
    const Family family = recogniseFamily(line1);
    if (family.outcome == Family::Outcome::Decoded) {
        decodeLineOneFields(record, line1, family.modelName, family.prefixLength);
        if (withCore)
            applyCoreRules(record, line1);
    }
    return record;
}

void tst_LineOneFields::fieldCodes_data()
{
    addTsvRows<QString, QString>("field-codes.tsv");
}

void tst_LineOneFields::fieldCodes()
{
    QFETCH(QString, line1);
    QCOMPARE(test::describe(decodeLineOne(line1, false)), test::fetch<QString>("fields"));
}

// Each code table in full, on AXDA2500DKV4D with one code replaced; an empty text marks a code
// that is not in the table.
void tst_LineOneFields::codeTables_data()
{
    addColumns<QString, Field, QString>({"line1", "field", "text"});

    using Codes = std::initializer_list<std::pair<char, const char16_t*>>;
    const auto table = [](const char* line, Field field, Codes codes) {
        for (const auto& [code, text] : codes) {
            const QString line1 = QString::fromLatin1(line).arg(QLatin1Char(code));
            QTest::newRow(qPrintable(line1)) << line1 << field << QString::fromUtf16(text);
        }
    };
    // clang-format off
    table("AXDA2500%1KV4D", Field::PackageType, {{'A', u"CPGA"}, {'B', u"OBGA"}, {'D', u"OPGA"}, {'E', u"uPGA"}, {'F', u"OPGA"}, {'G', u"uPGA"}, {'C', u""}});
    table("AXDA2500D%1V4D", Field::OperatingVoltage, {{'Y', u"1.10v"}, {'C', u"1.15v"}, {'T', u"1.20v"}, {'X', u"1.25v"}, {'W', u"1.30v"}, {'J', u"1.35v"}, {'V', u"1.40v"}, {'Q', u"1.45v"}, {'L', u"1.50v"}, {'H', u"1.55v"}, {'U', u"1.60v"}, {'K', u"1.65v"}, {'P', u"1.70v"}, {'M', u"1.75v"}, {'N', u"1.80v"}, {'A', u""}});
    table("AXDA2500DK%14D", Field::OperatingTemperature, {{'R', u"70\u00B0C"}, {'V', u"85\u00B0C"}, {'T', u"90\u00B0C"}, {'S', u"95\u00B0C"}, {'Q', u"100\u00B0C"}, {'K', u""}});
    table("AXDA2500DKV%1D", Field::L2Cache, {{'1', u"64KB"}, {'2', u"128KB"}, {'3', u"256KB"}, {'4', u"512KB"}, {'5', u"1024KB"}, {'6', u""}});
    table("AXDA2500DKV4%1", Field::Fsb, {{'B', u"200MHz"}, {'C', u"266MHz"}, {'D', u"333MHz"}, {'E', u"400MHz"}, {'A', u""}});
    // clang-format on
}

void tst_LineOneFields::codeTables()
{
    const DecodeRecord record = decodeLineOne(test::fetch<QString>("line1"), false);
    QCOMPARE(record.field(Field::PerfRating), QStringLiteral("2500+")); // decoded at all
    QCOMPARE(record.field(test::fetch<Field>("field")), test::fetch<QString>("text"));
}

void tst_LineOneFields::coreRules_data()
{
    addColumns<QString, QString, QString>({"line1", "core", "model"});

    // clang-format off
    QTest::newRow("AXDA 512KB Barton") << QStringLiteral("AXDA2500DKV4D") << QStringLiteral("Barton") << QStringLiteral("10");
    QTest::newRow("AXDA 256KB falls to Thoroughbred") << QStringLiteral("AXDA2600DKV3D") << QStringLiteral("Thoroughbred") << QStringLiteral("8");
    QTest::newRow("AXDA 1024KB no core") << QStringLiteral("AXDA2600DKV5D") << QString() << QString();
    QTest::newRow("AXDA 64KB no core, no Duron rule") << QStringLiteral("AXDA2600DUV1D") << QString() << QString();
    QTest::newRow("AX 256KB Palomino") << QStringLiteral("AX1800DMT3C") << QStringLiteral("Palomino") << QStringLiteral("6");
    QTest::newRow("AX 512KB no core") << QStringLiteral("AX1800DMT4C") << QString() << QString();
    QTest::newRow("K7 256KB Thunderbird") << QStringLiteral("K7650AMT3C") << QStringLiteral("Thunderbird") << QStringLiteral("4");
    QTest::newRow("A 256KB Thunderbird") << QStringLiteral("A1000AMT3C") << QStringLiteral("Thunderbird") << QStringLiteral("4");
    QTest::newRow("DHD Morgan") << QStringLiteral("DHD1300AMT1B") << QStringLiteral("Morgan") << QStringLiteral("7");
    QTest::newRow("DHD Spitfire") << QStringLiteral("DHD800AUT1B") << QStringLiteral("Spitfire") << QStringLiteral("3");
    QTest::newRow("DHM Spitfire without model") << QStringLiteral("DHM800AUT1B") << QStringLiteral("Spitfire") << QString();
    QTest::newRow("DHL Morgan without model") << QStringLiteral("DHL800AMT1B") << QStringLiteral("Morgan") << QString();
    QTest::newRow("D Spitfire without model") << QStringLiteral("D700AUT1B") << QStringLiteral("Spitfire") << QString();
    QTest::newRow("Duron 1.50v") << QStringLiteral("D700ALT1B") << QString() << QString();
    QTest::newRow("Duron other cache") << QStringLiteral("D700AUT2B") << QString() << QString();
    QTest::newRow("DHD other cache not retried as D") << QStringLiteral("DHD800AUT3B") << QString() << QString();
    // clang-format on
}

void tst_LineOneFields::coreRules()
{
    const DecodeRecord record = decodeLineOne(test::fetch<QString>("line1"), true);
    QCOMPARE(record.field(Field::Core), test::fetch<QString>("core"));
    QCOMPARE(record.field(Field::CpuModel), test::fetch<QString>("model"));
}

QTEST_GUILESS_MAIN(tst_LineOneFields)
#include "tst_LineOneFields.moc"

// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoreRules.h"
#include "DecodeTestSupport.h"
#include "FamilyTable.h"
#include "LineOneFields.h"

#include <QTest>

using namespace tallisk;

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

// Runs family recognition and the line-1 stage; with `withCore`, the core rules as well.
static QString decodeLineOne(const QString& line1, bool withCore)
{
    const Family family = recogniseFamily(line1);
    if (family.outcome != Family::Outcome::Decoded)
        return QStringLiteral("<not decoded>");
    DecodeRecord record(line1);
    decodeLineOneFields(record, line1, family.modelName, family.prefixLength);
    if (withCore)
        applyCoreRules(record, line1);
    return test::describe(record);
}

void tst_LineOneFields::fieldCodes_data()
{
    QTest::addColumn<QString>("line1");
    QTest::addColumn<QString>("fields");

    QTest::newRow("worked example")
        << QStringLiteral("AXDA2500DKV4D")
        << QStringLiteral("performance_rating=2500+ | package_type=OPGA | operating_voltage=1.65v"
                          " | operating_temperature=85\u00B0C | l1_cache=128KB | l2_cache=512KB"
                          " | fsb_frequency=333MHz");
    QTest::newRow("clock-rated Athlon")
        << QStringLiteral("A1000AMT3C")
        << QStringLiteral("performance_rating=N/A | working_frequency=1000 | package_type=CPGA"
                          " | operating_voltage=1.75v | operating_temperature=90\u00B0C"
                          " | l1_cache=128KB | l2_cache=256KB | fsb_frequency=266MHz");
    QTest::newRow("three rating digits, the letter after is the package")
        << QStringLiteral("D700AUT1B")
        << QStringLiteral("performance_rating=N/A | working_frequency=700 | package_type=CPGA"
                          " | operating_voltage=1.60v | operating_temperature=90\u00B0C"
                          " | l1_cache=128KB | l2_cache=64KB | fsb_frequency=200MHz");
    QTest::newRow("AX prefix of two")
        << QStringLiteral("AX1800DMT3C")
        << QStringLiteral("performance_rating=1800+ | package_type=OPGA | operating_voltage=1.75v"
                          " | operating_temperature=90\u00B0C | l1_cache=128KB | l2_cache=256KB"
                          " | fsb_frequency=266MHz");
    QTest::newRow("nothing after the digits")
        << QStringLiteral("AXDA2500") << QStringLiteral("performance_rating=2500+");
    QTest::newRow("three digits and the end")
        << QStringLiteral("AXDA250") << QStringLiteral("performance_rating=250+");
    QTest::newRow("rating group taken unchanged")
        << QStringLiteral("A1X00AMT3C")
        << QStringLiteral("performance_rating=N/A | working_frequency=1X00 | package_type=CPGA"
                          " | operating_voltage=1.75v | operating_temperature=90\u00B0C"
                          " | l1_cache=128KB | l2_cache=256KB | fsb_frequency=266MHz");
    QTest::newRow("lower-case codes are not in the tables")
        << QStringLiteral("AXDA2500dkv4d")
        << QStringLiteral("performance_rating=2500+ | l1_cache=128KB | l2_cache=512KB");
    QTest::newRow("cache digit 0 and 6 leave both caches blank")
        << QStringLiteral("AXDA2500DKV0D")
        << QStringLiteral("performance_rating=2500+ | package_type=OPGA | operating_voltage=1.65v"
                          " | operating_temperature=85\u00B0C | fsb_frequency=333MHz");
    QTest::newRow("characters after the bus letter are not read")
        << QStringLiteral("AXDA2500DKV4DZZZ<&>")
        << QStringLiteral("performance_rating=2500+ | package_type=OPGA | operating_voltage=1.65v"
                          " | operating_temperature=85\u00B0C | l1_cache=128KB | l2_cache=512KB"
                          " | fsb_frequency=333MHz");
    QTest::newRow("a wide character is one position")
        << QStringLiteral("AXDA2500\U0001F600KV4D")
        << QStringLiteral("performance_rating=2500+ | operating_voltage=1.65v"
                          " | operating_temperature=85\u00B0C | l1_cache=128KB | l2_cache=512KB"
                          " | fsb_frequency=333MHz");
    QTest::newRow("an accented letter is one position")
        << QStringLiteral("D700\u00E9UT1B")
        << QStringLiteral("performance_rating=N/A | working_frequency=700 | operating_voltage=1.60v"
                          " | operating_temperature=90\u00B0C | l1_cache=128KB | l2_cache=64KB"
                          " | fsb_frequency=200MHz");
}

void tst_LineOneFields::fieldCodes()
{
    QFETCH(QString, line1);
    QCOMPARE(decodeLineOne(line1, false), test::fetch<QString>("fields"));
}

// Each code table in full: one line per letter, every other field as in the base line.
void tst_LineOneFields::codeTables_data()
{
    QTest::addColumn<QString>("line1");
    QTest::addColumn<QString>("expected"); // "key=value" that must be part of the result
    QTest::addColumn<QString>("absent");   // key that must not be written

    auto row = [](const QString& line, const QString& expected, const char* absent = "") {
        QTest::newRow(qPrintable(line)) << line << expected << QString::fromLatin1(absent);
    };
    // Package at position 9 of AXDA2500?KV4D.
    const std::pair<char, const char*> packages[] = {{'A', "CPGA"}, {'B', "OBGA"}, {'D', "OPGA"},
                                                     {'E', "uPGA"}, {'F', "OPGA"}, {'G', "uPGA"}};
    for (const auto& [letter, text] : packages)
        row(QStringLiteral("AXDA2500%1KV4D").arg(QLatin1Char(letter)),
            QStringLiteral("package_type=%1").arg(QLatin1StringView(text)));
    row(QStringLiteral("AXDA2500CKV4D"), QString(), "package_type");

    const std::pair<char, const char*> voltages[] = {
        {'Y', "1.10v"}, {'C', "1.15v"}, {'T', "1.20v"}, {'X', "1.25v"}, {'W', "1.30v"},
        {'J', "1.35v"}, {'V', "1.40v"}, {'Q', "1.45v"}, {'L', "1.50v"}, {'H', "1.55v"},
        {'U', "1.60v"}, {'K', "1.65v"}, {'P', "1.70v"}, {'M', "1.75v"}, {'N', "1.80v"}};
    for (const auto& [letter, text] : voltages)
        row(QStringLiteral("AXDA2500D%1V4D").arg(QLatin1Char(letter)),
            QStringLiteral("operating_voltage=%1").arg(QLatin1StringView(text)));
    row(QStringLiteral("AXDA2500DAV4D"), QString(), "operating_voltage");

    const std::pair<char, const char*> temperatures[] = {
        {'R', "70"}, {'V', "85"}, {'T', "90"}, {'S', "95"}, {'Q', "100"}};
    for (const auto& [letter, text] : temperatures)
        row(QStringLiteral("AXDA2500DK%14D").arg(QLatin1Char(letter)),
            QStringLiteral("operating_temperature=%1\u00B0C").arg(QLatin1StringView(text)));
    row(QStringLiteral("AXDA2500DKK4D"), QString(), "operating_temperature");

    const std::pair<char, const char*> caches[] = {
        {'1', "64KB"}, {'2', "128KB"}, {'3', "256KB"}, {'4', "512KB"}, {'5', "1024KB"}};
    for (const auto& [digit, text] : caches)
        row(QStringLiteral("AXDA2500DKV%1D").arg(QLatin1Char(digit)),
            QStringLiteral("l1_cache=128KB | l2_cache=%1").arg(QLatin1StringView(text)));
    row(QStringLiteral("AXDA2500DKV6D"), QString(), "l1_cache");

    const std::pair<char, const char*> buses[] = {
        {'B', "200MHz"}, {'C', "266MHz"}, {'D', "333MHz"}, {'E', "400MHz"}};
    for (const auto& [letter, text] : buses)
        row(QStringLiteral("AXDA2500DKV4%1").arg(QLatin1Char(letter)),
            QStringLiteral("fsb_frequency=%1").arg(QLatin1StringView(text)));
    row(QStringLiteral("AXDA2500DKV4A"), QString(), "fsb_frequency");
}

void tst_LineOneFields::codeTables()
{
    QFETCH(QString, line1);
    QFETCH(QString, expected);
    QFETCH(QString, absent);
    const QString fields = decodeLineOne(line1, false);
    QVERIFY2(fields.contains(expected), qPrintable(fields));
    if (!absent.isEmpty())
        QVERIFY2(!fields.contains(absent + u'='), qPrintable(fields));
}

void tst_LineOneFields::coreRules_data()
{
    QTest::addColumn<QString>("line1");
    QTest::addColumn<QString>("core");
    QTest::addColumn<QString>("model");

    QTest::newRow("AXDA 512KB Barton")
        << QStringLiteral("AXDA2500DKV4D") << QStringLiteral("Barton") << QStringLiteral("10");
    QTest::newRow("AXDA 256KB falls to Thoroughbred")
        << QStringLiteral("AXDA2600DKV3D") << QStringLiteral("Thoroughbred") << QStringLiteral("8");
    QTest::newRow("AXDA 1024KB no core")
        << QStringLiteral("AXDA2600DKV5D") << QString() << QString();
    QTest::newRow("AXDA 64KB no core, no Duron rule")
        << QStringLiteral("AXDA2600DUV1D") << QString() << QString();
    QTest::newRow("AX 256KB Palomino")
        << QStringLiteral("AX1800DMT3C") << QStringLiteral("Palomino") << QStringLiteral("6");
    QTest::newRow("AX 512KB no core") << QStringLiteral("AX1800DMT4C") << QString() << QString();
    QTest::newRow("K7 256KB Thunderbird")
        << QStringLiteral("K7650AMT3C") << QStringLiteral("Thunderbird") << QStringLiteral("4");
    QTest::newRow("A 256KB Thunderbird")
        << QStringLiteral("A1000AMT3C") << QStringLiteral("Thunderbird") << QStringLiteral("4");
    QTest::newRow("DHD Morgan") << QStringLiteral("DHD1300AMT1B") << QStringLiteral("Morgan")
                                << QStringLiteral("7");
    QTest::newRow("DHD Spitfire") << QStringLiteral("DHD800AUT1B") << QStringLiteral("Spitfire")
                                  << QStringLiteral("3");
    QTest::newRow("DHM Spitfire without model")
        << QStringLiteral("DHM800AUT1B") << QStringLiteral("Spitfire") << QString();
    QTest::newRow("DHL Morgan without model")
        << QStringLiteral("DHL800AMT1B") << QStringLiteral("Morgan") << QString();
    QTest::newRow("D Spitfire without model")
        << QStringLiteral("D700AUT1B") << QStringLiteral("Spitfire") << QString();
    QTest::newRow("D Morgan without model")
        << QStringLiteral("D700AMT1B") << QStringLiteral("Morgan") << QString();
    QTest::newRow("Duron 1.50v") << QStringLiteral("D700ALT1B") << QString() << QString();
    QTest::newRow("Duron other cache") << QStringLiteral("D700AUT2B") << QString() << QString();
    QTest::newRow("DHD other cache not retried as D")
        << QStringLiteral("DHD800AUT3B") << QString() << QString();
}

void tst_LineOneFields::coreRules()
{
    QFETCH(QString, line1);
    QFETCH(QString, core);
    QFETCH(QString, model);
    const QString fields = decodeLineOne(line1, true);
    const QString coreText = core.isEmpty() ? QString() : QStringLiteral("core=") + core;
    QCOMPARE(fields.startsWith(QStringLiteral("core=")), !core.isEmpty());
    if (!core.isEmpty())
        QVERIFY2(fields.startsWith(coreText + QStringLiteral(" |")), qPrintable(fields));
    QCOMPARE(fields.contains(QStringLiteral("cpu_model=")), !model.isEmpty());
    if (!model.isEmpty())
        QVERIFY2(fields.contains(QStringLiteral("cpu_model=") + model + QStringLiteral(" |")),
                 qPrintable(fields));
}

QTEST_GUILESS_MAIN(tst_LineOneFields)
#include "tst_LineOneFields.moc"

// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecodeTestSupport.h"

#include <QTest>

using namespace tallisk;

// Whole passes: the worked example field by field, the order of writes a window would see,
// and lines that are not plain ASCII.
class tst_DecodePass : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workedExample();
    void repeatedPassesAreIndependent();
    void fieldsWrittenInStageOrder();
    void nonAsciiInEveryLine_data();
    void nonAsciiInEveryLine();
};

void tst_DecodePass::workedExample()
{
    DecodeRecord record(QStringLiteral("AXDA2500DKV4D"), QStringLiteral("ABCDEFG18HIJ1234"),
                        QStringLiteral("JIUHB0312XPMW"));
    QCOMPARE(runDecodePass(record), PassOutcome::Completed);
    QCOMPARE(record.messages(), QStringList());
    QCOMPARE(record.modelName(), QStringLiteral("AMD Athlon XP"));

    const std::pair<Field, const char16_t*> expected[] = {
        {Field::Core, u"Barton"},
        {Field::CpuModel, u"10"},
        {Field::PerfRating, u"2500+"},
        {Field::WorkingFreq, u"1833"},
        {Field::PackageType, u"OPGA"},
        {Field::OperatingVoltage, u"1.65v"},
        {Field::OperatingTemperature, u"85\u00B0C"},
        {Field::L1Cache, u"128KB"},
        {Field::L2Cache, u"512KB"},
        {Field::Multiplier, u"11.0"},
        {Field::Fsb, u"333MHz"},
        {Field::Stepping, u"JIUHB"},
        {Field::ManYear, u"2003"},
        {Field::ManWeek, u"Week 12"},
        {Field::ProductionBatch, u"M"},
        {Field::ProductionNumber, u"1234"},
        {Field::DowngradedFrom, u"N/A"},
    };
    static_assert(std::size(expected) == kFieldCount);
    for (const auto& [field, text] : expected)
        QCOMPARE(record.field(field), QString::fromUtf16(text));
}

void tst_DecodePass::repeatedPassesAreIndependent()
{
    DecodeRecord record(QStringLiteral("AXDA2500DKV4D"), QStringLiteral("ABCDEFG18HIJ1234"),
                        QStringLiteral("JIUHB0312XPMW"));
    runDecodePass(record);
    const QString first = test::describe(record);
    // A Duron pass afterwards leaves nothing of the Barton behind.
    record.setLines(QStringLiteral("D700AUT1B"), QString(), QString());
    runDecodePass(record);
    QCOMPARE(record.modelName(), QStringLiteral("AMD Duron"));
    QVERIFY(!test::describe(record).contains(QStringLiteral("Barton")));
    QVERIFY(!test::describe(record).contains(QStringLiteral("stepping_code")));
    record.setLines(QStringLiteral("AXDA2500DKV4D"), QStringLiteral("ABCDEFG18HIJ1234"),
                    QStringLiteral("JIUHB0312XPMW"));
    runDecodePass(record);
    QCOMPARE(test::describe(record), first);
}

// Records the order of writes, as a window's labels would change.
class WriteLog final : public DecodeTarget
{
public:
    DecodeRecord record{QStringLiteral("AXDA2200DKV3C"), QStringLiteral("ABCDEFG18HIJ1234"),
                        QStringLiteral("JIUHB0312XPMW")};
    QStringList writes;

    QString line1() const override { return record.line1(); }
    QString line2() const override { return record.line2(); }
    QString line3() const override { return record.line3(); }
    QString field(Field f) const override { return record.field(f); }
    void setField(Field f, const QString& text) override
    {
        writes << QString::fromLatin1(fieldInfo(f).jsonKey) + u'=' + text;
        record.setField(f, text);
    }
    QString modelName() const override { return record.modelName(); }
    void setModelName(const QString& name) override
    {
        writes << QStringLiteral("caption=") + name;
        record.setModelName(name);
    }
    void showMessage(const QString& text) override { writes << QStringLiteral("message=") + text; }
};

void tst_DecodePass::fieldsWrittenInStageOrder()
{
    WriteLog log;
    runDecodePass(log);
    QStringList expected;
    for (const FieldInfo& info : fieldTable())
        expected << QString::fromLatin1(info.jsonKey) + u'=';
    expected << QStringLiteral("caption=AMD Athlon XP") << QStringLiteral("performance_rating=2200")
             << QStringLiteral("performance_rating=2200+") << QStringLiteral("package_type=OPGA")
             << QStringLiteral("operating_voltage=1.65v")
             << QStringLiteral("operating_temperature=85\u00B0C")
             << QStringLiteral("l1_cache=128KB") << QStringLiteral("l2_cache=256KB")
             << QStringLiteral("fsb_frequency=266MHz") << QStringLiteral("core=Thoroughbred")
             << QStringLiteral("cpu_model=8") << QStringLiteral("downgraded_from=1800+")
             << QStringLiteral("stepping_code=JIUHB") << QStringLiteral("core=Thoroughbred B")
             << QStringLiteral("core=Thoroughbred B Low end")
             << QStringLiteral("manufacture_year=2003")
             << QStringLiteral("manufacture_week=Week 12")
             << QStringLiteral("batch_production_number=1234")
             << QStringLiteral("production_batch=M") << QStringLiteral("working_frequency=1800")
             << QStringLiteral("multiplier=13.5");
    QCOMPARE(log.writes, expected);
}

void tst_DecodePass::nonAsciiInEveryLine_data()
{
    QTest::addColumn<QString>("line1");
    QTest::addColumn<QString>("line2");
    QTest::addColumn<QString>("line3");
    QTest::addColumn<QString>("expected"); // a "key=value" the result must hold

    QTest::newRow("accented tail of line 1 is not read")
        << QStringLiteral("AXDA2500DKV4D\u00E9\u00E8") << QStringLiteral("1234")
        << QStringLiteral("JIUHB0312XPMW") << QStringLiteral("fsb_frequency=333MHz");
    QTest::newRow("degree sign in line 2 counts once")
        << QStringLiteral("AX1800DMT3C") << QStringLiteral("\u00B0\u00B0\u00B0\u00B0\u00B00227TPDW")
        << QString()
        << QStringLiteral("stepping_code=\u00B0\u00B0\u00B0\u00B0\u00B0 | manufacture_year=2002");
    QTest::newRow("non-BMP stepping kept whole")
        << QStringLiteral("AXDA2500DKV4D") << QStringLiteral("1234")
        << QStringLiteral("\U0001F600\U0001F6010312XPMW")
        << QStringLiteral("stepping_code=\U0001F600\U0001F601 | manufacture_year=2003");
    QTest::newRow("non-BMP batch character")
        << QStringLiteral("AXDA2500DKV4D") << QStringLiteral("1234")
        << QStringLiteral("JIUHB0312X\U0001F600\U0001F601W")
        << QStringLiteral("production_batch=\U0001F601");
    QTest::newRow("lone surrogate as the production batch")
        << QStringLiteral("AX1800DMT3C") << QStringLiteral("AGOGA0227TPD") + QChar(0xDC00)
        << QString() << QStringLiteral("production_batch=") + QChar(0xDC00);
}

void tst_DecodePass::nonAsciiInEveryLine()
{
    const test::PassResult result =
        test::decode(test::fetch<QString>("line1"), test::fetch<QString>("line2"),
                     test::fetch<QString>("line3"));
    QFETCH(QString, expected);
    QVERIFY2(result.fields.contains(expected), qPrintable(result.fields));
}

QTEST_GUILESS_MAIN(tst_DecodePass)
#include "tst_DecodePass.moc"

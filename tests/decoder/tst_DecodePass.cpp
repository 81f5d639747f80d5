// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecodeTestSupport.h"

#include <QTest>

using namespace tallisk;

// The order of writes a window's labels would see during a whole pass, and passes in a row over
// one record, as "Check" pressed again. What the passes write is checked in tst_LineTwoThree
// and tst_FamilyTable.
class tst_DecodePass : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fieldsWrittenInStageOrder();
    void repeatedPassesAreIndependent();
};

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

QTEST_GUILESS_MAIN(tst_DecodePass)
#include "tst_DecodePass.moc"

// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecodeTestSupport.h"

#include <QTest>

using namespace tallisk;

// Passes in a row over one record, as "Check" pressed again: nothing of one pass is left for the
// next. What a pass writes is checked stage by stage in the other decoder tests.
class tst_DecodePass : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void repeatedPassesAreIndependent();
};

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

// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecodeTestSupport.h"

#include <QTest>

using namespace tallisk;

// The family table as a whole pass sees it: which lines are decoded, which end with which
// message, and that an early end writes no field and keeps the caption.
class tst_FamilyTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void recognition_data();
    void recognition();
    void earlyEndKeepsEarlierCaption();
    void clearEmptiesExactlyTheFields();
};

static const QString kNotFound =
    QStringLiteral("Error! CPU Identification String not found.. Aborting");
static const QString kCodeError =
    QStringLiteral("There was an error with the string you entered - Please revise it.");
static const QString kLetters =
    kCodeError +
    QStringLiteral("\r\n\r\nA mistake was made with the first several letters of text in code one");
static const QString kDidYouMean =
    kCodeError + QStringLiteral("\r\n\r\nDid you mean 'AXDA' or 'AX' instead?");

static QString unsupported(const char* model)
{
    return QStringLiteral("Chip '%1' is currently unsupported by Tallisk")
        .arg(QLatin1StringView(model));
}

void tst_FamilyTable::recognition_data()
{
    QTest::addColumn<QString>("line1");
    QTest::addColumn<QString>("message"); // empty: decoded
    QTest::addColumn<QString>("modelName");
    QTest::addColumn<QString>("rating"); // shows the prefix length that was used

    const QString waiting = QStringLiteral("[ Waiting ]");
    auto decoded = [](const char* tag, const char* line, const char* model, const char* rating) {
        QTest::newRow(tag) << QString::fromLatin1(line) << QString() << QString::fromLatin1(model)
                           << QString::fromLatin1(rating);
    };
    auto ended = [&](const char* tag, const QString& line, const QString& message) {
        QTest::newRow(tag) << line << message << waiting << QString();
    };

    decoded("AXDA", "AXDA2500DKV4D", "AMD Athlon XP", "2500+");
    decoded("K7", "K7650", "AMD Athlon", "N/A");
    decoded("AX", "AX1800DMT3C", "AMD Athlon XP", "1800+");
    decoded("A", "A1000AMT3C", "AMD Athlon", "N/A");
    decoded("DHD", "DHD1300AMT1B", "AMD Duron", "N/A");
    decoded("DHM", "DHM800AMT1B", "AMD Duron", "N/A");
    decoded("DHL", "DHL800AMT1B", "AMD Duron", "N/A");
    decoded("D", "D700AUT1B", "AMD Duron", "N/A");

    ended("AMSN unsupported", QStringLiteral("AMSN2000DKT3C"), unsupported("AMD Athlon MP"));
    ended("AMP unsupported", QStringLiteral("AMP1800DMS3C"), unsupported("AMD Athlon MP"));
    ended("AHX unsupported", QStringLiteral("AHX1200AMS3C"), unsupported("AMD Athlon MP"));
    ended("AHM unsupported", QStringLiteral("AHM1200"), unsupported("AMD Mobile Athlon 4"));
    ended("AXMS unsupported", QStringLiteral("AXMS1800"), unsupported("AMD Mobile Athlon XP"));
    ended("AXMD unsupported", QStringLiteral("AXMD1800"), unsupported("AMD Mobile Athlon XP"));
    ended("AXDH unsupported", QStringLiteral("AXDH1800"), unsupported("AMD Mobile Athlon XP"));

    ended("AXDA alone", QStringLiteral("AXDA"), kLetters);
    ended("AXDA then letter, not retried as AX", QStringLiteral("AXDAX2500"), kLetters);
    ended("AX then letter", QStringLiteral("AXDB2000"), kDidYouMean);
    ended("AX alone", QStringLiteral("AX"), kDidYouMean);
    ended("A alone", QStringLiteral("A"), kLetters);
    ended("D alone", QStringLiteral("D"), kLetters);
    ended("K7 alone", QStringLiteral("K7"), kLetters);
    ended("AMP alone", QStringLiteral("AMP"), kCodeError);
    ended("AMSNX no detail", QStringLiteral("AMSNX"), kCodeError);
    ended("AMPX no detail", QStringLiteral("AMPX"), kCodeError);
    ended("AHXX no detail", QStringLiteral("AHXX"), kCodeError);
    ended("AHM then letter", QStringLiteral("AHMX"), kLetters);
    ended("AXMS then letter", QStringLiteral("AXMSX"), kLetters);
    ended("AMX reaches A", QStringLiteral("AMX1000"), kLetters);
    ended("DHD then letter, not retried as D", QStringLiteral("DHDX"), kLetters);
    ended("DHX reaches D", QStringLiteral("DHX1000"), kLetters);
    ended("non-ASCII digit after the prefix", QStringLiteral("AXDA\u0662500"), kLetters);
    ended("non-BMP character after the prefix", QStringLiteral("AX\U0001D7CF800"), kDidYouMean);

    ended("empty", QString(), kNotFound);
    ended("lower case", QStringLiteral("axda2500dkv4d"), kNotFound);
    ended("leading blank", QStringLiteral(" AXDA2500DKV4D"), kNotFound);
    ended("other first letter", QStringLiteral("X1000"), kNotFound);
    ended("K without 7", QStringLiteral("K8650"), kNotFound);
    ended("fullwidth A", QStringLiteral("\uFF21XDA2500"), kNotFound);
}

void tst_FamilyTable::recognition()
{
    QFETCH(QString, line1);
    QFETCH(QString, message);
    const test::PassResult result = test::decode(line1);

    QCOMPARE(result.modelName, test::fetch<QString>("modelName"));
    if (message.isEmpty()) {
        // Lines 2 and 3 are empty here, so their messages may follow; no family message may.
        for (const QString& shown : result.messages) {
            QVERIFY2(shown != kNotFound && !shown.startsWith(kCodeError) &&
                         !shown.startsWith(QStringLiteral("Chip '")),
                     qPrintable(shown));
        }
        QVERIFY(result.fields.contains(QStringLiteral("performance_rating=") +
                                       test::fetch<QString>("rating")));
    } else {
        QCOMPARE(result.messages, QStringList{message});
        QCOMPARE(result.outcome, PassOutcome::EndedEarly);
        QCOMPARE(result.fields, QString()); // not one field written
    }
}

void tst_FamilyTable::earlyEndKeepsEarlierCaption()
{
    DecodeRecord record(QStringLiteral("AXDA2500DKV4D"), QStringLiteral("ABCDEFG18HIJ1234"),
                        QStringLiteral("JIUHB0312XPMW"));
    QCOMPARE(runDecodePass(record), PassOutcome::Completed);
    QVERIFY(!test::describe(record).isEmpty());

    for (const char* line : {"AMSN2000DKT3C", "AXDA", "K8650"}) {
        record.setLines(QString::fromLatin1(line), QString(), QString());
        QCOMPARE(runDecodePass(record), PassOutcome::EndedEarly);
        QCOMPARE(record.modelName(), QStringLiteral("AMD Athlon XP"));
        QCOMPARE(test::describe(record), QString());
    }
}

void tst_FamilyTable::clearEmptiesExactlyTheFields()
{
    DecodeRecord record(QStringLiteral("l1"), QStringLiteral("l2"), QStringLiteral("l3"));
    for (const FieldInfo& info : fieldTable())
        record.setField(info.field, QString::fromLatin1(info.jsonKey));
    record.setModelName(QStringLiteral("AMD Duron"));
    record.ClearLbl();
    record.ClearLbl(); // twice is the same as once
    QCOMPARE(test::describe(record), QString());
    QCOMPARE(record.modelName(), QStringLiteral("AMD Duron"));
    QCOMPARE(record.line1() + record.line2() + record.line3(), QStringLiteral("l1l2l3"));
}

QTEST_GUILESS_MAIN(tst_FamilyTable)
#include "tst_FamilyTable.moc"

// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecodeTestSupport.h"
#include "TestSupport.h"

#include <QTest>

using namespace tallisk;
using namespace tallisk::test;

// The family table as a whole pass sees it: which lines are decoded and which end with which
// message. Every pass runs over a previous result, so an early end must empty every field and
// keep the previous caption.
class tst_FamilyTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void recognition_data();
    void recognition();
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

static const QString kPrevious = QStringLiteral("previous caption");

static QString unsupported(const char* model)
{
    return QStringLiteral("Chip '%1' is currently unsupported by Tallisk")
        .arg(QLatin1StringView(model));
}

void tst_FamilyTable::recognition_data()
{
    // message: empty: decoded
    // rating: shows the prefix length that was used
    addColumns<QString, QString, QString, QString>({"line1", "message", "modelName", "rating"});

    auto decoded = [](const char* tag, const char* line, const char* model, const char* rating) {
        QTest::newRow(tag) << QString::fromLatin1(line) << QString() << QString::fromLatin1(model)
                           << QString::fromLatin1(rating);
    };
    auto ended = [&](const char* tag, const QString& line, const QString& message) {
        QTest::newRow(tag) << line << message << kPrevious << QString();
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
    ended("A alone", QStringLiteral("A"), kLetters);
    ended("D alone", QStringLiteral("D"), kLetters);
    ended("K7 alone", QStringLiteral("K7"), kLetters);
    ended("AMSNX no detail", QStringLiteral("AMSNX"), kCodeError);
    ended("AMPX no detail", QStringLiteral("AMPX"), kCodeError);
    ended("AHXX no detail", QStringLiteral("AHXX"), kCodeError);
    ended("AHM then letter", QStringLiteral("AHMX"), kLetters);
    ended("AXMS then letter", QStringLiteral("AXMSX"), kLetters);
    ended("AXMD alone", QStringLiteral("AXMD"), kLetters);
    ended("AXDH then letter", QStringLiteral("AXDHX"), kLetters);
    ended("AMX reaches A", QStringLiteral("AMX1000"), kLetters);
    ended("DHD then letter, not retried as D", QStringLiteral("DHDX"), kLetters);
    ended("DHM then letter", QStringLiteral("DHMX"), kLetters);
    ended("DHL alone", QStringLiteral("DHL"), kLetters);
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
    QFETCH(QString, message);
    DecodeRecord record(test::fetch<QString>("line1"));
    for (const FieldInfo& info : fieldTable())
        record.setField(info.field, QStringLiteral("stale"));
    record.setModelName(kPrevious);
    const PassOutcome outcome = runDecodePass(record);
    const QString fields = test::describe(record);

    QCOMPARE(record.modelName(), test::fetch<QString>("modelName"));
    QVERIFY2(!fields.contains(QStringLiteral("stale")), qPrintable(fields));
    if (message.isEmpty()) {
        // Lines 2 and 3 are empty here, so their messages may follow; no family message may.
        for (const QString& shown : record.messages()) {
            QVERIFY2(shown != kNotFound && !shown.startsWith(kCodeError) &&
                         !shown.startsWith(QStringLiteral("Chip '")),
                     qPrintable(shown));
        }
        QVERIFY2(
            fields.contains(QStringLiteral("performance_rating=") + test::fetch<QString>("rating")),
            qPrintable(fields));
    } else {
        QCOMPARE(record.messages(), QStringList{message});
        QCOMPARE(outcome, PassOutcome::EndedEarly);
        QCOMPARE(fields, QString()); // not one field written
    }
}

QTEST_GUILESS_MAIN(tst_FamilyTable)
#include "tst_FamilyTable.moc"

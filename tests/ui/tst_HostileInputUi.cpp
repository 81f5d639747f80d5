// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecodePass.h"
#include "DecodeRecord.h"
#include "MessageBoxes.h"
#include "UiTestSupport.h"
#include "frmMain.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace tallisk;

// A very long paste into the window: the box takes it whole and "Check" decodes it.
class tst_HostileInputUi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { test::answerEveryBoxWithOk(); }
    void cleanup() { MessageBoxes::reset(); }
    void millionCharacterPasteIsDecoded_data();
    void millionCharacterPasteIsDecoded();
};

void tst_HostileInputUi::millionCharacterPasteIsDecoded_data()
{
    QTest::addColumn<QString>("filler");

    QTest::newRow("letters") << QStringLiteral("X");
    QTest::newRow("outside the BMP, controls, lone surrogates")
        << QStringLiteral("\U0001F600\u0001\u007F\u0085") + QChar(0xDC00) + QChar(0xD800);
}

void tst_HostileInputUi::millionCharacterPasteIsDecoded()
{
    QFETCH(QString, filler);
    const QString line1 = QStringLiteral("AXDA2500DKV4D");
    const QString line2 = QStringLiteral("ABCDEFG18HIJ1234");
    const QString line3 = QStringLiteral("JIUHB0312XPMW");
    const qsizetype fillerUnits = 1000000 - line1.size();
    const QString pasted = line1 + filler.repeated(fillerUnits / filler.size()) +
                           filler.left(fillerUnits % filler.size());
    QCOMPARE(pasted.size(), 1000000);

    frmMain window;
    auto* text1 = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
    QVERIFY(text1);
    QGuiApplication::clipboard()->setText(pasted);
    text1->setFocus();
    QTest::keySequence(text1, QKeySequence::Paste);
    QCOMPARE(text1->text().size(), pasted.size());
    QVERIFY(text1->text() == pasted); // not QCOMPARE: a mismatch would print a million characters
    QCOMPARE(window.line1(), pasted);

    window.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(line2);
    window.findChild<QLineEdit*>(QStringLiteral("Text3"))->setText(line3);
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);

    // The decoder reads nothing after the bus letter: the result is the short code's.
    DecodeRecord expected(line1, line2, line3);
    QCOMPARE(runDecodePass(expected), PassOutcome::Completed);
    QCOMPARE(window.fieldTexts(), expected.fieldTexts());
    QCOMPARE(window.field(Field::Core), QStringLiteral("Barton"));
    QCOMPARE(window.modelName(), QStringLiteral("AMD Athlon XP"));
    QVERIFY(MessageBoxes::recorded().isEmpty());
}

QTEST_MAIN(tst_HostileInputUi)
#include "tst_HostileInputUi.moc"

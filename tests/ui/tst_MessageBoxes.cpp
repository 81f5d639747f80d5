// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageBoxes.h"
#include "UiTestSupport.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTest>

using namespace tallisk;

class tst_MessageBoxes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { MessageBoxes::reset(); }

    void realBoxIsModalAndShowsPlainText();
    void queuedAnswersComeFirstThenTheDefault();
    void observerSeesEachBoxBeforeItIsAnswered();
    void resetShowsRealBoxesAgain();
};

void tst_MessageBoxes::realBoxIsModalAndShowsPlainText()
{
    MessageBoxes::setRecording(true);
    const QString text = QStringLiteral("<b>not bold</b> & C:\\dir\r\n\r\nsecond paragraph");
    QString seenText;
    QString seenTitle;
    QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons seenButtons;
    bool modal = false;
    test::whenModalShows<QMessageBox>([&](QMessageBox* box) {
        seenText = box->text();
        seenTitle = box->windowTitle();
        seenIcon = box->icon();
        seenButtons = box->standardButtons();
        modal = box->isModal() && box->textFormat() == Qt::PlainText;
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    const QMessageBox::StandardButton answer = MessageBoxes::show(
        nullptr, QMessageBox::Information, QStringLiteral("Tallisk"), text, QMessageBox::Ok);

    QCOMPARE(answer, QMessageBox::Ok);
    QCOMPARE(seenText, text);
    QCOMPARE(seenTitle, QStringLiteral("Tallisk"));
    QCOMPARE(seenIcon, QMessageBox::Information);
    QCOMPARE(seenButtons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(modal);
    QCOMPARE(MessageBoxes::recorded().size(), 1);
    QCOMPARE(MessageBoxes::recorded().first().text, text);
}

void tst_MessageBoxes::queuedAnswersComeFirstThenTheDefault()
{
    MessageBoxes::setRecording(true);
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    MessageBoxes::setNextAnswer(QMessageBox::No);
    MessageBoxes::setDefaultAnswer(QMessageBox::Cancel);
    const auto ask = [](const char* title) {
        return MessageBoxes::show(nullptr, QMessageBox::Question, QString::fromLatin1(title),
                                  QStringLiteral("?"),
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    };
    QCOMPARE(ask("first"), QMessageBox::Yes);
    QCOMPARE(ask("second"), QMessageBox::No);
    QCOMPARE(ask("third"), QMessageBox::Cancel);
    QCOMPARE(ask("fourth"), QMessageBox::Cancel);

    QCOMPARE(MessageBoxes::recorded().size(), 4);
    QCOMPARE(MessageBoxes::recorded()[1].title, QStringLiteral("second"));
    QCOMPARE(MessageBoxes::recorded()[1].icon, QMessageBox::Question);
    QCOMPARE(MessageBoxes::recorded()[1].buttons,
             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QVERIFY(!MessageBoxes::recorded()[1].ownerVisible);
}

void tst_MessageBoxes::observerSeesEachBoxBeforeItIsAnswered()
{
    QStringList seen;
    MessageBoxes::setDefaultAnswer(QMessageBox::Ok);
    MessageBoxes::setObserver([&](const MessageBoxRecord& record) { seen.append(record.text); });
    MessageBoxes::show(nullptr, QMessageBox::NoIcon, QStringLiteral("Tallisk"),
                       QStringLiteral("one"));
    MessageBoxes::show(nullptr, QMessageBox::NoIcon, QStringLiteral("Tallisk"),
                       QStringLiteral("two"));
    QCOMPARE(seen, QStringList({QStringLiteral("one"), QStringLiteral("two")}));
    QVERIFY(MessageBoxes::recorded().isEmpty()); // recording was never switched on
}

void tst_MessageBoxes::resetShowsRealBoxesAgain()
{
    MessageBoxes::setDefaultAnswer(QMessageBox::Ok);
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    MessageBoxes::setRecording(true);
    MessageBoxes::reset();
    QVERIFY(MessageBoxes::recorded().isEmpty());

    bool shown = false;
    test::whenModalShows<QMessageBox>([&](QMessageBox* box) {
        shown = true;
        box->button(QMessageBox::Ok)->click();
    });
    MessageBoxes::show(nullptr, QMessageBox::NoIcon, QStringLiteral("Tallisk"),
                       QStringLiteral("real again"));
    QVERIFY(shown);
}

QTEST_MAIN(tst_MessageBoxes)
#include "tst_MessageBoxes.moc"

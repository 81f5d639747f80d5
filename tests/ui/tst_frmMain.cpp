// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecodeRecord.h"
#include "ExportPlaces.h"
#include "FileSystems.h"
#include "HtmlTable.h"
#include "IdentityArea.h"
#include "MessageBoxes.h"
#include "PartIdentity.h"
#include "TableFileWriter.h"
#include "TalliskVersion.h"
#include "TestSupport.h"
#include "UiTestSupport.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "modMain.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <limits>
#include <memory>

using namespace tallisk;
using namespace tallisk::test;

namespace {

const QStringList kResultLabels{
    QStringLiteral("lblCore"),
    QStringLiteral("lblCPUModel"),
    QStringLiteral("lblCPUPerfRating"),
    QStringLiteral("lblWorkingFreq"),
    QStringLiteral("lblPackageType"),
    QStringLiteral("lblOperatingVoltage"),
    QStringLiteral("lblOperatingTemperature"),
    QStringLiteral("lblL1Cache"),
    QStringLiteral("lblL2Cache"),
    QStringLiteral("lblCPUMultiplier"),
    QStringLiteral("lblFSB"),
    QStringLiteral("lblCPUStepping"),
    QStringLiteral("lblManYear"),
    QStringLiteral("lblManWeek"),
    QStringLiteral("lblProductionBatch"),
    QStringLiteral("lblProductionNumber"),
    QStringLiteral("lblDowngradedFrom"),
};

// The Overview's example and what it decodes to, label by label.
const QString kExample1 = QStringLiteral("AXDA2500DKV4D");
const QString kExample2 = QStringLiteral("ABCDEFG18HIJ1234");
const QString kExample3 = QStringLiteral("JIUHB0312XPMW");
const QStringList kExampleResults{
    QStringLiteral("Barton"), QStringLiteral("10"),      QStringLiteral("2500+"),
    QStringLiteral("1833"),   QStringLiteral("OPGA"),    QStringLiteral("1.65v"),
    QStringLiteral("85°C"),   QStringLiteral("128KB"),   QStringLiteral("512KB"),
    QStringLiteral("11.0"),   QStringLiteral("333MHz"),  QStringLiteral("JIUHB"),
    QStringLiteral("2003"),   QStringLiteral("Week 12"), QStringLiteral("M"),
    QStringLiteral("1234"),   QStringLiteral("N/A"),
};

// A list of texts written as plain literals.
QStringList list(std::initializer_list<const char*> items)
{
    QStringList texts;
    for (const char* item : items)
        texts.append(QString::fromUtf8(item));
    return texts;
}

const QString kCodeError =
    QStringLiteral("There was an error with the string you entered - Please revise it.");

// Everything the window shows that a command could change.
struct Snapshot
{
    QStringList lines;
    QStringList results;
    QString caption;
    bool operator==(const Snapshot&) const = default;
};

} // namespace

class tst_frmMain : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void controlsSitWhereDesigned_data();
    void controlsSitWhereDesigned();
    void resultRowsFollowTheFieldOrder_data();
    void resultRowsFollowTheFieldOrder();
    void windowIsFixedWhiteAndOnlyMinimisable();
    void menusCarryAccessKeysButNoShortcuts();

    void startUpShowsNoticeBeforeWindow();
    void tabVisitsBoxesThenExportThenCheck();
    void enterAndEscPressNothing_data();
    void enterAndEscPressNothing();
    void textBoxesTakeAnyLength();

    void checkFillsSeventeenResults();
    void typingChangesNoResult();
    void decoderMessages_data();
    void decoderMessages();
    void midPassBoxSeesEarlierFields();
    void earlyEndKeepsFrameCaption_data();
    void earlyEndKeepsFrameCaption();
    void realPartFollowsEachCheck_data();
    void realPartFollowsEachCheck();
    void tablesNamingOneOfTwoCoresAgree();

    void exportWritesTableAndSaysWhere_data();
    void exportWritesTableAndSaysWhere();
    void exportFailureSaysOnlyUnexpectedError_data();
    void exportFailureSaysOnlyUnexpectedError();
    void exportFromInstalledCopy_data();
    void exportFromInstalledCopy();

    void aboutIsFreshModalAndCentredOnMain();
    void reportBugHandsLinkToShellOpen();
    void reportBugFailureToLaunch();
    void exitEndsWithoutPrompt_data();
    void exitEndsWithoutPrompt();

private:
    template <typename T> T* child(const QString& name) const
    {
        return m_window->findChild<T*>(name);
    }
    QString result(const QString& name) const { return child<QLabel>(name)->text(); }
    QStringList results() const;
    Snapshot snapshot() const;
    void type(const QString& line1, const QString& line2 = {}, const QString& line3 = {});
    void clickCheck()
    {
        QTest::mouseClick(child<QPushButton>(QStringLiteral("Command2")), Qt::LeftButton);
    }
    // Clicks "Export to HTML"; gives the first message box shown (a blank one if none was).
    MessageBoxRecord clickExport()
    {
        QTest::mouseClick(child<QPushButton>(QStringLiteral("Command3")), Qt::LeftButton);
        return MessageBoxes::recorded().value(0);
    }
    void showWindow();

    std::unique_ptr<frmMain> m_window;
};

QStringList tst_frmMain::results() const
{
    QStringList texts;
    for (const QString& name : kResultLabels)
        texts.append(result(name));
    return texts;
}

Snapshot tst_frmMain::snapshot() const
{
    return {{m_window->line1(), m_window->line2(), m_window->line3()},
            results(),
            child<QGroupBox>(QStringLiteral("Frame2"))->title()};
}

void tst_frmMain::type(const QString& line1, const QString& line2, const QString& line3)
{
    const QStringList lines{line1, line2, line3};
    for (int i = 0; i < 3; ++i) {
        auto* box = child<QLineEdit>(QStringLiteral("Text%1").arg(i + 1));
        box->clear();
        QTest::keyClicks(box, lines[i]);
    }
}

void tst_frmMain::showWindow()
{
    m_window->startUp();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void tst_frmMain::init()
{
    test::answerEveryBoxWithOk();
    m_window = std::make_unique<frmMain>();
}

void tst_frmMain::cleanup()
{
    m_window.reset();
    MessageBoxes::reset();
    modMain::setShellLauncher({});
    TableFileWriter::failNextWriteAfter(-1);
}

void tst_frmMain::controlsSitWhereDesigned_data()
{
    addColumns<QString, QString, QString, QRect>({"name", "container", "caption", "geometry"});

    // clang-format off
    // Pixels at 96 dpi: the designed twips divided by fifteen.
    QTest::newRow("Frame2") << "Frame2" << "clientArea" << "[ Waiting ]" << QRect(0, 0, 369, 321);
    QTest::newRow("Frame1") << "Frame1" << "clientArea" << "[ Enter information here ]" << QRect(0, 320, 369, 65);
    QTest::newRow("Text1") << "Text1" << "Frame1" << "" << QRect(8, 16, 110, 19);
    QTest::newRow("Text2") << "Text2" << "Frame1" << "" << QRect(128, 16, 110, 19);
    QTest::newRow("Text3") << "Text3" << "Frame1" << "" << QRect(248, 16, 110, 19);
    QTest::newRow("Command2") << "Command2" << "Frame1" << "Check" << QRect(296, 40, 57, 17);
    QTest::newRow("Command3") << "Command3" << "Frame2" << "Export to HTML" << QRect(256, 296, 89, 17);
    QTest::newRow("lblCopyright") << "lblCopyright" << "clientArea" << "Copyright © 2026 The Tallisk developers" << QRect(0, 392, 369, 17);
    // Below everything designed: the real part's area.
    QTest::newRow("fraIdentity") << "fraIdentity" << "clientArea" << "[ Real part ]" << QRect(0, 415, 369, 176);
    // clang-format on
}

void tst_frmMain::controlsSitWhereDesigned()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);

    auto* control = child<QWidget>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget()->objectName(), container);
    QCOMPARE(control->geometry(), geometry);
    if (auto* frame = qobject_cast<QGroupBox*>(control))
        QCOMPARE(frame->title(), caption);
    else if (auto* button = qobject_cast<QPushButton*>(control))
        QCOMPARE(button->text(), caption);
    else if (auto* box = qobject_cast<QLineEdit*>(control))
        QCOMPARE(box->text(), caption);
    else if (auto* label = qobject_cast<QLabel*>(control)) {
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->alignment(), Qt::AlignCenter);
    } else
        QFAIL("unexpected kind of control");
}

void tst_frmMain::resultRowsFollowTheFieldOrder_data()
{
    addColumns<QString, QString, int>({"captionLabel", "caption", "row"});

    // Each result's caption label and caption, top to bottom; the result labels are kResultLabels.
    const char* const rows[][2] = {
        {"lblInfoCore", "Core"},
        {"lblInfoCPUCore", "CPU Model"},
        {"lblInfoPerfRating", "Performance Rating"},
        {"lblInfoWorkingFreq", "Working frequency"},
        {"lblInfoPackageType", "Package Type"},
        {"lblInfoOperatingVoltage", "Operating Voltage"},
        {"lblInfoOperatingTemperature", "Operating Temperature"},
        {"lblInfoL1Cache", "L1 Cache"},
        {"lblInfoL2Cache", "L2 Cache"},
        {"lblInfoMultiplier", "Multiplier"},
        {"lblInfoFSB", "FSB Frequency"},
        {"lblInfoStepping", "Stepping Code"},
        {"lblInfoManYear", "Manufacture Year"},
        {"lblInfoManWeek", "Manufacture Week"},
        {"lblInfoProductionBatch", "Production Batch"},
        {"lblInfolProductionNumber", "Batch Production Number"},
        {"lblInfoDowngradedFrom", "Downgraded from"},
    };
    static_assert(std::size(rows) == 17);
    for (int i = 0; i < 17; ++i) {
        QTest::newRow(qPrintable(kResultLabels[i]))
            << QString::fromLatin1(rows[i][0]) << QString::fromLatin1(rows[i][1]) << i + 1;
    }
}

void tst_frmMain::resultRowsFollowTheFieldOrder()
{
    QFETCH(QString, captionLabel);
    QFETCH(QString, caption);
    QFETCH(int, row);

    const int top = 16 * row; // 240 twips per row
    auto* label = child<QLabel>(captionLabel);
    QVERIFY(label);
    QCOMPARE(label->parentWidget()->objectName(), QStringLiteral("Frame2"));
    QCOMPARE(label->text(), caption);
    QCOMPARE(label->geometry(), QRect(8, top, 161, 17));
    QCOMPARE(label->palette().color(label->backgroundRole()), QColor(Qt::white));

    auto* value = child<QLabel>(kResultLabels[row - 1]);
    QVERIFY(value);
    QCOMPARE(value->parentWidget()->objectName(), QStringLiteral("Frame2"));
    QCOMPARE(value->geometry(), QRect(168, top, 185, 17));
    QVERIFY(value->text().isEmpty());
    // Flat, a single-line border, the system's colours for window contents.
    QCOMPARE(value->frameShape(), QFrame::Box);
    QCOMPARE(value->frameShadow(), QFrame::Plain);
    QCOMPARE(value->lineWidth(), 1);
    QVERIFY(value->autoFillBackground());
    QCOMPARE(value->palette().color(value->backgroundRole()),
             QApplication::palette().color(QPalette::Base));
    QCOMPARE(value->palette().color(value->foregroundRole()),
             QApplication::palette().color(QPalette::Text));
    // Typed text reaches the results (a stepping code, for one); it must never be markup.
    QCOMPARE(value->textFormat(), Qt::PlainText);
}

void tst_frmMain::windowIsFixedWhiteAndOnlyMinimisable()
{
    showWindow();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Tallisk (Beta)"));
    QVERIFY(!m_window->windowIcon().isNull());

    QWidget* client = m_window->centralWidget();
    QCOMPARE(client->objectName(), QStringLiteral("clientArea"));
    // The designed 5535 x 6225 twips, grown downward by the real part's area (2640 twips).
    QCOMPARE(client->size(), QSize(369, 415 + 176));
    QCOMPARE(client->y(), m_window->menuBar()->height());
    QCOMPARE(m_window->size(), QSize(369, 415 + 176 + m_window->menuBar()->height()));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());

    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

    for (QWidget* white : {client, child<QWidget>(QStringLiteral("Frame1")),
                           child<QWidget>(QStringLiteral("Frame2")),
                           child<QWidget>(QStringLiteral("fraIdentity"))}) {
        QVERIFY(white->autoFillBackground());
        QCOMPARE(white->palette().color(QPalette::Window), QColor(Qt::white));
    }
    QCOMPARE(client->grab().toImage().pixelColor(2, 400), QColor(Qt::white));
}

void tst_frmMain::menusCarryAccessKeysButNoShortcuts()
{
    const QList<QAction*> bar = m_window->menuBar()->actions();
    QCOMPARE(bar.size(), 2);
    QCOMPARE(bar[0]->text(), QStringLiteral("&File"));
    QCOMPARE(bar[0]->menu()->objectName(), QStringLiteral("mnuFile"));
    QCOMPARE(bar[1]->text(), QStringLiteral("&Help"));
    QCOMPARE(bar[1]->menu()->objectName(), QStringLiteral("mnuHelp"));

    const QList<QAction*> file = bar[0]->menu()->actions();
    QCOMPARE(file.size(), 1);
    QCOMPARE(file[0]->objectName(), QStringLiteral("mnuExit"));
    QCOMPARE(file[0]->text(), QStringLiteral("E&xit"));

    const QList<QAction*> help = bar[1]->menu()->actions();
    QCOMPARE(help.size(), 3);
    QCOMPARE(help[0]->objectName(), QStringLiteral("mnuReport"));
    QCOMPARE(help[0]->text(), QStringLiteral("&Report Bug/Error"));
    QCOMPARE(help[1]->objectName(), QStringLiteral("mnuDividerHelp01"));
    QVERIFY(help[1]->isSeparator());
    QCOMPARE(help[2]->objectName(), QStringLiteral("mnuAbout"));
    QCOMPARE(help[2]->text(), QStringLiteral("&About..."));

    for (const QAction* action : file + help)
        QVERIFY2(action->shortcuts().isEmpty(), qPrintable(action->objectName()));
}

void tst_frmMain::startUpShowsNoticeBeforeWindow()
{
    bool windowVisibleDuringNotice = true;
    MessageBoxes::setObserver(
        [&](const MessageBoxRecord&) { windowVisibleDuringNotice = m_window->isVisible(); });
    showWindow();

    QCOMPARE(MessageBoxes::recorded().size(), 1);
    const MessageBoxRecord notice = MessageBoxes::recorded().first();
    QVERIFY(!windowVisibleDuringNotice);
    QCOMPARE(notice.title, QStringLiteral("Please take note..."));
    QCOMPARE(notice.icon, QMessageBox::Critical);
    QCOMPARE(notice.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(notice.text.split(QStringLiteral("\r\n")),
             list({"This program is BETA! There may be, and probably are many bugs still",
                   "present in this release of Tallisk", "",
                   "The Athlon MP and Athlon Mobile series of chips aren't currently",
                   "supported - I am still verfiying the accuracy of the output from this",
                   "program, while I gain more knowledge of their specifications."}));
    // CR LF only between lines: no lone line feed, no line break at the end.
    QCOMPARE(notice.text.count(u'\n'), 5);
    QCOMPARE(notice.text.count(u'\r'), 5);

    QVERIFY(m_window->isVisible());
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(QStringLiteral("Text1")));
    const QPoint screenCentre = m_window->screen()->availableGeometry().center();
    QVERIFY2((m_window->frameGeometry().center() - screenCentre).manhattanLength() <= 2,
             qPrintable(QStringLiteral("window at %1,%2 %3x%4, screen centre %5,%6")
                            .arg(m_window->frameGeometry().x())
                            .arg(m_window->frameGeometry().y())
                            .arg(m_window->frameGeometry().width())
                            .arg(m_window->frameGeometry().height())
                            .arg(screenCentre.x())
                            .arg(screenCentre.y())));
    QCOMPARE(results(), QStringList(17, QString()));
    QCOMPARE(m_window->modelName(), QStringLiteral("[ Waiting ]"));
}

void tst_frmMain::tabVisitsBoxesThenExportThenCheck()
{
    showWindow();
    const QStringList forward =
        list({"Text2", "Text3", "Command3", "Command2", "lblIdentity", "Text1"});
    for (const QString& expected : forward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), expected);
    }
    const QStringList backward =
        list({"lblIdentity", "Command2", "Command3", "Text3", "Text2", "Text1"});
    for (const QString& expected : backward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), expected);
    }
}

void tst_frmMain::enterAndEscPressNothing_data()
{
    addColumns<QString, int>({"focus", "key"});
    for (const char* focus : {"Text1", "Text2", "Text3", "Command2", "Command3"}) {
        QTest::addRow("Return in %s", focus) << focus << int(Qt::Key_Return);
        QTest::addRow("Enter in %s", focus) << focus << int(Qt::Key_Enter);
        QTest::addRow("Esc in %s", focus) << focus << int(Qt::Key_Escape);
    }
}

void tst_frmMain::enterAndEscPressNothing()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    showWindow();
    MessageBoxes::reset();
    test::answerEveryBoxWithOk();
    type(kExample1, kExample2, kExample3);
    auto* target = child<QWidget>(focus);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));
    QTest::qWait(20);

    QVERIFY(MessageBoxes::recorded().isEmpty());     // "Export to HTML" would have said so
    QCOMPARE(results(), QStringList(17, QString())); // "Check" would have filled them
    QCOMPARE(m_window->modelName(), QStringLiteral("[ Waiting ]"));
    QVERIFY(m_window->isVisible());
}

void tst_frmMain::textBoxesTakeAnyLength()
{
    for (const char* name : {"Text1", "Text2", "Text3"}) {
        auto* box = child<QLineEdit>(QString::fromLatin1(name));
        QCOMPARE(box->maxLength(), std::numeric_limits<int>::max());
        box->setText(QString(40000, u'A'));
        box->end(false);
        QTest::keyClicks(box, QStringLiteral("XYZ"));
        QCOMPARE(box->text().size(), 40003);
        QVERIFY(box->text().endsWith(u"XYZ"));
    }
}

void tst_frmMain::checkFillsSeventeenResults()
{
    showWindow();
    MessageBoxes::reset();
    test::answerEveryBoxWithOk();
    type(kExample1, kExample2, kExample3);
    clickCheck();

    QVERIFY(MessageBoxes::recorded().isEmpty());
    QCOMPARE(m_window->modelName(), QStringLiteral("AMD Athlon XP"));
    QCOMPARE(results(), kExampleResults);
    // The window is the record: what the labels show is what the pass reads back.
    QCOMPARE(m_window->field(Field::Core), QStringLiteral("Barton"));

    // A second press is a full pass of its own and gives the same.
    clickCheck();
    QCOMPARE(results(), kExampleResults);
}

void tst_frmMain::typingChangesNoResult()
{
    type(kExample1, kExample2, kExample3);
    clickCheck();
    const QStringList decoded = results();
    QCOMPARE(decoded, kExampleResults);

    QTest::keyClicks(child<QLineEdit>(QStringLiteral("Text1")), QStringLiteral("XYZ"));
    child<QLineEdit>(QStringLiteral("Text2"))->clear();
    QTest::keyClicks(child<QLineEdit>(QStringLiteral("Text3")), QStringLiteral("0000"));
    QCOMPARE(results(), decoded);
    QCOMPARE(m_window->modelName(), QStringLiteral("AMD Athlon XP"));
    QVERIFY(MessageBoxes::recorded().isEmpty());
}

void tst_frmMain::decoderMessages_data()
{
    addColumns<QStringList, QString>({"lines", "text"});

    const QString letters = QStringLiteral(
        "\r\n\r\nA mistake was made with the first several letters of text in code one");
    // clang-format off
    QTest::newRow("lower case") << list({"axda2500dkv4d", "", ""}) << "Error! CPU Identification String not found.. Aborting";
    QTest::newRow("empty") << list({"", "", ""}) << "Error! CPU Identification String not found.. Aborting";
    QTest::newRow("letters detail") << list({"AXDA", "", ""}) << kCodeError + letters;
    QTest::newRow("did you mean") << list({"AXDB2000", "", ""}) << kCodeError + QStringLiteral( "\r\n\r\nDid you mean 'AXDA' or 'AX' instead?");
    QTest::newRow("no detail") << list({"AMPX", "", ""}) << kCodeError;
    QTest::newRow("Athlon MP") << list({"AMSN2000DKT3C", "", ""}) << "Chip 'AMD Athlon MP' is currently unsupported by Tallisk";
    QTest::newRow("mobile Athlon 4") << list({"AHM1200", "", ""}) << "Chip 'AMD Mobile Athlon 4' is currently unsupported by Tallisk";
    QTest::newRow("line two") << QStringList{kExample1, QStringLiteral("ABCDEFG18HIJ123X"), kExample3} << "Error: Unable to read correct value in textbox two.";
    QTest::newRow("line three") << QStringList{kExample1, kExample2, QStringLiteral("JIUHB03121234")} << "Error: Unable to read correct value in textbox three.";
    QTest::newRow("stepping") << QStringList{kExample1, kExample2, QStringLiteral("ABCDEFGHIJXPMW")} << "Failed trying to retrieve stepping";
    // clang-format on
}

void tst_frmMain::decoderMessages()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, text);
    showWindow();
    MessageBoxes::reset();
    test::answerEveryBoxWithOk();
    type(lines[0], lines[1], lines[2]);
    clickCheck();

    QCOMPARE(MessageBoxes::recorded().size(), 1);
    const MessageBoxRecord box = MessageBoxes::recorded().first();
    QCOMPARE(boxSeen(box), (QStringList{QStringLiteral("Tallisk"), QStringLiteral("NoIcon"),
                                        QStringLiteral("Ok"), text}));
    QVERIFY(box.ownerVisible); // a box of the main window, over it
}

void tst_frmMain::midPassBoxSeesEarlierFields()
{
    showWindow();
    MessageBoxes::reset(); // real boxes from here on
    type(kExample1, kExample2, QStringLiteral("ABCDEFGHIJXPMW"));

    QStringList seenWhileOpen;
    QString boxText;
    bool windowBlocked = false;
    test::whenModalShows<QMessageBox>([&](QMessageBox* box) {
        boxText = box->text();
        seenWhileOpen = results();
        windowBlocked = !m_window->isEnabled() || QApplication::activeModalWidget() == box;
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    clickCheck(); // returns only once the box has been closed

    QCOMPARE(boxText, QStringLiteral("Failed trying to retrieve stepping"));
    QVERIFY(windowBlocked);
    QCOMPARE(seenWhileOpen.size(), 17);
    // Written before the box: line 1, the core rules and the downgraded-from field.
    QCOMPARE(seenWhileOpen[0], QStringLiteral("Barton"));
    QCOMPARE(seenWhileOpen[1], QStringLiteral("10"));
    QCOMPARE(seenWhileOpen[8], QStringLiteral("512KB"));
    QCOMPARE(seenWhileOpen[16], QStringLiteral("N/A"));
    // Not yet: the clock table runs after the box is closed.
    QVERIFY(seenWhileOpen[3].isEmpty());
    QVERIFY(seenWhileOpen[9].isEmpty());
    // The pass went on after OK.
    QCOMPARE(result(QStringLiteral("lblWorkingFreq")), QStringLiteral("1833"));
    QCOMPARE(result(QStringLiteral("lblCPUMultiplier")), QStringLiteral("11.0"));
    QVERIFY(result(QStringLiteral("lblCPUStepping")).isEmpty());
}

void tst_frmMain::earlyEndKeepsFrameCaption_data()
{
    // kept: results still shown after the early end
    addColumns<QStringList, QStringList>({"lines", "kept"});

    const QStringList none(17, QString());
    // clang-format off
    QTest::newRow("unsupported") << QStringList{QStringLiteral("AMSN2000DKT3C"), kExample2, kExample3} << none;
    QTest::newRow("not found") << QStringList{QStringLiteral("K8650"), kExample2, kExample3} << none;
    QTest::newRow("code error") << QStringList{QStringLiteral("AX"), kExample2, kExample3} << none;

    // Line 2 fails after stepping and date: what came before stays.
    QStringList lineTwo = kExampleResults;
    for (int i : {3, 9, 14, 15}) // frequency, multiplier, batch, batch number
        lineTwo[i].clear();
    QTest::newRow("line two") << QStringList{kExample1, QStringLiteral("ABCDEFG18HIJ123X"), kExample3} << lineTwo;
    // clang-format on
}

void tst_frmMain::earlyEndKeepsFrameCaption()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, kept);
    type(kExample1, kExample2, kExample3);
    clickCheck();
    QCOMPARE(m_window->modelName(), QStringLiteral("AMD Athlon XP"));

    type(lines[0], lines[1], lines[2]);
    clickCheck();
    QCOMPARE(MessageBoxes::recorded().size(), 1);
    QCOMPARE(m_window->modelName(), QStringLiteral("AMD Athlon XP"));
    QCOMPARE(results(), kept);
}

void tst_frmMain::exportWritesTableAndSaysWhere_data()
{
    addColumns<bool, QString>({"decodeFirst", "heading"});
    // clang-format off
    QTest::newRow("after a pass") << true << "AMD Athlon XP";
    QTest::newRow("before any pass") << false << "[ Waiting ]";
    // clang-format on
}

void tst_frmMain::realPartFollowsEachCheck_data()
{
    addColumns<QStringList, QString, QStringList>({"lines", "message", "shown"});

    // clang-format off
    QTest::newRow("tables and part agree") << QStringList{kExample1, kExample2, kExample3} << QString() << list({"Real part: AMD Athlon XP 2500+ (Barton, 1833 MHz, 333 MHz bus, 11.0x, 512 KB L2), read from its part number"});
    // The marking tables have no clock for a 2600+ Barton; the part runs at 1917 MHz.
    QTest::newRow("tables without a clock") << QStringList{QStringLiteral("AXDA2600DKV4D"), kExample2, kExample3} << QString() << list({"Real part: AMD Athlon XP 2600+ (Barton, 1917 MHz, 333 MHz bus, 11.5x, 512 KB L2), read from its part number", "Working frequency: the marking tables say Unsupported Chip, this part runs at 1917 MHz", "Multiplier: the marking tables say Unsupported Chip, this part's is 11.5"});
    // Line 1 does not tell Thoroughbred A from B; the stepping's last letter does, for both.
    QTest::newRow("two cores, narrowed by the stepping") << QStringList{QStringLiteral("AXDA2200DKV3C"), kExample2, kExample3} << QString() << list({"Real part: AMD Athlon XP 2200+ (Thoroughbred B, 1800 MHz, 266 MHz bus, 13.5x, 256 KB L2), a known part"});
    // The tables decline an Athlon MP with a message; the real part comes after it.
    QTest::newRow("declined by the tables") << QStringList{QStringLiteral("AMP2000DMS3C"), QString(), QString()} << "Chip 'AMD Athlon MP' is currently unsupported by Tallisk" << list({"Real part: AMD Athlon MP 2000+ (Palomino, 1667 MHz, 266 MHz bus, 12.5x, 256 KB L2), a known part", "Core: the marking tables say nothing, this part is a Palomino", "Working frequency: the marking tables say nothing, this part runs at 1667 MHz", "Multiplier: the marking tables say nothing, this part's is 12.5", "FSB Frequency: the marking tables say nothing, this part's bus is 266 MHz", "L2 Cache: the marking tables say nothing, this part has 256 KB"});
    QTest::newRow("not known") << QStringList{QStringLiteral("XYZ123"), QString(), QString()} << "Error! CPU Identification String not found.. Aborting" << list({"Real part: not known"});
    // clang-format on
}

void tst_frmMain::realPartFollowsEachCheck()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, message);
    QFETCH(QStringList, shown);
    showWindow();
    auto* area = child<QLabel>(QStringLiteral("lblIdentity"));
    QVERIFY(area);

    // A first Check leaves something to replace; while a message is up, the area is untouched.
    type(kExample1, kExample2, kExample3);
    clickCheck();
    const QString before = area->text();
    QStringList areaWhileMessageUp;
    MessageBoxes::reset();
    test::answerEveryBoxWithOk();
    MessageBoxes::setObserver([&](const MessageBoxRecord&) { areaWhileMessageUp << area->text(); });
    type(lines[0], lines[1], lines[2]);
    clickCheck();

    QStringList messages;
    for (const MessageBoxRecord& box : MessageBoxes::recorded())
        messages << box.text;
    QCOMPARE(messages, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(areaWhileMessageUp, message.isEmpty() ? QStringList() : QStringList{before});
    QCOMPARE(area->text().split(u'\n'), shown);
}

void tst_frmMain::tablesNamingOneOfTwoCoresAgree()
{
    PartIdentity part;
    part.name = QStringLiteral("AMD Athlon XP 2200+");
    part.core = QStringLiteral("Thoroughbred A or Thoroughbred B");
    part.basis = QString::fromLatin1(PartIdentity::kKnownPart);
    DecodeRecord tables;
    for (const char* core : {"Thoroughbred", "Thoroughbred B Low end", "Thoroughbred A"}) {
        tables.setField(Field::Core, QString::fromLatin1(core));
        QCOMPARE(IdentityArea::lines(tables, part).size(), 1);
    }
    tables.setField(Field::Core, QStringLiteral("Barton"));
    QCOMPARE(IdentityArea::lines(tables, part).value(1),
             QStringLiteral("Core: the marking tables say Barton, this part is a Thoroughbred A or "
                            "Thoroughbred B"));
}

void tst_frmMain::exportWritesTableAndSaysWhere()
{
    QFETCH(bool, decodeFirst);
    QFETCH(QString, heading);
    const QString directory = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/table.htm");
    QFile::remove(path);

    if (decodeFirst) {
        type(kExample1, kExample2, kExample3);
        clickCheck();
    }
    const Snapshot before = snapshot();
    const MessageBoxRecord box = clickExport();
    QCOMPARE(MessageBoxes::recorded().size(), 1);
    QCOMPARE(
        boxSeen(box),
        (QStringList{QStringLiteral("Tallisk"), QStringLiteral("Information"), QStringLiteral("Ok"),
                     QStringLiteral("File saved as table.htm in: \r\n\r\n") + directory}));
    QVERIFY(snapshot() == before);

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.count("\r\n"), 76);
    QVERIFY(bytes.contains("&nbsp;<b>" + heading.toUtf8() + "</b>"));
    FieldTexts fields;
    for (std::size_t i = 0; i < kFieldCount; ++i)
        fields[i] = before.results[static_cast<qsizetype>(i)];
    QCOMPARE(bytes, HtmlTable::render(heading, fields));
    if (decodeFirst)
        QVERIFY(bytes.contains("&nbsp;Barton</font></td>"));
    file.close();
    QFile::remove(path);
}

void tst_frmMain::exportFailureSaysOnlyUnexpectedError_data()
{
    QTest::addColumn<bool>("namedPipe");
    // clang-format off
    QTest::newRow("the write fails midway") << false;
    // The documents folder may be shared: what stands there is never replaced by a file.
    QTest::newRow("table.htm is a named pipe") << true;
    // clang-format on
}

void tst_frmMain::exportFailureSaysOnlyUnexpectedError()
{
    QFETCH(bool, namedPipe);
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/table.htm");
    const auto removeIt = qScopeGuard([&path] { QFile::remove(path); });
    if (namedPipe) {
#ifdef Q_OS_UNIX
        QFile::remove(path);
        QCOMPARE(makeSpecialFile(SpecialFile::NamedPipe, path), QString());
#else
        QSKIP("named pipes as files are Unix's");
#endif
    } else {
        QVERIFY(writeFile(path, "earlier export"));
        TableFileWriter::failNextWriteAfter(100);
    }
    type(kExample1, kExample2, kExample3);
    clickCheck();
    const Snapshot before = snapshot();

    const MessageBoxRecord box = clickExport();
    QCOMPARE(MessageBoxes::recorded().size(), 1); // no success message after the failure
    QCOMPARE(boxSeen(box),
             (QStringList{QStringLiteral("Error"), QStringLiteral("Critical"), QStringLiteral("Ok"),
                          QStringLiteral("An unexpected error has occured!")}));
    QVERIFY(snapshot() == before);

#ifdef Q_OS_UNIX
    if (namedPipe) {
        QCOMPARE(fileType(path), unsigned(S_IFIFO));
        return;
    }
#endif
    QCOMPARE(readFile(path), QByteArray("earlier export"));
}

void tst_frmMain::exportFromInstalledCopy_data()
{
    addColumns<bool, bool>({"programWritable", "documentsPossible"});
    // clang-format off
    QTest::newRow("run from a folder it may write: kept") << true << true;
    QTest::newRow("installed where it may not write: documents") << false << true;
    QTest::newRow("no documents folder possible either") << false << false;
    // clang-format on
}

// An installed copy cannot write beside itself; the export then goes to the user's documents
// folder and says so. The program's directory stands in as a path under a regular file, which
// no one may write, root included.
void tst_frmMain::exportFromInstalledCopy()
{
    QFETCH(bool, programWritable);
    QFETCH(bool, documentsPossible);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeFile(dir.filePath(QStringLiteral("file")), {}));
    const QString program =
        dir.filePath(programWritable ? QStringLiteral("program") : QStringLiteral("file/bin"));
    if (programWritable)
        QVERIFY(QDir().mkpath(program));
    test::ExportPlaces places(program, test::ExportPlaces::homeIn(dir.path(), documentsPossible));
    const QString documents = test::ExportPlaces::documents();
    if (!places.documentsInHome())
        QSKIP("the documents folder does not follow the home directory on this platform");

    type(kExample1, kExample2, kExample3);
    clickCheck();
    const Snapshot before = snapshot();
    const MessageBoxRecord box = clickExport();
    QCOMPARE(MessageBoxes::recorded().size(), 1);
    QVERIFY(snapshot() == before);
    if (!documentsPossible) {
        QCOMPARE(box.text, QStringLiteral("An unexpected error has occured!"));
        QCOMPARE(box.title, QStringLiteral("Error"));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QVERIFY(!QFileInfo::exists(documents));
        return;
    }
    const QString used = programWritable ? program : documents;
    QCOMPARE(box.text, QStringLiteral("File saved as table.htm in: \r\n\r\n") +
                           QDir::toNativeSeparators(used));
    QCOMPARE(box.icon, QMessageBox::Information);
    QFile file(used + QStringLiteral("/table.htm"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), HtmlTable::render(before.caption, m_window->fieldTexts()));
    QCOMPARE(QFileInfo::exists(documents), !programWritable);
}

void tst_frmMain::aboutIsFreshModalAndCentredOnMain()
{
    showWindow();
    auto* about = child<QAction>(QStringLiteral("mnuAbout"));

    QPointer<frmAbout> first;
    QStringList captions;
    bool modalOverMain = false;
    int centreDistance = -1;
    test::whenModalShows<frmAbout>([&](frmAbout* window) {
        first = window;
        captions.append(window->windowTitle());
        modalOverMain = window->isModal() && window->parentWidget() == m_window.get() &&
                        !m_window->isActiveWindow();
        centreDistance = (window->frameGeometry().center() - m_window->frameGeometry().center())
                             .manhattanLength();
        window->Label2_Click();
        captions.append(window->windowTitle());
        QTest::keyClick(window, Qt::Key_Escape);
    });
    about->trigger();        // returns when the About window has been closed
    QVERIFY(first.isNull()); // closing unloaded it
    QVERIFY(modalOverMain);
    QVERIFY2(centreDistance >= 0 && centreDistance <= 4, "centred on the main window");

    test::whenModalShows<frmAbout>([&](frmAbout* window) {
        captions.append(window->windowTitle());
        QTest::keyClick(window, Qt::Key_Return);
    });
    about->trigger();
    QCOMPARE(captions, list({"About Tallisk", "About Tallisk :)", "About Tallisk"}));
    QVERIFY(MessageBoxes::recorded().size() == 1); // the notice, nothing since
}

void tst_frmMain::reportBugHandsLinkToShellOpen()
{
    QStringList opened;
    modMain::setShellLauncher([&](const QString& target) {
        opened.append(target);
        return true;
    });
    type(kExample1, kExample2, kExample3);
    clickCheck();
    const Snapshot before = snapshot();

    child<QAction>(QStringLiteral("mnuReport"))->trigger();
    QCOMPARE(opened, QStringList{QStringLiteral("mailto:" TALLISK_BUG_ADDRESS
                                                "?subject=Reporting a bug or error in Tallisk")});
    QCOMPARE(modMain::bugReportLink(), opened.value(0));
    QVERIFY(MessageBoxes::recorded().isEmpty());
    QVERIFY(snapshot() == before);
}

void tst_frmMain::reportBugFailureToLaunch()
{
    modMain::setShellLauncher([](const QString&) { return false; });
    child<QAction>(QStringLiteral("mnuReport"))->trigger();

    QCOMPARE(MessageBoxes::recorded().size(), 1);
    const MessageBoxRecord box = MessageBoxes::recorded().first();
    QCOMPARE(boxSeen(box),
             (QStringList{QStringLiteral("Error"), QStringLiteral("Critical"), QStringLiteral("Ok"),
                          QStringLiteral("An unexpected error has occured!")}));
}

void tst_frmMain::exitEndsWithoutPrompt_data()
{
    addColumns<QString, bool>({"before", "closeBox"});
    for (const char* before : {"nothing", "check", "export"}) {
        QTest::addRow("File, Exit after %s", before) << before << false;
        QTest::addRow("close box after %s", before) << before << true;
    }
}

void tst_frmMain::exitEndsWithoutPrompt()
{
    QFETCH(QString, before);
    QFETCH(bool, closeBox);
    showWindow();
    type(kExample1, kExample2, kExample3);
    if (before != u"nothing")
        clickCheck();
    if (before == u"export")
        QTest::mouseClick(child<QPushButton>(QStringLiteral("Command3")), Qt::LeftButton);
    const qsizetype boxes = MessageBoxes::recorded().size();

    if (closeBox)
        QVERIFY(m_window->close());
    else
        child<QAction>(QStringLiteral("mnuExit"))->trigger();
    QVERIFY(!m_window->isVisible());
    QCOMPARE(MessageBoxes::recorded().size(), boxes); // no question asked
    QFile::remove(QCoreApplication::applicationDirPath() + QStringLiteral("/table.htm"));
}

QTEST_MAIN(tst_frmMain)
#include "tst_frmMain.moc"

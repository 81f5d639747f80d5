// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandRun.h"
#include "DecodeRecord.h"
#include "ExportPlaces.h"
#include "FileSystems.h"
#include "HtmlTable.h"
#include "MessageBoxes.h"
#include "PartIdentity.h"
#include "RealPartArea.h"
#include "ResultPage.h"
#include "SourceList.h"
#include "TableFileWriter.h"
#include "TalliskVersion.h"
#include "TestSupport.h"
#include "UiTestSupport.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "modMain.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
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
#include <QStandardPaths>
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

// A column of seventeen cells written as one line, "=Barton | | =2500+ | ...": each cell the
// row's mark and its value.
QStringList cells(const char* row)
{
    QStringList cells = QString::fromUtf8(row).split(u'|');
    for (QString& cell : cells)
        cell = cell.trimmed();
    return cells;
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
    void realPartBesideTheRows_data();
    void realPartBesideTheRows();
    void sourcesListEachWithItsAddress();
    void suggestionIsCheckedWhenChosen();
    void pasteSpreadsOverTheBoxes_data();
    void pasteSpreadsOverTheBoxes();
    void copyResultGivesTheWholeAnswer();
    void saveResultAsWritesAWebPage_data();
    void saveResultAsWritesAWebPage();
    void saveResultAsWritesCsv_data();
    void saveResultAsWritesCsv();

    void exportWritesTableAndSaysWhere_data();
    void exportWritesTableAndSaysWhere();
    void exportFailureSaysOnlyUnexpectedError_data();
    void exportFailureSaysOnlyUnexpectedError();
    void exportFromInstalledCopy_data();
    void exportFromInstalledCopy();

    void aboutIsFreshModalAndCentredOnMain();
    void reportBugEndsInAnAddress_data();
    void reportBugEndsInAnAddress();
    void exitEndsWithoutPrompt_data();
    void exitEndsWithoutPrompt();

private:
    template <typename T> T* child(const QString& name) const
    {
        return m_window->findChild<T*>(name);
    }
    QString result(const QString& name) const { return child<QLabel>(name)->text(); }
    QStringList results() const;
    // The real part's column, each cell its mark and value as cells() writes them.
    QStringList column() const;
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

QStringList tst_frmMain::column() const
{
    QStringList texts;
    for (const QString& name : kResultLabels) {
        const QString suffix = name.sliced(3);
        texts.append(result(QStringLiteral("lblMark") + suffix) +
                     result(QStringLiteral("lblPart") + suffix));
    }
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
    // Beside everything designed, sharing the frames' edge: the real part.
    QTest::newRow("fraRealPart") << "fraRealPart" << "clientArea" << "Real part" << QRect(368, 0, 250, 415);
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
    // The designed 5535 x 6225 twips, grown sideways by the real part's frame.
    QCOMPARE(client->size(), QSize(618, 415));
    QCOMPARE(client->y(), m_window->menuBar()->height());
    QCOMPARE(m_window->size(), QSize(618, 415 + m_window->menuBar()->height()));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());

    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

    for (QWidget* white : {client, child<QWidget>(QStringLiteral("Frame1")),
                           child<QWidget>(QStringLiteral("Frame2")),
                           child<QWidget>(QStringLiteral("fraRealPart"))}) {
        QVERIFY(white->autoFillBackground());
        QCOMPARE(white->palette().color(QPalette::Window), QColor(Qt::white));
    }
    QCOMPARE(client->grab().toImage().pixelColor(2, 400), QColor(Qt::white));
}

void tst_frmMain::menusCarryAccessKeysButNoShortcuts()
{
    const QList<QAction*> bar = m_window->menuBar()->actions();
    QStringList menus;
    for (const QAction* menu : bar)
        menus << menu->menu()->objectName() + u' ' + menu->text();
    QCOMPARE(menus, list({"mnuFile &File", "mnuEdit &Edit", "mnuHelp &Help"}));

    QStringList items;
    for (const QAction* menu : bar) {
        for (const QAction* item : menu->menu()->actions()) {
            items << item->objectName() + u' ' +
                         (item->isSeparator() ? QStringLiteral("-") : item->text()) + u' ' +
                         item->shortcut().toString();
        }
    }
    // Copy Result alone has a shortcut; the other items keep none, as designed.
    QCOMPARE(items,
             list({"mnuSaveResultAs Save Result &As\u2026 ", "mnuDividerFile01 - ",
                   "mnuExit E&xit ", "mnuCopyResult &Copy Result Ctrl+Shift+C",
                   "mnuReport &Report Bug/Error ", "mnuDividerHelp01 - ", "mnuAbout &About... "}));
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
    const QStringList forward = list({"Text2", "Text3", "Command3", "Command2", "Text1"});
    for (const QString& expected : forward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), expected);
    }
    const QStringList backward = list({"Command2", "Command3", "Text3", "Text2", "Text1"});
    for (const QString& expected : backward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), expected);
    }
    // Once a part is known, its Sources button comes after "Check".
    type(kExample1, kExample2, kExample3);
    clickCheck();
    child<QWidget>(QStringLiteral("Command2"))->setFocus();
    for (const QString& expected : list({"cmdSources", "Text1"})) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
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

void tst_frmMain::realPartBesideTheRows_data()
{
    // marked: each row's mark and the part's value; strip: name, basis, what told the core.
    addColumns<QStringList, QStringList, QStringList, QStringList>(
        {"lines", "messages", "marked", "strip"});

    const QStringList later{kExample2, kExample3};
    const QString declined =
        QStringLiteral("Chip 'AMD Athlon MP' is currently unsupported by Tallisk");
    const QStringList noStepping = list({"Failed trying to retrieve stepping",
                                         "Error: Unable to read correct value in textbox two."});
    // clang-format off
    QTest::newRow("tables and part agree") << QStringList{kExample1} + later << QStringList()
        << cells("=Barton | | =2500+ | =1833 | =OPGA | =1.65v | =85°C | =128KB | =512KB | =11.0 | =333MHz | | | | | |")
        << list({"AMD Athlon XP 2500+", "read from the letters of its part number", ""});
    // The tables have no clock for a 2600+ Barton; the part runs at 1917 MHz.
    QTest::newRow("tables without a clock") << list({"AXDA2600DKV4D"}) + later << QStringList()
        << cells("=Barton | | =2600+ | ≠1917 | =OPGA | =1.65v | =85°C | =128KB | =512KB | ≠11.5 | =333MHz | | | | | |")
        << list({"AMD Athlon XP 2600+", "read from the letters of its part number", ""});
    // The tables read a Slot A label their own way: cache, voltage and package disagree.
    QTest::newRow("tables wrong") << list({"K7600MTR51B", "", ""}) << QStringList()
        << cells("≠Argon or Pluto | | | =600 | ≠Module | ≠1.60v | =70°C | =128KB | ≠512KB | ≠6.0 | ≠200MHz | | | | | |")
        << list({"AMD Athlon 600 MHz", "read from the letters of its part number", ""});
    // The tables decline an Athlon MP with a message; the part comes after it, on every row.
    QTest::newRow("declined by the tables") << list({"AMP1800DMS3C", "", ""}) << QStringList{declined}
        << cells("≠Palomino | | ≠1800+ | ≠1533 | ≠OPGA | ≠1.75v | ≠95°C | ≠128KB | ≠256KB | ≠11.5 | ≠266MHz | | | | | |")
        << list({"AMD Athlon MP 1800+", "listed in 6 sources", ""});
    // Line 1 does not tell Thoroughbred A from B; the stepping's last letter does, or would.
    QTest::newRow("two cores, told apart") << list({"AXDA2200DKV3C"}) + later << QStringList()
        << cells("=Thoroughbred B | | =2200+ | =1800 | =OPGA | =1.65v | =85°C | =128KB | =256KB | =13.5 | =266MHz | | | | | |")
        << list({"AMD Athlon XP 2200+", "listed in 4 sources", "Thoroughbred B: stepping JIUHB ends in B"});
    QTest::newRow("two cores, no line 3") << list({"AXDA2200DKV3C", "", ""}) << noStepping
        << cells("=Thoroughbred A or Thoroughbred B | | =2200+ | ≠1800 | =OPGA | =1.65v | =85°C | =128KB | =256KB | ≠13.5 | =266MHz | | | | | |")
        << list({"AMD Athlon XP 2200+", "listed in 4 sources", "type line 3 to tell Thoroughbred A from B"});
    // The bus letter left off: the tables read what they can, the part is not known.
    QTest::newRow("not known") << list({"AXDA2500DKV4"}) + later << QStringList()
        << QStringList(17, QString()) << list({"Real part: not known", "", ""});
    // clang-format on
}

void tst_frmMain::realPartBesideTheRows()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, marked);
    QFETCH(QStringList, strip);
    showWindow();

    // A first Check leaves a column behind; while a message of the next is up, none stands
    // beside its blank rows.
    type(kExample1, kExample2, kExample3);
    clickCheck();
    QList<QStringList> columnWhileMessageUp;
    MessageBoxes::reset();
    test::answerEveryBoxWithOk();
    MessageBoxes::setObserver([&](const MessageBoxRecord&) { columnWhileMessageUp << column(); });
    type(lines[0], lines[1], lines[2]);
    clickCheck();

    QStringList shown;
    for (const MessageBoxRecord& box : MessageBoxes::recorded())
        shown << box.text;
    QCOMPARE(shown, messages);
    QCOMPARE(columnWhileMessageUp, QList<QStringList>(messages.size(), QStringList(17, QString())));
    QCOMPARE(column(), marked);
    QCOMPARE(
        (QStringList{result(QStringLiteral("lblRealName")), result(QStringLiteral("lblRealBasis")),
                     result(QStringLiteral("lblRealNarrowing"))}),
        strip);
    QCOMPARE(child<QWidget>(QStringLiteral("cmdSources"))->isVisible(), strip[1] != QString());

    // The marks are a sign in a colour, and each marked row says both values in a sentence.
    const std::optional<ResultReport>& report = m_window->report();
    QVERIFY(report);
    for (const RowComparison& row : report->rows) {
        const QString suffix = QString::fromLatin1(fieldInfo(row.field).labelName).sliced(3);
        auto* mark = child<QLabel>(QStringLiteral("lblMark") + suffix);
        QCOMPARE(mark->toolTip(), ResultReport::sentence(row));
        QCOMPARE(child<QLabel>(QStringLiteral("lblPart") + suffix)->toolTip(), mark->toolTip());
        if (row.verdict == RowVerdict::Silent)
            continue;
        QVERIFY(mark->toolTip().contains(row.part));
        QVERIFY(row.verdict == RowVerdict::TablesBlank || mark->toolTip().contains(row.tables));
        const QColor colour = mark->palette().color(mark->foregroundRole());
        QCOMPARE(colour.red() > colour.green(), row.disagrees());
    }
}

void tst_frmMain::sourcesListEachWithItsAddress()
{
    type(QStringLiteral("AXDA2600DKV4D"), kExample2, kExample3);
    clickCheck();
    QTest::mouseClick(child<QPushButton>(QStringLiteral("cmdSources")), Qt::LeftButton);

    QCOMPARE(MessageBoxes::recorded().size(), 1);
    const MessageBoxRecord box = MessageBoxes::recorded().first();
    QCOMPARE(box.title, QStringLiteral("Sources"));
    QCOMPARE(box.kind, BoxText::Links);
    const QList<SourceList::Source>& sources = m_window->report()->sources;
    QCOMPARE(sources.size(), m_window->report()->identification.part->sources.size());
    for (const SourceList::Source& source : sources) {
        QVERIFY2(box.text.contains(source.title.toHtmlEscaped()), qPrintable(source.title));
        if (source.address.startsWith(u"http"))
            QVERIFY(box.text.contains(QStringLiteral("<a href=\"%1\">").arg(source.address)));
    }
}

// A line that is not known says why and offers the closest part numbers, at most three; one
// chosen is put into line 1 and checked.
void tst_frmMain::suggestionIsCheckedWhenChosen()
{
    type(QStringLiteral("AXDA2500DKV4"), kExample2, kExample3);
    clickCheck();
    const ResultReport& report = *m_window->report();
    const QStringList suggestions = report.suggestions();
    QVERIFY(suggestions.size() > 3);
    QCOMPARE(suggestions.first(), QStringLiteral("AXDA2500DKV4D"));
    QCOMPARE(result(QStringLiteral("lblRealReason")), report.identification.reason);
    QVERIFY(child<QLabel>(QStringLiteral("lblRealReason"))->isVisibleTo(m_window.get()));
    QVERIFY(child<QLabel>(QStringLiteral("lblSuggestion3"))->isVisibleTo(m_window.get()));
    QVERIFY(child<QLabel>(QStringLiteral("lblSuggestion3"))->text().contains(suggestions[2]));
    QVERIFY(m_window->report()->plainText().contains(
        QStringLiteral("Closest part numbers: AXDA2500DKV4D, ")));

    Q_EMIT child<QLabel>(QStringLiteral("lblSuggestion1"))->linkActivated(QStringLiteral("#0"));
    QCOMPARE(m_window->line1(), QStringLiteral("AXDA2500DKV4D"));
    QCOMPARE(result(QStringLiteral("lblRealName")), QStringLiteral("AMD Athlon XP 2500+"));
    QVERIFY(!child<QLabel>(QStringLiteral("lblSuggestion1"))->isVisibleTo(m_window.get()));
    QVERIFY(!child<QLabel>(QStringLiteral("lblRealReason"))->isVisibleTo(m_window.get()));
}

void tst_frmMain::pasteSpreadsOverTheBoxes_data()
{
    addColumns<QString, QString, QStringList>({"box", "pasted", "boxes"});
    // clang-format off
    QTest::newRow("three lines") << "Text1" << "AXDA2500DKV4D\nABCDEFG18HIJ1234\nJIUHB0312XPMW\n" << QStringList{kExample1, kExample2, kExample3};
    QTest::newRow("a row of a listing") << "Text1" << " AXDA2500DKV4D\tABCDEFG18HIJ1234 \t JIUHB0312XPMW" << QStringList{kExample1, kExample2, kExample3};
    QTest::newRow("caption with blank lines, CR LF") << "Text1" << "\r\n  AXDA2500DKV4D \r\n\r\nABCDEFG18HIJ1234\r\n" << QStringList{kExample1, kExample2, QStringLiteral("old 3")};
    QTest::newRow("into the second box") << "Text2" << "ABCDEFG18HIJ1234\nJIUHB0312XPMW" << QStringList{QStringLiteral("old 1"), kExample2, kExample3};
    // Nothing pasted is lost from sight: what is left over stays in the last box.
    QTest::newRow("more lines than boxes") << "Text3" << "JIUHB0312XPMW\nMALAYSIA\n" << list({"old 1", "old 2", "JIUHB0312XPMW MALAYSIA"});
    QTest::newRow("one line typed as ever") << "Text1" << "AXDA 2500" << list({"AXDA 2500", "old 2", "old 3"});
    // A paragraph break, as some programs copy a line; a lone surrogate is text like any other.
    const QString halfPair = QString(QChar(0xd800)) + u'B';
    QTest::newRow("paragraphs") << "Text1" << kExample1 + QChar::ParagraphSeparator + halfPair << QStringList{kExample1, halfPair, QStringLiteral("old 3")};
    // clang-format on
}

void tst_frmMain::pasteSpreadsOverTheBoxes()
{
    QFETCH(QString, box);
    QFETCH(QString, pasted);
    QFETCH(QStringList, boxes);
    for (int i = 1; i <= 3; ++i)
        child<QLineEdit>(QStringLiteral("Text%1").arg(i))->setText(QStringLiteral("old %1").arg(i));
    auto* target = child<QLineEdit>(box);
    target->selectAll();
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keySequence(target, QKeySequence::Paste);

    QCOMPARE((QStringList{m_window->line1(), m_window->line2(), m_window->line3()}), boxes);
    QCOMPARE(results(), QStringList(17, QString())); // a paste checks nothing
}

void tst_frmMain::copyResultGivesTheWholeAnswer()
{
    showWindow();
    auto* copy = child<QAction>(QStringLiteral("mnuCopyResult"));
    QVERIFY(!copy->isEnabled()); // nothing to copy before the first Check
    type(QStringLiteral("AXDA2600DKV4D"), kExample2, kExample3);
    clickCheck();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(child<QWidget>(QStringLiteral("Text1")), Qt::Key_C,
                    Qt::ControlModifier | Qt::ShiftModifier);

    QStringList expected = list({
        "Line 1: AXDA2600DKV4D",
        "Line 2: ABCDEFG18HIJ1234",
        "Line 3: JIUHB0312XPMW",
        "Model: AMD Athlon XP",
        "Core: Barton",
        "CPU Model: 10",
        "Performance Rating: 2600+",
        "Working frequency: Unsupported Chip",
        "Package Type: OPGA",
        "Operating Voltage: 1.65v",
        "Operating Temperature: 85°C",
        "L1 Cache: 128KB",
        "L2 Cache: 512KB",
        "Multiplier: Unsupported Chip",
        "FSB Frequency: 333MHz",
        "Stepping Code: JIUHB",
        "Manufacture Year: 2003",
        "Manufacture Week: Week 12",
        "Production Batch: M",
        "Batch Production Number: 1234",
        "Downgraded from: N/A",
        "Real part: AMD Athlon XP 2600+ (Barton, 1917 MHz, 333 MHz bus, 11.5x, 512 KB L2), read "
        "from the letters of its part number",
        "Working frequency: the marking tables say Unsupported Chip, but the real part says 1917.",
        "Multiplier: the marking tables say Unsupported Chip, but the real part says 11.5.",
    });
    // Then every source of the answer, by its title and address.
    for (const QString& id : m_window->report()->identification.part->sources)
        expected << QStringLiteral("Source: ") + SourceList::instance().text(id);
    QCOMPARE(QGuiApplication::clipboard()->text().split(u'\n'), expected + QStringList{QString()});
}

void tst_frmMain::saveResultAsWritesAWebPage_data()
{
    // before: what is at the chosen path; answer: to "replace it?", if asked; kept: the path
    // still holds what was there.
    addColumns<QString, int, QStringList, bool>({"before", "answer", "boxes", "kept"});
    // clang-format off
    QTest::newRow("a new file") << "nothing" << 0 << QStringList() << false;
    QTest::newRow("a file, replaced") << "file" << int(QMessageBox::Yes) << list({"%1 already exists.\nDo you want to replace it?"}) << false;
    QTest::newRow("a file, kept") << "file" << int(QMessageBox::No) << list({"%1 already exists.\nDo you want to replace it?"}) << true;
    QTest::newRow("a folder") << "folder" << 0 << list({"Could not write %1: it is a directory, not a regular file"}) << true;
    QTest::newRow("cancelled") << "cancel" << 0 << QStringList() << false;
    // clang-format on
}

void tst_frmMain::saveResultAsWritesAWebPage()
{
    QFETCH(QString, before);
    QFETCH(int, answer);
    QFETCH(QStringList, boxes);
    QFETCH(bool, kept);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("saved.html"));
    if (before == u"file")
        QVERIFY(writeFile(path, "earlier"));
    else if (before == u"folder")
        QVERIFY(QDir().mkpath(path));

    type(QStringLiteral("AXDA2600DKV4D"), kExample2, kExample3);
    clickCheck();
    if (answer != 0)
        MessageBoxes::setNextAnswer(QMessageBox::StandardButton(answer));
    MessageBoxes::setNextSaveChoice(before == u"cancel" ? std::nullopt
                                                        : std::optional(SaveChoice{path, 0}));
    child<QAction>(QStringLiteral("mnuSaveResultAs"))->trigger();

    // Suggested: line 1 as the name, in the documents folder, as a web page.
    QCOMPARE(MessageBoxes::recordedSaveDialogs().size(), 1);
    const SaveDialogRecord dialog = MessageBoxes::recordedSaveDialogs().first();
    QCOMPARE(QFileInfo(dialog.suggestedPath).fileName(), QStringLiteral("AXDA2600DKV4D.html"));
    QCOMPARE(QFileInfo(dialog.suggestedPath).absolutePath(),
             QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    QCOMPARE(dialog.types, (QList<FileType>{{QStringLiteral("Web page"), QStringLiteral("html")},
                                            {QStringLiteral("CSV"), QStringLiteral("csv")}}));
    QStringList shown;
    for (const MessageBoxRecord& box : MessageBoxes::recorded())
        shown << box.text;
    for (QString& box : boxes)
        box = box.arg(QDir::toNativeSeparators(path));
    QCOMPARE(shown, boxes);

    const QFileInfo saved(path);
    if (before == u"folder" || before == u"cancel") {
        QCOMPARE(saved.isDir(), before == u"folder");
        QCOMPARE(saved.exists(), before == u"folder");
        return;
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    if (kept) {
        QCOMPARE(bytes, QByteArray("earlier"));
        return;
    }
    // The page read back: the whole result, marks and sources, as one UTF-8 document.
    QCOMPARE(bytes, ResultPage::render(*m_window->report()));
    const QString page = QString::fromUtf8(bytes);
    QVERIFY(page.startsWith(u"<!DOCTYPE html>"));
    QVERIFY(page.contains(u"<meta charset=\"utf-8\">"));
    for (const char* shownOnPage :
         {"<td>AXDA2600DKV4D</td>", "<td>Unsupported Chip</td>", "≠</td><td>1917</td>",
          "<td>85°C</td>", "AMD Athlon XP 2600+<br>", "read from the letters of its part number",
          "https://arsee88.blogspot.com/2010/06/amd-processors-opn-and-identification.html\">"})
        QVERIFY2(page.contains(QString::fromUtf8(shownOnPage)), shownOnPage);
}

void tst_frmMain::saveResultAsWritesCsv_data()
{
    addColumns<QString, qsizetype>({"name", "chosen"});
    QTest::newRow("CSV chosen") << QStringLiteral("saved.csv") << qsizetype(1);
    // A name typed with another type's suffix says what the file is.
    QTest::newRow("named .csv, web page chosen") << QStringLiteral("saved.csv") << qsizetype(0);
    QTest::newRow("named .html, CSV chosen") << QStringLiteral("saved.html") << qsizetype(1);
}

// As CSV the saved result is what `tallisk-decode --csv --identify` writes for the same lines,
// the pass's messages and its early end included.
void tst_frmMain::saveResultAsWritesCsv()
{
    QFETCH(QString, name);
    QFETCH(qsizetype, chosen);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(name);
    const QStringList lines{QStringLiteral("AMP1800DMS3C"), kExample2, kExample3};
    type(lines[0], lines[1], lines[2]);
    clickCheck();
    MessageBoxes::setNextSaveChoice(SaveChoice{path, chosen});
    child<QAction>(QStringLiteral("mnuSaveResultAs"))->trigger();
    const QByteArray saved = readFile(path);
    if (name.endsWith(u".html")) {
        QCOMPARE(saved, ResultPage::render(*m_window->report()));
        return;
    }
    // The same bytes: the messages and the early end went in as the command puts them.
    QCOMPARE(
        saved,
        runCommand(QStringList{QStringLiteral("--csv"), QStringLiteral("--identify")} + lines).out);
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

void tst_frmMain::reportBugEndsInAnAddress_data()
{
    // reached: the opener could be started; handled: it said a mail program took the link.
    addColumns<bool, bool, QStringList>({"reached", "handled", "boxes"});
    const QString address = QStringLiteral(
        "No mail program took the bug report. Please write to this address, with this "
        "subject:\n\n" TALLISK_BUG_ADDRESS "\nReporting a bug or error in Tallisk");
    // clang-format off
    QTest::newRow("a mail program took it") << true << true << QStringList();
    QTest::newRow("nothing took it") << true << false << QStringList{address};
    QTest::newRow("no opener") << false << false << QStringList{QStringLiteral("An unexpected error has occured!"), address};
    // clang-format on
}

void tst_frmMain::reportBugEndsInAnAddress()
{
    QFETCH(bool, reached);
    QFETCH(bool, handled);
    QFETCH(QStringList, boxes);
    QStringList opened;
    modMain::OpenReport later;
    modMain::setShellLauncher([&](const QString& target, const modMain::OpenReport& report) {
        opened.append(target);
        later = report;
        return reached;
    });
    type(kExample1, kExample2, kExample3);
    clickCheck();
    const Snapshot before = snapshot();

    child<QAction>(QStringLiteral("mnuReport"))->trigger();
    QCOMPARE(opened, QStringList{QStringLiteral("mailto:" TALLISK_BUG_ADDRESS
                                                "?subject=Reporting a bug or error in Tallisk")});
    QVERIFY(MessageBoxes::recorded().size() == (reached ? 0 : 2));
    if (reached) // the opener's answer comes once it has finished
        later(handled);

    QStringList shown;
    for (const MessageBoxRecord& box : MessageBoxes::recorded())
        shown << box.text;
    QCOMPARE(shown, boxes);
    if (!boxes.isEmpty()) // the address can be selected and copied
        QCOMPARE(MessageBoxes::recorded().last().kind, BoxText::Selectable);
    QVERIFY(snapshot() == before);
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

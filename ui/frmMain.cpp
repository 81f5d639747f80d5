// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmMain.h"

#include "DecodePass.h"
#include "IdentityArea.h"
#include "MessageBoxes.h"
#include "PartIdentifier.h"
#include "TableFileWriter.h"
#include "Twips.h"
#include "frmAbout.h"
#include "modMain.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include <limits>

namespace tallisk {

namespace {

// The result rows: row n of the result frame lies at n times the pitch, all in twips.
constexpr int kRowPitch = 240;
constexpr int kRowHeight = 255;
constexpr int kCaptionLeft = 120;
constexpr int kCaptionWidth = 2415;
constexpr int kResultLeft = 2520;
constexpr int kResultWidth = 2775;

// The padding, in pixels, Qt keeps inside each side of a line edit's frame.
constexpr int kLineEditPadding = 2;

QPalette withWhiteGround(QPalette palette)
{
    palette.setColor(QPalette::Window, Qt::white);
    return palette;
}

QLabel* plainLabel(const QString& text, QWidget* parent, const char* objectName)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(objectName));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLineEdit* codeBox(QWidget* parent, const char* objectName, const QRect& geometry)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(objectName));
    box->setGeometry(geometry);
    // Qt stops a line edit at 32,767 characters unless told otherwise; a code line has no limit.
    box->setMaxLength(std::numeric_limits<int>::max());
    // Qt keeps its own padding between a line edit's frame and its text; the text boxes this
    // layout was drawn with keep next to none, and a whole 16-character code line needs it.
    box->setTextMargins(-kLineEditPadding, 0, -kLineEditPadding, 0);
    return box;
}

QPushButton* commandButton(const QString& caption, QWidget* parent, const char* objectName,
                           const QRect& geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(objectName));
    button->setGeometry(geometry);
    // Enter presses no button anywhere in this window, a focused one included.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("Tallisk (Beta)"));
    setWindowIcon(modMain::applicationIcon());

    // The client area below the menu bar: white, and exactly as large as it was designed, with
    // the real part's area added below.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(twipsRect(0, 0, 5535, IdentityArea::kTop + IdentityArea::kHeight).size());
    client->setPalette(withWhiteGround(client->palette()));
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    buildResultFrame(client);
    buildInputFrame(client);

    QLabel* copyright = plainLabel(modMain::creditLine(), client, "lblCopyright");
    copyright->setGeometry(twipsRect(0, 5880, 5535, 255));
    copyright->setAlignment(Qt::AlignCenter);

    m_identity = new IdentityArea(client);

    buildMenus();

    // Tab runs from the three boxes to "Export to HTML" and only then to "Check".
    auto* command2 = findChild<QPushButton*>(QStringLiteral("Command2"));
    auto* command3 = findChild<QPushButton*>(QStringLiteral("Command3"));
    setTabOrder(m_text1, m_text2);
    setTabOrder(m_text2, m_text3);
    setTabOrder(m_text3, command3);
    setTabOrder(command3, command2);
    setTabOrder(command2, m_identity->text());

    // Neither resizable nor maximisable: the window keeps the size its contents ask for.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

frmMain::~frmMain() = default;

void frmMain::buildResultFrame(QWidget* client)
{
    m_frame2 = new QGroupBox(QCoreApplication::translate("DecodeTarget", kWaitingCaption), client);
    m_frame2->setObjectName(QStringLiteral("Frame2"));
    m_frame2->setGeometry(twipsRect(0, 0, 5535, 4815));
    m_frame2->setAutoFillBackground(true);

    for (const FieldInfo& info : fieldTable()) {
        const int top = kRowPitch * (static_cast<int>(fieldIndex(info.field)) + 1);

        QLabel* caption = plainLabel(QCoreApplication::translate(kFieldTableContext, info.caption),
                                     m_frame2, info.captionName);
        caption->setGeometry(twipsRect(kCaptionLeft, top, kCaptionWidth, kRowHeight));

        // Flat with a single-line border, in the system's colours for window contents.
        QLabel* result = plainLabel(QString(), m_frame2, info.labelName);
        result->setGeometry(twipsRect(kResultLeft, top, kResultWidth, kRowHeight));
        result->setFrameStyle(QFrame::Box | QFrame::Plain);
        result->setLineWidth(1);
        result->setBackgroundRole(QPalette::Base);
        result->setForegroundRole(QPalette::Text);
        result->setAutoFillBackground(true);
        m_results[fieldIndex(info.field)] = result;
    }

    QPushButton* command3 =
        commandButton(tr("Export to HTML"), m_frame2, "Command3", twipsRect(3840, 4440, 1335, 255));
    connect(command3, &QPushButton::clicked, this, &frmMain::Command3_Click);
}

void frmMain::buildInputFrame(QWidget* client)
{
    auto* frame1 = new QGroupBox(tr("[ Enter information here ]"), client);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(twipsRect(0, 4800, 5535, 975));
    frame1->setAutoFillBackground(true);

    m_text1 = codeBox(frame1, "Text1", twipsRect(120, 240, 1650, 285));
    m_text2 = codeBox(frame1, "Text2", twipsRect(1920, 240, 1650, 285));
    m_text3 = codeBox(frame1, "Text3", twipsRect(3720, 240, 1650, 285));
    for (QLineEdit* box : {m_text1, m_text2, m_text3})
        box->installEventFilter(this);

    QPushButton* command2 =
        commandButton(tr("Check"), frame1, "Command2", twipsRect(4440, 600, 855, 255));
    connect(command2, &QPushButton::clicked, this, &frmMain::Command2_Click);
}

void frmMain::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* exit = file->addAction(tr("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &frmMain::mnuExit_Click);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* report = help->addAction(tr("&Report Bug/Error"));
    report->setObjectName(QStringLiteral("mnuReport"));
    connect(report, &QAction::triggered, this, &frmMain::mnuReport_Click);
    help->addSeparator()->setObjectName(QStringLiteral("mnuDividerHelp01"));
    QAction* about = help->addAction(tr("&About..."));
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(about, &QAction::triggered, this, &frmMain::mnuAbout_Click);
}

void frmMain::startUp()
{
    Form_Load();
    // Placed before showing, then once more when the window frame's size is known.
    centreOnScreen();
    show();
    centreOnScreen();
    m_text1->setFocus(Qt::OtherFocusReason);
    activateWindow();
}

void frmMain::centreOnScreen()
{
    const QScreen* target = screen();
    if (target == nullptr)
        return;
    adjustSize();
    QRect placed(QPoint(), frameGeometry().size());
    placed.moveCenter(target->availableGeometry().center());
    move(placed.topLeft());
}

QString frmMain::betaNotice()
{
    return QStringList{
        tr("This program is BETA! There may be, and probably are many bugs still"),
        tr("present in this release of Tallisk"),
        QString(),
        tr("The Athlon MP and Athlon Mobile series of chips aren't currently"),
        tr("supported - I am still verfiying the accuracy of the output from this"),
        tr("program, while I gain more knowledge of their specifications."),
    }
        .join(QStringLiteral("\r\n"));
}

QString frmMain::line1() const
{
    return m_text1->text();
}

QString frmMain::line2() const
{
    return m_text2->text();
}

QString frmMain::line3() const
{
    return m_text3->text();
}

QString frmMain::field(Field field) const
{
    return m_results[fieldIndex(field)]->text();
}

void frmMain::setField(Field field, const QString& text)
{
    QLabel* label = m_results[fieldIndex(field)];
    label->setText(text);
    // The whole text stays within reach should it ever be wider than its box.
    label->setToolTip(text);
}

QString frmMain::modelName() const
{
    return m_frame2->title();
}

void frmMain::setModelName(const QString& name)
{
    m_frame2->setTitle(name);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    // A line longer than its box (a pasted one) shows its start again, not the middle where
    // the cursor left it, once the user moves on to another control. A menu opening or another
    // window coming up front leaves the cursor where the user will come back to it.
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        auto* box = qobject_cast<QLineEdit*>(watched);
        if (box && reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            box->setCursorPosition(0);
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::showMessage(const QString& text)
{
    modMain::showDecoderMessage(this, text);
}

void frmMain::Form_Load()
{
    // Shown without an owner: the window it belongs to is not on screen yet.
    MessageBoxes::show(nullptr, QMessageBox::Critical, tr("Please take note..."), betaNotice(),
                       QMessageBox::Ok);
}

void frmMain::Command2_Click()
{
    runDecodePass(*this);
    // After any message the pass showed: the real part, whatever the marking tables made of it.
    m_identity->fill(*this, PartIdentifier::identify(line1(), field(Field::Stepping)));
}

void frmMain::Command3_Click()
{
    const QString directory = TableFileWriter::exportDirectory();
    if (directory.isEmpty() ||
        !TableFileWriter::exportTable(*this, TableFileWriter::tablePath(directory))) {
        modMain::showUnexpectedError(this);
        return;
    }
    MessageBoxes::show(this, QMessageBox::Information, modMain::applicationTitle(),
                       tr("File saved as table.htm in: ") + QStringLiteral("\r\n\r\n") + directory,
                       QMessageBox::Ok);
}

void frmMain::mnuExit_Click()
{
    close();
    QCoreApplication::quit();
}

void frmMain::mnuAbout_Click()
{
    // A fresh window at every opening, so its load handler runs again; as a dialog of this
    // window it sits centred on it and has no taskbar button of its own.
    frmAbout about(this);
    about.exec();
}

void frmMain::mnuReport_Click()
{
    if (!modMain::ShellOpen(modMain::bugReportLink()))
        modMain::showUnexpectedError(this);
}

} // namespace tallisk

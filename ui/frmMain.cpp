// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmMain.h"

#include "DecodePass.h"
#include "Grounds.h"
#include "MessageBoxes.h"
#include "PartIdentifier.h"
#include "RealPartArea.h"
#include "ResultPage.h"
#include "ResultRows.h"
#include "TableFileWriter.h"
#include "Twips.h"
#include "frmAbout.h"
#include "modMain.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionGroupBox>

#include <algorithm>
#include <limits>

namespace tallisk {

namespace {

// The client area as designed, in twips; the real part's frame stands beside it.
constexpr int kDesignedWidth = 5535;
constexpr int kDesignedHeight = 6225;

// The result rows' two labels, in twips within the result frame.
constexpr int kCaptionLeft = 120;
constexpr int kCaptionWidth = 2415;
constexpr int kResultLeft = 2520;
constexpr int kResultWidth = 2775;
// The heading over the results stands on the frame's top edge, as the frame's own title does.
constexpr int kHeadingPadding = 45;

// The padding, in pixels, Qt keeps inside each side of a line edit's frame.
constexpr int kLineEditPadding = 2;

// The kinds of file Save Result As writes, in the order its dialog offers them.
struct SaveFormat
{
    FileType type;
    QByteArray (*render)(const ResultReport&);
};

QList<SaveFormat> saveFormats()
{
    return {{{frmMain::tr("Web page"), QStringLiteral("html")}, &ResultPage::render},
            {{frmMain::tr("CSV"), QStringLiteral("csv")}, [](const ResultReport& report) {
                 return report.csv();
             }}};
}

// What separates the lines of a marking pasted from a listing or a caption: line and paragraph
// breaks and TABs. Any other character, a control or half a surrogate pair included, is text.
bool isPieceBreak(QChar c)
{
    switch (c.unicode()) {
    case u'\t':
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case QChar::LineSeparator:
    case QChar::ParagraphSeparator:
        return true;
    default:
        return false;
    }
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
    // The font the layout was drawn for, on the window itself: a desktop theme that gives the
    // application another font must not reach the fixed layout.
    setFont(modMain::dialogFont());

    // The client area below the menu bar: white, and exactly as large as it was designed, with
    // the real part's frame beside it.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(
        twipsRect(0, 0, RealPartArea::kLeft + RealPartArea::kWidth, kDesignedHeight).size());
    Grounds::setWhite(client);
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    buildResultFrame(client);
    buildInputFrame(client);

    QLabel* copyright = plainLabel(modMain::creditLine(), client, "lblCopyright");
    copyright->setGeometry(twipsRect(0, 5880, kDesignedWidth, 255));
    copyright->setAlignment(Qt::AlignCenter);

    m_realPart = new RealPartArea(client);
    connect(m_realPart, &RealPartArea::sourcesRequested, this, &frmMain::cmdSources_Click);
    connect(m_realPart, &RealPartArea::suggestionChosen, this, &frmMain::lblSuggestion_Click);

    buildMenus();
    followTheTheme();

    // Tab runs from the three boxes to "Export to HTML" and only then to "Check"; the real
    // part's Sources button, when there is one, comes last.
    auto* command2 = findChild<QPushButton*>(QStringLiteral("Command2"));
    auto* command3 = findChild<QPushButton*>(QStringLiteral("Command3"));
    setTabOrder(m_text1, m_text2);
    setTabOrder(m_text2, m_text3);
    setTabOrder(m_text3, command3);
    setTabOrder(command3, command2);
    setTabOrder(command2, findChild<QPushButton*>(QStringLiteral("cmdSources")));

    // Neither resizable nor maximisable: the window keeps the size its contents ask for.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

frmMain::~frmMain() = default;

void frmMain::buildResultFrame(QWidget* client)
{
    m_frame2 = new QGroupBox(QCoreApplication::translate("DecodeTarget", kWaitingCaption), client);
    m_frame2->setObjectName(QStringLiteral("Frame2"));
    m_frame2->setGeometry(twipsRect(0, 0, kDesignedWidth, 4815));
    m_frame2->setAutoFillBackground(true);

    for (const FieldInfo& info : fieldTable()) {
        const int top = rowTop(info.field);

        QLabel* caption = plainLabel(QCoreApplication::translate(kFieldTableContext, info.caption),
                                     m_frame2, info.captionName);
        caption->setGeometry(twipsRect(kCaptionLeft, top, kCaptionWidth, kRowHeight));

        // Flat with a single-line border, in the system's colours for window contents; the
        // text can be selected with the mouse and copied.
        QLabel* result = plainLabel(QString(), m_frame2, info.labelName);
        result->setGeometry(twipsRect(kResultLeft, top, kResultWidth, kRowHeight));
        result->setFrameStyle(QFrame::Box | QFrame::Plain);
        result->setLineWidth(1);
        result->setBackgroundRole(QPalette::Base);
        result->setForegroundRole(QPalette::Text);
        result->setAutoFillBackground(true);
        result->setTextInteractionFlags(Qt::TextSelectableByMouse);
        m_results[fieldIndex(info.field)] = result;
    }

    // The heading over the results, on the frame's top edge above them: a second title, in
    // the band and with the white ground the style gives the frame's own.
    QLabel* heading = plainLabel(ResultReport::tablesHeading(), m_frame2, "lblTablesHeading");
    heading->setAutoFillBackground(true);
    heading->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const int padding = twipsToPixels(kHeadingPadding);
    heading->setContentsMargins(padding, 0, padding, 0);
    QStyleOptionGroupBox title;
    title.initFrom(m_frame2);
    title.text = m_frame2->title();
    title.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect band = m_frame2->style()->subControlRect(QStyle::CC_GroupBox, &title,
                                                         QStyle::SC_GroupBoxLabel, m_frame2);
    heading->setGeometry(twipsToPixels(kResultLeft) - padding, band.top(),
                         std::min(heading->sizeHint().width(), twipsToPixels(kResultWidth)),
                         band.height());

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
    m_boxes = {m_text1, m_text2, m_text3};
    for (QLineEdit* box : m_boxes) {
        box->installEventFilter(this);
        // Whatever way text came in (keys, paste, a drop), a line break or TAB in it spreads
        // it over the boxes.
        connect(box, &QLineEdit::textEdited, this, [this, box] { spreadOverBoxes(box); });
    }

    QPushButton* command2 =
        commandButton(tr("Check"), frame1, "Command2", twipsRect(4440, 600, 855, 255));
    connect(command2, &QPushButton::clicked, this, &frmMain::Command2_Click);
}

void frmMain::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    m_saveResultAs = file->addAction(tr("Save Result &As\u2026"));
    m_saveResultAs->setObjectName(QStringLiteral("mnuSaveResultAs"));
    connect(m_saveResultAs, &QAction::triggered, this, &frmMain::mnuSaveResultAs_Click);
    file->addSeparator()->setObjectName(QStringLiteral("mnuDividerFile01"));
    QAction* exit = file->addAction(tr("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &frmMain::mnuExit_Click);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    m_copyResult = edit->addAction(tr("&Copy Result"));
    m_copyResult->setObjectName(QStringLiteral("mnuCopyResult"));
    m_copyResult->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    connect(m_copyResult, &QAction::triggered, this, &frmMain::mnuCopyResult_Click);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* report = help->addAction(tr("&Report Bug/Error"));
    report->setObjectName(QStringLiteral("mnuReport"));
    connect(report, &QAction::triggered, this, &frmMain::mnuReport_Click);
    help->addSeparator()->setObjectName(QStringLiteral("mnuDividerHelp01"));
    QAction* about = help->addAction(tr("&About..."));
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(about, &QAction::triggered, this, &frmMain::mnuAbout_Click);

    // There is no result to copy or save before the first "Check".
    m_copyResult->setEnabled(false);
    m_saveResultAs->setEnabled(false);
    // Menus are windows of their own: they take the window's font only when told to.
    for (QMenu* menu : {file, edit, help})
        menu->setAttribute(Qt::WA_WindowPropagation);
}

void frmMain::followTheTheme()
{
    QList<QWidget*> themed{m_text1, m_text2, m_text3};
    themed += QList<QWidget*>(m_results.begin(), m_results.end());
    themed += m_realPart->themed();
    for (QWidget* control : themed)
        Grounds::followTheme(control);
}

void frmMain::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ApplicationPaletteChange)
        followTheTheme();
    QMainWindow::changeEvent(event);
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
    // Kept for the result as saved, in the order shown.
    m_messages << text;
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
    // Nothing of the last part stands beside the new rows while a message of this pass is up.
    m_realPart->clear();
    m_messages.clear();
    const PassOutcome outcome = runDecodePass(*this);
    // After any message the pass showed: the real part, whatever the marking tables made of it.
    m_report = ResultReport::of(*this, m_messages, outcome);
    m_realPart->fill(*m_report);
    m_copyResult->setEnabled(true);
    m_saveResultAs->setEnabled(true);
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
    // The opener says later, once it has finished, whether a mail program took the link.
    const QPointer<frmMain> window(this);
    const bool reached = modMain::ShellOpen(modMain::bugReportLink(), [window](bool handled) {
        if (!handled && window)
            window->showBugReportAddress();
    });
    if (!reached) {
        modMain::showUnexpectedError(this);
        showBugReportAddress();
    }
}

void frmMain::showBugReportAddress()
{
    MessageBoxes::show(this, QMessageBox::Information, modMain::applicationTitle(),
                       tr("No mail program took the bug report. Please write to this address, "
                          "with this subject:\n\n%1\n%2")
                           .arg(modMain::bugReportAddress(), modMain::bugReportSubject()),
                       QMessageBox::Ok, BoxText::Selectable);
}

void frmMain::spreadOverBoxes(QLineEdit* pastedInto)
{
    const QString text = pastedInto->text();
    if (std::none_of(text.begin(), text.end(), isPieceBreak))
        return;
    QStringList pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !isPieceBreak(text[i]))
            continue;
        if (const QString piece = text.sliced(start, i - start).trimmed(); !piece.isEmpty())
            pieces << piece;
        start = i + 1;
    }
    // This box and the ones after it, a piece each; the last box takes whatever is left, so
    // nothing pasted is lost from sight.
    const auto first = std::find(m_boxes.begin(), m_boxes.end(), pastedInto);
    if (pieces.isEmpty())
        pastedInto->clear();
    for (auto box = first; box != m_boxes.end() && !pieces.isEmpty(); ++box) {
        const bool last = box + 1 == m_boxes.end();
        (*box)->setText(last ? pieces.join(u' ') : pieces.takeFirst());
        if (last)
            pieces.clear();
    }
}

void frmMain::mnuCopyResult_Click()
{
    if (m_report)
        QGuiApplication::clipboard()->setText(m_report->plainText());
}

QString frmMain::suggestedSavePath() const
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    // Line 1 as identification reads it, without what a file name may not hold.
    QString name = PartIdentifier::normalise(m_report ? m_report->lines[0] : QString());
    for (QChar& c : name) {
        if (c.category() == QChar::Other_Control || QStringView(u"/\\:*?\"<>|").contains(c))
            c = u'_';
    }
    constexpr qsizetype kLongestName = 100;
    name.truncate(kLongestName);
    if (name.isEmpty() || name.startsWith(u'.'))
        name = tr("result") + name;
    return QDir(folder).filePath(name + u'.' + saveFormats().first().type.suffix);
}

void frmMain::mnuSaveResultAs_Click()
{
    if (!m_report)
        return;
    const QList<SaveFormat> formats = saveFormats();
    QList<FileType> types;
    for (const SaveFormat& format : formats)
        types << format.type;
    const QString title = tr("Save Result As");
    const std::optional<SaveChoice> choice =
        MessageBoxes::askSavePath(this, title, suggestedSavePath(), types);
    if (!choice || choice->path.isEmpty())
        return;

    // Only a regular file is asked about: the writer refuses anything else (a folder, a pipe, a
    // device) with its reason, and leaves it as it is.
    if (QFileInfo(choice->path).isFile() &&
        MessageBoxes::show(this, QMessageBox::Question, title,
                           tr("%1 already exists.\nDo you want to replace it?")
                               .arg(QDir::toNativeSeparators(choice->path)),
                           QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;

    // The type chosen, unless the name typed ends in another type's suffix.
    qsizetype chosen = choice->type;
    const QString suffix = QFileInfo(choice->path).suffix();
    for (qsizetype i = 0; i < formats.size(); ++i) {
        if (suffix.compare(formats[i].type.suffix, Qt::CaseInsensitive) == 0)
            chosen = i;
    }
    const SaveFormat& format = formats.value(chosen, formats.first());
    QString error;
    if (!TableFileWriter::write(choice->path, format.render(*m_report), &error))
        MessageBoxes::show(this, QMessageBox::Critical, title, error);
}

void frmMain::cmdSources_Click()
{
    if (!m_report || m_report->sources.isEmpty())
        return;
    MessageBoxes::show(
        this, QMessageBox::NoIcon, tr("Sources"),
        tr("<p>%1 rests on these sources:</p>").arg(m_report->partName.toHtmlEscaped()) +
            ResultPage::sourceList(m_report->sources),
        QMessageBox::Ok, BoxText::Links);
}

void frmMain::lblSuggestion_Click(const QString& partNumber)
{
    m_text1->setText(partNumber);
    Command2_Click();
}

} // namespace tallisk

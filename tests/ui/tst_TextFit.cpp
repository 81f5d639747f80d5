// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecodePass.h"
#include "DecodeRecord.h"
#include "DecodeTarget.h"
#include "FamilyTable.h"
#include "FieldTable.h"
#include "PartTable.h"
#include "ResultReport.h"
#include "TestSupport.h"
#include "UiTestSupport.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "modMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QStyle>
#include <QStyleOption>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QtMath>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

using namespace tallisk;
using namespace tallisk::test;

// Every text of both windows stands whole in its control and reads against its ground:
// captions, menus, the code lines as typed, every value a decode pass can write and every
// real part beside them, at the scale factor CTest gives this run (QT_SCALE_FACTOR 1, 1.25 and
// 1.5), under a dark desktop theme with a font of its own.

namespace {

// The worked example, as printed on the chip.
const QString kExample1 = QStringLiteral("AXDA2500DKV4D");
const QString kExample2 = QStringLiteral("ABCDEFG18HIJ1234");
const QString kExample3 = QStringLiteral("JIUHB0312XPMW");

// Line 1 is the family prefix, up to four rating digits and five code letters (package,
// voltage, temperature, cache, bus); lines 2 and 3 are sixteen and thirteen characters.
constexpr int kRatingDigits = 4;
constexpr int kCodeLetters = 5;
constexpr int kLineTwoLength = 16;
constexpr int kLineThreeLength = 13;

const QString kCodeAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");

// A decode target that remembers every text a pass writes, not only the last one: a message
// box shown midway lets the user see the window as it stands then.
class WrittenTexts final : public DecodeTarget
{
public:
    void setLines(const QString& line1, const QString& line2, const QString& line3)
    {
        m_lines = {line1, line2, line3};
        m_fields = {};
        m_modelName = QString::fromLatin1(kWaitingCaption);
    }
    QString line1() const override { return m_lines[0]; }
    QString line2() const override { return m_lines[1]; }
    QString line3() const override { return m_lines[2]; }
    QString field(Field field) const override { return m_fields[fieldIndex(field)]; }
    void setField(Field field, const QString& text) override
    {
        m_fields[fieldIndex(field)] = text;
        written[fieldIndex(field)].insert(text);
    }
    QString modelName() const override { return m_modelName; }
    void setModelName(const QString& name) override
    {
        m_modelName = name;
        modelNames.insert(name);
    }
    void showMessage(const QString&) override {}

    std::array<QSet<QString>, kFieldCount> written;
    QSet<QString> modelNames;

private:
    std::array<QString, 3> m_lines;
    FieldTexts m_fields;
    QString m_modelName;
};

// The characters at each of the five code positions after `prefix` and its rating that the
// decoder turns into a field text: found by trying every letter and digit there, each pass
// run on `target`.
std::array<QString, kCodeLetters> codeLetters(const QString& prefix, WrittenTexts& target)
{
    const QString rating = QStringLiteral("2500");
    const QString filler(kCodeLetters, u'_');
    const std::array<Field, kCodeLetters> fields{Field::PackageType, Field::OperatingVoltage,
                                                 Field::OperatingTemperature, Field::L2Cache,
                                                 Field::Fsb};
    std::array<QString, kCodeLetters> letters;
    for (int position = 0; position < kCodeLetters; ++position) {
        for (const QChar c : kCodeAlphabet) {
            QString codes = filler;
            codes[position] = c;
            target.setLines(prefix + rating + codes, kExample2, kExample3);
            runDecodePass(target);
            if (!target.field(fields[static_cast<std::size_t>(position)]).isEmpty())
                letters[static_cast<std::size_t>(position)] += c;
        }
    }
    return letters;
}

// The pairs of lines 2 and 3 that lead a pass down each of its paths: the worked example;
// steppings of seven letters, widest letters around them, that refine a Thoroughbred core
// both ways; a production number that is no number; lines without a digit at all.
const QList<std::pair<QString, QString>> kLaterLines{
    {kExample2, kExample3},
    {QStringLiteral("AWWWWWA18WWW9999"), QStringLiteral("AWWWWWA0399WW")},
    {QStringLiteral("JWWWWWB88WWW88WW"), QStringLiteral("JWWWWWB8888WW")},
    {QStringLiteral("AAAAAAAAAAAAAAAA"), QStringLiteral("AAAAAAAAAAAAA")},
};

// Every text the decode pass can write into each field and the frame caption: the pass run
// over every family, every rating from the hundreds to the largest four-digit one, and every
// combination of the code letters that decide the core and the clock.
struct PassTexts
{
    std::array<QSet<QString>, kFieldCount> fields;
    QSet<QString> modelNames;
};

PassTexts passTexts()
{
    QStringList ratings{QStringLiteral("999"), QStringLiteral("9999")};
    for (int hundreds = 1; hundreds < 100; ++hundreds)
        ratings << QString::number(hundreds * 100).rightJustified(kRatingDigits, u'0');

    WrittenTexts target;
    for (const QStringView prefixView : familyPrefixes()) {
        const QString prefix = prefixView.toString();
        // Every package and temperature letter is tried here; they decide nothing else, so
        // below their first letters stand for all.
        const auto letters = codeLetters(prefix, target);
        const auto firstOr = [](const QString& found) {
            return found.isEmpty() ? QChar(u'_') : found.front();
        };
        for (const QChar voltage : letters[1] + QStringLiteral("_")) {
            for (const QChar cache : letters[3] + QStringLiteral("_")) {
                for (const QChar bus : letters[4] + QStringLiteral("_")) {
                    const QString codes =
                        QString(firstOr(letters[0])) + voltage + firstOr(letters[2]) + cache + bus;
                    for (const QString& rating : ratings) {
                        target.setLines(prefix + rating + codes, kExample2, kExample3);
                        runDecodePass(target);
                    }
                    for (const auto& [line2, line3] : kLaterLines) {
                        target.setLines(prefix + QStringLiteral("2500") + codes, line2, line3);
                        runDecodePass(target);
                    }
                }
            }
        }
    }
    PassTexts texts;
    texts.fields = target.written;
    texts.modelNames = target.modelNames;
    return texts;
}

// The longest line 1 of each family in the given font: its prefix, four rating digits and the
// widest letter each code position takes (for a declined family, whose letters the pass does
// not read, the widest any family takes there).
QStringList longestFirstLines(const QFont& font)
{
    const QFontMetricsF metrics(font);
    const auto widest = [&metrics](const QString& candidates) {
        QChar best = candidates.front();
        for (const QChar c : candidates) {
            if (metrics.horizontalAdvance(c) > metrics.horizontalAdvance(best))
                best = c;
        }
        return best;
    };
    QList<std::array<QString, kCodeLetters>> letters;
    std::array<QString, kCodeLetters> anyFamily;
    WrittenTexts scratch;
    for (const QStringView prefix : familyPrefixes()) {
        letters.append(codeLetters(prefix.toString(), scratch));
        for (std::size_t i = 0; i < kCodeLetters; ++i)
            anyFamily[i] += letters.last()[i];
    }
    QStringList lines;
    for (qsizetype family = 0; family < letters.size(); ++family) {
        QString line = familyPrefixes()[family].toString() +
                       QString(kRatingDigits, widest(QStringLiteral("0123456789")));
        for (std::size_t i = 0; i < kCodeLetters; ++i) {
            const QString& own = letters[family][i];
            line += widest(own.isEmpty() ? anyFamily[i] : own);
        }
        lines << line;
    }
    return lines;
}

// The part of `local` (in the widget's coordinates) that is on screen: clipped by the widget
// itself and by every container up to its window.
QRect visibleRect(const QWidget* widget, const QRect& local)
{
    const QWidget* window = widget->window();
    const QPoint offset = widget->mapTo(window, QPoint());
    QRect visible = local.translated(offset);
    for (const QWidget* w = widget; w != window; w = w->parentWidget())
        visible &= QRect(w->mapTo(window, QPoint()), w->size());
    visible &= window->rect();
    return visible.translated(-offset);
}

// Where a control draws its text, in its own coordinates, as its style lays it out.
QRect textArea(const QWidget* widget)
{
    const QStyle* style = widget->style();
    if (const auto* box = qobject_cast<const QLineEdit*>(widget)) {
        QStyleOptionFrame option;
        option.initFrom(box);
        option.rect = box->rect();
        option.lineWidth =
            box->hasFrame() ? style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
        option.state |= QStyle::State_Sunken;
        // The toolkit keeps two pixels between the text and each side of the contents.
        constexpr int kLineEditMargin = 2;
        return style->subElementRect(QStyle::SE_LineEditContents, &option, box)
            .marginsRemoved(box->textMargins())
            .adjusted(kLineEditMargin, 0, -kLineEditMargin, 0);
    }
    if (const auto* check = qobject_cast<const QCheckBox*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(check);
        option.text = check->text();
        return style->subElementRect(QStyle::SE_CheckBoxContents, &option, check);
    }
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return style->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.textAlignment = frame->alignment();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        option.lineWidth = 1;
        return style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
    }
    const auto* label = qobject_cast<const QLabel*>(widget);
    Q_ASSERT(label);
    return label->contentsRect().marginsRemoved(
        QMargins(label->margin(), label->margin(), label->margin(), label->margin()));
}

// Why `text` does not stand whole in `area` in `font`, or the empty text when it does.
// `extraWidth`: room the control needs beside the text (a line edit's cursor).
QString misfit(const QString& text, const QFont& font, const QRect& area, int flags,
               int extraWidth = 0)
{
    // A word-wrapped text is laid out in the area's width; it must fit in its height, and no
    // word of it may be wider than the area.
    const QFontMetricsF metrics(font);
    const QSizeF needed =
        flags & Qt::TextWordWrap
            ? metrics.boundingRect(QRectF(0, 0, area.width(), 1e6), flags, text).size()
            : metrics.size(Qt::TextSingleLine | flags, text);
    if (qRound(needed.width()) + extraWidth <= area.width() &&
        qCeil(needed.height()) <= area.height())
        return {};
    return QStringLiteral("\"%1\" needs %2 x %3, has %4 x %5")
        .arg(text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(area.width())
        .arg(area.height());
}

// A dark desktop theme, as a platform theme (qt6ct's "darker", say) sets it after the program
// has set itself up: light text on dark grounds, and a large serif font of its own.
QPalette darkTheme()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2e, 0x2f, 0x30));
    dark.setColor(QPalette::WindowText, QColor(0xe6, 0xe6, 0xe6));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::AlternateBase, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Text, QColor(0xf0, 0xf0, 0xf0));
    dark.setColor(QPalette::Button, QColor(0x3c, 0x3f, 0x41));
    dark.setColor(QPalette::ButtonText, QColor(0xf0, 0xf0, 0xf0));
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Link, QColor(0x7a, 0xb8, 0xff));
    dark.setColor(QPalette::ToolTipBase, QColor(0x2e, 0x2f, 0x30));
    dark.setColor(QPalette::ToolTipText, QColor(0xe6, 0xe6, 0xe6));
    return dark;
}

// The contrast of two colours as the common rules for readable text define it: from 1 (the
// same) to 21 (black on white), from their relative luminance.
double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// What a control's text is drawn in, and on: each kind of control as it paints itself.
std::pair<QColor, QColor> textAndGround(const QWidget* widget)
{
    const QPalette& palette = widget->palette();
    if (qobject_cast<const QLineEdit*>(widget))
        return {palette.color(QPalette::Text), palette.color(QPalette::Base)};
    if (qobject_cast<const QPushButton*>(widget))
        return {palette.color(QPalette::ButtonText), palette.color(QPalette::Button)};
    QColor text = palette.color(widget->foregroundRole());
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        text = QColor::fromRgba(
            frame->style()->styleHint(QStyle::SH_GroupBox_TextLabelColor, &option, frame));
    }
    // The ground is that of the first control up the chain that paints one.
    for (const QWidget* at = widget; at; at = at->parentWidget()) {
        if (at->autoFillBackground() || at->isWindow())
            return {text, at->palette().color(at->backgroundRole())};
    }
    return {text, QColor()};
}

// Where a line edit's text cursor stands on screen, scrolling included.
int cursorX(const QLineEdit* edit)
{
    return edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
}

} // namespace

class tst_TextFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void textStandsWhole_data();
    void textStandsWhole();
    void textReadsOnItsGround_data();
    void textReadsOnItsGround();
    void windowFitsALaptopScreen();
    void resultToolTipHoldsWholeText();
    void codeBoxScrollsBackWhenLeft_data();
    void codeBoxScrollsBackWhenLeft();

private:
    // Every text the real part's frame can show, by the object name of its label.
    QHash<QString, QStringList> realPartTexts() const;

    std::unique_ptr<frmMain> m_main;
    QPointer<frmAbout> m_about;
    PassTexts m_passTexts;
};

void tst_TextFit::initTestCase()
{
    test::answerEveryBoxWithOk();
    // As the program starts: the dialog font comes with the application's set-up; then a
    // desktop theme sets its own colours and font.
    modMain::setUpApplication(*qApp);
    QApplication::setPalette(darkTheme());
    QFont themeFont(QStringLiteral("DejaVu Serif"), 12);
    themeFont.setStyleHint(QFont::Serif);
    QApplication::setFont(themeFont);

    m_main = std::make_unique<frmMain>();
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
    m_about = new frmAbout(m_main.get());
    m_about->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_about.data()));

    // The scale this run was registered with really applies.
    bool ok = false;
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble(&ok);
    QVERIFY(ok);
    QCOMPARE(m_main->devicePixelRatioF(), scale);

#if defined(Q_OS_LINUX)
    // The font really is the one chosen, not a fallback: a missing package shows here.
    const QFontInfo used(m_main->findChild<QLabel*>(QStringLiteral("lblInfoCore"))->font());
    QCOMPARE(used.family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(qRound(m_main->font().pointSizeF()), 8);
#endif

    m_passTexts = passTexts();
    // The walk reached the pass's longest texts, the declines and errors among them.
    QVERIFY(m_passTexts.fields[fieldIndex(Field::Core)].contains(
        QStringLiteral("Thoroughbred A High end")));
    QVERIFY(m_passTexts.fields[fieldIndex(Field::DowngradedFrom)].contains(
        QStringLiteral("Error: Unable to read correct value")));
    QVERIFY(m_passTexts.fields[fieldIndex(Field::WorkingFreq)].contains(
        QStringLiteral("Unsupported Chip")));
    QVERIFY(m_passTexts.fields[fieldIndex(Field::Multiplier)].contains(QStringLiteral("Error!")));
    QVERIFY(m_passTexts.fields[fieldIndex(Field::ProductionBatch)].contains(
        QStringLiteral("Not found")));
    QVERIFY(m_passTexts.modelNames.contains(QStringLiteral("AMD Athlon XP")));
}

void tst_TextFit::cleanupTestCase()
{
    delete m_about;
    m_main.reset();
    MessageBoxes::reset();
}

void tst_TextFit::textStandsWhole_data()
{
    addColumns<QObject*, QStringList>({"control", "texts"});

    const auto add = [](QWidget* control, const QStringList& texts) {
        // The toolkit's own helpers (the menu bar's overflow button) show no text of ours.
        if (control->objectName().startsWith(u"qt_"))
            return;
        const QString row = control->window()->objectName() + u'/' + control->objectName();
        QTest::newRow(qPrintable(row)) << static_cast<QObject*>(control) << texts;
    };

    QHash<QString, Field> resultFields;
    for (const FieldInfo& info : fieldTable())
        resultFields.insert(QString::fromLatin1(info.labelName), info.field);

    for (QWidget* window :
         {static_cast<QWidget*>(m_main.get()), static_cast<QWidget*>(m_about.data())}) {
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (const auto field = resultFields.find(label->objectName());
                field != resultFields.end())
                add(label, m_passTexts.fields[fieldIndex(*field)].values());
            else if (!label->text().isEmpty())
                add(label, {label->text()});
        }
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
            add(button, {button->text()});
        for (QGroupBox* frame : window->findChildren<QGroupBox*>()) {
            QStringList titles{frame->title()};
            if (frame->objectName() == u"Frame2")
                titles += m_passTexts.modelNames.values();
            add(frame, titles);
        }
    }

    // Menu titles and items: the menus are windows of their own.
    auto* menuBar = m_main->menuBar();
    QStringList titles;
    for (QAction* action : menuBar->actions()) {
        titles << action->text();
        QStringList items;
        for (QAction* item : action->menu()->actions()) {
            if (!item->isSeparator())
                items << item->text();
        }
        QTest::newRow(qPrintable(QStringLiteral("frmMain/") + action->menu()->objectName()))
            << static_cast<QObject*>(action->menu()) << items;
    }
    QTest::newRow("frmMain/menu bar") << static_cast<QObject*>(menuBar) << titles;

    const QHash<QString, QStringList> realPart = realPartTexts();
    for (auto texts = realPart.begin(); texts != realPart.end(); ++texts) {
        if (!texts->isEmpty()) // the rows the part is always silent on show nothing
            add(m_main->findChild<QLabel*>(texts.key()), texts.value());
    }

    const QFont font = m_main->findChild<QLineEdit*>(QStringLiteral("Text1"))->font();
    add(m_main->findChild<QLineEdit*>(QStringLiteral("Text1")),
        QStringList{kExample1} + longestFirstLines(font));
    add(m_main->findChild<QLineEdit*>(QStringLiteral("Text2")), {kExample2});
    add(m_main->findChild<QLineEdit*>(QStringLiteral("Text3")), {kExample3});
    QCOMPARE(kExample2.size(), kLineTwoLength);
    QCOMPARE(kExample3.size(), kLineThreeLength);
}

// What the real part's frame can show: every known part and parts read from their numbers
// (two cores among them), their values on each row and what the strip says of them, with lines
// 2 and 3 that tell two cores apart, that would, and that do not.
QHash<QString, QStringList> tst_TextFit::realPartTexts() const
{
    QStringList lines{QStringLiteral("AXDA2600DKV4D"), QStringLiteral("AXDA2200DUT3C"),
                      QStringLiteral("AMSN2400DKT3C"), QStringLiteral("K7600MTR51B A"),
                      QStringLiteral("XYZ"),
                      // The reader's longest reasons, and a letter it did not read.
                      QStringLiteral("D1200AMT3B"), QStringLiteral("AXDA3300DKV4Z"),
                      QStringLiteral("D800AUT18"), QStringLiteral("AXDA2800DKV4Z")};
    for (const PartIdentity& row : PartTable::instance().rows())
        lines << row.part;
    const QList<std::pair<QString, QString>> later{
        {kExample2, kExample3}, {}, {kExample2, QStringLiteral("JIUHC0312XPMW")}};

    QHash<QString, QSet<QString>> texts;
    for (const QString& line : lines) {
        for (const auto& [line2, line3] : later) {
            DecodeRecord checked(line, line2, line3);
            runDecodePass(checked);
            const ResultReport report = ResultReport::of(checked);
            for (const RowComparison& row : report.rows) {
                const QString suffix = QLatin1StringView(fieldInfo(row.field).labelName).sliced(3);
                texts[QStringLiteral("lblPart") + suffix].insert(row.part);
                texts[QStringLiteral("lblMark") + suffix].insert(ResultReport::mark(row.verdict));
            }
            texts[QStringLiteral("lblRealName")].insert(report.partName);
            texts[QStringLiteral("lblRealBasis")].insert(report.basis);
            texts[QStringLiteral("lblRealNarrowing")].insert(report.narrowing);
            texts[QStringLiteral("lblRealNotRead")].insert(report.notRead.join(u'\n'));
            texts[QStringLiteral("lblRealReason")].insert(report.identification.reason);
        }
    }
    // The walk reached the strip's longest texts.
    for (const char* said :
         {"type line 3 to tell Thoroughbred A from B",
          "stepping JIUHC does not tell Thoroughbred A from B", "Real part: not known",
          "the bus letter Z was not read",
          "In the rating table, model 1200 is Morgan, but the letters of this D\u2026 part number "
          "leave Spitfire, and the L2 letter 3 was not read."}) {
        const auto& found =
            texts[QStringLiteral("lblRealNarrowing")] + texts[QStringLiteral("lblRealName")] +
            texts[QStringLiteral("lblRealNotRead")] + texts[QStringLiteral("lblRealReason")];
        if (!found.contains(QString::fromUtf8(said)))
            qFatal("the walk missed \"%s\"", said);
    }
    QHash<QString, QStringList> lists;
    for (auto it = texts.begin(); it != texts.end(); ++it) {
        it->remove(QString());
        lists.insert(it.key(), it->values());
    }
    return lists;
}

void tst_TextFit::textReadsOnItsGround_data()
{
    addColumns<QObject*>({"control"});
    // With a result beside a real part that agrees on some rows and not on others.
    m_main->findChild<QLineEdit*>(QStringLiteral("Text1"))
        ->setText(QStringLiteral("AXDA2600DKV4D"));
    m_main->findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(kExample2);
    m_main->findChild<QLineEdit*>(QStringLiteral("Text3"))->setText(kExample3);
    m_main->Command2_Click();
    for (QWidget* window :
         {static_cast<QWidget*>(m_main.get()), static_cast<QWidget*>(m_about.data())}) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (qobject_cast<QLabel*>(control) || qobject_cast<QLineEdit*>(control) ||
                qobject_cast<QAbstractButton*>(control) || qobject_cast<QGroupBox*>(control)) {
                QTest::newRow(qPrintable(window->objectName() + u'/' + control->objectName()))
                    << static_cast<QObject*>(control);
            }
        }
    }
}

void tst_TextFit::textReadsOnItsGround()
{
    QFETCH(QObject*, control);
    auto* widget = qobject_cast<QWidget*>(control);
    const auto [text, ground] = textAndGround(widget);
    QVERIFY(ground.isValid());
    QVERIFY2(contrast(text, ground) >= 4.5, qPrintable(QStringLiteral("%1 on %2: %3 to 1")
                                                           .arg(text.name(), ground.name())
                                                           .arg(contrast(text, ground))));
    if (const auto* label = qobject_cast<QLabel*>(widget);
        label && label->textFormat() == Qt::RichText)
        QVERIFY(contrast(label->palette().color(QPalette::Link), ground) >= 4.5);
}

// With a 30-pixel title bar, on a 1366 x 768 laptop screen that keeps 40 pixels for a panel, at
// this run's scale; at scale 1, on 1280 x 720 as well.
void tst_TextFit::windowFitsALaptopScreen()
{
    constexpr int kTitleBar = 30;
    constexpr int kPanel = 40;
    const double scale = m_main->devicePixelRatioF();
    const QSize needed(qCeil(m_main->width() * scale), qCeil(m_main->height() * scale) + kTitleBar);
    qInfo("at scale %.2f the window needs %d x %d screen pixels (%d x %d logical, title bar "
          "included)",
          scale, needed.width(), needed.height(), m_main->width(),
          m_main->height() + qCeil(kTitleBar / scale));
    QVERIFY(needed.width() <= 1366 && needed.height() <= 768 - kPanel);
    if (qFuzzyCompare(scale, 1.0))
        QVERIFY(needed.width() <= 1280 && needed.height() <= 720 - kPanel);
}

void tst_TextFit::textStandsWhole()
{
    QFETCH(QObject*, control);
    QFETCH(QStringList, texts);
    auto* widget = qobject_cast<QWidget*>(control);
    QVERIFY(widget);
    QVERIFY(!texts.isEmpty());

    // Menus: every item within the menu, and room in it for its whole text.
    if (qobject_cast<QMenu*>(widget) || qobject_cast<QMenuBar*>(widget)) {
        widget->ensurePolished();
        const auto* menu = qobject_cast<QMenu*>(widget);
        const auto* bar = qobject_cast<QMenuBar*>(widget);
        const QRect inside = menu ? QRect(QPoint(), menu->sizeHint()) : bar->rect();
        for (const QString& text : texts) {
            const auto actions = widget->actions();
            const auto found = std::find_if(actions.begin(), actions.end(),
                                            [&text](QAction* a) { return a->text() == text; });
            QVERIFY(found != actions.end());
            const QRect item = menu ? menu->actionGeometry(*found) : bar->actionGeometry(*found);
            QVERIFY2(inside.contains(item), qPrintable(text));
            const QString why = misfit(text, widget->font(), item, Qt::TextShowMnemonic);
            QVERIFY2(why.isEmpty(), qPrintable(why));
        }
        return;
    }

    int flags = Qt::TextShowMnemonic;
    int extraWidth = 0;
    for (const QString& text : texts) {
        if (auto* box = qobject_cast<QLineEdit*>(widget)) {
            box->setText(text);
            flags = 0;
            extraWidth = 1; // the text cursor stands after the last character
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setText(text);
            // Plain text: an ampersand is shown as it is.
            flags = label->wordWrap() ? Qt::TextWordWrap : 0;
        } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            frame->setTitle(text);
        }
        const QRect area = textArea(widget);
        const QString why =
            misfit(text, widget->font(), visibleRect(widget, area), flags, extraWidth);
        QVERIFY2(why.isEmpty(), qPrintable(why));
    }
}

void tst_TextFit::resultToolTipHoldsWholeText()
{
    m_about->hide();
    auto* core = m_main->findChild<QLabel*>(QStringLiteral("lblCore"));
    auto* text1 = m_main->findChild<QLineEdit*>(QStringLiteral("Text1"));
    auto* text2 = m_main->findChild<QLineEdit*>(QStringLiteral("Text2"));
    auto* text3 = m_main->findChild<QLineEdit*>(QStringLiteral("Text3"));
    text1->setText(kExample1);
    text2->setText(kExample2);
    text3->setText(kExample3);
    m_main->Command2_Click();
    for (const FieldInfo& info : fieldTable()) {
        const auto* result = m_main->findChild<QLabel*>(QString::fromLatin1(info.labelName));
        QVERIFY(!result->text().isEmpty());
        QCOMPARE(result->toolTip(), result->text());
    }

    // A value wider than its box: the label shows what fits, the tool tip all of it.
    const QString wide = QString(60, u'W');
    m_main->setField(Field::Core, wide);
    QVERIFY(!misfit(wide, core->font(), textArea(core), 0).isEmpty());
    QCOMPARE(core->toolTip(), wide);

    // A new pass clears the fields, tool tips with them.
    text1->setText(QStringLiteral("Z"));
    m_main->Command2_Click();
    QCOMPARE(core->text(), QString());
    QCOMPARE(core->toolTip(), QString());
}

void tst_TextFit::codeBoxScrollsBackWhenLeft_data()
{
    addColumns<QString, QString, QString, bool>({"box", "next", "typed", "fits"});

    // A line pasted with more than the code on it (the rest of a listing, say).
    const QString pasted = kExample1 + QStringLiteral(" Athlon XP 2500+ Barton 1833 MHz");
    const QStringList boxes{QStringLiteral("Text1"), QStringLiteral("Text2"),
                            QStringLiteral("Text3")};
    const QStringList examples{kExample1, kExample2, kExample3};
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        const QString& next = boxes[(i + 1) % boxes.size()];
        QTest::addRow("%s, worked example", qPrintable(boxes[i]))
            << boxes[i] << next << examples[i] << true;
        QTest::addRow("%s, pasted", qPrintable(boxes[i])) << boxes[i] << next << pasted << false;
    }
}

// Typed into with the focus, as a user does: a line that fits never scrolls, and a longer one,
// scrolled to its end while typing, shows its start again once the focus moves on.
void tst_TextFit::codeBoxScrollsBackWhenLeft()
{
    QFETCH(QString, box);
    QFETCH(QString, next);
    QFETCH(QString, typed);
    QFETCH(bool, fits);
    m_about->hide();
    m_main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    auto* edit = m_main->findChild<QLineEdit*>(box);
    auto* nextEdit = m_main->findChild<QLineEdit*>(next);

    // Where the cursor stands before the first character when nothing is scrolled.
    edit->clear();
    edit->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(edit->hasFocus());
    edit->repaint();
    const int start = cursorX(edit);

    QTest::keyClicks(edit, typed);
    edit->repaint(); // the line edit scrolls as it paints
    const int end = cursorX(edit);
    const int width = qRound(QFontMetricsF(edit->font()).horizontalAdvance(typed));
    // Unscrolled, the cursor stands the text's width after the start; scrolled, less far.
    QCOMPARE(qAbs(end - start - width) <= 1, fits);
    QCOMPARE(misfit(typed, edit->font(), textArea(edit), 0, 1).isEmpty(), fits);

    // A menu opening, or another window coming up front, is no moving on.
    for (const Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
        QFocusEvent away(QEvent::FocusOut, reason);
        QApplication::sendEvent(edit, &away);
        QCOMPARE(edit->cursorPosition(), typed.size());
    }

    nextEdit->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(nextEdit->hasFocus());
    edit->repaint();
    QCOMPARE(edit->text(), typed);
    QCOMPARE(edit->cursorPosition(), 0);
    QCOMPARE(cursorX(edit), start);
}

QTEST_MAIN(tst_TextFit)

#include "tst_TextFit.moc"

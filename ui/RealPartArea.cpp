// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RealPartArea.h"

#include "Grounds.h"
#include "ResultReport.h"
#include "ResultRows.h"
#include "Twips.h"

#include <QLabel>
#include <QPushButton>

namespace tallisk {

namespace {

// The column, in twips within the frame: the mark, then the part's value as wide as the
// longest value ("Thoroughbred A or Thoroughbred B") needs.
constexpr int kMarkLeft = 120;
constexpr int kMarkWidth = 240;
constexpr int kValueLeft = 360;
constexpr int kValueWidth = 3255;

// The strip below the column: lines at the row pitch from where "Export to HTML" stands
// beside it, as wide as the column.
constexpr int kStripLeft = 120;
constexpr int kStripWidth = 3495;
constexpr int kNameTop = 4440;
constexpr int kBasisTop = 4680;
constexpr int kNarrowingTop = 4920;
constexpr int kTwoLines = 480;
constexpr int kNotReadTop = 5400;
constexpr int kSourcesTop = 5700;
constexpr int kSourcesWidth = 855;
// For a line that is not known, in place of the basis and what follows it: the reader's
// reason in up to three lines, then one line for each suggestion.
constexpr int kReasonTop = 4680;
constexpr int kThreeLines = 720;
constexpr int kSuggestionsTop = 5400;

// Dark enough to read on the white ground (contrast above 4.5:1) and apart from each other
// by more than their colour: each comes with its own sign.
const QColor kDisagreeColour(0xb0, 0x00, 0x20);
const QColor kAgreeColour(0x1b, 0x5e, 0x20);

// The name of a result label's companion in the column: "lblCore" gives "lblPartCore".
QString companionName(const char* prefix, const FieldInfo& info)
{
    return QLatin1StringView(prefix) + QLatin1StringView(info.labelName).sliced(3);
}

QLabel* stripLabel(QWidget* parent, const char* objectName, const QRect& geometry)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1StringView(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

RealPartArea::RealPartArea(QWidget* parent) : QGroupBox(ResultReport::partHeading(), parent)
{
    setObjectName(QStringLiteral("fraRealPart"));
    setGeometry(twipsRect(kLeft, 0, kWidth, kHeight));
    setAutoFillBackground(true);

    QFont bold;
    bold.setBold(true);
    for (const FieldInfo& info : fieldTable()) {
        const std::size_t index = fieldIndex(info.field);
        const int top = rowTop(info.field);

        QLabel* mark = new QLabel(this);
        mark->setFont(bold);
        mark->setObjectName(companionName("lblMark", info));
        mark->setTextFormat(Qt::PlainText);
        mark->setAlignment(Qt::AlignCenter);
        mark->setGeometry(twipsRect(kMarkLeft, top, kMarkWidth, kRowHeight));
        m_marks[index] = mark;

        // Drawn as the result fields are: flat, boxed, in the theme's colours; selectable.
        QLabel* value = new QLabel(this);
        value->setObjectName(companionName("lblPart", info));
        value->setTextFormat(Qt::PlainText);
        value->setGeometry(twipsRect(kValueLeft, top, kValueWidth, kRowHeight));
        value->setFrameStyle(QFrame::Box | QFrame::Plain);
        value->setLineWidth(1);
        value->setBackgroundRole(QPalette::Base);
        value->setForegroundRole(QPalette::Text);
        value->setAutoFillBackground(true);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        m_values[index] = value;
    }

    m_name =
        stripLabel(this, "lblRealName", twipsRect(kStripLeft, kNameTop, kStripWidth, kRowHeight));
    m_name->setFont(bold);
    m_basis =
        stripLabel(this, "lblRealBasis", twipsRect(kStripLeft, kBasisTop, kStripWidth, kRowHeight));
    m_narrowing = stripLabel(this, "lblRealNarrowing",
                             twipsRect(kStripLeft, kNarrowingTop, kStripWidth, kTwoLines));
    m_narrowing->setWordWrap(true);

    m_notRead = stripLabel(this, "lblRealNotRead",
                           twipsRect(kStripLeft, kNotReadTop, kStripWidth, kRowHeight));
    m_reason = stripLabel(this, "lblRealReason",
                          twipsRect(kStripLeft, kReasonTop, kStripWidth, kThreeLines));
    m_reason->setWordWrap(true);
    for (int i = 0; i < kMostSuggestions; ++i) {
        auto* link = new QLabel(this);
        link->setObjectName(QStringLiteral("lblSuggestion%1").arg(i + 1));
        link->setTextFormat(Qt::RichText);
        link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
        link->setGeometry(
            twipsRect(kStripLeft, kSuggestionsTop + i * kRowPitch, kStripWidth, kRowHeight));
        connect(link, &QLabel::linkActivated, this, [this, i] {
            if (i < m_suggestions.size())
                Q_EMIT suggestionChosen(m_suggestions[i]);
        });
        m_suggestionLinks[std::size_t(i)] = link;
    }

    m_sources = new QPushButton(tr("Sources"), this);
    m_sources->setObjectName(QStringLiteral("cmdSources"));
    m_sources->setGeometry(twipsRect(kStripLeft, kSourcesTop, kSourcesWidth, kRowHeight));
    // Enter presses no button in this window.
    m_sources->setAutoDefault(false);
    connect(m_sources, &QPushButton::clicked, this, &RealPartArea::sourcesRequested);

    clear();
}

QList<QWidget*> RealPartArea::themed() const
{
    return QList<QWidget*>(m_values.begin(), m_values.end());
}

void RealPartArea::clear()
{
    for (const auto& column : {m_marks, m_values}) {
        for (QLabel* label : column) {
            label->clear();
            label->setToolTip(QString());
        }
    }
    for (QLabel* label : {m_name, m_basis, m_narrowing, m_notRead})
        label->clear();
    m_name->setToolTip(QString());
    showWhyNotKnown(QString(), QStringList());
    m_sources->hide();
}

void RealPartArea::fill(const ResultReport& report)
{
    clear();
    for (const RowComparison& row : report.rows) {
        const std::size_t index = fieldIndex(row.field);
        const QString sentence = ResultReport::sentence(row);
        m_marks[index]->setText(ResultReport::mark(row.verdict));
        Grounds::setTextColour(m_marks[index], row.disagrees() ? kDisagreeColour : kAgreeColour);
        m_values[index]->setText(row.part);
        for (QLabel* label : {m_marks[index], m_values[index]})
            label->setToolTip(sentence);
    }
    m_name->setText(report.partName);
    // What the sources add beyond the rows, where the strip has no room for it.
    m_name->setToolTip(report.noteLine());
    m_basis->setText(report.basis);
    m_narrowing->setText(report.narrowing);
    m_notRead->setText(report.notRead.join(u'\n'));
    m_sources->setVisible(!report.sources.isEmpty());
    showWhyNotKnown(report.identification.reason, report.suggestions());
}

void RealPartArea::showWhyNotKnown(const QString& reason, const QStringList& suggestions)
{
    m_reason->setText(reason);
    m_reason->setVisible(!reason.isEmpty());
    m_suggestions = suggestions.first(std::min<qsizetype>(suggestions.size(), kMostSuggestions));
    for (qsizetype i = 0; i < kMostSuggestions; ++i) {
        QLabel* link = m_suggestionLinks[std::size_t(i)];
        const bool shown = i < m_suggestions.size();
        link->setText(shown ? QStringLiteral("<a href=\"#%1\">%2</a>")
                                  .arg(i)
                                  .arg(m_suggestions[i].toHtmlEscaped())
                            : QString());
        link->setVisible(shown);
    }
}

} // namespace tallisk

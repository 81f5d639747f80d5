// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FieldTable.h"

#include <QGroupBox>
#include <QList>
#include <QStringList>

#include <array>

class QLabel;
class QPushButton;

namespace tallisk {

class ResultReport;

// The frame beside the result frame that shows the real part after each "Check": a column with
// the part's value on each result row, marked where the marking tables say otherwise, and
// below it a strip of a few lines: the part's name, what the answer rests on, what told its
// core apart, and a button that lists its sources. Everything it shows comes from one
// ResultReport, the same that Copy Result and Save Result As write.
class RealPartArea final : public QGroupBox
{
    Q_OBJECT

public:
    // Its place in the main window's client area, in twips: beside the result and input
    // frames, sharing their edge as they share theirs, and as high as the client area. The
    // window grows sideways to its right edge.
    static constexpr int kLeft = 5520;
    static constexpr int kWidth = 3750;
    static constexpr int kHeight = 6225;

    explicit RealPartArea(QWidget* parent = nullptr);

    // Shows a checked result's real part; a part that is not known leaves the column empty.
    void fill(const ResultReport& report);
    // Empties the column and the strip, as at start.
    void clear();

    // The controls that paint a ground of their own and follow the theme's colours.
    QList<QWidget*> themed() const;

    // The most suggestions the strip has room for.
    static constexpr int kMostSuggestions = 3;

Q_SIGNALS:
    void sourcesRequested();
    void suggestionChosen(const QString& partNumber);

private:
    // For a line that is not known: why, and up to three part numbers to try instead, each a
    // link that asks for it to be checked (suggestionChosen).
    void showWhyNotKnown(const QString& reason, const QStringList& suggestions);

    std::array<QLabel*, kFieldCount> m_marks{};
    std::array<QLabel*, kFieldCount> m_values{};
    QLabel* m_name = nullptr;
    QLabel* m_basis = nullptr;
    QLabel* m_narrowing = nullptr;
    QLabel* m_notRead = nullptr;
    QLabel* m_reason = nullptr;
    std::array<QLabel*, kMostSuggestions> m_suggestionLinks{};
    QStringList m_suggestions;
    QPushButton* m_sources = nullptr;
};

} // namespace tallisk

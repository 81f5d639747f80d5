// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace tallisk {

// The part numbers worth suggesting for a line that is not known: every row of the known-part
// table and every part number the reader reads whole, held in a trie and searched within a few
// slips of the typed line.
//
// A slip costs kSlip: a character left off or added, two neighbours swapped, or one of the
// usual misreadings (O/0, I/1, S/5, B/8, Z/2, G/6); any other wrong character costs
// kSubstitute. A line of at least kLeastCompleted characters that a candidate starts with
// (its letters not typed yet) costs kCompletion. A candidate of another family than the one the
// line starts like counts kOtherFamily more, as typing another family's letters is no slip; so
// candidates of the line's family are searched further than others. Suggestions cost at most
// kFamilyBudget, and at most kFurther more than the closest: where one slip mends the line,
// parts three slips away are noise.
class SuggestionIndex
{
public:
    struct Candidate
    {
        QString part;
        QString family;
        int layout = -1;    // the reader's layout that reads it whole, -1 for none
        bool known = false; // a row of the known-part table
    };

    static constexpr int kSlip = 2;
    static constexpr int kSubstitute = 3;
    static constexpr int kCompletion = 4;
    static constexpr int kLeastCompleted = 6;
    static constexpr int kOtherFamily = 4;
    static constexpr int kFamilyBudget = 8; // four slips, or two of another family's
    static constexpr int kFurther = kSubstitute;
    static constexpr qsizetype kLongest = 40; // a longer line is no near miss of a part number

    explicit SuggestionIndex(const QList<Candidate>& candidates);

    // Built from the compiled-in tables on first use.
    static const SuggestionIndex& instance();

    // The candidates closest to `line` (a line as PartIdentifier normalises it), best first,
    // at most `count`; `layouts` are the layouts the line starts like and `families` theirs.
    // Of two as close, one of those layouts goes first, then one of those families, then a
    // known part, then the lower part number. Empty when nothing is near.
    QStringList closest(QStringView line, const QList<int>& layouts, const QStringList& families,
                        qsizetype count) const;

    const QList<Candidate>& candidates() const { return m_candidates; }

private:
    struct Node
    {
        char16_t c = 0;
        qint32 firstChild = -1;
        qint32 nextSibling = -1;
        qint32 candidate = -1;
        quint64 families = 0; // of the candidates at and below it, one bit each
        // How many characters the candidates below it (not at it) have beyond it.
        quint8 shortestRest = 0xFF;
        quint8 longestRest = 0;
    };
    struct Search;

    void insert(const QString& part, qint32 candidate);
    void search(Search& s, qint32 node, qsizetype depth, bool completing) const;

    QList<Node> m_nodes;
    QList<Candidate> m_candidates;
    QList<quint64> m_familyBits; // by candidate: its family's bit
    QStringList m_families;
    qsizetype m_deepest = 0;
};

} // namespace tallisk

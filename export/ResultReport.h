// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DecodePass.h"
#include "DecodeTarget.h"
#include "Identification.h"
#include "PartComparison.h"
#include "PartIdentity.h"
#include "SourceList.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace tallisk {

// Everything one "Check" shows, as one value: the three lines, the marking tables' result and
// the messages the pass showed, the real part of line 1 beside it and how each row stands
// against it. The window shows it, Copy Result writes it as plain text and Save Result As as a
// web page (ResultPage) or as CSV, so they always say the same.
class ResultReport
{
    Q_DECLARE_TR_FUNCTIONS(ResultReport)

public:
    // The result as `checked` holds it after a pass that showed `messages` and ended as
    // `outcome`, and the real part of its line 1, narrowed by the stepping code that pass
    // decoded.
    static ResultReport of(const DecodeTarget& checked, const QStringList& messages = {},
                           PassOutcome outcome = PassOutcome::Completed);

    std::array<QString, 3> lines;
    QString modelName;
    FieldTexts fields;
    QStringList messages;
    PassOutcome outcome = PassOutcome::Completed;
    // The real part (`identification.part`), or why the line is not known and the closest
    // part numbers.
    Identification identification;
    QList<RowComparison> rows; // every row in field order when the part is known, else none

    // What the window's strip says of the part, in words a collector reads: its name, or that
    // it is not known;
    QString partName;
    // what the answer rests on ("listed in 5 sources", "read from the letters of its part
    // number"); empty when not known;
    QString basis;
    // what told two possible cores apart ("Thoroughbred B: stepping JIUHB ends in B"), or what
    // would; empty when the part number decides the core or nothing could;
    QString narrowing;
    // every source of the answer;
    QList<SourceList::Source> sources;
    // for a part whose letters were not all read, which were not ("the bus letter Z was not
    // read"): the facts they decide are left out.
    QStringList notRead;

    // For a line that is not known, the closest part numbers to try instead, best first (why it
    // is not known is `identification.reason`); none for a known part.
    QStringList suggestions() const { return identification.suggestions.value_or(QStringList()); }
    // "Closest part numbers: ..." as one line; empty when there are none.
    QString suggestionsLine() const;
    // What the sources add about the part that no row holds ("Note: AMD shipped this part
    // number as ..."); empty when they add nothing.
    QString noteLine() const;

    // The headings of the two columns of values, over the marking tables' result and over
    // the real part's.
    static QString tablesHeading();
    static QString partHeading();

    // The sign a row is marked with, more than a colour: "≠" where the tables say otherwise
    // than the part or nothing, "=" where they agree, nothing where the part is silent.
    static QString mark(RowVerdict verdict);

    // One sentence with both values of a row ("Working frequency: the marking tables say
    // Unsupported Chip, but the real part says 1917."); empty for a row the part is silent on.
    static QString sentence(const RowComparison& row);
    // The same from texts already translated, for a writer that makes many: the row's caption
    // and the sentence for its verdict, as sentenceText() gives it.
    static QString sentence(const RowComparison& row, const QString& caption, const QString& text);
    static QString sentenceText(RowVerdict verdict);

    // The whole result as plain text, one item a line (LF between lines): the lines, the model
    // name, the seventeen rows as "Caption: value", the real part with its basis, what narrowed
    // its core, the letters not read, the disagreements and the sources with their addresses;
    // or that it is not known, why, and the closest part numbers.
    QString plainText() const;

    // The result as `tallisk-decode --csv --identify` writes it for the same lines: a header
    // row and one record, with the messages and whether the pass completed.
    QByteArray csv() const;
};

} // namespace tallisk

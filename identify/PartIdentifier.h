// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PartIdentity.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tallisk {

// Which real part a typed line 1 names: the one entry point for the window and the command.
//
// The line is read loosely, as people type it (any case, blanks around, "AMD-" or "AMD " in
// front, a Slot A revision letter after a blank); the decoder's own texts are not touched.
// A part of the known-part table answers as a known part; any other line is read by its layout
// (PartNumberReader), possibly with one letter not read and the facts it decides unknown. Where
// the answer leaves Thoroughbred A or B, a stepping code whose last letter is A or B narrows it,
// as the decoder reads the stepping. Nothing else is ever guessed: a line neither answers is
// not known, and explain() says why and what it may have been meant to be.
class PartIdentifier
{
public:
    // `stepping` is the decoder's stepping code for the same chip, as text (empty for none).
    static std::optional<PartIdentity> identify(const QString& line1,
                                                const QString& stepping = QString());

    // Whether the last letter of a stepping code would tell apart the cores `core` names: it
    // does only for Thoroughbred A and B, which share their part numbers.
    static bool steppingTellsApart(QStringView core);

    // Why a line is not known, and the part numbers it may have been meant to be.
    struct Explanation
    {
        // One sentence for people: which group or letter of the line the reader could not
        // read, or that no layout starts like it.
        QString reason;
        // The closest part numbers that identify() answers whole, best first, at most five:
        // hints for "did you mean", never an identification (SuggestionIndex ranks them).
        QStringList suggestions;
    };

    // Whether explain() searches for suggestions: the reason is cheap, the search is not (a
    // batch searches only when asked).
    enum class Suggestions
    {
        Search,
        Skip
    };

    // For a line that identify() does not answer, why and what is near it; for a line it
    // answers, an empty reason and no suggestions.
    static Explanation explain(const QString& line1, Suggestions suggestions = Suggestions::Search);

    // The line as identification reads it: blanks collapsed and trimmed, a to z in upper case,
    // without the maker's name in front. An identity's `part` is this text.
    static QString normalise(const QString& line1);
};

} // namespace tallisk

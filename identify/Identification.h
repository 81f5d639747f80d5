// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PartComparison.h"
#include "PartIdentifier.h"
#include "PartIdentity.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace tallisk {

class DecodeTarget;

// What identification says of one decoded result, as one typed value from the identifier to
// whatever shows it: the real part that line 1 names and the rows the marking tables disagree
// with it on; or, for a line that is not known, why, and the part numbers it may have been
// meant to be. The window's report and the command both take it from of(), so they say the
// same of every part.
class Identification
{
public:
    // The search for suggestions is the one slow step (a batch makes it only when asked).
    using Suggestions = PartIdentifier::Suggestions;

    // The part of `checked`'s line 1, read as people type it and narrowed by the stepping code
    // the pass decoded, and how the pass's rows stand against it.
    static Identification of(const DecodeTarget& checked,
                             Suggestions suggestions = Suggestions::Search);

    std::optional<PartIdentity> part;
    // The rows that disagree with the part, as PartComparison::disagreements() gives them; none
    // when the part is not known.
    QList<RowComparison> disagreements;
    // Why the line is not known, one sentence; empty when it is.
    QString reason;
    // The closest part numbers of a line that is not known, best first: hints, never an
    // identity. Empty for a known part; nothing when they were not searched for.
    std::optional<QStringList> suggestions;
};

} // namespace tallisk

// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Identification.h"

#include "DecodeTarget.h"

#include <utility>

namespace tallisk {

Identification Identification::of(const DecodeTarget& checked, Suggestions suggestions)
{
    const QString line1 = checked.line1();
    Identification result;
    // The decoded stepping code tells Thoroughbred A from B where the part number cannot.
    result.part = PartIdentifier::identify(line1, checked.field(Field::Stepping));
    if (result.part) {
        result.disagreements = PartComparison::disagreements(checked, *result.part);
        result.suggestions.emplace();
        return result;
    }
    PartIdentifier::Explanation why = PartIdentifier::explain(line1, suggestions);
    result.reason = std::move(why.reason);
    if (suggestions == Suggestions::Search)
        result.suggestions = std::move(why.suggestions);
    return result;
}

} // namespace tallisk

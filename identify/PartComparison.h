// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FieldTable.h"

#include <QList>
#include <QString>

namespace tallisk {

class DecodeTarget;
class PartIdentity;

// How one result row of the marking tables stands against the real part.
enum class RowVerdict
{
    Silent,      // the part states nothing for this row
    Agrees,      // both say the same
    Differs,     // the tables say something else
    TablesBlank, // the tables say nothing where the part states a value
};

struct RowComparison
{
    Field field = Field::Core;
    QString tables; // the tables' text, as the row shows it
    QString part;   // the part's value in the tables' own units ("1917", "512KB", "1.60v"); empty
                    // when the part states none
    RowVerdict verdict = RowVerdict::Silent;

    // A row a reader should look at twice: the tables are wrong or silent about a known fact.
    bool disagrees() const
    {
        return verdict == RowVerdict::Differs || verdict == RowVerdict::TablesBlank;
    }

    friend bool operator==(const RowComparison&, const RowComparison&) = default;
};

// The one comparison of the marking tables' result with the real part, which the window and
// the command both show: per row, the part's value written as the tables write theirs, so two
// texts that differ are a real difference in the same units. The rows compared are core,
// rating, working frequency, package, voltage, temperature, L1 and L2, multiplier and bus; the
// part states nothing about the others.
class PartComparison
{
public:
    // Every result row, in the field table's order.
    static QList<RowComparison> rows(const DecodeTarget& tables, const PartIdentity& part);
    // Only the rows that disagree, in the same order.
    static QList<RowComparison> disagreements(const DecodeTarget& tables, const PartIdentity& part);
};

} // namespace tallisk

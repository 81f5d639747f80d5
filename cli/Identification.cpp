// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Identification.h"

#include "DecodeRecord.h"
#include "PartIdentifier.h"
#include "PartIdentity.h"

namespace tallisk {

Identification Identification::of(const DecodeRecord& record)
{
    const QString line1 = record.line1();
    Identification result;
    // The decoded stepping code tells Thoroughbred A from B where the part number cannot.
    if (const std::optional<PartIdentity> part =
            PartIdentifier::identify(line1, record.field(Field::Stepping))) {
        result.m_known = true;
        result.m_identity = part->toJson();
        result.m_summary = part->summary();
        result.m_basis = part->basis;
    } else {
        result.m_suggestions = PartIdentifier::suggestions(line1);
    }
    return result;
}

QStringList Identification::identityKeys()
{
    // toJson() writes every key, an unknown fact as null, in the identity's (sorted) order.
    return PartIdentity().toJson().keys();
}

} // namespace tallisk

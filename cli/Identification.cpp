// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Identification.h"

#include "DecodeRecord.h"
#include "PartIdentifier.h"
#include "PartIdentity.h"

#include <utility>

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
        result.m_unread = part->unread;
    } else {
        PartIdentifier::Explanation why = PartIdentifier::explain(line1);
        result.m_reason = std::move(why.reason);
        result.m_suggestions = std::move(why.suggestions);
    }
    return result;
}

QJsonArray Identification::unreadJson() const
{
    QJsonArray letters;
    for (const UnreadLetter& unread : m_unread)
        letters.append(QJsonObject{{QStringLiteral("field"), partFieldKey(unread.field)},
                                   {QStringLiteral("letter"), QString(unread.letter)}});
    return letters;
}

QString Identification::unreadCell() const
{
    QStringList lines;
    for (const UnreadLetter& unread : m_unread)
        lines << partFieldKey(unread.field) + u' ' + unread.letter;
    return lines.join(u'\n');
}

QStringList Identification::identityKeys()
{
    // toJson() writes every key, an unknown fact as null, in the identity's (sorted) order.
    return PartIdentity().toJson().keys();
}

} // namespace tallisk

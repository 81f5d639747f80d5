// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PartIdentity.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <span>
#include <variant>

namespace tallisk {

// One fact of an identity as the command's JSON object and CSV columns give it: its key, and
// the member it is read from, whose type is the kind of value written: a text (null when
// empty), a whole number or a decimal (null when unknown), or the sources (their ids, written
// as ids or as whole citations).
struct IdentityKey
{
    using Member = std::variant<QString PartIdentity::*, std::optional<int> PartIdentity::*,
                                std::optional<double> PartIdentity::*, QStringList PartIdentity::*>;

    const char* name;
    Member member;
};

inline constexpr std::size_t kIdentityKeyCount = 16;

// Every key of an identity, in the order the JSON object writes them (QJsonObject's, sorted):
// the one list that the JSON writer, the CSV writer and the single decode's output walk.
std::span<const IdentityKey, kIdentityKeyCount> identityKeys();

// What identification says of a line beside its identity, under these keys in the command's
// JSON object and as the last CSV columns, in this order: the closest part numbers, why the
// line is not known, the letters not read and the rows the marking tables disagree on.
inline constexpr char kSuggestionsKey[] = "suggestions";
inline constexpr char kReasonKey[] = "reason";
inline constexpr char kUnreadKey[] = "unread";
inline constexpr char kDisagreementsKey[] = "disagreements";

// Calls `visit` with the fact `key` reads from `identity`, typed as its member is.
template <typename Visitor>
void visitFact(const IdentityKey& key, const PartIdentity& identity, Visitor&& visit)
{
    std::visit([&](auto member) { visit(identity.*member); }, key.member);
}

} // namespace tallisk

// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FamilyTable.h"

#include "Messages.h"
#include "TextRules.h"

#include <array>

namespace tallisk {

namespace {

enum class Detail
{
    Letters,
    DidYouMean,
    None
};

struct FamilyRow
{
    QStringView prefix;
    QStringView modelName;
    bool decoded; // false: recognised but declined
    Detail detail;
};

// Tried in this order; the first matching prefix decides, whatever follows it. Longer
// prefixes stand before the shorter ones they begin with.
constexpr std::array<FamilyRow, 15> kFamilies{{
    {u"AXDA", u"AMD Athlon XP", true, Detail::Letters},
    {u"AMSN", u"AMD Athlon MP", false, Detail::None},
    {u"AMP", u"AMD Athlon MP", false, Detail::None},
    {u"AHX", u"AMD Athlon MP", false, Detail::None},
    {u"K7", u"AMD Athlon", true, Detail::Letters},
    {u"AHM", u"AMD Mobile Athlon 4", false, Detail::Letters},
    {u"AXMS", u"AMD Mobile Athlon XP", false, Detail::Letters},
    {u"AXMD", u"AMD Mobile Athlon XP", false, Detail::Letters},
    {u"AXDH", u"AMD Mobile Athlon XP", false, Detail::Letters},
    {u"AX", u"AMD Athlon XP", true, Detail::DidYouMean},
    {u"A", u"AMD Athlon", true, Detail::Letters},
    {u"DHD", u"AMD Duron", true, Detail::Letters},
    {u"DHM", u"AMD Duron", true, Detail::Letters},
    {u"DHL", u"AMD Duron", true, Detail::Letters},
    {u"D", u"AMD Duron", true, Detail::Letters},
}};

QString detailText(Detail detail)
{
    switch (detail) {
    case Detail::Letters:
        return messages::lettersDetail();
    case Detail::DidYouMean:
        return messages::didYouMeanDetail();
    case Detail::None:
        break;
    }
    return QString();
}

} // namespace

Family recogniseFamily(const QString& line1)
{
    for (const FamilyRow& row : kFamilies) {
        const QStringView prefix(row.prefix);
        if (!text::startsWith(line1, prefix))
            continue;
        Family family;
        // Prefixes are ASCII, so the check position's offset is the prefix's length.
        if (!text::isDigit(text::at(QStringView(line1).mid(prefix.size()), 1))) {
            family.outcome = Family::Outcome::CodeError;
            family.codeErrorDetail = detailText(row.detail);
            return family;
        }
        family.modelName = text::fixed(row.modelName);
        if (row.decoded) {
            family.outcome = Family::Outcome::Decoded;
            family.prefixLength = static_cast<int>(prefix.size());
        } else {
            family.outcome = Family::Outcome::Unsupported;
        }
        return family;
    }
    return Family{};
}

QList<QStringView> familyPrefixes()
{
    QList<QStringView> prefixes;
    for (const FamilyRow& row : kFamilies)
        prefixes.append(row.prefix);
    return prefixes;
}

} // namespace tallisk

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
    const char16_t* prefix;
    const char* modelName;
    bool decoded; // false: recognised but declined
    Detail detail;
};

// Tried in this order; the first matching prefix decides, whatever follows it. Longer
// prefixes stand before the shorter ones they begin with.
constexpr std::array<FamilyRow, 15> kFamilies{{
    {u"AXDA", "AMD Athlon XP", true, Detail::Letters},
    {u"AMSN", "AMD Athlon MP", false, Detail::None},
    {u"AMP", "AMD Athlon MP", false, Detail::None},
    {u"AHX", "AMD Athlon MP", false, Detail::None},
    {u"K7", "AMD Athlon", true, Detail::Letters},
    {u"AHM", "AMD Mobile Athlon 4", false, Detail::Letters},
    {u"AXMS", "AMD Mobile Athlon XP", false, Detail::Letters},
    {u"AXMD", "AMD Mobile Athlon XP", false, Detail::Letters},
    {u"AXDH", "AMD Mobile Athlon XP", false, Detail::Letters},
    {u"AX", "AMD Athlon XP", true, Detail::DidYouMean},
    {u"A", "AMD Athlon", true, Detail::Letters},
    {u"DHD", "AMD Duron", true, Detail::Letters},
    {u"DHM", "AMD Duron", true, Detail::Letters},
    {u"DHL", "AMD Duron", true, Detail::Letters},
    {u"D", "AMD Duron", true, Detail::Letters},
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
        family.modelName = QString::fromLatin1(row.modelName);
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

} // namespace tallisk

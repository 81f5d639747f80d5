// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "IdentityKeys.h"

#include <array>

namespace tallisk {

namespace {

constexpr std::array<IdentityKey, kIdentityKeyCount> kKeys{{
    {"basis", &PartIdentity::basis},
    {"clock_mhz", &PartIdentity::clockMhz},
    {"core", &PartIdentity::core},
    {"family", &PartIdentity::family},
    {"fsb_mhz", &PartIdentity::fsbMhz},
    {"l1_kb", &PartIdentity::l1Kb},
    {"l2_kb", &PartIdentity::l2Kb},
    {"max_temp_c", &PartIdentity::maxTempC},
    {"multiplier", &PartIdentity::multiplier},
    {"name", &PartIdentity::name},
    {"package", &PartIdentity::package},
    {"part", &PartIdentity::part},
    {"rating", &PartIdentity::rating},
    {"socket", &PartIdentity::socket},
    {"sources", &PartIdentity::sources},
    {"vcore", &PartIdentity::vcore},
}};

constexpr bool before(const char* a, const char* b)
{
    while (*a && *a == *b) {
        ++a;
        ++b;
    }
    return static_cast<unsigned char>(*a) < static_cast<unsigned char>(*b);
}

// The writers write the keys in this order, so it must be the order QJsonObject keeps.
constexpr bool sorted()
{
    for (std::size_t i = 1; i < kKeys.size(); ++i) {
        if (!before(kKeys[i - 1].name, kKeys[i].name))
            return false;
    }
    return true;
}
static_assert(sorted(), "identity keys are listed in QJsonObject's (sorted) order");

} // namespace

std::span<const IdentityKey, kIdentityKeyCount> identityKeys()
{
    return kKeys;
}

} // namespace tallisk

// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

namespace tallisk::bench {

// One marking code as its three printed lines.
struct BenchCode
{
    const char* what; // what the pass makes of it
    const char* line1;
    const char* line2;
    const char* line3;
};

// The README's worked example: an Athlon XP 2500+ with a Barton core.
const BenchCode& workedExample();

// Codes for the decode pass: the decoded cores and the ways a pass declines or ends early.
std::span<const BenchCode> mixedCodes();

// A collector's file, mostly lines that are not real parts: real parts (known ones and ones
// read from their letters), slips of them and junk. The batch file repeats them in this order.
std::span<const BenchCode> collectionCodes();

} // namespace tallisk::bench

// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

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

// A mix of codes as they come in: the decoded cores and the ways a pass declines or ends
// early. The batch file repeats them in this order.
std::span<const BenchCode> mixedCodes();

// Builds a line of `characters` characters (code points) from the start and end of a printed
// line with filler in between, so the pass reads the same code however long the line is.
// `wide` fills with a character outside the Basic Multilingual Plane (two UTF-16 units each).
QString paddedLine(const char* head, const char* tail, qsizetype characters, bool wide);

} // namespace tallisk::bench

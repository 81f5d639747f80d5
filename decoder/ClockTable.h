// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tallisk {

class DecodeTarget;

// Fills the working frequency and multiplier: from the rating-to-clock table for rated chips
// (model numbers "10", "8", "6"), computed from clock and bus for model number "4".
void applyClockTable(DecodeTarget& target);

// The multiplier of a clock-rated chip: frequency ÷ (bus ÷ 2), exactly, rounded half away
// from zero to one decimal, "####.0" with the locale's decimal separator. "Error!" when the
// frequency is not numeric or the bus does not start with a number.
QString computeMultiplier(const QString& workingFrequency, const QString& fsb);

} // namespace tallisk

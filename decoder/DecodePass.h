// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tallisk {

class DecodeTarget;

enum class PassOutcome
{
    Completed,  // the pass ran to its end (a stepping message does not end it)
    EndedEarly, // a message ended the pass
};

// One decode pass, as the "Check" button runs it: clears the fields, recognises the family
// from line 1, then runs the line-1 fields, the core rules, lines 2 and 3 and the clock table.
PassOutcome runDecodePass(DecodeTarget& target);

} // namespace tallisk

// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tallisk {

class DecodeTarget;

// Reads lines 2 and 3 by the model-number group: downgraded-from rating, stepping code,
// Thoroughbred revision and range, manufacture date, batch production number and batch.
// Returns false when a message ended the pass (the clock table is then not applied).
bool decodeLinesTwoAndThree(DecodeTarget& target);

} // namespace tallisk

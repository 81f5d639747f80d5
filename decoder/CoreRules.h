// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tallisk {

class DecodeTarget;

// Names the core and the CPU model number from the first letters of line 1 and the L2 cache
// and voltage fields already decoded. Writes at most the core and model fields.
void applyCoreRules(DecodeTarget& target, const QString& line1);

} // namespace tallisk

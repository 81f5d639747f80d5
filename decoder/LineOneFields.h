// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tallisk {

class DecodeTarget;

// Decodes the characters after the family prefix: rating digits (and, for clock-rated
// families, the working frequency), package, voltage, temperature, caches and bus.
// A character that is not in its table leaves its field blank; this stage never stops a pass.
void decodeLineOneFields(DecodeTarget& target, const QString& line1, const QString& modelName,
                         int prefixLength);

} // namespace tallisk

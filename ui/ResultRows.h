// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FieldTable.h"

namespace tallisk {

// Where the result rows stand, in twips: row n (the field table's order, from 1) lies at n
// times the pitch, in the result frame and in the real part's column beside it alike.
inline constexpr int kRowPitch = 240;
inline constexpr int kRowHeight = 255;

constexpr int rowTop(Field field)
{
    return kRowPitch * (static_cast<int>(fieldIndex(field)) + 1);
}

} // namespace tallisk

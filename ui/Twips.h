// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

namespace tallisk {

// The windows are laid out in twips, as they were designed: 1440 to the inch, so 15 make one
// pixel at 96 dots per inch. Qt's device-independent pixels are those 96-dpi pixels, and the
// toolkit scales them for denser screens; this is the one place that knows the ratio.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// A control's Left, Top, Width and Height in twips, as a widget geometry.
constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

} // namespace tallisk

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>

namespace sakana {

// Layout unit: 1/1440 inch; 15 twips make one pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

// Whole pixels for a position or size in twips; half pixels round to even.
inline int twipsToPixels(double twips)
{
    return int(std::nearbyint(twips / kTwipsPerPixel));
}

inline double pixelsToTwips(int pixels)
{
    return double(pixels) * kTwipsPerPixel;
}

} // namespace sakana

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <cstdint>

namespace sakana {

// A design colour, written 0xBBGGRR (blue in the high byte) as the design
// tables give it.
struct Bgr {
    std::uint32_t value = 0;
    friend constexpr bool operator==(Bgr, Bgr) = default;
};

// The one place where a design colour becomes a Qt colour.
inline QColor toQColor(Bgr colour)
{
    return QColor(int(colour.value & 0xFF), int((colour.value >> 8) & 0xFF), int((colour.value >> 16) & 0xFF));
}

// The colours of the screens.
namespace colours {
inline constexpr Bgr kWhite{0xFFFFFF};
inline constexpr Bgr kDarkBlue{0xC00000};
inline constexpr Bgr kBlue{0xFF0000};
inline constexpr Bgr kLightBlue{0xFF8080};
inline constexpr Bgr kCyan{0xFFFF00};
inline constexpr Bgr kRed{0x0000FF};
inline constexpr Bgr kYellow{0x00FFFF};
inline constexpr Bgr kMagenta{0xFF00FF};
inline constexpr Bgr kOrange{0x0080FF};
inline constexpr Bgr kSalmonPink{0x8080FF};

// A fish's name on the list screens, and the same name marked or under the
// pointer.
inline constexpr Bgr kNameNormal = kDarkBlue;
inline constexpr Bgr kNameMarked = kRed;
// The text of a name the drill does not ask: grey, and still clear on the
// names' blue.
inline constexpr Bgr kNameDimmed{0xB8A0A0};
} // namespace colours

} // namespace sakana

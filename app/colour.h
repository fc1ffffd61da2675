#pragma once

#include <QColor>
#include <cstdint>

namespace sakana {

// Design colours are written 0xBBGGRR (blue in the high byte). This is the one
// place where they become Qt colours.
inline QColor bgr(std::uint32_t value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

// The colours the screens write to the name labels.
inline constexpr std::uint32_t kNormalLabelColour = 0xC00000;  // dark blue
inline constexpr std::uint32_t kMarkedLabelColour = 255;       // red

} // namespace sakana

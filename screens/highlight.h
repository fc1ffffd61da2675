#pragma once

#include "app/controls.h"
#include "catalogue/catalogue.h"

#include <array>
#include <cstdint>

namespace sakana {

// The pointer highlight of the two list screens: at most one name label is
// red under the pointer. Both write the same colour property as the answer
// marks of the drill, so whichever writes last wins.

// The pointer moved over a label: the highlight moves to it, unless it is there.
void highlightHovered(const std::array<Label *, kFishCount> &labels, std::int16_t &highlightIndex,
                      std::int16_t hoverIndex);

// The pointer moved over the window's background: the label last hovered
// returns to the normal colour, on every such move.
void clearHighlight(const std::array<Label *, kFishCount> &labels, std::int16_t &highlightIndex,
                    std::int16_t hoverIndex);

} // namespace sakana

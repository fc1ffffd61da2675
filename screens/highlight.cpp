#include "screens/highlight.h"

#include "app/colour.h"

namespace sakana {

void highlightHovered(const std::array<Label *, kFishCount> &labels, std::int16_t &highlightIndex,
                      std::int16_t hoverIndex)
{
    if (highlightIndex == hoverIndex)
        return;
    if (highlightIndex != -1)
        labels[std::size_t(highlightIndex)]->setBackColour(kNormalLabelColour);
    labels[std::size_t(hoverIndex)]->setBackColour(kMarkedLabelColour);
    highlightIndex = hoverIndex;
}

void clearHighlight(const std::array<Label *, kFishCount> &labels, std::int16_t &highlightIndex,
                    std::int16_t hoverIndex)
{
    labels[std::size_t(hoverIndex)]->setBackColour(kNormalLabelColour);
    highlightIndex = -1;
}

} // namespace sakana

#pragma once

#include "app/fonts.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <span>

namespace sakana {

// A screen's static design, written as tables of these records. Positions and
// sizes are twips from the top-left corner of the client area; colours are
// 0xBBGGRR.

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

enum class Border { Sizable, FixedSingle };

struct WindowDesign {
    const char16_t *caption = u"";
    int clientWidth = 0;   // twips
    int clientHeight = 0;  // twips
    Border border = Border::FixedSingle;
    std::uint32_t backColour = 0;
    const char *backgroundPicture = nullptr;  // built-in picture, or none
};

// LabelArray stands for the forty name labels of the catalogue, placed on
// their grid; its row gives their font and colours.
enum class Kind { Label, Picture, Button, LabelArray };
enum class Align { Left, Centre };

// One control. In a table the first row lies on top of the rows below it.
struct ControlDesign {
    const char *name = "";
    Kind kind = Kind::Label;
    const char16_t *caption = u"";
    TwipsRect rect{};
    FontDesign font{};
    std::optional<std::uint32_t> foreColour{};
    std::optional<std::uint32_t> backColour{};  // none: transparent
    Align align = Align::Left;
    bool border = false;
    bool visible = true;
    bool stretch = false;
    const char *picture = nullptr;  // built-in picture, or none
    int tabOrder = 0;               // buttons only
};

} // namespace sakana

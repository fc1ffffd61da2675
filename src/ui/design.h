// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/colours.h"
#include "ui/fonts.h"

#include <optional>

namespace sakana {

// A screen's static design, written as tables of these records. Positions and
// sizes are twips (1/1440 inch; 15 make a pixel) from the top-left corner of
// the client area.

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
    Bgr backColour{};
    const char *backgroundPicture = nullptr;  // built-in picture, or none
};

// NameGrid stands for the forty fish names of the list screens, on their
// grid; its row gives their font and colours.
enum class Kind { Label, Picture, Button, NameGrid };
enum class Align { Left, Centre };

// One control, known by its role. In a table the first row lies on top of
// the rows below it.
struct ControlDesign {
    const char *role = "";
    Kind kind = Kind::Label;
    const char16_t *caption = u"";
    TwipsRect rect{};
    FontDesign font{};
    std::optional<Bgr> foreColour{};
    std::optional<Bgr> backColour{};  // none: transparent
    Align align = Align::Left;
    bool border = false;
    bool visible = true;
    bool stretch = false;
    const char *picture = nullptr;  // built-in picture, or none
    int tabOrder = 0;               // buttons only
};

} // namespace sakana

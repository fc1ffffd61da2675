// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/design.h"

namespace sakana::list {

// What the two list screens, lookup and drill, share in their designs.

// A fixed window that the grid picture fills.
constexpr WindowDesign window(const char16_t *caption)
{
    return {.caption = caption,
            .clientWidth = 11520,
            .clientHeight = 7200,
            .border = Border::FixedSingle,
            .backColour = colours::kDarkBlue,
            .backgroundPicture = "grid.gif"};
}

// A button in the top bar that leaves the screen.
constexpr ControlDesign leaveButton(const char *role, const char16_t *caption, int left, int tabOrder)
{
    return {.role = role, .kind = Kind::Button, .caption = caption, .rect = {left, 270, 1350, 480},
            .font = {.face = Face::PMincho, .points = 12}, .backColour = colours::kSalmonPink, .tabOrder = tabOrder};
}

// The line of large yellow text in the top bar.
constexpr ControlDesign heading(const char *role, const char16_t *caption, const TwipsRect &rect)
{
    return {.role = role, .kind = Kind::Label, .caption = caption, .rect = rect,
            .font = {.face = Face::Mincho, .points = 26.25, .bold = true}, .foreColour = colours::kYellow,
            .backColour = colours::kBlue};
}

// The forty fish names in their two columns.
inline constexpr ControlDesign kNames{.role = "names", .kind = Kind::NameGrid,
                                      .font = {.face = Face::Mincho, .points = 14.25},
                                      .foreColour = colours::kWhite, .backColour = colours::kNameNormal};

} // namespace sakana::list

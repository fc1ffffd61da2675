// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/design.h"

#include <array>

namespace sakana::menu {

inline constexpr WindowDesign kWindow{
    .caption = u"メニュー",
    .clientWidth = 11490,
    .clientHeight = 7170,
    .border = Border::Sizable,
    .backColour = colours::kCyan,
};

inline constexpr FontDesign kButtonFont{.face = Face::Mincho, .points = 24, .bold = true, .italic = true};

// In stacking order: the first row lies on top.
inline constexpr std::array kControls{
    ControlDesign{.role = "quitButton", .kind = Kind::Button, .caption = u"お わ り",
                  .rect = {7950, 6060, 2460, 930}, .font = kButtonFont, .backColour = colours::kOrange, .tabOrder = 3},
    ControlDesign{.role = "toDrillButton", .kind = Kind::Button, .caption = u"魚ドリル",
                  .rect = {4665, 6060, 2460, 930}, .font = kButtonFont, .backColour = colours::kOrange, .tabOrder = 2},
    ControlDesign{.role = "toLookupButton", .kind = Kind::Button, .caption = u"魚しらべ",
                  .rect = {1185, 6060, 2460, 930}, .font = kButtonFont, .backColour = colours::kOrange, .tabOrder = 1},
    ControlDesign{.role = "title", .kind = Kind::Label, .caption = u"すいめ",
                  .rect = {5790, 4125, 5145, 1650}, .font = {.face = Face::Mincho, .points = 80.25, .bold = true},
                  .foreColour = colours::kBlue},  // no back colour: transparent
    ControlDesign{.role = "titleGlyph", .kind = Kind::Picture, .rect = {6450, 225, 3315, 3465}, .picture = "title.gif"},
    ControlDesign{.role = "rayPicture", .kind = Kind::Picture, .rect = {15, 375, 7620, 5250}, .picture = "ray.gif"},
};

} // namespace sakana::menu

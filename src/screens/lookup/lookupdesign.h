// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screens/listdesign.h"

#include <array>

namespace sakana::lookup {

inline constexpr WindowDesign kWindow = list::window(u"魚しらべ");

// The line that shows the chosen fish's caption from the name list.
inline constexpr ControlDesign kCaptionLine{
    .role = "captionLine", .kind = Kind::Label, .rect = {3135, 6105, 5175, 570},
    .font = {.face = Face::Mincho, .points = 20.25}, .foreColour = colours::kWhite,
    .backColour = colours::kLightBlue, .align = Align::Centre, .border = true, .visible = false};

// The frame on which the chosen fish's picture is centred.
inline constexpr ControlDesign kFishPicture{
    .role = "fishPicture", .kind = Kind::Picture, .rect = {3150, 1005, 5130, 4830}, .visible = false};

// In stacking order: the first row lies on top.
inline constexpr std::array kControls{
    list::leaveButton("toMenuButton", u"メニュー", 9720, 2),
    list::leaveButton("toDrillButton", u"魚ドリル", 8160, 1),
    kCaptionLine,
    kFishPicture,
    list::heading("prompt", u"魚の名前を選んで下さい", {510, 225, 6285, 555}),
    list::kNames,
};

} // namespace sakana::lookup

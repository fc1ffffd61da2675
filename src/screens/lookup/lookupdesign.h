#pragma once

#include "ui/design.h"

#include <array>

namespace sakana::lookup {

inline constexpr WindowDesign kWindow{
    .caption = u"魚しらべ",
    .clientWidth = 11520,
    .clientHeight = 7200,
    .border = Border::FixedSingle,
    .backColour = colours::kDarkBlue,
    .backgroundPicture = "grid.gif",
};

inline constexpr FontDesign kButtonFont{.face = Face::PMincho, .points = 12};

// In stacking order: the first row lies on top.
inline constexpr std::array kControls{
    ControlDesign{.role = "toMenuButton", .kind = Kind::Button, .caption = u"メニュー",
                  .rect = {9720, 270, 1350, 480}, .font = kButtonFont, .backColour = colours::kSalmonPink,
                  .tabOrder = 2},
    ControlDesign{.role = "toDrillButton", .kind = Kind::Button, .caption = u"魚ドリル",
                  .rect = {8160, 270, 1350, 480}, .font = kButtonFont, .backColour = colours::kSalmonPink,
                  .tabOrder = 1},
    ControlDesign{.role = "captionLine", .kind = Kind::Label, .rect = {3135, 6105, 5175, 570},
                  .font = {.face = Face::Mincho, .points = 20.25}, .foreColour = colours::kWhite,
                  .backColour = colours::kLightBlue, .align = Align::Centre, .border = true, .visible = false},
    // The frame on which the chosen fish's picture is centred.
    ControlDesign{.role = "fishPicture", .kind = Kind::Picture, .rect = {3150, 1005, 5130, 4830}, .visible = false},
    ControlDesign{.role = "prompt", .kind = Kind::Label, .caption = u"魚の名前を選んで下さい",
                  .rect = {510, 225, 6285, 555}, .font = {.face = Face::Mincho, .points = 26.25, .bold = true},
                  .foreColour = colours::kYellow, .backColour = colours::kBlue},
    ControlDesign{.role = "names", .kind = Kind::NameGrid, .font = {.face = Face::Mincho, .points = 14.25},
                  .foreColour = colours::kWhite, .backColour = colours::kNameNormal},
};

} // namespace sakana::lookup

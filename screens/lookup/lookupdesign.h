#pragma once

#include "app/design.h"

#include <array>

namespace sakana::lookup {

inline constexpr WindowDesign kWindow{
    .caption = u"魚しらべ",
    .clientWidth = 11520,
    .clientHeight = 7200,
    .border = Border::FixedSingle,
    .backColour = 0xC00000,
    .backgroundPicture = "grid.gif",
};

inline constexpr FontDesign kButtonFont{.face = Face::PMincho, .points = 12};

// In stacking order: the first row lies on top.
inline constexpr std::array kControls{
    ControlDesign{.name = "Command2", .kind = Kind::Button, .caption = u"メニュー",
                  .rect = {9720, 270, 1350, 480}, .font = kButtonFont, .backColour = 0x8080FF, .tabOrder = 2},
    ControlDesign{.name = "Command1", .kind = Kind::Button, .caption = u"魚ドリル",
                  .rect = {8160, 270, 1350, 480}, .font = kButtonFont, .backColour = 0x8080FF, .tabOrder = 1},
    ControlDesign{.name = "Label3", .kind = Kind::Label, .rect = {3135, 6105, 5175, 570},
                  .font = {.face = Face::Mincho, .points = 20.25}, .foreColour = 0xFFFFFF, .backColour = 0xFF8080,
                  .align = Align::Centre, .border = true, .visible = false},
    ControlDesign{.name = "Image1", .kind = Kind::Picture, .rect = {3150, 1005, 5130, 4830}, .visible = false},
    ControlDesign{.name = "Label2", .kind = Kind::Label, .caption = u"魚の名前を選んで下さい",
                  .rect = {510, 225, 6285, 555}, .font = {.face = Face::Mincho, .points = 26.25, .bold = true},
                  .foreColour = 0x00FFFF, .backColour = 0xFF0000},
    ControlDesign{.name = "Label1", .kind = Kind::LabelArray, .font = {.face = Face::Mincho, .points = 14.25},
                  .foreColour = 0xFFFFFF, .backColour = 0xC00000},
};

} // namespace sakana::lookup

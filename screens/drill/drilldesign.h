#pragma once

#include "app/design.h"

#include <array>

namespace sakana::drill {

inline constexpr WindowDesign kWindow{
    .caption = u"魚ドリル",
    .clientWidth = 11520,
    .clientHeight = 7200,
    .border = Border::FixedSingle,
    .backColour = 0xC00000,
    .backgroundPicture = "grid.gif",
};

inline constexpr FontDesign kButtonFont{.face = Face::PMincho, .points = 12};
inline constexpr FontDesign kScoreFont{.face = Face::Mincho, .points = 24};

// In stacking order: the first row lies on top.
inline constexpr std::array kControls{
    ControlDesign{.name = "Command1", .kind = Kind::Button, .caption = u"魚しらべ",
                  .rect = {8160, 270, 1350, 480}, .font = kButtonFont, .backColour = 0x8080FF, .tabOrder = 1},
    ControlDesign{.name = "Command2", .kind = Kind::Button, .caption = u"メニュー",
                  .rect = {9720, 270, 1350, 480}, .font = kButtonFont, .backColour = 0x8080FF, .tabOrder = 0},
    ControlDesign{.name = "Label10", .kind = Kind::Label, .caption = u"不合格", .rect = {3675, 2820, 4305, 1425},
                  .font = {.face = Face::PMincho, .points = 66, .bold = true}, .foreColour = 0xFFFFFF,
                  .backColour = 0xFF00FF, .align = Align::Centre, .visible = false},
    ControlDesign{.name = "Image7", .kind = Kind::Picture, .rect = {9000, 870, 2355, 6045}, .visible = false},
    ControlDesign{.name = "Image6", .kind = Kind::Picture, .rect = {135, 855, 2370, 6090}, .visible = false},
    ControlDesign{.name = "Image5", .kind = Kind::Picture, .rect = {4380, 1890, 3030, 3750}, .visible = false,
                  .stretch = true},
    ControlDesign{.name = "Image3", .kind = Kind::Picture, .rect = {495, 225, 480, 480}, .picture = "restart.ico"},
    ControlDesign{.name = "Label7", .kind = Kind::Label, .caption = u"残", .rect = {2730, 6195, 1050, 570},
                  .font = {.face = Face::Mincho, .points = 24, .bold = true}, .foreColour = 0xFFFFFF,
                  .backColour = 0xC00000, .align = Align::Centre, .border = true},
    ControlDesign{.name = "Label3", .kind = Kind::Label, .rect = {3795, 6195, 1050, 570}, .font = kScoreFont,
                  .foreColour = 0xFFFFFF, .backColour = 0xFF0000, .align = Align::Centre, .border = true},
    ControlDesign{.name = "Label4", .kind = Kind::Label, .caption = u"正解率", .rect = {5145, 6195, 1830, 570},
                  .font = {.face = Face::PMincho, .points = 24}, .foreColour = 0xFFFFFF, .backColour = 0x8080FF,
                  .align = Align::Centre, .border = true},
    ControlDesign{.name = "Label5", .kind = Kind::Label, .rect = {6990, 6195, 1305, 570}, .font = kScoreFont,
                  .foreColour = 0xFFFFFF, .backColour = 0x0000FF, .align = Align::Centre, .border = true},
    ControlDesign{.name = "Label6", .kind = Kind::Label, .caption = u"％", .rect = {8310, 6195, 510, 570},
                  .font = kScoreFont, .foreColour = 0xFFFFFF, .backColour = 0x0000FF, .align = Align::Centre,
                  .border = true},
    ControlDesign{.name = "Image2", .kind = Kind::Picture, .rect = {4395, 2355, 3015, 2835}, .visible = false},
    ControlDesign{.name = "Image1", .kind = Kind::Picture, .rect = {3105, 915, 5415, 5010}},
    ControlDesign{.name = "Label1", .kind = Kind::LabelArray, .font = {.face = Face::Mincho, .points = 14.25},
                  .foreColour = 0xFFFFFF, .backColour = 0xC00000},
    ControlDesign{.name = "Label2", .kind = Kind::Label, .caption = u"この魚の名前は何ですか？",
                  .rect = {1110, 225, 6720, 555}, .font = {.face = Face::Mincho, .points = 26.25, .bold = true},
                  .foreColour = 0x00FFFF, .backColour = 0xFF0000},
};

} // namespace sakana::drill

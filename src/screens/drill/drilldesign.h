// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screens/listdesign.h"

#include <array>

namespace sakana::drill {

inline constexpr WindowDesign kWindow = list::window(u"魚ドリル");

inline constexpr FontDesign kScoreFont{.face = Face::Mincho, .points = 24};

// What the praise after a review round without a wrong answer reads.
inline constexpr const char16_t *kPraiseCaption = u"ぜんぶ せいかい！";

// In stacking order: the first row lies on top.
inline constexpr std::array kControls{
    list::leaveButton("toLookupButton", u"魚しらべ", 8160, 1),
    list::leaveButton("toMenuButton", u"メニュー", 9720, 0),
    // Shown over the grade when fish were missed: a round of only those.
    ControlDesign{.role = "reviewButton", .kind = Kind::Button, .caption = u"まちがえた 魚を もういちど",
                  .rect = {3795, 1110, 4200, 600}, .font = {.face = Face::PMincho, .points = 16},
                  .backColour = colours::kSalmonPink, .visible = false, .tabOrder = 2},
    // Shown instead of a medal after a failed quiz; a click starts again.
    ControlDesign{.role = "failNotice", .kind = Kind::Label, .caption = u"不合格", .rect = {3675, 2820, 4305, 1425},
                  .font = {.face = Face::PMincho, .points = 66, .bold = true}, .foreColour = colours::kWhite,
                  .backColour = colours::kMagenta, .align = Align::Centre, .visible = false},
    // Shown instead of a grade when a review round had no wrong answer.
    ControlDesign{.role = "praise", .kind = Kind::Label, .caption = kPraiseCaption, .rect = {2895, 3345, 6000, 840},
                  .font = {.face = Face::PMincho, .points = 32, .bold = true}, .foreColour = colours::kYellow,
                  .backColour = colours::kBlue, .align = Align::Centre, .visible = false},
    // Empty covers over the two columns of names once the quiz is over: they
    // take every click and pointer move there.
    ControlDesign{.role = "rightCover", .kind = Kind::Picture, .rect = {9000, 870, 2355, 6045}, .visible = false},
    ControlDesign{.role = "leftCover", .kind = Kind::Picture, .rect = {135, 855, 2370, 6090}, .visible = false},
    ControlDesign{.role = "medal", .kind = Kind::Picture, .rect = {4380, 1890, 3030, 3750}, .visible = false,
                  .stretch = true},
    ControlDesign{.role = "restartPicture", .kind = Kind::Picture, .rect = {495, 225, 480, 480},
                  .picture = "restart.ico"},
    ControlDesign{.role = "remainingCaption", .kind = Kind::Label, .caption = u"残", .rect = {2730, 6195, 1050, 570},
                  .font = {.face = Face::Mincho, .points = 24, .bold = true}, .foreColour = colours::kWhite,
                  .backColour = colours::kDarkBlue, .align = Align::Centre, .border = true},
    ControlDesign{.role = "remainingCount", .kind = Kind::Label, .rect = {3795, 6195, 1050, 570}, .font = kScoreFont,
                  .foreColour = colours::kWhite, .backColour = colours::kBlue, .align = Align::Centre,
                  .border = true},
    ControlDesign{.role = "scoreCaption", .kind = Kind::Label, .caption = u"正解率", .rect = {5145, 6195, 1830, 570},
                  .font = {.face = Face::PMincho, .points = 24}, .foreColour = colours::kWhite,
                  .backColour = colours::kSalmonPink, .align = Align::Centre, .border = true},
    ControlDesign{.role = "scorePercent", .kind = Kind::Label, .rect = {6990, 6195, 1305, 570}, .font = kScoreFont,
                  .foreColour = colours::kWhite, .backColour = colours::kRed, .align = Align::Centre,
                  .border = true},
    ControlDesign{.role = "percentSign", .kind = Kind::Label, .caption = u"％", .rect = {8310, 6195, 510, 570},
                  .font = kScoreFont, .foreColour = colours::kWhite, .backColour = colours::kRed,
                  .align = Align::Centre, .border = true},
    ControlDesign{.role = "answerMark", .kind = Kind::Picture, .rect = {4395, 2355, 3015, 2835}, .visible = false},
    // The frame on which each question's picture is centred.
    ControlDesign{.role = "questionPicture", .kind = Kind::Picture, .rect = {3105, 915, 5415, 5010}},
    list::kNames,
    list::heading("question", u"この魚の名前は何ですか？", {1110, 225, 6720, 555}),
};

} // namespace sakana::drill

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

namespace sakana {

// The six sounds the media folder holds.
enum class Sound {
    Button,  // a button that changes the screen
    Name,    // a click on a fish's name, and every new question
    Right,   // a right answer
    Wrong,   // a wrong answer
    Pass,    // a quiz passed with a medal
    Fail,    // a quiz failed
};
inline constexpr std::array kAllSounds{Sound::Button, Sound::Name,  Sound::Right,
                                       Sound::Wrong,  Sound::Pass, Sound::Fail};

} // namespace sakana

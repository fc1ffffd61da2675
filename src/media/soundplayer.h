// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "media/sound.h"

namespace sakana {

// Plays the program's sounds. play() returns at once while the sound goes on,
// on its line of SoundBank::lineOf(): a new sound cuts off the one still
// playing on its line. Playing a sound again starts it from its beginning.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const Sound &sound) = 0;
};

// A sound player whose sound system starts on prepare(), or at the first
// play() if that comes sooner. Only the first call of prepare() does anything.
class StartableSoundPlayer : public SoundPlayer {
public:
    virtual void prepare() = 0;
};

} // namespace sakana

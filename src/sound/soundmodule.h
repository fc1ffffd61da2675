// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "media/mediafolder.h"
#include "media/soundplayer.h"

#include <QLibrary>
#include <QString>
#include <memory>

namespace sakana {

// What the sound module exports, under kSoundModuleFactory: a function that
// makes the real sound player for a media folder (the caller owns it).
using SoundModuleFactory = StartableSoundPlayer *(*)(const MediaFolder *media);
inline constexpr char kSoundModuleFactory[] = "sakana_make_sound_player";

// The program's sound player. The real one, with everything it needs of the
// sound system, lives in a module of its own that prepare() loads, so that
// none of it is loaded before the first window is on the screen. Until then,
// and for good when the module cannot be loaded, it is silent; a module that
// cannot be loaded is said once (logging category sakana.sound) and the
// program goes on.
class ModuleSoundPlayer final : public StartableSoundPlayer {
public:
    ModuleSoundPlayer(MediaFolder media, QString modulePath);
    ~ModuleSoundPlayer() override;

    // Loads the module and prepares its player; only the first call does
    // anything.
    void prepare() override;
    // Prepares first, so that no sound is lost.
    void play(const Sound &sound) override;

private:
    MediaFolder media_;
    bool prepared_ = false;
    // Never unloaded: the sound system's threads may outlive the player.
    QLibrary module_;
    std::unique_ptr<StartableSoundPlayer> player_;
};

} // namespace sakana

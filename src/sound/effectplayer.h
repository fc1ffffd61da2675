// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "media/mediafolder.h"
#include "media/soundplayer.h"

#include <QString>
#include <array>
#include <memory>
#include <optional>

class QSoundEffect;

namespace sakana {

// The sound player of the program, on short WAV effects. Making it touches
// no audio at all, so that the first window is not kept waiting for the
// sound system; prepare() then looks for a device and decodes each of the six
// sounds once, to keep them, so that a click sounds at once. A play() before
// prepare() prepares first, so that no sound is lost. Without an audio
// device, or with a missing or unreadable file, the sound stays silent and
// the program goes on; that is said once on stderr, not at every click.
class EffectSoundPlayer final : public StartableSoundPlayer {
public:
    explicit EffectSoundPlayer(const MediaFolder &media);
    ~EffectSoundPlayer() override;

    // Looks for an audio device and starts decoding the six sounds; only the
    // first call does anything.
    void prepare() override;
    void play(Sound sound) override;

private:
    struct Effect;
    Effect &effect(Sound sound);
    void warnOnce(Effect &effect);

    MediaFolder media_;
    bool prepared_ = false;
    bool hasDevice_ = false;
    // Empty until a sound is first asked for. (No braces: they would make the
    // constructor destroy effects, which only the source file knows.)
    std::array<std::unique_ptr<Effect>, kAllSounds.size()> effects_;
    // What each of the two lines is playing: the name click's, and the rest's.
    std::optional<Sound> nameLine_;
    std::optional<Sound> otherLine_;
};

} // namespace sakana

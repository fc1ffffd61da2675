// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "media/mediafolder.h"
#include "media/soundbank.h"
#include "media/soundplayer.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

class QSoundEffect;

namespace sakana {

// The sound player of the program, on short WAV effects. Making it touches
// no audio at all, so that the first window is not kept waiting for the
// sound system; prepare() then looks for a device, reads and checks each sound
// of the folder once (a SoundBank) and decodes it, to keep it, so that a
// click sounds at once. A play() before
// prepare() prepares first, so that no sound is lost. Without an audio
// device, or with a missing or unreadable file, the sound stays silent and
// the program goes on; that is said once on stderr, not at every click.
class EffectSoundPlayer final : public StartableSoundPlayer {
public:
    explicit EffectSoundPlayer(const MediaFolder &media);
    ~EffectSoundPlayer() override;

    // Looks for an audio device and starts decoding the sounds; only the
    // first call does anything.
    void prepare() override;
    void play(const Sound &sound) override;

private:
    struct Effect;
    std::unique_ptr<Effect> makeEffect(const BankedSound &banked);
    void warnOnce(Effect &effect);

    MediaFolder media_;
    bool prepared_ = false;
    bool hasDevice_ = false;
    // Made by prepare() when there is a device: a sound of the bank each, in
    // its order. (No braces: they would make the constructor destroy
    // effects, which only the source file knows.)
    std::unique_ptr<const SoundBank> bank_;
    std::vector<std::unique_ptr<Effect>> effects_;
    // What each line is playing: its place in the bank.
    std::array<std::optional<std::size_t>, SoundBank::kLines> lines_;
};

} // namespace sakana

#pragma once

#include "media/mediafolder.h"
#include "media/soundplayer.h"

#include <QString>
#include <array>
#include <memory>
#include <optional>

class QSoundEffect;

namespace sakana {

// The sound player of the program, on short WAV effects. Each of the six
// sounds is decoded once, ahead of its first use, and kept, so that a click
// sounds at once. Without an audio device, or with a missing or unreadable
// file, the sound stays silent and the program goes on; that is said once on
// stderr, not at every click.
class EffectSoundPlayer final : public SoundPlayer {
public:
    explicit EffectSoundPlayer(const MediaFolder &media);
    ~EffectSoundPlayer() override;

    void play(Sound sound) override;

private:
    struct Effect;
    Effect &effect(Sound sound);
    void warnOnce(Effect &effect);

    MediaFolder media_;
    bool hasDevice_ = false;
    std::array<std::unique_ptr<Effect>, kAllSounds.size()> effects_{};
    // What each of the two lines is playing: the name click's, and the rest's.
    std::optional<Sound> nameLine_;
    std::optional<Sound> otherLine_;
};

} // namespace sakana

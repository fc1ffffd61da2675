// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "media/mediafolder.h"
#include "media/soundbank.h"
#include "media/soundplayer.h"

#include <QByteArray>
#include <array>
#include <chrono>
#include <memory>

namespace sakana {

// The sound player of the program on Windows, on the system's own wave-out
// output (winmm). prepare() reads and checks each sound of the folder once,
// keeping their samples in memory (a SoundBank). Each play opens an output of
// its own for the sound's line, in the sound's format, and hands it the whole
// sound: the system plays it while the program goes on. A new sound on a line
// closes the output still playing there, cutting it off; a sound of the
// effects' line cuts off the voice too. A voice waits until the sounds playing
// on the other lines have ended: silence of that length goes first on its
// output.
//
// A missing, unreadable or unplayable sound stays silent, said once on
// stderr. Without an audio device (the output cannot be opened) the program
// stays silent and says so once, and every play returns at once; when a
// device is there again, the next play is heard.
class WaveOutSoundPlayer final : public StartableSoundPlayer {
public:
    explicit WaveOutSoundPlayer(const MediaFolder &media);
    ~WaveOutSoundPlayer() override;

    void prepare() override;
    void play(const Sound &sound) override;

private:
    using Clock = std::chrono::steady_clock;
    struct Output;

    void stop(std::size_t line);

    MediaFolder media_;
    bool prepared_ = false;
    std::unique_ptr<SoundBank> bank_;
    // What each line plays, with when it will have been heard.
    std::array<std::unique_ptr<Output>, SoundBank::kLines> lines_;
    std::array<Clock::time_point, SoundBank::kLines> endsAt_{};
    // Whether being without a device has been said since one was last there.
    bool silenceSaid_ = false;
};

} // namespace sakana

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "media/mediafolder.h"
#include "media/soundplayer.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <chrono>
#include <optional>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

namespace sakana {

// The sound player of the program on the sound server of a Linux desktop.
// Making it touches no audio at all, so that the first window is not kept
// waiting; prepare() reads and checks each of the six sounds once, keeping
// their samples in memory, and starts connecting to the server on a thread
// of its own. Each play writes the whole sound to a new stream of the
// server, which starts it at once.
//
// A missing, unreadable or unplayable sound stays silent, said once on
// stderr. Without a server the program stays silent and says so once; when
// the server goes away, once again. A play() while there is none tries to
// connect again, at most once a second and without waiting for it: when the
// server is back, that sound plays as soon as the connection stands.
class PulseSoundPlayer final : public StartableSoundPlayer {
public:
    explicit PulseSoundPlayer(const MediaFolder &media);
    ~PulseSoundPlayer() override;

    void prepare() override;
    void play(Sound sound) override;

private:
    using Clock = std::chrono::steady_clock;

    // One of the six sounds, read once.
    struct Effect {
        bool playable = false;
        quint32 format = 0;  // pa_sample_format_t
        quint32 rate = 0;
        quint8 channels = 0;
        // The checked samples, whole frames.
        QByteArray samples;
    };
    // What a line is playing or about to play.
    struct Line {
        pa_stream *stream = nullptr;
        // What the stream plays, and how much of it the server has.
        const QByteArray *samples = nullptr;
        qsizetype written = 0;
        // A sound asked for while the server was being connected to.
        std::optional<Sound> pending;
        Clock::time_point askedAt;
    };

    Line &lineOf(Sound sound) { return sound == Sound::Name ? lines_[0] : lines_[1]; }
    // The rest run on the sound thread, or with it locked.
    void connectSoon();
    void connectNow();
    void contextChanged();
    void start(Line &line, Sound sound);
    static void stop(Line &line);

    MediaFolder media_;
    bool prepared_ = false;
    std::array<Effect, kAllSounds.size()> effects_;
    std::array<Line, 2> lines_;
    pa_threaded_mainloop *loop_ = nullptr;
    pa_context *context_ = nullptr;
    // When a connection was last tried: tried again a second later at most.
    bool tried_ = false;
    Clock::time_point lastTry_;
    // Whether being without the server has been said since it was last there.
    bool silenceSaid_ = false;
};

} // namespace sakana

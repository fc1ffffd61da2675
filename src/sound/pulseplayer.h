// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "media/mediafolder.h"
#include "media/soundbank.h"
#include "media/soundplayer.h"

#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <chrono>
#include <memory>
#include <optional>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

namespace sakana {

// The sound player of the program on the sound server of a Linux desktop.
// Making it touches no audio at all, so that the first window is not kept
// waiting; prepare() reads and checks each sound of the folder once, keeping
// their samples in memory (a SoundBank), and starts connecting to the server
// on a thread of its own. Each play writes the whole sound to a new stream
// of the server, which starts it at once.
//
// A missing, unreadable or unplayable sound stays silent, said once on
// stderr. Without a server the program stays silent and says so once; when
// the server goes away, once again. A connection that fails for another
// reason (the sound system out of memory, the server refusing the program)
// is said in the same one line, with that reason. A play() while there is none tries to
// connect again, at most once a second and without waiting for it: when the
// server is back, that sound plays as soon as the connection stands.
// The line a failed connection is said in, by the client library's error
// (PA_ERR_...) and the system's (errno) when it failed: no server, or what
// else went wrong.
QByteArray connectionFailureLine(int serverError, int systemError);

class PulseSoundPlayer final : public StartableSoundPlayer {
public:
    explicit PulseSoundPlayer(const MediaFolder &media);
    ~PulseSoundPlayer() override;

    void prepare() override;
    void play(const Sound &sound) override;

private:
    using Clock = std::chrono::steady_clock;

    // What a line is playing or about to play.
    struct Line {
        pa_stream *stream = nullptr;
        // What the stream plays (the bank's samples), and how much of it
        // the server has.
        QByteArrayView samples;
        qsizetype written = 0;
        // The silence written before a voice, in bytes (counted in `written`).
        qsizetype lead = 0;
        // When what the line plays will have been heard.
        Clock::time_point endsAt;
        // A sound asked for while the server was being connected to: its
        // place in the bank.
        std::optional<std::size_t> pending;
        Clock::time_point askedAt;
    };

    // The rest run on the sound thread, or with it locked.
    void connectSoon();
    void connectNow();
    void contextChanged();
    // Says why the program is silent, once until a connection stands.
    void say(const QByteArray &line);
    void start(Line &line, std::size_t sound);
    static void stop(Line &line);

    MediaFolder media_;
    bool prepared_ = false;
    // Made by prepare(); after that only a voice not yet heard is read into
    // it, which the sound thread cannot be reading.
    std::unique_ptr<SoundBank> bank_;
    std::array<Line, SoundBank::kLines> lines_;
    pa_threaded_mainloop *loop_ = nullptr;
    pa_context *context_ = nullptr;
    // When a connection was last tried: tried again a second later at most.
    bool tried_ = false;
    Clock::time_point lastTry_;
    // Whether being without the server has been said since it was last there.
    bool silenceSaid_ = false;
};

} // namespace sakana

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/pulseplayer.h"

#include "sound/logging.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace sakana {

namespace {

using namespace std::chrono_literals;

// How much the server keeps ahead of what is heard: small, so that a sound
// starts at once and stops at once when the next one cuts it off.
constexpr pa_usec_t kBufferedMicroseconds = 50'000;
// A sound asked for while the server was being connected to is played when
// the connection stands only if that is still close to the click.
constexpr auto kStillTimely = 500ms;
constexpr auto kRetryPause = 1s;
// How much of a sound the server is given at a time (some six seconds of the
// shipped sounds), at most what it keeps for a stream.
constexpr qsizetype kWrittenAhead = 512 * 1024;

pa_sample_format_t sampleFormat(const WaveFormat &format)
{
    if (format.encoding == WaveFormat::Encoding::Float)
        return format.bitsPerSample == 32 ? PA_SAMPLE_FLOAT32LE : PA_SAMPLE_INVALID;
    switch (format.bitsPerSample) {
    case 8: return PA_SAMPLE_U8;
    case 16: return PA_SAMPLE_S16LE;
    case 24: return PA_SAMPLE_S24LE;
    case 32: return PA_SAMPLE_S32LE;
    default: return PA_SAMPLE_INVALID;
    }
}

// How the server is to play a sound, or nothing when it cannot.
std::optional<pa_sample_spec> streamSpec(const BankedSound &sound)
{
    if (!sound.wave)
        return std::nullopt;
    const WaveFormat &format = sound.wave->format;
    const pa_sample_spec spec{sampleFormat(format), format.sampleRate, quint8(format.channels)};
    return pa_sample_spec_valid(&spec) ? std::optional(spec) : std::nullopt;
}

} // namespace

QByteArray connectionFailureLine(int serverError, int systemError)
{
    switch (serverError) {
    case PA_ERR_CONNECTIONREFUSED:
    case PA_ERR_NOENTITY:
    case PA_ERR_INVALIDSERVER:
    case PA_ERR_TIMEOUT:
    case PA_ERR_CONNECTIONTERMINATED:
    case PA_ERR_KILLED:
        return "no sound server; the program is silent until one is there";
    case PA_ERR_ACCESS:
    case PA_ERR_AUTHKEY:
        return QByteArray("the sound server refuses the program (") + pa_strerror(serverError) +
               "); the program is silent until it is let in";
    default:
        break;
    }
    // The client library reports memory of the server's it cannot map as a
    // protocol error; the system's error says why.
    if (systemError == ENOMEM)
        return QByteArray("the sound system is out of memory (") + pa_strerror(serverError) +
               "); the program is silent until it can connect again";
    return QByteArray("the connection to the sound server failed (") + pa_strerror(serverError) +
           "); the program is silent until it can connect again";
}

PulseSoundPlayer::PulseSoundPlayer(const MediaFolder &media) : media_(media) {}

PulseSoundPlayer::~PulseSoundPlayer()
{
    if (!loop_)
        return;
    pa_threaded_mainloop_lock(loop_);
    for (Line &line : lines_)
        stop(line);
    if (context_) {
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        context_ = nullptr;
    }
    pa_threaded_mainloop_unlock(loop_);
    pa_threaded_mainloop_stop(loop_);
    pa_threaded_mainloop_free(loop_);
}

void PulseSoundPlayer::prepare()
{
    if (prepared_)
        return;
    prepared_ = true;
    bank_ = std::make_unique<SoundBank>(media_, SoundBank::Reading::VoicesWhenNeeded);
    for (const BankedSound &sound : bank_->sounds()) {
        if (sound.read && !streamSpec(sound))
            saySilent(sound);
    }

    loop_ = pa_threaded_mainloop_new();
    if (!loop_ || pa_threaded_mainloop_start(loop_) < 0) {
        if (loop_)
            pa_threaded_mainloop_free(loop_);
        loop_ = nullptr;
        // Its main loop and thread are all it needs at first.
        qCWarning(lcSound, "the sound system cannot start (out of memory or of threads); the program runs without sound");
        return;
    }
    pa_threaded_mainloop_lock(loop_);
    connectSoon();
    pa_threaded_mainloop_unlock(loop_);
}

void PulseSoundPlayer::play(const Sound &sound)
{
    prepare();
    if (!loop_)
        return;
    const std::optional<std::size_t> index = bank_->indexOf(sound);
    // A voice is read when first heard; the sound thread only ever reads
    // sounds that are playing, and this one cannot be yet.
    if (index && !bank_->sounds()[*index].read && !streamSpec(bank_->need(*index)))
        saySilent(bank_->sounds()[*index]);
    pa_threaded_mainloop_lock(loop_);
    const std::size_t lineNo = SoundBank::lineOf(sound);
    Line &line = lines_[lineNo];
    stop(line);
    line.pending.reset();
    if (lineNo == SoundBank::kEffectLine) {
        stop(lines_[SoundBank::kVoiceLine]);
        lines_[SoundBank::kVoiceLine].pending.reset();
    }
    if (index && streamSpec(bank_->sounds()[*index])) {
        if (context_ && pa_context_get_state(context_) == PA_CONTEXT_READY) {
            start(line, *index);
        } else {
            line.pending = index;
            line.askedAt = Clock::now();
            connectSoon();
        }
    }
    pa_threaded_mainloop_unlock(loop_);
}

void PulseSoundPlayer::connectSoon()
{
    if (context_)
        return;
    const Clock::time_point now = Clock::now();
    if (tried_ && now - lastTry_ < kRetryPause)
        return;
    tried_ = true;
    lastTry_ = now;
    // Connecting is left to the sound thread, so that a click never waits
    // for the server.
    pa_mainloop_api_once(
        pa_threaded_mainloop_get_api(loop_),
        [](pa_mainloop_api *, void *self) { static_cast<PulseSoundPlayer *>(self)->connectNow(); }, this);
}

void PulseSoundPlayer::connectNow()
{
    if (context_)
        return;
    pa_proplist *properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "sakana");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, "io.github.sakana.Sakana");
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "event");
    context_ = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_), "sakana", properties);
    pa_proplist_free(properties);
    // Making a context fails only when its memory pool cannot be had.
    if (!context_) {
        say("the sound system is out of memory (no memory pool); the program is silent until it can connect again");
        return;
    }
    pa_context_set_state_callback(
        context_, [](pa_context *, void *self) { static_cast<PulseSoundPlayer *>(self)->contextChanged(); }, this);
    // Never a server of our own, which would outlive the program. A failure
    // comes through contextChanged().
    pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
}

void PulseSoundPlayer::contextChanged()
{
    const int systemError = errno;
    switch (pa_context_get_state(context_)) {
    case PA_CONTEXT_READY:
        silenceSaid_ = false;
        for (Line &line : lines_) {
            if (line.pending && Clock::now() - line.askedAt < kStillTimely)
                start(line, *line.pending);
            line.pending.reset();
        }
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED: {
        for (Line &line : lines_) {
            stop(line);
            line.pending.reset();
        }
        const QByteArray line = connectionFailureLine(pa_context_errno(context_), systemError);
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_unref(context_);
        context_ = nullptr;
        say(line);
        break;
    }
    default:
        break;
    }
}

void PulseSoundPlayer::say(const QByteArray &line)
{
    if (silenceSaid_)
        return;
    silenceSaid_ = true;
    qCWarning(lcSound, "%s", line.constData());
}

void PulseSoundPlayer::start(Line &line, std::size_t sound)
{
    const BankedSound &banked = bank_->sounds()[sound];
    const pa_sample_spec spec = *streamSpec(banked);
    pa_channel_map channels;
    pa_channel_map_init_extend(&channels, spec.channels, PA_CHANNEL_MAP_DEFAULT);
    pa_stream *stream = pa_stream_new(context_, "sakana", &spec, &channels);
    if (!stream)
        return;
    line.stream = stream;
    line.samples = banked.wave->samples;
    line.written = 0;
    // A voice waits, in silence written before it, until the other lines
    // have played out what they play.
    const Clock::time_point now = Clock::now();
    Clock::duration wait{};
    if (&line == &lines_[SoundBank::kVoiceLine]) {
        for (const Line &other : lines_) {
            if (&other != &line && other.stream && other.endsAt > now)
                wait = std::max(wait, other.endsAt - now);
        }
    }
    const auto waitMicroseconds = std::chrono::duration_cast<std::chrono::microseconds>(wait).count();
    line.lead = qsizetype(pa_usec_to_bytes(pa_usec_t(waitMicroseconds), &spec));
    line.endsAt = now + wait +
                  std::chrono::microseconds(pa_bytes_to_usec(std::uint64_t(line.samples.size()), &spec));

    // The server asks for samples as it plays; it gets them until the sound
    // is written out, and then plays what it has to the end.
    pa_stream_set_write_callback(
        stream,
        [](pa_stream *s, size_t room, void *data) {
            auto &line = *static_cast<Line *>(data);
            if (line.stream != s)
                return;
            const QByteArrayView samples = line.samples;
            const qsizetype total = line.lead + samples.size();
            // More than asked for, so that a busy machine cannot starve the
            // sound; what is not heard yet goes when the sound is cut off.
            qsizetype size = std::min(std::max(qsizetype(room), kWrittenAhead), total - line.written);
            while (size > 0) {
                // The silence before a voice, then the sound itself.
                const bool silence = line.written < line.lead;
                const qsizetype part = silence ? std::min(size, line.lead - line.written) : size;
                if (silence) {
                    void *buffer = nullptr;
                    size_t bufferSize = size_t(part);
                    if (pa_stream_begin_write(s, &buffer, &bufferSize) < 0 || !buffer)
                        break;
                    std::memset(buffer, 0, bufferSize);
                    if (pa_stream_write(s, buffer, bufferSize, nullptr, 0, PA_SEEK_RELATIVE) < 0)
                        break;
                    line.written += qsizetype(bufferSize);
                    size -= qsizetype(bufferSize);
                    continue;
                }
                if (pa_stream_write(s, samples.constData() + (line.written - line.lead), size_t(part), nullptr, 0,
                                    PA_SEEK_RELATIVE) < 0)
                    break;
                line.written += part;
                size -= part;
            }
            if (line.written < total)
                return;
            pa_stream_set_write_callback(s, nullptr, nullptr);
            if (pa_operation *drain = pa_stream_drain(
                    s,
                    [](pa_stream *s, int, void *data) {
                        auto &line = *static_cast<Line *>(data);
                        if (line.stream == s)
                            stop(line);
                    },
                    &line))
                pa_operation_unref(drain);
        },
        &line);
    pa_stream_set_state_callback(
        stream,
        [](pa_stream *s, void *data) {
            auto &line = *static_cast<Line *>(data);
            const pa_stream_state_t state = pa_stream_get_state(s);
            if (line.stream == s && (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED))
                stop(line);
        },
        &line);

    pa_buffer_attr buffer;
    buffer.maxlength = std::uint32_t(-1);
    buffer.tlength = std::uint32_t(pa_usec_to_bytes(kBufferedMicroseconds, &spec));
    buffer.prebuf = std::uint32_t(-1);
    buffer.minreq = std::uint32_t(-1);
    buffer.fragsize = std::uint32_t(-1);
    if (pa_stream_connect_playback(stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0)
        stop(line);
}

void PulseSoundPlayer::stop(Line &line)
{
    pa_stream *stream = line.stream;
    if (!stream)
        return;
    line.stream = nullptr;
    pa_stream_set_write_callback(stream, nullptr, nullptr);
    pa_stream_set_state_callback(stream, nullptr, nullptr);
    if (pa_stream_get_state(stream) == PA_STREAM_READY || pa_stream_get_state(stream) == PA_STREAM_CREATING)
        pa_stream_disconnect(stream);
    pa_stream_unref(stream);
}

} // namespace sakana

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/waveoutplayer.h"

#include "sound/logging.h"

#include <windows.h>
#include <mmreg.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstring>

namespace sakana {

namespace {

// The sample kinds of the extensible format (KSDATAFORMAT_SUBTYPE_PCM and
// _IEEE_FLOAT), spelled out so that no GUID library is needed.
constexpr GUID kSubtypePcm{0x00000001, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
constexpr GUID kSubtypeFloat{0x00000003, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// The output's description of a sound's format: the plain kinds for one or
// two channels of 8 or 16 bits or of floats, the extensible one otherwise.
WAVEFORMATEXTENSIBLE outputFormat(const WaveFormat &format)
{
    WAVEFORMATEXTENSIBLE out{};
    WAVEFORMATEX &plain = out.Format;
    plain.nChannels = format.channels;
    plain.nSamplesPerSec = format.sampleRate;
    plain.wBitsPerSample = format.bitsPerSample;
    plain.nBlockAlign = WORD(format.frameBytes());
    plain.nAvgBytesPerSec = format.sampleRate * plain.nBlockAlign;
    const bool isFloat = format.encoding == WaveFormat::Encoding::Float;
    if (format.channels <= 2 && (isFloat || format.bitsPerSample <= 16)) {
        plain.wFormatTag = isFloat ? WAVE_FORMAT_IEEE_FLOAT : WAVE_FORMAT_PCM;
        plain.cbSize = 0;
        return out;
    }
    plain.wFormatTag = WAVE_FORMAT_EXTENSIBLE;
    plain.cbSize = sizeof(WAVEFORMATEXTENSIBLE) - sizeof(WAVEFORMATEX);
    out.Samples.wValidBitsPerSample = format.bitsPerSample;
    // The first channels of the usual speaker order.
    out.dwChannelMask = format.channels >= 32 ? 0xffffffffu : (1u << format.channels) - 1u;
    out.SubFormat = isFloat ? kSubtypeFloat : kSubtypePcm;
    return out;
}

} // namespace

// One opened output with what it has been handed: the silence before a voice
// (when there is one) and the sound's samples, which stay in the bank.
struct WaveOutSoundPlayer::Output {
    HWAVEOUT device = nullptr;
    QByteArray lead;
    WAVEHDR leadHeader{};
    WAVEHDR soundHeader{};

    ~Output()
    {
        // Stops the playing at once and hands the buffers back before they
        // are let go of.
        waveOutReset(device);
        if (leadHeader.dwFlags & WHDR_PREPARED)
            waveOutUnprepareHeader(device, &leadHeader, sizeof leadHeader);
        if (soundHeader.dwFlags & WHDR_PREPARED)
            waveOutUnprepareHeader(device, &soundHeader, sizeof soundHeader);
        waveOutClose(device);
    }
};

WaveOutSoundPlayer::WaveOutSoundPlayer(const MediaFolder &media) : media_(media) {}

WaveOutSoundPlayer::~WaveOutSoundPlayer() = default;

void WaveOutSoundPlayer::prepare()
{
    if (prepared_)
        return;
    prepared_ = true;
    bank_ = std::make_unique<SoundBank>(media_, SoundBank::Reading::VoicesWhenNeeded);
    for (const BankedSound &sound : bank_->sounds()) {
        if (sound.read && !sound.wave)
            saySilent(sound);
    }
}

void WaveOutSoundPlayer::stop(std::size_t line)
{
    lines_[line].reset();
    endsAt_[line] = {};
}

void WaveOutSoundPlayer::play(const Sound &sound)
{
    prepare();
    const std::size_t line = SoundBank::lineOf(sound);
    stop(line);
    if (line == SoundBank::kEffectLine)
        stop(SoundBank::kVoiceLine);

    const std::optional<std::size_t> index = bank_->indexOf(sound);
    if (!index)
        return;
    if (!bank_->sounds()[*index].read && !bank_->need(*index).wave)
        saySilent(bank_->sounds()[*index]);
    const BankedSound &banked = bank_->sounds()[*index];
    if (!banked.wave || banked.wave->samples.isEmpty())
        return;
    const Wave &wave = *banked.wave;

    auto output = std::make_unique<Output>();
    WAVEFORMATEXTENSIBLE format = outputFormat(wave.format);
    const MMRESULT opened = waveOutOpen(&output->device, WAVE_MAPPER, &format.Format, 0, 0, CALLBACK_NULL);
    if (opened != MMSYSERR_NOERROR) {
        output->device = nullptr;
        if (!silenceSaid_) {
            silenceSaid_ = true;
            char reason[MAXERRORLENGTH] = {};
            waveOutGetErrorTextA(opened, reason, sizeof reason);
            qCWarning(lcSound, "no audio output (%s); the program is silent until there is one", reason);
        }
        return;
    }
    silenceSaid_ = false;

    const Clock::time_point now = Clock::now();
    Clock::duration wait{};
    if (line == SoundBank::kVoiceLine) {
        for (std::size_t other = 0; other < SoundBank::kLines; ++other) {
            if (other != line && lines_[other] && endsAt_[other] > now)
                wait = std::max(wait, endsAt_[other] - now);
        }
    }
    const qsizetype frame = wave.format.frameBytes();
    const qsizetype leadFrames =
        qsizetype(std::chrono::duration<double>(wait).count() * wave.format.sampleRate);
    if (leadFrames > 0) {
        // Silence is the middle value for unsigned 8-bit samples, zero otherwise.
        output->lead = QByteArray(leadFrames * frame, wave.format.bitsPerSample == 8 ? char(0x80) : char(0));
        output->leadHeader.lpData = output->lead.data();
        output->leadHeader.dwBufferLength = DWORD(output->lead.size());
        if (waveOutPrepareHeader(output->device, &output->leadHeader, sizeof(WAVEHDR)) == MMSYSERR_NOERROR)
            waveOutWrite(output->device, &output->leadHeader, sizeof(WAVEHDR));
    }
    // The system only reads the samples.
    output->soundHeader.lpData = const_cast<LPSTR>(wave.samples.data());
    output->soundHeader.dwBufferLength = DWORD(wave.samples.size());
    if (waveOutPrepareHeader(output->device, &output->soundHeader, sizeof(WAVEHDR)) != MMSYSERR_NOERROR ||
        waveOutWrite(output->device, &output->soundHeader, sizeof(WAVEHDR)) != MMSYSERR_NOERROR)
        return;
    endsAt_[line] = now + wait + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(wave.seconds()));
    lines_[line] = std::move(output);
}

} // namespace sakana

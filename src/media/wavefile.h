// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "media/mediaerror.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>
#include <variant>

namespace sakana {

// How the samples of a WAV sound are laid out, as its format block says.
struct WaveFormat {
    enum class Encoding { Integer, Float };
    // The format tag as written (1 integer PCM, 3 float, 0xFFFE extensible).
    quint16 tag = 0;
    // What the samples are, the extensible kind resolved.
    Encoding encoding = Encoding::Integer;
    quint16 channels = 0;
    quint32 sampleRate = 0;
    quint32 byteRate = 0;
    quint16 blockAlign = 0;
    quint16 bitsPerSample = 0;

    // Bytes of one sample frame (every channel once).
    qsizetype frameBytes() const { return qsizetype(channels) * (bitsPerSample / 8); }
};

// A sound the program's sound player can play: its format and its samples,
// whole frames only (a view into the bytes it was read from).
struct Wave {
    WaveFormat format;
    QByteArrayView samples;

    double seconds() const { return double(samples.size()) / double(format.frameBytes() * format.sampleRate); }
};

// The one reader of the program's sounds: a RIFF WAVE file of integer PCM of
// 8, 16, 24 or 32 bits or of 32-bit floats, at most 32 channels and 384,000
// samples a second, with at least one whole sample frame in its data and
// every sample its data chunk claims. Only the bytes up to the end of the
// data chunk are looked at. Gives the sound, or why it cannot be played.
std::variant<Wave, MediaError::Problem> readWave(const QByteArray &bytes);

} // namespace sakana

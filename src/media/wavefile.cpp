// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/wavefile.h"

#include <QtEndian>

namespace sakana {

std::variant<Wave, MediaError::Problem> readWave(const QByteArray &bytes)
{
    using Problem = MediaError::Problem;
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return Problem::NotAWave;
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    std::optional<WaveFormat> format;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(data + at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > bytes.size())
                return Problem::WaveFormatCutShort;
            WaveFormat f;
            f.tag = qFromLittleEndian<quint16>(data + body);
            f.channels = qFromLittleEndian<quint16>(data + body + 2);
            f.sampleRate = qFromLittleEndian<quint32>(data + body + 4);
            f.byteRate = qFromLittleEndian<quint32>(data + body + 8);
            f.blockAlign = qFromLittleEndian<quint16>(data + body + 12);
            f.bitsPerSample = qFromLittleEndian<quint16>(data + body + 14);
            constexpr quint16 kPcm = 1, kFloat = 3, kExtensible = 0xFFFE;
            quint16 kind = f.tag;
            // The extensible block names the real kind in the first two
            // bytes of its sub-format.
            if (kind == kExtensible)
                kind = size >= 40 && body + 40 <= bytes.size() ? qFromLittleEndian<quint16>(data + body + 24) : 0;
            f.encoding = kind == kFloat ? WaveFormat::Encoding::Float : WaveFormat::Encoding::Integer;
            const bool bitsFit = kind == kPcm     ? f.bitsPerSample == 8 || f.bitsPerSample == 16 ||
                                                        f.bitsPerSample == 24 || f.bitsPerSample == 32
                                 : kind == kFloat ? f.bitsPerSample == 32
                                                  : false;
            if (!bitsFit || f.channels == 0 || f.channels > 32 || f.sampleRate == 0 || f.sampleRate > 384000)
                return Problem::WaveFormatUnplayable;
            format = f;
        } else if (id == "data") {
            if (!format)
                return Problem::WaveWithoutFormat;
            const qsizetype frames = qsizetype(size) / format->frameBytes();
            if (frames == 0 || body >= bytes.size())
                return Problem::WaveWithoutSamples;
            // Samples that the file only claims to have would never come.
            if (body + qsizetype(size) > bytes.size())
                return Problem::WaveCutShort;
            return Wave{*format, QByteArrayView(bytes).sliced(body, frames * format->frameBytes())};
        }
        at = body + qsizetype(size) + (size & 1);
    }
    return Problem::WaveCutShort;
}

} // namespace sakana

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/wavefile.h"

#include <QCoreApplication>
#include <QtEndian>

namespace sakana {

std::variant<Wave, QString> readWave(const QByteArray &bytes)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return QCoreApplication::translate("MediaCheck", "not a WAV sound");
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    std::optional<WaveFormat> format;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(data + at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > bytes.size())
                return QCoreApplication::translate("MediaCheck", "the sound's format block is cut short");
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
                return QCoreApplication::translate("MediaCheck", "the sound is not in a format the program plays (PCM WAV)");
            format = f;
        } else if (id == "data") {
            if (!format)
                return QCoreApplication::translate("MediaCheck", "the sound has no format block before its samples");
            const qsizetype frames = qsizetype(size) / format->frameBytes();
            if (frames == 0 || body >= bytes.size())
                return QCoreApplication::translate("MediaCheck", "the sound holds no samples");
            // Samples that the file only claims to have would never come.
            if (body + qsizetype(size) > bytes.size())
                return QCoreApplication::translate("MediaCheck", "the sound is cut short");
            return Wave{*format, QByteArrayView(bytes).sliced(body, frames * format->frameBytes())};
        }
        at = body + qsizetype(size) + (size & 1);
    }
    return QCoreApplication::translate("MediaCheck", "the sound is cut short");
}

std::optional<QString> waveProblem(const QByteArray &bytes)
{
    auto reading = readWave(bytes);
    if (auto *problem = std::get_if<QString>(&reading))
        return std::move(*problem);
    return std::nullopt;
}

} // namespace sakana

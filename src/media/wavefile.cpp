#include "media/wavefile.h"

#include <QCoreApplication>
#include <QtEndian>

namespace sakana {

std::optional<QString> waveProblem(const QByteArray &bytes)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return QCoreApplication::translate("MediaCheck", "not a WAV sound");
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(data + at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > bytes.size())
                return QCoreApplication::translate("MediaCheck", "the sound's format block is cut short");
            const quint16 format = qFromLittleEndian<quint16>(data + body);
            const quint16 channels = qFromLittleEndian<quint16>(data + body + 2);
            const quint32 rate = qFromLittleEndian<quint32>(data + body + 4);
            const quint16 bits = qFromLittleEndian<quint16>(data + body + 14);
            constexpr quint16 kPcm = 1, kFloat = 3, kExtensible = 0xFFFE;
            if ((format != kPcm && format != kFloat && format != kExtensible) || channels == 0 || rate == 0 ||
                bits == 0)
                return QCoreApplication::translate("MediaCheck", "the sound is not in a format the program plays (PCM WAV)");
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return QCoreApplication::translate("MediaCheck", "the sound has no format block before its samples");
            if (size == 0 || body >= bytes.size())
                return QCoreApplication::translate("MediaCheck", "the sound holds no samples");
            // The sound system's decoder waits for ever for the rest of
            // samples that the file only claims to have.
            if (body + qsizetype(size) > bytes.size())
                return QCoreApplication::translate("MediaCheck", "the sound is cut short");
            return std::nullopt;
        }
        at = body + qsizetype(size) + (size & 1);
    }
    return QCoreApplication::translate("MediaCheck", "the sound is cut short");
}

} // namespace sakana

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/picturefile.h"

#include "media/mediaerror.h"
#include "media/mediafile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

namespace sakana {

namespace {

// A picture of the program is at most a few hundred pixels square and a few
// hundred kilobytes; these limits leave ample room while refusing a file that
// claims an absurd size.
constexpr qint64 kMaxFileBytes = 32 * 1024 * 1024;
constexpr int kMaxDecodedMegabytes = 64;

// How far the bytes of a GIF file hold together: every block in its place up
// to the trailer (bytes after the trailer are ignored), or cut short, or not
// GIF block structure at all.
enum class GifStructure { Complete, CutShort, Malformed };

// Reads GIF bytes front to back without decoding them.
class GifWalker {
public:
    explicit GifWalker(const QByteArray &bytes) : bytes_(bytes) {}

    GifStructure walk()
    {
        if (!has(13))
            return GifStructure::CutShort;
        if (!bytes_.startsWith("GIF87a") && !bytes_.startsWith("GIF89a"))
            return GifStructure::Malformed;
        const auto screenFlags = byteAt(10);
        pos_ = 13;
        if (!skipColourTable(screenFlags))
            return GifStructure::CutShort;
        for (;;) {
            if (!has(1))
                return GifStructure::CutShort;
            switch (byteAt(pos_++)) {
            case 0x3B:  // trailer
                return GifStructure::Complete;
            case 0x21:  // extension: a label, then sub-blocks
                if (!has(1))
                    return GifStructure::CutShort;
                ++pos_;
                if (!skipSubBlocks())
                    return GifStructure::CutShort;
                break;
            case 0x2C: {  // image: descriptor, colour table, code size, sub-blocks
                if (!has(9))
                    return GifStructure::CutShort;
                const qint64 pixels = qint64(wordAt(pos_ + 4)) * wordAt(pos_ + 6);
                const auto imageFlags = byteAt(pos_ + 8);
                pos_ += 9;
                if (!skipColourTable(imageFlags) || !has(1))
                    return GifStructure::CutShort;
                ++pos_;
                const qsizetype dataStart = pos_;
                if (!skipSubBlocks())
                    return GifStructure::CutShort;
                // The decoder fills the pixels a short image leaves out, so
                // a large image with next to no data would show as a blank.
                if ((pos_ - dataStart) * kMostPixelsPerByte < pixels)
                    return GifStructure::CutShort;
                break;
            }
            default:
                return GifStructure::Malformed;
            }
        }
    }

private:
    // The most pixels a byte of image data can give: one code yields at most
    // as many pixels as the code table has entries (4096), and no code is
    // shorter than two bits. Real pictures need far more data than this.
    static constexpr qint64 kMostPixelsPerByte = 4096 * 8 / 2;

    bool has(qsizetype count) const { return bytes_.size() - pos_ >= count; }
    unsigned char byteAt(qsizetype at) const { return static_cast<unsigned char>(bytes_[at]); }
    unsigned int wordAt(qsizetype at) const { return byteAt(at) | byteAt(at + 1) << 8; }

    bool skipColourTable(unsigned char flags)
    {
        if (!(flags & 0x80))
            return true;
        const qsizetype size = 3 * (qsizetype(1) << ((flags & 0x07) + 1));
        if (!has(size))
            return false;
        pos_ += size;
        return true;
    }

    bool skipSubBlocks()
    {
        for (;;) {
            if (!has(1))
                return false;
            const int size = byteAt(pos_++);
            if (size == 0)
                return true;
            if (!has(size))
                return false;
            pos_ += size;
        }
    }

    const QByteArray &bytes_;
    qsizetype pos_ = 0;
};

GifStructure checkGifStructure(const QByteArray &bytes)
{
    return GifWalker(bytes).walk();
}

// The index of the widest image in an icon file's directory, or -1 when the
// bytes hold no icon directory. Only that image is decoded.
int widestIconEntry(const QByteArray &bytes)
{
    constexpr qsizetype kHeader = 6;
    constexpr qsizetype kEntry = 16;
    if (bytes.size() < kHeader)
        return -1;
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    if (qFromLittleEndian<quint16>(data) != 0 || qFromLittleEndian<quint16>(data + 2) != 1)
        return -1;
    const int count = qFromLittleEndian<quint16>(data + 4);
    if (count == 0 || bytes.size() < kHeader + count * kEntry)
        return -1;
    int widest = -1;
    int widestWidth = 0;
    for (int k = 0; k < count; ++k) {
        const int width = data[kHeader + k * kEntry] == 0 ? 256 : data[kHeader + k * kEntry];
        if (width > widestWidth) {
            widest = k;
            widestWidth = width;
        }
    }
    return widest;
}

} // namespace

QImage readPicture(const QString &path)
{
    const QByteArray bytes = readMediaFile(path, kMaxFileBytes);
    if (bytes.isEmpty())
        throw MediaError(path, MediaError::Problem::EmptyPicture);
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();

    int entry = 0;
    if (format == "gif") {
        // The decoder quietly shows whatever part of a cut-short file arrived,
        // so the block structure is checked first.
        switch (checkGifStructure(bytes)) {
        case GifStructure::Complete: break;
        case GifStructure::CutShort:
            throw MediaError(path, MediaError::Problem::PictureCutShort);
        case GifStructure::Malformed:
            throw MediaError(path, MediaError::Problem::NotAPicture);
        }
    } else if (format == "ico") {
        entry = widestIconEntry(bytes);
        if (entry < 0)
            throw MediaError(path, MediaError::Problem::NotAPicture);
    }

    // Set once, before any reader reads it: pictures may be read on more
    // than one thread.
    static const bool limited = (QImageReader::setAllocationLimit(kMaxDecodedMegabytes), true);
    Q_UNUSED(limited);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    reader.setAutoTransform(false);
    QImage image;
    if (entry == 0 || reader.jumpToImage(entry))
        image = reader.read();
    if (image.isNull()) {
        throw MediaError(path, reader.error() == QImageReader::UnsupportedFormatError
                                   ? MediaError::Problem::NotAPicture
                                   : MediaError::Problem::PictureBroken);
    }
    return image;
}

} // namespace sakana

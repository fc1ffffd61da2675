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
#include <cstring>

namespace sakana {

namespace {

// A picture of the program is at most a few hundred pixels square and a few
// hundred kilobytes; these limits leave ample room while refusing a file that
// claims an absurd size.
constexpr qint64 kMaxFileBytes = 32 * 1024 * 1024;
constexpr int kMaxDecodedMegabytes = 64;

// How far the bytes of a picture file hold together: every block in its
// place up to the end mark (bytes after it are ignored), or cut short, or not
// the block structure of its format at all. The decoders quietly show
// whatever part of a cut-short file arrived, so the structure is checked
// before any decoding.
enum class Structure { Complete, CutShort, Malformed };

// Reads GIF bytes front to back without decoding them.
class GifWalker {
public:
    explicit GifWalker(const QByteArray &bytes) : bytes_(bytes) {}

    Structure walk()
    {
        if (!has(13))
            return Structure::CutShort;
        if (!bytes_.startsWith("GIF87a") && !bytes_.startsWith("GIF89a"))
            return Structure::Malformed;
        const auto screenFlags = byteAt(10);
        pos_ = 13;
        if (!skipColourTable(screenFlags))
            return Structure::CutShort;
        for (;;) {
            if (!has(1))
                return Structure::CutShort;
            switch (byteAt(pos_++)) {
            case 0x3B:  // trailer
                return Structure::Complete;
            case 0x21:  // extension: a label, then sub-blocks
                if (!has(1))
                    return Structure::CutShort;
                ++pos_;
                if (!skipSubBlocks())
                    return Structure::CutShort;
                break;
            case 0x2C: {  // image: descriptor, colour table, code size, sub-blocks
                if (!has(9))
                    return Structure::CutShort;
                const qint64 pixels = qint64(wordAt(pos_ + 4)) * wordAt(pos_ + 6);
                const auto imageFlags = byteAt(pos_ + 8);
                pos_ += 9;
                if (!skipColourTable(imageFlags) || !has(1))
                    return Structure::CutShort;
                ++pos_;
                const qsizetype dataStart = pos_;
                if (!skipSubBlocks())
                    return Structure::CutShort;
                // The decoder fills the pixels a short image leaves out, so
                // a large image with next to no data would show as a blank.
                if ((pos_ - dataStart) * kMostPixelsPerByte < pixels)
                    return Structure::CutShort;
                break;
            }
            default:
                return Structure::Malformed;
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

// A PNG file: the signature, then chunks (length, type, data, checksum) up
// to the IEND chunk.
Structure checkPngStructure(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    qsizetype pos = 8;
    for (;;) {
        if (bytes.size() - pos < 8)
            return Structure::CutShort;
        const quint32 length = qFromBigEndian<quint32>(data + pos);
        if (length > 0x7FFFFFFFu)
            return Structure::Malformed;
        const bool end = bytes.mid(pos + 4, 4) == "IEND";
        pos += 8;
        if (bytes.size() - pos < qsizetype(length) + 4)
            return Structure::CutShort;
        pos += qsizetype(length) + 4;
        if (end)
            return Structure::Complete;
    }
}

// A JPEG file: marker segments, each scan followed by its coded data, up to
// the end-of-image marker. A phone's photo carries its preview inside a
// segment and may append more after the end mark; neither is walked into.
Structure checkJpegStructure(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const qsizetype size = bytes.size();
    qsizetype pos = 2;  // after the start-of-image marker
    for (;;) {
        if (pos >= size)
            return Structure::CutShort;
        if (data[pos] != 0xFF)
            return Structure::Malformed;
        while (pos < size && data[pos] == 0xFF)  // fill bytes
            ++pos;
        if (pos >= size)
            return Structure::CutShort;
        const uchar marker = data[pos++];
        if (marker == 0xD9)
            return Structure::Complete;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue;  // markers without a segment
        if (size - pos < 2)
            return Structure::CutShort;
        const int length = qFromBigEndian<quint16>(data + pos);
        if (length < 2)
            return Structure::Malformed;
        if (size - pos < length)
            return Structure::CutShort;
        pos += length;
        if (marker != 0xDA)
            continue;
        // Coded data: a 0xFF in it is followed by 0x00 (a stuffed byte) or
        // a restart marker; anything else is the next marker.
        for (;;) {
            const void *found = std::memchr(data + pos, 0xFF, size_t(size - pos));
            if (!found)
                return Structure::CutShort;
            pos = static_cast<const uchar *>(found) - data;
            if (pos + 1 >= size)
                return Structure::CutShort;
            const uchar next = data[pos + 1];
            if (next != 0x00 && next != 0xFF && !(next >= 0xD0 && next <= 0xD7))
                break;
            pos += next == 0xFF ? 1 : 2;
        }
    }
}

// The format the bytes are in, by their first bytes, whatever the file's
// name says; empty for anything else.
QByteArray formatOf(const QByteArray &bytes)
{
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"))
        return "gif";
    if (bytes.startsWith("\x89PNG\r\n\x1a\n"))
        return "png";
    if (bytes.startsWith("\xFF\xD8\xFF"))
        return "jpeg";
    return {};
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

QSize fittedSize(QSize picture, QSize frame)
{
    if (!frame.isValid() || (picture.width() <= frame.width() && picture.height() <= frame.height()))
        return picture;
    return picture.scaled(frame, Qt::KeepAspectRatio).expandedTo({1, 1});
}

ReadPicture readPictureIn(const QString &path, QSize frame, qreal detail)
{
    const QByteArray bytes = readMediaFile(path, kMaxFileBytes);
    if (bytes.isEmpty())
        throw MediaError(path, MediaError::Problem::EmptyPicture);
    // The content decides the format: a photo renamed "f3.gif" is a JPEG.
    // An icon is one of the program's own pictures, known by its name.
    const bool icon = QFileInfo(path).suffix().compare(QLatin1String("ico"), Qt::CaseInsensitive) == 0;
    const QByteArray format = icon ? QByteArray("ico") : formatOf(bytes);
    Structure structure = Structure::Complete;
    int entry = 0;
    if (format == "gif")
        structure = GifWalker(bytes).walk();
    else if (format == "png")
        structure = checkPngStructure(bytes);
    else if (format == "jpeg")
        structure = checkJpegStructure(bytes);
    else if (format == "ico")
        entry = widestIconEntry(bytes);
    if (format.isEmpty() || entry < 0 || structure == Structure::Malformed)
        throw MediaError(path, MediaError::Problem::NotAPicture);
    if (structure == Structure::CutShort)
        throw MediaError(path, MediaError::Problem::PictureCutShort);

    // Set once, before any reader reads it: pictures may be read on more
    // than one thread.
    static const bool limited = (QImageReader::setAllocationLimit(kMaxDecodedMegabytes), true);
    Q_UNUSED(limited);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    // A phone stores its photo as the sensor saw it and says in the EXIF tag
    // which way up it is meant; the picture is turned upright as it is read.
    reader.setAutoTransform(format == "jpeg");
    ReadPicture read;
    read.format = format;
    if (entry == 0 || reader.jumpToImage(entry)) {
        const QSize stored = reader.size();
        const QImageIOHandler::Transformations transformation =
            reader.autoTransform() ? reader.transformation() : QImageIOHandler::TransformationNone;
        read.turned = transformation != QImageIOHandler::TransformationNone;
        const bool turned = transformation.testFlag(QImageIOHandler::TransformationRotate90);
        read.own = turned ? stored.transposed() : stored;
        read.shown = fittedSize(read.own, frame);
        if (stored.isValid() && read.shown != read.own) {
            // Scaled down smoothly once, as it is read: a JPEG decoder then
            // never holds the photo at its full size.
            QSize pixels(qMax(1, qRound(read.shown.width() * detail)), qMax(1, qRound(read.shown.height() * detail)));
            if (pixels.width() < read.own.width() && pixels.height() < read.own.height())
                reader.setScaledSize(turned ? pixels.transposed() : pixels);
        }
        read.image = reader.read();
    }
    if (read.image.isNull()) {
        throw MediaError(path, reader.error() == QImageReader::UnsupportedFormatError
                                   ? MediaError::Problem::NotAPicture
                                   : MediaError::Problem::PictureBroken);
    }
    if (!read.own.isValid()) {
        read.own = read.image.size();
        read.shown = fittedSize(read.own, frame);
    }
    return read;
}

QImage readPicture(const QString &path)
{
    return readPictureIn(path, {}).image;
}

} // namespace sakana

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/textfile.h"

#include "media/mediaerror.h"
#include "media/mediafile.h"

#include <QStringDecoder>

#ifdef _WIN32
#include <windows.h>
#endif

#include <algorithm>
#include <utility>

namespace sakana {

namespace {

constexpr char comma = ',';
constexpr char quote = '"';
constexpr char cr = '\r';
constexpr char lf = '\n';

bool isBlank(int c) { return c == ' ' || c == '\t'; }

void trimTrailingBlanks(QByteArray &bytes, qsizetype keep)
{
    qsizetype end = bytes.size();
    while (end > keep && isBlank(static_cast<unsigned char>(bytes[end - 1])))
        --end;
    bytes.truncate(end);
}

} // namespace

TextFile::TextFile(const QString &path)
    : path_(path), file_(path)
{
    openMediaFile(file_);
}

TextFile::~TextFile()
{
    close();
}

void TextFile::close() noexcept
{
    file_.close();
    buffer_.clear();
    position_ = 0;
    atEnd_ = true;
}

bool TextFile::fillBuffer()
{
    if (atEnd_)
        return false;
    buffer_.resize(chunkBytes);
    const qint64 got = file_.read(buffer_.data(), chunkBytes);
    if (got < 0) {
        close();
        throw MediaError(path_, MediaError::Problem::Unreadable);
    }
    buffer_.resize(got);
    position_ = 0;
    if (got == 0) {
        atEnd_ = true;
        file_.close();
        return false;
    }
    decideEncoding();
    return true;
}

void TextFile::decideEncoding()
{
    const bool first = std::exchange(firstChunk_, false);
    if (encoding_ != Encoding::Undecided)
        return;
    if (first && buffer_.startsWith("\xEF\xBB\xBF")) {
        encoding_ = Encoding::Utf8;
        position_ = 3;
        return;
    }
    const bool ascii = std::all_of(buffer_.cbegin(), buffer_.cend(), [](char c) { return uchar(c) < 0x80; });
    if (ascii)
        return;
    // A character cut by the end of the chunk is no fault: the decoder keeps
    // its first bytes and would go on with the next chunk.
    QStringDecoder utf8(QStringDecoder::Utf8);
    utf8.decode(buffer_).operator QString();
    encoding_ = utf8.hasError() ? Encoding::ShiftJis : Encoding::Utf8;
}

int TextFile::peekByte()
{
    if (position_ >= buffer_.size() && !fillBuffer())
        return -1;
    return static_cast<unsigned char>(buffer_[position_]);
}

int TextFile::takeByte()
{
    const int c = peekByte();
    if (c >= 0)
        ++position_;
    return c;
}

void TextFile::append(QByteArray &bytes, char c) const
{
    if (bytes.size() >= maxEntryBytes)
        throw MediaError(path_, MediaError::Problem::EntryTooLong, entriesRead_ + 1, int(maxEntryBytes));
    bytes.append(c);
}

QString TextFile::decode(const QByteArray &bytes) const
{
    // A fresh converter for every entry, so that one entry's fault cannot
    // leak into the next.
    if (encoding_ == Encoding::Utf8) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = decoder.decode(bytes);
        if (decoder.hasError())
            throw MediaError(path_, MediaError::Problem::EntryNotUtf8, entriesRead_ + 1);
        return text;
    }
#ifdef _WIN32
    // Qt reads no legacy code pages on Windows without ICU; the system reads
    // its own code page 932, refusing what is not in it.
    if (bytes.isEmpty())
        return {};
    const int units = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.constData(), int(bytes.size()), nullptr, 0);
    if (units <= 0)
        throw MediaError(path_, MediaError::Problem::EntryNotShiftJis, entriesRead_ + 1);
    QString text(units, Qt::Uninitialized);
    MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.constData(), int(bytes.size()),
                        reinterpret_cast<wchar_t *>(text.data()), units);
    return text;
#else
    QStringDecoder decoder("windows-31j", QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        throw MediaError(path_, MediaError::Problem::NoShiftJis);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        throw MediaError(path_, MediaError::Problem::EntryNotShiftJis, entriesRead_ + 1);
    return text;
#endif
}

std::optional<QString> TextFile::readEntry()
{
    if (peekByte() < 0)
        return std::nullopt;

    entryLine_ = line_;
    QByteArray bytes;
    int c = takeByte();
    while (isBlank(c))
        c = takeByte();

    // After a closing quote, the part of the entry that may still be trimmed
    // at its end starts here; the quoted text before it is kept whole.
    qsizetype keep = 0;

    if (c == quote) {
        for (;;) {
            c = takeByte();
            if (c < 0)
                break;
            if (c == quote) {
                if (peekByte() == quote) {
                    takeByte();
                    append(bytes, quote);
                    continue;
                }
                c = takeByte();
                break;
            }
            if (c == cr) {
                if (peekByte() == lf)
                    takeByte();
                c = lf;
            }
            if (c == lf)
                ++line_;
            append(bytes, static_cast<char>(c));
        }
        keep = bytes.size();
    }

    // Unquoted text, or what follows a closing quote, up to the delimiter.
    while (c >= 0 && c != comma && c != cr && c != lf) {
        append(bytes, static_cast<char>(c));
        c = takeByte();
    }
    if (c == cr && peekByte() == lf)
        takeByte();
    if (c == cr || c == lf)
        ++line_;

    trimTrailingBlanks(bytes, keep);
    QString text = decode(bytes);
    ++entriesRead_;
    return text;
}

} // namespace sakana

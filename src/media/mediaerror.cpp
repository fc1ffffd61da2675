// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/mediaerror.h"

#include <QCoreApplication>
#include <QTranslator>

#include <memory>

namespace sakana {

namespace {

constexpr char kContext[] = "MediaError";

// The English source text of the sentence; %1 stands for the entry (or the
// line), %2 for the limit, %3 for the text.
const char *sourceText(MediaError::Problem problem, MediaError::FileKind kind)
{
    using Problem = MediaError::Problem;
    using Kind = MediaError::FileKind;
    switch (problem) {
    case Problem::Missing: return QT_TRANSLATE_NOOP("MediaError", "the file is missing");
    case Problem::Unreadable: return QT_TRANSLATE_NOOP("MediaError", "the file cannot be read");
    case Problem::NotAFile:
        switch (kind) {
        case Kind::Folder: return QT_TRANSLATE_NOOP("MediaError", "not a regular file (a folder)");
        case Kind::Pipe: return QT_TRANSLATE_NOOP("MediaError", "not a regular file (a named pipe)");
        case Kind::Socket: return QT_TRANSLATE_NOOP("MediaError", "not a regular file (a socket)");
        case Kind::Device: return QT_TRANSLATE_NOOP("MediaError", "not a regular file (a device)");
        case Kind::Other: return QT_TRANSLATE_NOOP("MediaError", "not a regular file (another kind of file)");
        case Kind::Unknown: break;
        }
        return QT_TRANSLATE_NOOP("MediaError", "not a regular file");
    case Problem::TooLarge: return QT_TRANSLATE_NOOP("MediaError", "the file is too large");
    case Problem::EmptyPicture: return QT_TRANSLATE_NOOP("MediaError", "the picture file is empty");
    case Problem::PictureCutShort: return QT_TRANSLATE_NOOP("MediaError", "the picture file is cut short");
    case Problem::NotAPicture: return QT_TRANSLATE_NOOP("MediaError", "the file is not a GIF, PNG or JPEG picture");
    case Problem::PictureBroken:
        return QT_TRANSLATE_NOOP("MediaError", "the picture cannot be read (the file is damaged or too large)");
    case Problem::EntryTooLong: return QT_TRANSLATE_NOOP("MediaError", "entry %1 is too long (at most %2 bytes)");
    case Problem::EntryNotShiftJis:
        return QT_TRANSLATE_NOOP("MediaError", "entry %1 holds characters that cannot be read as Shift_JIS");
    case Problem::EntryNotUtf8:
        return QT_TRANSLATE_NOOP("MediaError", "entry %1 holds characters that cannot be read as UTF-8");
    case Problem::NoShiftJis:
        return QT_TRANSLATE_NOOP("MediaError", "this computer has no way to read Shift_JIS characters");
    case Problem::TooFewEntries: return QT_TRANSLATE_NOOP("MediaError", "fewer than %2 entries (only %1)");
    case Problem::UnknownFish: return QT_TRANSLATE_NOOP("MediaError", "line %1: no fish is called \"%3\"");
    case Problem::NoFishChosen: return QT_TRANSLATE_NOOP("MediaError", "the drill set names no fish");
    case Problem::NoMediaFolder:
        return QT_TRANSLATE_NOOP("MediaError", "the media folders (音, 画像, 説明) are not found");
    case Problem::NotAWave: return QT_TRANSLATE_NOOP("MediaError", "not a WAV sound");
    case Problem::WaveFormatCutShort: return QT_TRANSLATE_NOOP("MediaError", "the sound's format block is cut short");
    case Problem::WaveFormatUnplayable:
        return QT_TRANSLATE_NOOP("MediaError", "the sound is not in a format the program plays (PCM WAV)");
    case Problem::WaveWithoutFormat:
        return QT_TRANSLATE_NOOP("MediaError", "the sound has no format block before its samples");
    case Problem::WaveWithoutSamples: return QT_TRANSLATE_NOOP("MediaError", "the sound holds no samples");
    case Problem::WaveCutShort: return QT_TRANSLATE_NOOP("MediaError", "the sound is cut short");
    }
    return "";
}

// The numbers put into a translated text.
QString filled(const QString &text, MediaError::Problem problem, int entry, int limit, const QString &detail = {})
{
    switch (problem) {
    case MediaError::Problem::UnknownFish: return text.arg(entry).replace(QStringLiteral("%3"), detail);
    case MediaError::Problem::EntryTooLong:
    case MediaError::Problem::TooFewEntries: return text.arg(entry).arg(limit);
    case MediaError::Problem::EntryNotShiftJis:
    case MediaError::Problem::EntryNotUtf8: return text.arg(entry);
    default: return text;
    }
}

std::string englishLine(const QString &file, MediaError::Problem problem, MediaError::FileKind kind, int entry,
                        int limit, const QString &detail = {})
{
    const QString sentence = filled(QString::fromUtf8(sourceText(problem, kind)), problem, entry, limit, detail);
    return (file + QStringLiteral(": ") + sentence).toStdString();
}

// The program's Japanese translation, loaded once, whichever translators the
// application has installed.
const QTranslator &japanese()
{
    static const std::unique_ptr<QTranslator> translator = [] {
        auto loaded = std::make_unique<QTranslator>();
        const bool found = loaded->load(QStringLiteral(":/i18n/sakana_ja.qm"));
        Q_ASSERT(found);
        Q_UNUSED(found);
        return loaded;
    }();
    return *translator;
}

} // namespace

MediaError::MediaError(QString file, Problem problem, int entry, int limit)
    : file_(std::move(file)), problem_(problem), entry_(entry), limit_(limit),
      message_(englishLine(file_, problem_, kind_, entry_, limit_))
{
}

MediaError::MediaError(QString file, FileKind kind)
    : file_(std::move(file)), problem_(Problem::NotAFile), kind_(kind),
      message_(englishLine(file_, problem_, kind_, entry_, limit_))
{
}

MediaError::MediaError(QString file, Problem problem, int line, QString text)
    : file_(std::move(file)), problem_(problem), entry_(line), text_(std::move(text)),
      message_(englishLine(file_, problem_, kind_, entry_, limit_, text_))
{
}

QString MediaError::reason() const
{
    const char *source = sourceText(problem_, kind_);
    const QString text = japanese().translate(kContext, source);
    return filled(text.isEmpty() ? QString::fromUtf8(source) : text, problem_, entry_, limit_, text_);
}

QString MediaError::translatedReason() const
{
    return filled(QCoreApplication::translate(kContext, sourceText(problem_, kind_)), problem_, entry_, limit_, text_);
}

} // namespace sakana

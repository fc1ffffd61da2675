// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mediacheck.h"

#include "media/mediaerror.h"
#include "media/picturefile.h"
#include "media/soundbank.h"
#include "media/textfile.h"
#include "quiz/catalogue.h"
#include "quiz/drillset.h"
#include "quiz/namelist.h"
#include "screens/drill/drilldesign.h"
#include "screens/lookup/lookupdesign.h"
#include "ui/pause.h"
#include "ui/twips.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QTextStream>
#include <algorithm>

namespace sakana {

namespace {

class Checker {
public:
    explicit Checker(const MediaFolder &media) : media_(media) {}

    std::vector<MediaProblem> run()
    {
        const SoundBank sounds(media_);
        for (const MediaFile &file : media_.files()) {
            switch (file.role) {
            case MediaFile::Role::FishPicture: checkPicture(file); break;
            case MediaFile::Role::Picture: checkPicture(file); break;
            case MediaFile::Role::Sound: checkSound(sounds.sounds().at(*sounds.indexOf(*file.sound))); break;
            case MediaFile::Role::NameList: checkNameList(file.path); break;
            case MediaFile::Role::DrillSet: checkDrillSet(file.path); break;
            }
        }
        checkVoiceLengths(sounds);
        for (const UnusedPicture &unused : media_.unusedPictures())
            noteUnused(unused);
        return std::move(problems_);
    }

private:
    void add(const QString &file, const QString &message, MediaProblem::Kind kind)
    {
        problems_.push_back({file, message, kind});
    }

    static QSize framePixels(const ControlDesign &design)
    {
        return {twipsToPixels(design.rect.width), twipsToPixels(design.rect.height)};
    }

    // The names a fish's picture may have, for the teacher to choose from.
    QString namesFor(int fishNo) const
    {
        QStringList names;
        for (const QString &path : media_.fishPictureNames(fishNo))
            names << QFileInfo(path).fileName();
        return names.join(QStringLiteral(", "));
    }

    // What to do about a picture that cannot be shown.
    QString mend(const MediaFile &file, MediaError::Problem problem) const
    {
        using Problem = MediaError::Problem;
        switch (problem) {
        case Problem::Missing:
            return file.role == MediaFile::Role::FishPicture
                       ? QCoreApplication::translate("MediaCheck", "put in a GIF, PNG or JPEG picture named one of %1")
                             .arg(namesFor(file.fishNo))
                       : QCoreApplication::translate("MediaCheck", "put in a GIF, PNG or JPEG picture under this name");
        case Problem::NotAFile:
            return QCoreApplication::translate("MediaCheck", "put a picture file in its place");
        case Problem::NotAPicture:
            return QCoreApplication::translate("MediaCheck", "save it as a GIF, PNG or JPEG picture");
        case Problem::TooLarge:
            return QCoreApplication::translate("MediaCheck", "save it again smaller (at most 32 MB)");
        default:
            return QCoreApplication::translate("MediaCheck", "copy it again from where it came from, or save it anew");
        }
    }

    // Says what the program does with the picture when that is anything but
    // showing a GIF at its own size.
    void checkPicture(const MediaFile &file)
    {
        const QString &path = file.path;
        const bool fish = file.role == MediaFile::Role::FishPicture;
        try {
            const QSize lookupFrame = framePixels(lookup::kFishPicture);
            const ReadPicture read = readPictureIn(path, fish ? lookupFrame : QSize());
            noteFormat(path, read.format);
            if (read.turned) {
                add(path, QCoreApplication::translate("MediaCheck", "turned upright as its EXIF orientation says"),
                    MediaProblem::Kind::Note);
            }
            if (fish)
                noteScaling(path, read, lookupFrame);
        } catch (const MediaError &error) {
            add(path,
                QCoreApplication::translate("MediaCheck", "the picture cannot be shown (%1); %2")
                    .arg(error.translatedReason(), mend(file, error.problem())),
                MediaProblem::Kind::Stops);
        }
    }

    // A picture whose content is not what its name says is read all the same.
    void noteFormat(const QString &path, const QByteArray &format)
    {
        const QString suffix = QFileInfo(path).suffix().toLower();
        const QByteArray named = suffix == QLatin1String("jpg") ? QByteArray("jpeg") : suffix.toLatin1();
        if (format == named)
            return;
        add(path,
            QCoreApplication::translate("MediaCheck", "found a %1 picture under a .%2 name; it is shown all the same")
                .arg(QString::fromLatin1(format.toUpper()), suffix),
            MediaProblem::Kind::Note);
    }

    // A fish's picture shows whole in both frames, scaled down where it is
    // larger: not a fault, but the teacher learns the size it is shown at.
    void noteScaling(const QString &path, const ReadPicture &read, QSize lookupFrame)
    {
        const QSize drill = fittedSize(read.own, framePixels(drill::kControls[drillPictureIndex()]));
        const QSize &lookup = read.shown;
        if (lookup == read.own)
            return;
        const QString message =
            drill == read.own
                ? QCoreApplication::translate("MediaCheck", "the picture is %1 × %2 pixels, larger than the lookup screen's frame of %3 × %4; it will be shown scaled to %5 × %6 there, and at its own size in the drill")
                      .arg(read.own.width()).arg(read.own.height()).arg(lookupFrame.width()).arg(lookupFrame.height())
                      .arg(lookup.width()).arg(lookup.height())
                : QCoreApplication::translate("MediaCheck", "the picture is %1 × %2 pixels, larger than its frames; it will be shown scaled to %3 × %4 in the lookup screen and %5 × %6 in the drill")
                      .arg(read.own.width()).arg(read.own.height()).arg(lookup.width()).arg(lookup.height())
                      .arg(drill.width()).arg(drill.height());
        add(path, message, MediaProblem::Kind::Note);
    }

    static std::size_t drillPictureIndex()
    {
        const auto found = std::find_if(drill::kControls.begin(), drill::kControls.end(), [](const ControlDesign &c) {
            return std::string_view(c.role) == "questionPicture";
        });
        return std::size_t(found - drill::kControls.begin());
    }

    void noteUnused(const UnusedPicture &unused)
    {
        QString message;
        if (unused.fishNo == 0) {
            message = QCoreApplication::translate("MediaCheck", "the program shows fish 1 to %1 only; this picture is never shown")
                          .arg(kFishCount);
        } else if (QFileInfo::exists(unused.shownInstead)) {
            message = QCoreApplication::translate("MediaCheck", "never shown: %1 comes first for fish %2; remove one of the two")
                          .arg(QFileInfo(unused.shownInstead).fileName()).arg(unused.fishNo);
        } else {
            message = QCoreApplication::translate("MediaCheck", "never shown: for fish %1 the program looks for %2; rename it to one of those")
                          .arg(unused.fishNo).arg(namesFor(unused.fishNo));
        }
        add(unused.path, message, MediaProblem::Kind::Note);
    }

    void checkSound(const BankedSound &sound)
    {
        if (!sound.silence)
            return;
        const QString &path = sound.path;
        // A folder from before the spoken names is said once, not forty-three
        // times.
        if (sound.sound.isVoice() && !QFileInfo(path).dir().exists()) {
            if (!voicesMissingSaid_) {
                add(QFileInfo(path).dir().path(),
                    QCoreApplication::translate("MediaCheck", "the folder of spoken names is missing; names and prompts are not spoken"),
                    MediaProblem::Kind::Warning);
            }
            voicesMissingSaid_ = true;
            return;
        }
        const QString reason = sound.silence->translatedReason();
        add(path,
            !sound.unreadable       ? QCoreApplication::translate("MediaCheck", "%1; the program is silent there").arg(reason)
            : QFileInfo::exists(path) ? QCoreApplication::translate("MediaCheck", "the sound cannot be read (%1); the program is silent there").arg(reason)
                                    : QCoreApplication::translate("MediaCheck", "the sound is missing; the program is silent there"),
            MediaProblem::Kind::Warning);
    }

    // A fish's name is spoken after the mark of an answer, inside the pause
    // before the next question; a longer one runs on into that question.
    void checkVoiceLengths(const SoundBank &sounds)
    {
        double longestMark = 0;
        for (const Sound &mark : {Sound::Right, Sound::Wrong}) {
            const BankedSound &banked = sounds.sounds().at(*sounds.indexOf(mark));
            if (banked.wave)
                longestMark = std::max(longestMark, banked.wave->seconds());
        }
        const double room = kPauseSeconds - longestMark;
        for (int fishNo = 1; fishNo <= kFishCount; ++fishNo) {
            const BankedSound &voice = sounds.sounds().at(*sounds.indexOf(Sound::voiceOf(fishNo)));
            if (voice.wave && voice.wave->seconds() > room) {
                add(voice.path,
                    QCoreApplication::translate("MediaCheck", "the name lasts %1 s, but after the answer's sound only %2 s of the pause are left; it runs on into the next question: make it shorter")
                        .arg(voice.wave->seconds(), 0, 'f', 2).arg(room, 0, 'f', 2),
                    MediaProblem::Kind::Warning);
            }
        }
    }

    void checkNameList(const QString &path)
    {
        const ControlDesign &line = lookup::kCaptionLine;
        const QFontMetrics metrics(designFont(line.font));
        // The caption line has a one-pixel border on each side.
        const int room = twipsToPixels(line.rect.width) - 2;
        QStringList undecodable;
        // ASCII alone reads the same in either encoding: nothing to say.
        TextFile::Encoding encoding = TextFile::Encoding::Undecided;
        try {
            // One entry further than the program reads, to see whether the
            // list goes on.
            NameListEntries read = readNameListEntries(path, kFishCount + 1);
            encoding = read.encoding;
            if (read.entries.size() > std::size_t(kFishCount)) {
                read.entries.pop_back();
                add(path,
                    QCoreApplication::translate("MediaCheck", "the list goes on after entry %1; the program never shows what follows")
                        .arg(kFishCount),
                    MediaProblem::Kind::Note);
            }
            int fishNo = 0;
            for (const auto &entry : read.entries) {
                ++fishNo;
                const auto *caption = std::get_if<QString>(&entry);
                if (!caption) {
                    undecodable << QString::number(fishNo);
                    continue;
                }
                const int width = metrics.horizontalAdvance(*caption);
                if (width > room) {
                    add(path,
                        QCoreApplication::translate("MediaCheck", "entry %1 (%2) is too wide for its line: %3 pixels of %4")
                            .arg(fishNo).arg(fishName(fishNo)).arg(width).arg(room),
                        MediaProblem::Kind::Warning);
                }
            }
            if (fishNo < kFishCount) {
                add(path, QCoreApplication::translate("MediaCheck", "only %n entries; the lookup screen needs %1", nullptr, fishNo)
                              .arg(kFishCount),
                    MediaProblem::Kind::Stops);
            }
        } catch (const MediaError &error) {
            add(path, QCoreApplication::translate("MediaCheck", "the name list cannot be read (%1)").arg(error.translatedReason()),
                MediaProblem::Kind::Stops);
        }
        if (!undecodable.isEmpty()) {
            add(path,
                (encoding == TextFile::Encoding::Utf8
                     ? QCoreApplication::translate("MediaCheck", "read as UTF-8, but entries %1 are not UTF-8", nullptr,
                                                   int(undecodable.size()))
                     : QCoreApplication::translate("MediaCheck", "not code page 932 (Shift_JIS): entries %1 cannot be read",
                                                   nullptr, int(undecodable.size())))
                    .arg(undecodable.join(QStringLiteral(", "))),
                MediaProblem::Kind::Stops);
        }
        if (encoding == TextFile::Encoding::Utf8)
            add(path, QCoreApplication::translate("MediaCheck", "read as UTF-8"), MediaProblem::Kind::Note);
        else if (encoding == TextFile::Encoding::ShiftJis)
            add(path, QCoreApplication::translate("MediaCheck", "read as code page 932 (Shift_JIS)"), MediaProblem::Kind::Note);
    }

    // The set in use: the folder's own, where it has one, or the file named.
    void checkDrillSet(const QString &path)
    {
        if (!hasDrillSet(media_))
            return;
        try {
            const DrillSetEntries read = readDrillSetEntries(path);
            for (const DrillSetLine &unknown : read.unknown) {
                add(path, QCoreApplication::translate("MediaCheck", "line %1: no fish is called \"%2\"; write a number from 1 to 40 or a name as the list shows it")
                              .arg(unknown.line).arg(unknown.entry),
                    MediaProblem::Kind::Stops);
            }
            for (const DrillSetLine &repeated : read.repeated) {
                add(path, QCoreApplication::translate("MediaCheck", "line %1: \"%2\" is named before; the drill asks it once")
                              .arg(repeated.line).arg(repeated.entry),
                    MediaProblem::Kind::Note);
            }
            if (read.fish.none())
                add(path, QCoreApplication::translate("MediaCheck", "the drill set names no fish"), MediaProblem::Kind::Stops);
            else
                add(path, QCoreApplication::translate("MediaCheck", "the drill asks %n fish", nullptr, int(read.fish.count())),
                    MediaProblem::Kind::Note);
        } catch (const MediaError &error) {
            add(path, QCoreApplication::translate("MediaCheck", "the drill set cannot be read (%1)").arg(error.translatedReason()),
                MediaProblem::Kind::Stops);
        }
    }

    const MediaFolder &media_;
    std::vector<MediaProblem> problems_;
    bool voicesMissingSaid_ = false;
};

} // namespace

std::vector<MediaProblem> checkMediaFolder(const MediaFolder &media)
{
    return Checker(media).run();
}

int checkExitStatus(const std::vector<MediaProblem> &problems)
{
    const auto is = [&problems](MediaProblem::Kind kind) {
        return std::any_of(problems.begin(), problems.end(), [kind](const MediaProblem &p) { return p.kind == kind; });
    };
    return is(MediaProblem::Kind::Stops) ? 1 : is(MediaProblem::Kind::Warning) ? 2 : 0;
}

void printCheck(const MediaFolder &media, const std::vector<MediaProblem> &problems, QTextStream &out)
{
    for (const MediaProblem &problem : problems) {
        const QString label = problem.kind == MediaProblem::Kind::Stops ? QCoreApplication::translate("MediaCheck", "error")
                              : problem.kind == MediaProblem::Kind::Warning ? QCoreApplication::translate("MediaCheck", "warning")
                                                                            : QCoreApplication::translate("MediaCheck", "note");
        out << problem.file << ": " << label << ": " << problem.message << '\n';
    }
    const auto count = [&problems](MediaProblem::Kind kind) {
        return std::count_if(problems.begin(), problems.end(), [kind](const MediaProblem &p) { return p.kind == kind; });
    };
    const auto warnings = count(MediaProblem::Kind::Warning);
    const auto errors = count(MediaProblem::Kind::Stops);
    if (errors + warnings == 0)
        out << QCoreApplication::translate("MediaCheck", "%1: the media folder is complete").arg(media.root()) << '\n';
    else
        out << QCoreApplication::translate("MediaCheck", "%1: %2, %3")
                   .arg(media.root(), QCoreApplication::translate("MediaCheck", "%n errors", nullptr, int(errors)),
                        QCoreApplication::translate("MediaCheck", "%n warnings", nullptr, int(warnings)))
            << '\n';
}

} // namespace sakana

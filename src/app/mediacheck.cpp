// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mediacheck.h"

#include "media/mediaerror.h"
#include "media/picturefile.h"
#include "media/soundbank.h"
#include "media/textfile.h"
#include "quiz/catalogue.h"
#include "quiz/namelist.h"
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
        const TwipsRect frame = lookup::kFishPicture.rect;
        const QSize frameSize(twipsToPixels(frame.width), twipsToPixels(frame.height));
        const SoundBank sounds(media_);
        for (const MediaFile &file : media_.files()) {
            switch (file.role) {
            case MediaFile::Role::FishPicture: checkPicture(file.path, frameSize); break;
            case MediaFile::Role::Picture: checkPicture(file.path, {}); break;
            case MediaFile::Role::Sound: checkSound(sounds.sounds().at(*sounds.indexOf(*file.sound))); break;
            case MediaFile::Role::NameList: checkNameList(file.path); break;
            }
        }
        checkVoiceLengths(sounds);
        return std::move(problems_);
    }

private:
    void add(const QString &file, const QString &message, MediaProblem::Kind kind)
    {
        problems_.push_back({file, message, kind});
    }

    void checkPicture(const QString &path, const QSize &frame)
    {
        try {
            const QImage image = readPicture(path);
            if (frame.isValid() && (image.width() > frame.width() || image.height() > frame.height())) {
                add(path,
                    QCoreApplication::translate("MediaCheck", "the picture is %1 × %2 pixels, larger than its frame of %3 × %4; it reaches beyond it")
                        .arg(image.width()).arg(image.height()).arg(frame.width()).arg(frame.height()),
                    MediaProblem::Kind::Warning);
            }
        } catch (const MediaError &error) {
            add(path, QCoreApplication::translate("MediaCheck", "the picture cannot be shown (%1)").arg(error.translatedReason()), MediaProblem::Kind::Stops);
        }
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
            const NameListEntries read = readNameListEntries(path);
            encoding = read.encoding;
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

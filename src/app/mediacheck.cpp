// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mediacheck.h"

#include "media/mediaerror.h"
#include "media/picturefile.h"
#include "media/soundbank.h"
#include "quiz/catalogue.h"
#include "quiz/namelist.h"
#include "quiz/textfile.h"
#include "screens/lookup/lookupdesign.h"
#include "ui/twips.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QTextStream>
#include <algorithm>
#include <cstring>

namespace sakana {

namespace {


const ControlDesign &lookupRow(const char *role)
{
    return *std::find_if(lookup::kControls.begin(), lookup::kControls.end(),
                         [role](const ControlDesign &row) { return std::strcmp(row.role, role) == 0; });
}

class Checker {
public:
    explicit Checker(const MediaFolder &media) : media_(media) {}

    std::vector<MediaProblem> run()
    {
        const TwipsRect frame = lookupRow("fishPicture").rect;
        const QSize frameSize(twipsToPixels(frame.width), twipsToPixels(frame.height));
        for (int fishNo = 1; fishNo <= kFishCount; ++fishNo)
            checkPicture(media_.fishPicture(fishNo), frameSize);
        for (Picture picture : kAllPictures)
            checkPicture(media_.picture(picture), {});
        checkSounds();
        checkNameList();
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

    void checkSounds()
    {
        const SoundBank bank(media_);
        for (const BankedSound &sound : bank.sounds()) {
            if (!sound.silence)
                continue;
            const QString &path = sound.path;
            const QString reason = sound.silence->translatedReason();
            add(path,
                !sound.unreadable       ? QCoreApplication::translate("MediaCheck", "%1; the program is silent there").arg(reason)
                : QFileInfo::exists(path) ? QCoreApplication::translate("MediaCheck", "the sound cannot be read (%1); the program is silent there").arg(reason)
                                        : QCoreApplication::translate("MediaCheck", "the sound is missing; the program is silent there"),
                MediaProblem::Kind::Warning);
        }
    }

    void checkNameList()
    {
        const QString path = media_.nameList();
        const ControlDesign &line = lookupRow("captionLine");
        const QFontMetrics metrics(designFont(line.font));
        // The caption line has a one-pixel border on each side.
        const int room = twipsToPixels(line.rect.width) - 2;
        QStringList undecodable;
        // ASCII alone reads the same in either encoding: nothing to say.
        TextFile::Encoding encoding = TextFile::Encoding::Undecided;
        try {
            TextFile file(path);
            for (int fishNo = 1; fishNo <= kFishCount; ++fishNo) {
                std::optional<QString> caption;
                try {
                    caption = file.readEntry();
                    encoding = file.encoding();
                } catch (const MediaError &) {
                    encoding = file.encoding();
                    undecodable << QString::number(fishNo);
                    continue;
                }
                if (!caption) {
                    const int found = fishNo - 1;
                    add(path, QCoreApplication::translate("MediaCheck", "only %n entries; the lookup screen needs %1", nullptr, found)
                                  .arg(kFishCount),
                        MediaProblem::Kind::Stops);
                    break;
                }
                const int width = metrics.horizontalAdvance(*caption);
                if (width > room) {
                    add(path,
                        QCoreApplication::translate("MediaCheck", "entry %1 (%2) is too wide for its line: %3 pixels of %4")
                            .arg(fishNo).arg(fishName(fishNo)).arg(width).arg(room),
                        MediaProblem::Kind::Warning);
                }
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

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "media/sound.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace sakana {

// The media folder holds a picture and a caption for each of the forty fish.
inline constexpr int kFishCount = 40;

// The pictures of the media folder besides the fish: the marks shown over
// an answered question and the medals of a passed quiz.
enum class Picture { RightMark, WrongMark, GoldMedal, SilverMedal, CopperMedal };
inline constexpr std::array kAllPictures{Picture::RightMark, Picture::WrongMark, Picture::GoldMedal,
                                         Picture::SilverMedal, Picture::CopperMedal};

// One file of the media folder and what it is for.
struct MediaFile {
    enum class Role { FishPicture, Picture, Sound, NameList, DrillSet };
    Role role = Role::FishPicture;
    QString path;
    int fishNo = 0;                  // FishPicture: 1 to 40
    std::optional<Picture> picture;  // Picture
    std::optional<Sound> sound;      // Sound
};

// A file in the picture folder named like a fish picture that the program
// never shows: its number is not 1 to 40, it is not written as the program
// looks for it ("f07.gif", "F7.GIF"), or another picture of the same fish
// comes before it.
struct UnusedPicture {
    QString path;
    int fishNo = 0;  // 0 when the number is not one of the forty
    QString shownInstead;  // the file the program reads for the fish: fishPicture(fishNo)
};

// The media folder: sounds in "音", pictures in "画像", the name list in
// "説明". This class alone knows the names of the files in it (a sound
// carries its own: media/sound.h); every path it gives is the root, the
// folder and the file joined with the platform's separator. Nothing is
// checked here: a missing file shows where it is used. Only the picture of
// a fish is looked for, among the names it may have.
class MediaFolder {
public:
    explicit MediaFolder(QString root);

    // The folder that lies beside the program: the program's directory with
    // one trailing separator removed ("C:\" gives "C:", "/" gives "").
    static MediaFolder besideProgram(const QString &programDirectory);

    // The places the program looks for its media folder, in order: beside
    // the program (a folder copied anywhere, the build tree), then
    // "../share/sakana" from the program (an installed tree, wherever its
    // prefix was moved).
    static QStringList placesFor(const QString &programDirectory);
    // The first of those places that holds any of the three media folders.
    static std::optional<MediaFolder> find(const QString &programDirectory);
    // Whether the folder holds any of "音", "画像" and "説明".
    bool exists() const;

    const QString &root() const { return root_; }
    // Every sound the folder holds, each played by the program somewhere.
    std::vector<Sound> sounds() const;
    QString sound(const Sound &sound) const;
    // Fish 7 is "f7.gif", fish 40 "f40.gif": plain digits, no padding. It
    // may instead be "f7.png", "f7.jpg" or "f7.jpeg": the first of these
    // that is there, in that order, and "f7.gif" when none is.
    QString fishPicture(int fishNo) const;
    // Every name the picture of a fish may have, in the order looked for.
    QStringList fishPictureNames(int fishNo) const;
    // The files of the picture folder named like fish pictures that the
    // program never shows, by name.
    std::vector<UnusedPicture> unusedPictures() const;
    QString picture(Picture picture) const;
    QString nameList() const;
    // The fish the drill asks, "drill.txt" beside the name list, or the file
    // the teacher named instead (--drill-set). The folder's own may be
    // missing, and then the drill asks all forty; a file named must be there.
    QString drillSet() const;
    void useDrillSet(const QString &file) { drillSetNamed_ = file; }
    bool drillSetNamed() const { return !drillSetNamed_.isEmpty(); }
    // Every file the folder may hold, in this order: the fish pictures 1 to
    // 40, the other pictures, the sounds, the name list, the drill set.
    std::vector<MediaFile> files() const;

private:
    QString path(const QString &folder, const QString &file) const;

    QString root_;
    QString drillSetNamed_;
};

} // namespace sakana

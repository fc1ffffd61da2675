// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/mediafolder.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace sakana {

namespace {

const QString kSoundFolder = QStringLiteral("音");
const QString kPictureFolder = QStringLiteral("画像");
const QString kTextFolder = QStringLiteral("説明");

// The kinds of picture file a fish's picture may be, in the order looked for.
const QStringList kFishPictureSuffixes{QStringLiteral("gif"), QStringLiteral("png"), QStringLiteral("jpg"),
                                       QStringLiteral("jpeg")};

// Whether anything stands under the name, even what is not a picture (a
// folder, a broken link): that is the file the program then reports.
bool isThere(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

} // namespace

MediaFolder::MediaFolder(QString root) : root_(std::move(root)) {}

MediaFolder MediaFolder::besideProgram(const QString &programDirectory)
{
    QString dir = QDir::toNativeSeparators(programDirectory);
    if (dir.endsWith(QDir::separator()))
        dir.chop(1);
    return MediaFolder(dir);
}

QStringList MediaFolder::placesFor(const QString &programDirectory)
{
    const MediaFolder beside = besideProgram(programDirectory);
    const QString installed =
        QDir::toNativeSeparators(QDir::cleanPath(programDirectory + QStringLiteral("/../share/sakana")));
    return {beside.root(), installed};
}

std::optional<MediaFolder> MediaFolder::find(const QString &programDirectory)
{
    for (const QString &place : placesFor(programDirectory)) {
        MediaFolder folder(place);
        if (folder.exists())
            return folder;
    }
    return std::nullopt;
}

bool MediaFolder::exists() const
{
    const QDir root(root_.isEmpty() ? QDir::separator() : root_);
    return root.exists(kSoundFolder) || root.exists(kPictureFolder) || root.exists(kTextFolder);
}

QString MediaFolder::path(const QString &folder, const QString &file) const
{
    return root_ + QDir::separator() + folder + QDir::separator() + file;
}

std::vector<Sound> MediaFolder::sounds() const
{
    std::vector<Sound> sounds{Sound::Button, Sound::Name, Sound::Right, Sound::Wrong, Sound::Pass, Sound::Fail};
    for (int fishNo = 1; fishNo <= kFishCount; ++fishNo)
        sounds.push_back(Sound::voiceOf(fishNo));
    for (const Sound &prompt : {Sound::ChoosePrompt, Sound::QuestionPrompt, Sound::TryAgainPrompt})
        sounds.push_back(prompt);
    return sounds;
}

QString MediaFolder::sound(const Sound &sound) const
{
    return path(kSoundFolder, QDir::toNativeSeparators(sound.file()));
}

QStringList MediaFolder::fishPictureNames(int fishNo) const
{
    QStringList names;
    for (const QString &suffix : kFishPictureSuffixes)
        names << path(kPictureFolder, QStringLiteral("f%1.%2").arg(fishNo).arg(suffix));
    return names;
}

QString MediaFolder::fishPicture(int fishNo) const
{
    const QStringList names = fishPictureNames(fishNo);
    for (const QString &name : names) {
        if (isThere(name))
            return name;
    }
    return names.front();
}

std::vector<UnusedPicture> MediaFolder::unusedPictures() const
{
    static const QRegularExpression fishName(QStringLiteral("^f([0-9]+)\\.(gif|png|jpe?g)$"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QDir folder(root_ + QDir::separator() + kPictureFolder);
    std::vector<UnusedPicture> unused;
    for (const QString &name : folder.entryList(QDir::AllEntries | QDir::System | QDir::Hidden, QDir::Name)) {
        const QRegularExpressionMatch match = fishName.match(name);
        if (!match.hasMatch())
            continue;
        const QString file = path(kPictureFolder, name);
        // "f07.gif" is fish 7's picture misnamed; "f41.gif" is nobody's.
        const int number = match.captured(1).size() <= 4 ? match.captured(1).toInt() : 0;
        const int fishNo = number >= 1 && number <= kFishCount ? number : 0;
        const QString shown = fishNo ? fishPicture(fishNo) : QString();
        if (file != shown)
            unused.push_back({file, fishNo, shown});
    }
    return unused;
}

QString MediaFolder::picture(Picture picture) const
{
    switch (picture) {
    case Picture::RightMark: return path(kPictureFolder, QStringLiteral("maru.gif"));
    case Picture::WrongMark: return path(kPictureFolder, QStringLiteral("batu.gif"));
    case Picture::GoldMedal: return path(kPictureFolder, QStringLiteral("gold.gif"));
    case Picture::SilverMedal: return path(kPictureFolder, QStringLiteral("silver.gif"));
    case Picture::CopperMedal: return path(kPictureFolder, QStringLiteral("copper.gif"));
    }
    return {};
}

QString MediaFolder::nameList() const
{
    return path(kTextFolder, QStringLiteral("name.txt"));
}

QString MediaFolder::drillSet() const
{
    return drillSetNamed() ? drillSetNamed_ : path(kTextFolder, QStringLiteral("drill.txt"));
}

std::vector<MediaFile> MediaFolder::files() const
{
    std::vector<MediaFile> files;
    for (int fishNo = 1; fishNo <= kFishCount; ++fishNo)
        files.push_back({MediaFile::Role::FishPicture, fishPicture(fishNo), fishNo, std::nullopt, std::nullopt});
    for (Picture each : kAllPictures)
        files.push_back({MediaFile::Role::Picture, picture(each), 0, each, std::nullopt});
    for (const Sound &each : sounds())
        files.push_back({MediaFile::Role::Sound, sound(each), 0, std::nullopt, each});
    files.push_back({MediaFile::Role::NameList, nameList(), 0, std::nullopt, std::nullopt});
    files.push_back({MediaFile::Role::DrillSet, drillSet(), 0, std::nullopt, std::nullopt});
    return files;
}

} // namespace sakana

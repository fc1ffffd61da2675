// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/mediafolder.h"

#include <QDir>

namespace sakana {

namespace {

const QString kSoundFolder = QStringLiteral("音");
const QString kPictureFolder = QStringLiteral("画像");
const QString kTextFolder = QStringLiteral("説明");

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

QString MediaFolder::fishPicture(int fishNo) const
{
    return path(kPictureFolder, QStringLiteral("f%1.gif").arg(fishNo));
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
    return files;
}

} // namespace sakana

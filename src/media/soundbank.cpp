// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/soundbank.h"

#include "media/mediafile.h"

#include <algorithm>

namespace sakana {

namespace {

// A sound of the program lasts a few seconds; a far larger file is refused.
constexpr qint64 kMaxSoundBytes = 16 * 1024 * 1024;

BankedSound bank(const Sound &sound, QString path)
{
    BankedSound banked{sound, std::move(path)};
    try {
        banked.bytes = readMediaFile(banked.path, kMaxSoundBytes);
    } catch (const MediaError &error) {
        banked.silence = error;
        banked.unreadable = true;
        return banked;
    }
    const auto reading = readWave(banked.bytes);
    if (const auto *wave = std::get_if<Wave>(&reading))
        banked.wave = *wave;
    else
        banked.silence = MediaError(banked.path, std::get<MediaError::Problem>(reading));
    return banked;
}

} // namespace

SoundBank::SoundBank(const MediaFolder &media, Reading reading)
{
    for (const Sound &sound : media.sounds()) {
        if (reading == Reading::VoicesWhenNeeded && sound.isVoice())
            sounds_.push_back(BankedSound{.sound = sound, .path = media.sound(sound), .read = false});
        else
            sounds_.push_back(bank(sound, media.sound(sound)));
    }
}

const BankedSound &SoundBank::need(std::size_t index)
{
    BankedSound &banked = sounds_.at(index);
    if (!banked.read)
        banked = bank(banked.sound, banked.path);
    return banked;
}

std::optional<std::size_t> SoundBank::indexOf(const Sound &sound) const
{
    const auto found =
        std::find_if(sounds_.begin(), sounds_.end(), [&sound](const BankedSound &s) { return s.sound == sound; });
    return found == sounds_.end() ? std::nullopt : std::optional(std::size_t(found - sounds_.begin()));
}

} // namespace sakana

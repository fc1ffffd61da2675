// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/soundmodule.h"

#include "sound/logging.h"

namespace sakana {

ModuleSoundPlayer::ModuleSoundPlayer(MediaFolder media, QString modulePath)
    : media_(std::move(media)), module_(std::move(modulePath))
{
}

ModuleSoundPlayer::~ModuleSoundPlayer() = default;

void ModuleSoundPlayer::prepare()
{
    if (prepared_)
        return;
    prepared_ = true;
    const auto make = reinterpret_cast<SoundModuleFactory>(module_.resolve(kSoundModuleFactory));
    if (!make) {
        qCWarning(lcSound, "cannot load the sound module (%s); the program runs without sound",
                  qPrintable(module_.errorString()));
        return;
    }
    player_.reset(make(&media_));
    player_->prepare();
}

void ModuleSoundPlayer::play(const Sound &sound)
{
    prepare();
    if (player_)
        player_->play(sound);
}

} // namespace sakana

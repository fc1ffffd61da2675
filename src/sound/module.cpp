// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The entry of the sound module, which the program loads when its sound
// system starts (see sound/soundmodule.h).

#include "sound/soundmodule.h"
#include "sound/platformplayer.h"

extern "C" Q_DECL_EXPORT sakana::StartableSoundPlayer *sakana_make_sound_player(const sakana::MediaFolder *media)
{
    return new sakana::PlatformSoundPlayer(*media);
}

// The type the program calls it through.
static_assert(std::is_same_v<decltype(&sakana_make_sound_player), sakana::SoundModuleFactory>);

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The sound player the module makes on this platform.

#ifdef _WIN32
#include "sound/waveoutplayer.h"
namespace sakana {
using PlatformSoundPlayer = WaveOutSoundPlayer;
}
#else
#include "sound/pulseplayer.h"
namespace sakana {
using PlatformSoundPlayer = PulseSoundPlayer;
}
#endif

#pragma once

// The sound player the module makes on this platform.

#ifdef SAKANA_QT_SOUND
#include "sound/effectplayer.h"
namespace sakana {
using PlatformSoundPlayer = EffectSoundPlayer;
}
#else
#include "sound/pulseplayer.h"
namespace sakana {
using PlatformSoundPlayer = PulseSoundPlayer;
}
#endif

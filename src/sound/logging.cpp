// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/logging.h"

#include "media/soundbank.h"

namespace sakana {

Q_LOGGING_CATEGORY(lcSound, "sakana.sound")

void saySilent(const BankedSound &sound)
{
    if (sound.silence)
        qCWarning(lcSound, "cannot play %s; it stays silent (%s)", qPrintable(sound.path),
                  qPrintable(sound.silence->translatedReason()));
    else
        qCWarning(lcSound, "cannot play %s; it stays silent", qPrintable(sound.path));
}

} // namespace sakana

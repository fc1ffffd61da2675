// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLoggingCategory>

namespace sakana {

struct BankedSound;

// What the sound side says on stderr: a sound that stays silent, and why.
// QT_LOGGING_RULES="sakana.sound=false" quiets it.
Q_DECLARE_LOGGING_CATEGORY(lcSound)

// Says that a sound stays silent, with the reason the bank knows, if any.
void saySilent(const BankedSound &sound);

} // namespace sakana

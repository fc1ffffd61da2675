// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLoggingCategory>

namespace sakana {

// What the sound side says on stderr: a sound that stays silent, and why.
// QT_LOGGING_RULES="sakana.sound=false" quiets it.
Q_DECLARE_LOGGING_CATEGORY(lcSound)

} // namespace sakana

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/logging.h"

namespace sakana {

Q_LOGGING_CATEGORY(lcSound, "sakana.sound")

} // namespace sakana

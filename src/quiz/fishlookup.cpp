// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/fishlookup.h"

namespace sakana {

QString FishLookup::spoken() const
{
    return caption().trimmed().isEmpty() ? fishName(chosen_) : caption();
}

} // namespace sakana

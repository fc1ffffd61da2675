// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "media/mediafolder.h"

#include <QString>

namespace sakana {

// The forty fish, numbered 1 to 40 in Japanese dictionary order of their
// names. The number names the fish's picture and its entry in the name list,
// and orders the names on both list screens. There are kFishCount of them
// (media/mediafolder.h).

// The bare name in hiragana: fishName(1) is "あいなめ".
QString fishName(int fishNo);

// The name as the list screens show it, spread to a common width by its
// number of kana. Two kana: "　あ　　じ"; three: "　い　さ　き"; four:
// "　あ い な め".
QString fishCaption(int fishNo);

} // namespace sakana

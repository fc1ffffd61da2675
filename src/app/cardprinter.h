// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "quiz/quiz.h"

#include <QString>
#include <optional>

namespace sakana {

class MediaFolder;

// Fish cards to print on A4: eight a page in two columns, each the fish's
// picture as the program shows it (scaled to the card, keeping its
// proportions) and its name in large hiragana in the design's Mincho face,
// with dashed cut lines round every card; then a page of the names, each
// with a box to tick.
inline constexpr int kCardsPerPage = 8;

// Writes the cards of these fish to a PDF file: to a temporary file beside
// it, renamed once whole, so that a failure leaves nothing. Returns what went
// wrong, one line naming the file, or nothing when it was written. Throws
// MediaError for a picture that cannot be read.
std::optional<QString> writeFishCards(const QString &file, const MediaFolder &media, const FishSet &fish);

// The run of --print-cards: the cards of the drill set in use (all forty
// without one) to the file. Prints one line on stderr and returns 1 when
// anything fails, 0 when the file is written.
int printFishCards(const QString &file, const std::optional<MediaFolder> &media, const QString &programDirectory);

} // namespace sakana

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The fish a teacher chose for the drill, from a small text file: one fish a
// line, by its number (1 to 40) or its name in hiragana ("あゆ"; katakana,
// the list screens' spread form "　あ　　ゆ" and full-width digits read the
// same). "#" starts a comment that runs to the end of the line; blank lines
// are skipped. The file is read like the name list (media/textfile.h: code
// page 932 or UTF-8), so a comma parts two entries on one line as well.

#include "media/mediafolder.h"
#include "quiz/quiz.h"

#include <QString>
#include <optional>
#include <vector>

namespace sakana {

// The fish an entry names: 0 for none.
int fishNamedBy(const QString &entry);

struct DrillSetLine {
    int line = 0;
    QString entry;
    bool operator==(const DrillSetLine &) const = default;
};

// The whole file as read: the fish, the entries that name no fish, and the
// entries that name a fish already named (kept once).
struct DrillSetEntries {
    FishSet fish;
    std::vector<DrillSetLine> unknown;
    std::vector<DrillSetLine> repeated;
};

// Throws MediaError when the file cannot be opened or an entry cannot be
// decoded.
DrillSetEntries readDrillSetEntries(const QString &path);

// The fish of the file; throws MediaError naming the file for anything that
// keeps it from being the teacher's choice: the file cannot be read, an
// entry names no fish (its line and the entry), or it names none.
FishSet readDrillSet(const QString &path);

// Whether the folder has a set for the drill: the file named, or the
// folder's own where anything stands under its name.
bool hasDrillSet(const MediaFolder &media);

// The set the drill asks of this folder: the file named, or the folder's own
// where it has one; nothing (all forty fish) without either.
std::optional<FishSet> drillSetOf(const MediaFolder &media);

} // namespace sakana

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "quiz/namelist.h"

namespace sakana {

// What the lookup screen shows: the fish chosen last, with its caption from
// the name list. Knows nothing of the screen that shows it.
class FishLookup {
public:
    // The captions as the name list reads now; the choice stays.
    void setCaptions(NameList captions) { captions_ = std::move(captions); }
    void choose(int fishNo) { chosen_ = fishNo; }

    int chosen() const { return chosen_; }  // 0: none yet
    // The chosen fish's caption. Only once a fish is chosen.
    const QString &caption() const { return captions_.caption(chosen_); }
    // What a screen reader calls the chosen fish: its caption, or its name
    // where the caption is blank.
    QString spoken() const;

private:
    NameList captions_;
    int chosen_ = 0;
};

} // namespace sakana

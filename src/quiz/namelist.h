// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The captions of the forty fish on the lookup screen, read from the name
// list "name.txt" (code page 932; see quiz/textfile.h for how entries are cut
// and decoded). Entry n of the file is the caption of fish n.

#include "quiz/catalogue.h"

#include <QString>

#include <array>

namespace sakana {

class NameList {
public:
    // The caption of fish 1 to 40.
    const QString &caption(int fishNo) const { return entries_.at(std::size_t(fishNo - 1)); }
    void setCaption(int fishNo, QString caption) { entries_.at(std::size_t(fishNo - 1)) = std::move(caption); }

private:
    std::array<QString, kFishCount> entries_{};
};

// Reads the first forty entries of the file; whatever follows them is never
// read. The file is opened, read and closed within the call. Throws
// MediaError naming the file (as given) and what was wrong: the file is
// missing or unreadable, an entry cannot be decoded, or there are fewer than
// forty entries.
NameList readNameList(const QString &path);

} // namespace sakana

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The captions of the forty fish on the lookup screen, read from the name
// list "name.txt" (code page 932; see media/textfile.h for how entries are cut
// and decoded). Entry n of the file is the caption of fish n.

#include "media/mediaerror.h"
#include "media/textfile.h"
#include "quiz/catalogue.h"

#include <QString>

#include <array>
#include <variant>
#include <vector>

namespace sakana {

class NameList {
public:
    // The caption of fish 1 to 40.
    const QString &caption(int fishNo) const { return entries_.at(std::size_t(fishNo - 1)); }
    void setCaption(int fishNo, QString caption) { entries_.at(std::size_t(fishNo - 1)) = std::move(caption); }

private:
    std::array<QString, kFishCount> entries_{};
};

// The first forty entries of the file as read, each its caption or the
// MediaError that reading it raised; fewer when the file ends before the
// fortieth. A failed entry does not end the reading: the next one starts
// where that one stopped.
struct NameListEntries {
    std::vector<std::variant<QString, MediaError>> entries;
    TextFile::Encoding encoding = TextFile::Encoding::Undecided;
};

// Reads as far as the fortieth entry (or the `most`th: the media check
// looks one further) and closes the file. Throws MediaError when the file is
// missing or cannot be opened.
NameListEntries readNameListEntries(const QString &path, int most = kFishCount);

// Reads the first forty entries of the file; whatever follows them is never
// read. The file is opened, read and closed within the call. Throws
// MediaError naming the file (as given) and the first thing that was wrong:
// the file is missing or unreadable, an entry cannot be decoded, or there are
// fewer than forty entries.
NameList readNameList(const QString &path);

} // namespace sakana

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/namelist.h"

namespace sakana {

NameListEntries readNameListEntries(const QString &path, int most)
{
    NameListEntries read;
    TextFile file(path);
    while (read.entries.size() < std::size_t(most)) {
        try {
            std::optional<QString> entry = file.readEntry();
            if (!entry)
                break;
            read.entries.emplace_back(std::move(*entry));
        } catch (const MediaError &error) {
            read.entries.emplace_back(error);
        }
    }
    read.encoding = file.encoding();
    return read;
}

NameList readNameList(const QString &path)
{
    NameListEntries read = readNameListEntries(path);
    NameList names;
    int fishNo = 0;
    for (auto &entry : read.entries) {
        if (const auto *error = std::get_if<MediaError>(&entry))
            throw *error;
        names.setCaption(++fishNo, std::get<QString>(std::move(entry)));
    }
    if (fishNo < kFishCount)
        throw MediaError(path, MediaError::Problem::TooFewEntries, fishNo, kFishCount);
    return names;
}

} // namespace sakana

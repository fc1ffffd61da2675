// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/namelist.h"

#include "media/mediaerror.h"
#include "quiz/catalogue.h"
#include "quiz/textfile.h"

namespace sakana {

NameList readNameList(const QString &path)
{
    NameList names;
    TextFile file(path);
    for (int fishNo = 1; fishNo <= kFishCount; ++fishNo) {
        std::optional<QString> entry = file.readEntry();
        if (!entry)
            throw MediaError(path, MediaError::Problem::TooFewEntries, fishNo - 1, kFishCount);
        names.setCaption(fishNo, std::move(*entry));
    }
    return names;
}

} // namespace sakana

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/drillset.h"

#include "media/mediaerror.h"
#include "media/textfile.h"
#include "quiz/catalogue.h"

#include <QFileInfo>

namespace sakana {

namespace {

// Full-width digits and the ideographic space made plain, every blank taken
// out, katakana made hiragana.
QString plainForm(const QString &entry)
{
    QString plain;
    for (const QChar c : entry.normalized(QString::NormalizationForm_KC)) {
        if (c.isSpace())
            continue;
        const char16_t u = c.unicode();
        plain += u >= u'ァ' && u <= u'ヶ' ? QChar(char16_t(u - 0x60)) : c;
    }
    return plain;
}

} // namespace

int fishNamedBy(const QString &entry)
{
    const QString plain = plainForm(entry);
    bool number = false;
    const int fishNo = plain.toInt(&number);
    if (number)
        return fishNo >= 1 && fishNo <= kFishCount && plain.front().isDigit() ? fishNo : 0;
    for (int k = 1; k <= kFishCount; ++k) {
        if (plain == fishName(k))
            return k;
    }
    return 0;
}

DrillSetEntries readDrillSetEntries(const QString &path)
{
    DrillSetEntries read;
    TextFile file(path);
    int commentLine = 0;  // the entries after a "#" on its line are comment too
    while (std::optional<QString> entry = file.readEntry()) {
        const int line = file.entryLine();
        if (line == commentLine)
            continue;
        if (const qsizetype hash = entry->indexOf(u'#'); hash >= 0) {
            entry->truncate(hash);
            commentLine = line;
        }
        if (entry->trimmed().isEmpty())
            continue;
        const int fishNo = fishNamedBy(*entry);
        const DrillSetLine where{line, entry->trimmed()};
        if (fishNo == 0)
            read.unknown.push_back(where);
        else if (read.fish.test(std::size_t(fishNo - 1)))
            read.repeated.push_back(where);
        else
            read.fish.set(std::size_t(fishNo - 1));
    }
    return read;
}

FishSet readDrillSet(const QString &path)
{
    const DrillSetEntries read = readDrillSetEntries(path);
    if (!read.unknown.empty()) {
        const DrillSetLine &first = read.unknown.front();
        throw MediaError(path, MediaError::Problem::UnknownFish, first.line, first.entry);
    }
    if (read.fish.none())
        throw MediaError(path, MediaError::Problem::NoFishChosen);
    return read.fish;
}

bool hasDrillSet(const MediaFolder &media)
{
    // A folder, a pipe or an unreadable file under the name is reported as
    // such when the file is opened; so is a link that leads nowhere.
    const QFileInfo file(media.drillSet());
    return media.drillSetNamed() || file.exists() || file.isSymLink();
}

std::optional<FishSet> drillSetOf(const MediaFolder &media)
{
    return hasDrillSet(media) ? std::optional(readDrillSet(media.drillSet())) : std::nullopt;
}

} // namespace sakana

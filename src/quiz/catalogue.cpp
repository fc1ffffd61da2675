// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/catalogue.h"

#include <array>

namespace sakana {

namespace {

constexpr std::array<const char16_t *, kFishCount> kNames = {
    u"あいなめ", u"あじ",   u"あゆ",     u"あんこう", u"いさき",
    u"いしだい", u"いわし", u"いわな",   u"うつぼ",   u"うなぎ",
    u"えい",     u"おこぜ", u"かじき",   u"かます",   u"かれい",
    u"かわはぎ", u"きす",   u"さけ",     u"さば",     u"さめ",
    u"さより",   u"さんま", u"しいら",   u"たい",     u"たちうお",
    u"たら",     u"どじょう", u"とびうお", u"なまず", u"にしん",
    u"はぜ",     u"はた",   u"ひらめ",   u"ふぐ",     u"ぶり",
    u"ぼら",     u"まぐろ", u"ます",     u"めばる",   u"わかさぎ",
};

} // namespace

QString fishName(int fishNo)
{
    return QString::fromUtf16(kNames.at(std::size_t(fishNo - 1)));
}

QString fishCaption(int fishNo)
{
    const QString name = fishName(fishNo);
    const QChar wide(0x3000);  // ideographic space
    QString caption(wide);
    switch (name.size()) {
    case 2:
        caption += name[0] + QString(2, wide) + name[1];
        break;
    case 3:
        caption += name[0] + QString(wide) + name[1] + QString(wide) + name[2];
        break;
    default:
        for (qsizetype k = 0; k < name.size(); ++k) {
            if (k > 0)
                caption += QLatin1Char(' ');
            caption += name[k];
        }
        break;
    }
    return caption;
}

} // namespace sakana

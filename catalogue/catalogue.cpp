#include "catalogue/catalogue.h"

namespace sakana {

const std::array<Fish, kFishCount> kFish = {{
    {u"あいなめ"}, {u"あじ"},   {u"あゆ"},     {u"あんこう"}, {u"いさき"},
    {u"いしだい"}, {u"いわし"}, {u"いわな"},   {u"うつぼ"},   {u"うなぎ"},
    {u"えい"},     {u"おこぜ"}, {u"かじき"},   {u"かます"},   {u"かれい"},
    {u"かわはぎ"}, {u"きす"},   {u"さけ"},     {u"さば"},     {u"さめ"},
    {u"さより"},   {u"さんま"}, {u"しいら"},   {u"たい"},     {u"たちうお"},
    {u"たら"},     {u"どじょう"}, {u"とびうお"}, {u"なまず"}, {u"にしん"},
    {u"はぜ"},     {u"はた"},   {u"ひらめ"},   {u"ふぐ"},     {u"ぶり"},
    {u"ぼら"},     {u"まぐろ"}, {u"ます"},     {u"めばる"},   {u"わかさぎ"},
}};

int fishIndexOf(int index) { return index + 1; }
int indexOfFish(int fishNo) { return fishNo - 1; }

QString captionOf(int index)
{
    const QString name = QString::fromUtf16(kFish.at(std::size_t(index)).name);
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

Column columnOf(int index) { return index < 20 ? Column::Left : Column::Right; }
int rowOf(int index) { return index % 20 + 1; }

TwipsRect gridRect(int index)
{
    return {columnOf(index) == Column::Left ? 180 : 9000, 900 + 300 * (index % 20), 2325, 285};
}

} // namespace sakana

#include "ui/fonts.h"

#include <QFontDatabase>
#include <algorithm>
#include <cmath>

namespace sakana {

namespace {

QStringList designFamilies(Face face)
{
    // The design faces first, then the nearest serif faces that cover Japanese.
    // fontconfig also knows the IPA faces as "IPA明朝" and "IPA P明朝".
    switch (face) {
    case Face::Mincho:
        return {QStringLiteral("ＭＳ 明朝"), QStringLiteral("MS Mincho"),
                QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝"),
                QStringLiteral("Noto Serif CJK JP")};
    case Face::PMincho:
        return {QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("MS PMincho"),
                QStringLiteral("IPAPMincho"), QStringLiteral("IPA P明朝"),
                QStringLiteral("Noto Serif CJK JP")};
    }
    return {};
}

bool hasBoldWeight(const QString &family)
{
    const QStringList styles = QFontDatabase::styles(family);
    return std::any_of(styles.begin(), styles.end(),
                       [](const QString &style) { return style.contains(QLatin1String("Bold")); });
}

// The family names tried for a face, in order.
QStringList familiesFor(Face face, bool bold)
{
    QStringList families = designFamilies(face);
    if (bold)
        std::stable_partition(families.begin(), families.end(), hasBoldWeight);
    return families;
}

int designPixelSize(const FontDesign &design, double scale)
{
    return int(std::lround(design.points * 96.0 / 72.0 * scale));
}

} // namespace

QFont designFont(const FontDesign &design, double scale)
{
    QFont font;
    font.setFamilies(familiesFor(design.face, design.bold));
    font.setStyleHint(QFont::Serif);
    // Sizes are fixed in pixels so that the text keeps the size it has at
    // 96 dots per inch, where the twips of the layout are pixels too.
    font.setPixelSize(designPixelSize(design, scale));
    font.setBold(design.bold);
    font.setItalic(design.italic);
    return font;
}

int designAscent(const FontDesign &design, double scale)
{
    // As the font engine does: scaled from font units and rounded to the
    // nearest whole pixel.
    constexpr int kAscentUnits = 1802;
    constexpr int kUnitsPerEm = 2048;
    return (kAscentUnits * designPixelSize(design, scale) + kUnitsPerEm / 2) / kUnitsPerEm;
}

} // namespace sakana

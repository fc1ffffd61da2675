// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

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

QFont makeFont(const FontDesign &design, int pixelSize)
{
    QFont font;
    font.setFamilies(familiesFor(design.face, design.bold));
    font.setStyleHint(QFont::Serif);
    // Sizes are fixed in pixels so that the text keeps the size it has at
    // 96 dots per inch, where the twips of the layout are pixels too.
    font.setPixelSize(pixelSize);
    font.setBold(design.bold);
    font.setItalic(design.italic);
    return font;
}

// The fonts of a scaled design are kept for the whole run: their letters,
// once drawn at a large size, then stay ready from one opening of a screen
// to the next, where a fresh font would draw them all again.
QFont scaledFont(const FontDesign &design, int pixelSize)
{
    using Key = std::tuple<int, int, bool, bool>;
    // Never destroyed: a font must not outlive the application's font cache.
    static auto *fonts = new std::map<Key, QFont>;
    const Key key{int(design.face), pixelSize, design.bold, design.italic};
    auto found = fonts->find(key);
    if (found == fonts->end()) {
        found = fonts->emplace(key, makeFont(design, pixelSize)).first;
        // Measuring makes the font's engine, which the kept font then holds.
        QFontMetrics(found->second).ascent();
    }
    return found->second;
}

} // namespace

QFont designFont(const FontDesign &design, double scale)
{
    const int pixelSize = designPixelSize(design, scale);
    return scale == 1.0 ? makeFont(design, pixelSize) : scaledFont(design, pixelSize);
}

int designAscent(const FontDesign &design, double scale)
{
    // As the font engine does: scaled from font units and rounded to the
    // nearest whole pixel.
    constexpr int kAscentUnits = 1802;
    constexpr int kUnitsPerEm = 2048;
    return (kAscentUnits * designPixelSize(design, scale) + kUnitsPerEm / 2) / kUnitsPerEm;
}

void addFontsFrom(const QString &folder)
{
    const QDir fonts(folder);
    for (const QString &name : fonts.entryList({QStringLiteral("*.ttf"), QStringLiteral("*.otf")}, QDir::Files))
        QFontDatabase::addApplicationFont(fonts.filePath(name));
}

} // namespace sakana

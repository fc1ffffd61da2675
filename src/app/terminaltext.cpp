// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/terminaltext.h"

#include <QList>
#include <algorithm>
#include <array>
#include <utility>

namespace sakana {

namespace {

bool isWide(char32_t c)
{
    // The wide and full-width blocks of East Asian text.
    static constexpr std::array<std::pair<char32_t, char32_t>, 12> kWide{{
        {0x1100, 0x115F},   // Hangul leading consonants
        {0x2E80, 0x303E},   // CJK radicals, ideographic space and punctuation
        {0x3041, 0x33FF},   // kana, bopomofo, CJK compatibility
        {0x3400, 0x4DBF},   // CJK extension A
        {0x4E00, 0x9FFF},   // CJK ideographs
        {0xA000, 0xA4CF},   // Yi
        {0xAC00, 0xD7A3},   // Hangul syllables
        {0xF900, 0xFAFF},   // CJK compatibility ideographs
        {0xFE30, 0xFE4F},   // CJK compatibility forms
        {0xFF00, 0xFF60},   // full-width forms
        {0xFFE0, 0xFFE6},   // full-width signs
        {0x20000, 0x3FFFD}, // CJK extensions B and on
    }};
    return std::ranges::any_of(kWide, [c](const auto &range) { return c >= range.first && c <= range.second; });
}

int columnsOf(char32_t c)
{
    return isWide(c) ? 2 : 1;
}

bool neverStartsLine(char32_t c)
{
    static const std::u32string_view kClosing =
        U"、。，．・：；？！ー’”）〕］｝〉》」』】〙〗〟ゝゞヽヾ々"
        U"ぁぃぅぇぉっゃゅょゎゕゖァィゥェォッャュョヮヵヶ"
        U")]},.:;!?";
    return kClosing.find(c) != std::u32string_view::npos;
}

bool neverEndsLine(char32_t c)
{
    static const std::u32string_view kOpening = U"‘“（〔［｛〈《「『【〘〖〝([{";
    return kOpening.find(c) != std::u32string_view::npos;
}

// A piece of text never broken inside, and whether a space stood before it.
struct Piece {
    QString text;
    bool afterSpace = false;
};

std::vector<Piece> piecesOf(QStringView text)
{
    std::vector<Piece> pieces;
    bool space = false;
    char32_t previous = 0;
    for (const char32_t c : text.toUcs4()) {
        if (c == U' ') {
            space = true;
            continue;
        }
        const bool breaks = pieces.empty() || space ||
                            ((isWide(previous) || isWide(c)) && !neverStartsLine(c) && !neverEndsLine(previous));
        if (breaks)
            pieces.push_back({QString(), space && !pieces.empty()});
        pieces.back().text += QString::fromUcs4(&c, 1);
        space = false;
        previous = c;
    }
    return pieces;
}

} // namespace

int terminalColumns(QStringView text)
{
    int columns = 0;
    for (const char32_t c : text.toUcs4())
        columns += columnsOf(c);
    return columns;
}

QStringList wrapForTerminal(QStringView text, int columns)
{
    QStringList lines;
    QString line;
    int used = 0;
    for (const Piece &piece : piecesOf(text)) {
        int gap = !line.isEmpty() && piece.afterSpace ? 1 : 0;
        const int width = terminalColumns(piece.text);
        if (!line.isEmpty() && used + gap + width > columns) {
            lines << line;
            line.clear();
            used = gap = 0;
        }
        if (gap)
            line += u' ';
        used += gap;
        for (const char32_t c : piece.text.toUcs4()) {
            // Only a piece wider than a whole line is cut.
            if (used + columnsOf(c) > columns && !line.isEmpty()) {
                lines << line;
                line.clear();
                used = 0;
            }
            line += QString::fromUcs4(&c, 1);
            used += columnsOf(c);
        }
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines << line;
    return lines;
}

} // namespace sakana

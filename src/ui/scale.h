// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/twips.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <algorithm>

namespace sakana {

// A rectangle in twips that may hold a fraction, as a centred picture's does.
struct TwipsRectF {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// How a screen's design, made in twips, is drawn on its window: every length
// times one factor, from an origin in the window. The unit scale draws the
// design as it was made, a twip to a fifteenth of a pixel, from the corner.
struct Scale {
    double factor = 1.0;
    QPoint origin{};

    // Pixels of the window for a rectangle of the design. Each of left, top,
    // width and height is rounded on its own, a half to the even pixel, as
    // the unit scale always rounded them.
    QRect toPixels(const TwipsRectF &rect) const
    {
        return {origin.x() + twipsToPixels(factor * rect.left), origin.y() + twipsToPixels(factor * rect.top),
                twipsToPixels(factor * rect.width), twipsToPixels(factor * rect.height)};
    }
    // A length of the design given in pixels (a border, a font size), never
    // thinner than a pixel.
    int pixels(double designPixels) const
    {
        const int scaled = twipsToPixels(factor * designPixels * kTwipsPerPixel);
        return scaled < 1 && designPixels > 0 ? 1 : scaled;
    }
    bool isUnit() const { return factor == 1.0 && origin.isNull(); }
    bool operator==(const Scale &) const = default;
};

// The largest scale at which a design of that size in pixels fits the area,
// centred in it; the unit scale where either is empty.
inline Scale fitScale(QSize area, QSize design)
{
    if (area.isEmpty() || design.isEmpty())
        return {};
    const double factor = std::min(double(area.width()) / design.width(), double(area.height()) / design.height());
    const QSize drawn(twipsToPixels(factor * design.width() * kTwipsPerPixel),
                      twipsToPixels(factor * design.height() * kTwipsPerPixel));
    return {factor, QPoint((area.width() - drawn.width()) / 2, (area.height() - drawn.height()) / 2)};
}

} // namespace sakana

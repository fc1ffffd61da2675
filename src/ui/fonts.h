// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QStringList>

namespace sakana {

// The two Japanese serif faces of the designs: fixed-width and proportional.
enum class Face { Mincho, PMincho };

// A design font: face, size in points (at 96 dots per inch), weight, slant.
struct FontDesign {
    Face face = Face::Mincho;
    double points = 0;
    bool bold = false;
    bool italic = false;
};

// Builds the font for a design entry. Where the design faces are missing the
// nearest Japanese serif faces stand in for them; where bold is asked for,
// the faces that really have a bold weight come first, since a face without
// one is drawn regular at large sizes.
//
// At a scale the font is laid out again at that many times its size.
QFont designFont(const FontDesign &design, double scale = 1.0);

// How far, in pixels, the regular face the layout was made for reaches above
// its baseline at the design's size: 1802/2048 of the em, the same in MS
// Mincho and in IPA Mincho, which share their metrics. Knowing it saves
// loading a regular face just to measure it.
int designAscent(const FontDesign &design, double scale = 1.0);

// Makes the font files (.ttf, .otf) of `folder` known to the program alone,
// for the systems that lack the design's faces: the Windows zip carries the
// IPA faces in a folder beside the program. A missing folder adds nothing.
void addFontsFrom(const QString &folder);

} // namespace sakana

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace sakana {

// The size a picture is shown at in a frame: its own size when it fits,
// else scaled down to fit, keeping its proportions (never cut). Without a
// frame, its own size.
QSize fittedSize(QSize picture, QSize frame);

// A picture as read for its frame.
struct ReadPicture {
    QImage image;        // upright; at most `shown` times the detail asked for
    QSize own;           // the picture's own size, upright
    QSize shown;         // fittedSize(own, frame)
    QByteArray format;   // what the content is: "gif", "png", "jpeg" or "ico"
    bool turned = false; // turned or mirrored upright by its EXIF orientation
};

// Reads a picture file, GIF, PNG or JPEG whatever its name says (the bytes
// decide), within a size and memory limit, so that a missing, broken, cut
// short or gigantic file is a MediaError naming the file and never a crash.
// A JPEG is turned upright by its EXIF orientation. A picture larger than
// `frame` (in pixels of the design) is decoded already scaled down, to
// `detail` device pixels for each pixel it is shown at, or its own size when
// that is less. An ".ico" file (the program's built-in pictures, named
// ":/pictures/...") is an icon, of which the largest image alone is read.
ReadPicture readPictureIn(const QString &path, QSize frame, qreal detail = 1.0);

// The picture at its own size.
QImage readPicture(const QString &path);

} // namespace sakana

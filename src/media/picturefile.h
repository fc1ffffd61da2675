// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>

namespace sakana {

// Reads a picture file in the format its name gives ("gif" or "ico"), within
// a size and memory limit, so that a missing, broken or gigantic file is a
// MediaError naming the file and never a crash. Of an icon, the largest image
// is read, and only that one. Built-in pictures are named ":/pictures/...".
QImage readPicture(const QString &path);

} // namespace sakana

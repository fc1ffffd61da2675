// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace sakana {

// Opening a file of the media folder. The file is opened without waiting on
// it, since a named pipe with no writer or a device would hold the program
// for good, and it is used only when the opened file is a regular file: the
// file itself is looked at, not its name, so that nothing swapped in between
// the look and the reading slips through.

// Opens `file` (its name set) for reading. Throws MediaError naming it when
// it is missing, not a regular file, or cannot be opened. A name starting
// with ':' is one of the program's built-in resources.
void openMediaFile(QFile &file);

// The whole of a media file, refused as too large beyond `maxBytes`. Throws
// MediaError as openMediaFile() does, or when the file cannot be read.
QByteArray readMediaFile(const QString &path, qint64 maxBytes);

} // namespace sakana

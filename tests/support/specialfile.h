#pragma once

#include <QString>

namespace sakana::testing {

// What may stand where a media file should: a named pipe with no writer, a
// socket, or a character device (a link to /dev/zero).
enum class SpecialFile { Fifo, Socket, Device };

// Replaces whatever is at `path` with one; false if that could not be done.
bool makeSpecialFile(const QString &path, SpecialFile kind);

} // namespace sakana::testing

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFile>
#include <QString>

#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace sakana::testing {

// What may stand where a media file should: a named pipe with no writer, a
// socket, or a character device (a link to /dev/zero).
enum class SpecialFile { Fifo, Socket, Device };

// Replaces whatever is at `path` with one; false if that could not be done.
inline bool makeSpecialFile(const QString &path, SpecialFile kind)
{
    QFile::remove(path);
    const QByteArray native = QFile::encodeName(path);
    sockaddr_un address{AF_UNIX, {}};
    if (kind == SpecialFile::Fifo)
        return ::mkfifo(native.constData(), 0600) == 0;
    if (kind == SpecialFile::Device)
        return QFile::link(QStringLiteral("/dev/zero"), path);
    if (native.size() >= qsizetype(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, native.constData(), std::size_t(native.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

} // namespace sakana::testing

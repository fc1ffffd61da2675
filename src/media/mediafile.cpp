// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/mediafile.h"

#include "media/mediaerror.h"

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace sakana {

namespace {

constexpr auto kMissing = MediaError::Problem::Missing;
constexpr auto kUnreadable = MediaError::Problem::Unreadable;
constexpr auto kTooLarge = MediaError::Problem::TooLarge;

#ifdef Q_OS_UNIX
// What stands under a media file's name when it is not a regular file.
MediaError::FileKind fileKind(mode_t mode)
{
    using Kind = MediaError::FileKind;
    return S_ISDIR(mode)                    ? Kind::Folder
           : S_ISFIFO(mode)                 ? Kind::Pipe
           : S_ISSOCK(mode)                 ? Kind::Socket
           : S_ISCHR(mode) || S_ISBLK(mode) ? Kind::Device
                                            : Kind::Other;
}
#endif

} // namespace

void openMediaFile(QFile &file)
{
    const QString path = file.fileName();
    if (path.isEmpty())
        throw MediaError(path, kMissing);
    // The program's own built-in pictures lie in its resources, in memory.
    if (path.startsWith(QLatin1Char(':'))) {
        if (!file.open(QIODevice::ReadOnly))
            throw MediaError(path, kMissing);
        return;
    }
#ifdef Q_OS_UNIX
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            throw MediaError(path, kMissing);
        // A socket cannot be opened at all; say what it is.
        struct stat info {};
        if (::stat(native.constData(), &info) == 0 && !S_ISREG(info.st_mode))
            throw MediaError(path, fileKind(info.st_mode));
        throw MediaError(path, kUnreadable);
    }
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    // A regular file never makes a read wait; the reads go on as usual.
    const int flags = regular ? ::fcntl(fd, F_GETFL) : -1;
    if (!regular || flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) < 0) {
        ::close(fd);
        throw regular ? MediaError(path, kUnreadable) : MediaError(path, fileKind(info.st_mode));
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw MediaError(path, kUnreadable);
    }
#else
    if (!file.exists())
        throw MediaError(path, kMissing);
    if (!file.open(QIODevice::ReadOnly))
        throw MediaError(path, kUnreadable);
    if (file.isSequential())
        throw MediaError(path, MediaError::FileKind::Unknown);
#endif
}

QByteArray readMediaFile(const QString &path, qint64 maxBytes)
{
    QFile file(path);
    openMediaFile(file);
    if (file.size() > maxBytes)
        throw MediaError(path, kTooLarge);
    // Read in modest pieces rather than asking for the largest size at once,
    // so that a small file needs little memory and a file that grows while
    // it is read still stops at the limit.
    QByteArray bytes;
    bytes.reserve(file.size());
    constexpr qint64 kPiece = 64 * 1024;
    for (;;) {
        const qsizetype had = bytes.size();
        bytes.resize(had + kPiece);
        const qint64 got = file.read(bytes.data() + had, kPiece);
        if (got < 0)
            throw MediaError(path, kUnreadable);
        bytes.resize(had + got);
        if (bytes.size() > maxBytes)
            throw MediaError(path, kTooLarge);
        if (got == 0)
            break;
    }
    return bytes;
}

} // namespace sakana

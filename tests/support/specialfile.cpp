#include "support/specialfile.h"

#include <QFile>

#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace sakana::testing {

bool makeSpecialFile(const QString &path, SpecialFile kind)
{
    QFile::remove(path);
    const QByteArray native = QFile::encodeName(path);
    switch (kind) {
    case SpecialFile::Fifo: return ::mkfifo(native.constData(), 0600) == 0;
    case SpecialFile::Device: return QFile::link(QStringLiteral("/dev/zero"), path);
    case SpecialFile::Socket: {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (native.size() >= qsizetype(sizeof address.sun_path))
            return false;
        std::memcpy(address.sun_path, native.constData(), std::size_t(native.size()));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
        if (fd >= 0)
            ::close(fd);
        return bound;
    }
    }
    return false;
}

} // namespace sakana::testing

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuzzsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include <fcntl.h>
#include <unistd.h>

namespace sakana::fuzz {

namespace {

// Decoder warnings about broken input are expected by the million; printing
// them would slow the fuzzer down and drown its own output. A fatal message
// still ends the process, since Qt aborts after any handler returns.
void dropMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "qFatal: %s\n", qPrintable(message));
}

std::unique_ptr<QTemporaryDir> &scratchDir()
{
    static std::unique_ptr<QTemporaryDir> dir;
    return dir;
}

QString scratchFolder()
{
    auto &dir = scratchDir();
    if (!dir) {
        // Memory-backed when possible: the fuzzer writes a file per input.
        const QString base = QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                 ? QStringLiteral("/dev/shm")
                                 : QDir::tempPath();
        dir = std::make_unique<QTemporaryDir>(base + QStringLiteral("/sakana-fuzz-XXXXXX"));
        if (!dir->isValid()) {
            std::fprintf(stderr, "cannot create a scratch folder in %s\n", qPrintable(base));
            std::abort();
        }
        std::atexit([] { scratchDir().reset(); });
    }
    return dir->path();
}

} // namespace

void fail(const char *what)
{
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}

void startQt(int *argc, char ***argv)
{
    qInstallMessageHandler(dropMessages);

    // The instrumented plugins are searched first and alone, so that a
    // system plugin of the same name cannot stand in for them unnoticed.
    const QByteArray plugins = qgetenv("SAKANA_FUZZ_QT_PLUGINS");
    if (!plugins.isEmpty()) {
        if (!QFileInfo(QString::fromLocal8Bit(plugins) + QStringLiteral("/imageformats")).isDir()) {
            std::fprintf(stderr, "SAKANA_FUZZ_QT_PLUGINS=%s holds no imageformats folder\n", plugins.constData());
            std::abort();
        }
    }

    static int appArgc = 1;
    static char *appArgv[] = {(*argc > 0 ? (*argv)[0] : const_cast<char *>("fuzz")), nullptr};
    static QCoreApplication app(appArgc, appArgv);
    if (!plugins.isEmpty())
        QCoreApplication::setLibraryPaths({QString::fromLocal8Bit(plugins)});
}

void checkPluginsLoaded(const QByteArrayList &formats)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return;
    const QByteArrayList lines = maps.readAll().split('\n');
    const QByteArray wanted = qgetenv("SAKANA_FUZZ_QT_PLUGINS");
    for (const QByteArray &format : formats) {
        const QByteArray library = "/libq" + format + ".so";
        QByteArray found;
        for (const QByteArray &line : lines) {
            if (line.endsWith(library)) {
                found = line.mid(line.indexOf('/'));
                break;
            }
        }
        std::fprintf(stderr, "INFO: %s plugin: %s\n", format.constData(),
                     found.isEmpty() ? "(not loaded)" : found.constData());
        if (!wanted.isEmpty()) {
            const QByteArray expected = QFileInfo(QString::fromLocal8Bit(wanted)).canonicalFilePath().toLocal8Bit()
                                        + "/imageformats" + library;
            if (found != expected) {
                std::fprintf(stderr, "the %s plugin is not %s\n", format.constData(), expected.constData());
                std::abort();
            }
        }
    }
}

ScratchFile::ScratchFile(const QString &fileName)
    : path_(scratchFolder() + QLatin1Char('/') + fileName), nativePath_(QFile::encodeName(path_))
{
}

const QString &ScratchFile::write(const std::uint8_t *data, std::size_t size)
{
    const int fd = ::open(nativePath_.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        std::perror(nativePath_.constData());
        std::abort();
    }
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n <= 0) {
            std::perror(nativePath_.constData());
            std::abort();
        }
        done += std::size_t(n);
    }
    ::close(fd);
    return path_;
}

} // namespace sakana::fuzz

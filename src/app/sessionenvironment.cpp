// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/sessionenvironment.h"

#include <QFile>
#include <QFileInfo>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace sakana {

EnvironmentSettings quietSessionSettings(const QProcessEnvironment &environment, uint userId, const PathTest &exists,
                                         const PathTest &isPrivateFolder)
{
    EnvironmentSettings settings;
    const auto unset = [&environment](const char *name) {
        return environment.value(QString::fromLatin1(name)).isEmpty();
    };
    const QString home = environment.value(QStringLiteral("HOME"));
    QString runtime = environment.value(QStringLiteral("XDG_RUNTIME_DIR"));
    if (runtime.isEmpty()) {
        runtime = QStringLiteral("/run/user/%1").arg(userId);
        for (const QString &folder : {runtime, home}) {
            if (!folder.isEmpty() && isPrivateFolder(folder)) {
                settings.emplace_back("XDG_RUNTIME_DIR", folder.toLocal8Bit());
                break;
            }
        }
    }

    if (unset("DBUS_SESSION_BUS_ADDRESS")) {
        const QString bus = runtime + QStringLiteral("/bus");
        // A bus address of a kind no one knows: no bus, and none launched.
        settings.emplace_back("DBUS_SESSION_BUS_ADDRESS",
                              exists(bus) ? ("unix:path=" + bus).toLocal8Bit() : QByteArray("disabled:"));
    }
    if (unset("PULSE_SERVER"))
        settings.emplace_back("PULSE_SERVER", ("unix:" + runtime + "/pulse/native").toLocal8Bit());

    QString config = environment.value(QStringLiteral("XDG_CONFIG_HOME"));
    if (config.isEmpty())
        config = home + QStringLiteral("/.config");
    const QString soundConfig = config + QStringLiteral("/pulse");
    if (unset("PULSE_CLIENTCONFIG") && !exists(soundConfig + QStringLiteral("/client.conf")))
        settings.emplace_back("PULSE_CLIENTCONFIG", "/dev/null");
    if (unset("PULSE_COOKIE") && !exists(soundConfig + QStringLiteral("/cookie")) &&
        !exists(home + QStringLiteral("/.pulse-cookie")))
        // A key of zeros, read whole: an empty one would be made afresh and
        // written to the home folder.
        settings.emplace_back("PULSE_COOKIE", "/dev/zero");
    return settings;
}

void quietSession()
{
#ifdef _WIN32
    // Windows has no session bus or sound server to keep quiet. The regular
    // expressions' compiler to machine code crashes the program under Wine
    // (in the bundled PCRE2's JIT stack); it is not needed for the few
    // expressions the program matches.
    if (qEnvironmentVariableIsEmpty("QT_ENABLE_REGEXP_JIT"))
        qputenv("QT_ENABLE_REGEXP_JIT", "0");
#else
    const auto exists = [](const QString &path) { return QFileInfo::exists(path); };
    const auto isPrivateFolder = [](const QString &path) {
        struct stat info {};
        return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
               info.st_uid == ::geteuid() && (info.st_mode & 0777) == 0700;
    };
    for (const auto &[name, value] : quietSessionSettings(QProcessEnvironment::systemEnvironment(), uint(::geteuid()),
                                                          exists, isPrivateFolder))
        qputenv(name.constData(), value);
#endif
}

} // namespace sakana

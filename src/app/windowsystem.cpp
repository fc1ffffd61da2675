// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/windowsystem.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>
#include <QTranslator>
#include <algorithm>

namespace sakana {

namespace {

using Kind = WindowSystemFault::Kind;

const char *const kContext = "WindowSystem";

WindowSystemFault faultOf(const QString &platform, const QProcessEnvironment &environment, const QStringList &installed)
{
    const bool isInstalled = installed.contains(platform);
    if (platform.startsWith(u"wayland")) {
        const QString display = environment.value(QStringLiteral("WAYLAND_DISPLAY"));
        if (display.isEmpty() && environment.value(QStringLiteral("XDG_SESSION_TYPE")) != u"wayland")
            return {Kind::NoDisplay, {}};
        if (!isInstalled)
            return {Kind::WaylandPluginMissing, platform};
        // Qt's Wayland client falls back on the usual socket name.
        return {Kind::CannotOpenWayland, display.isEmpty() ? QStringLiteral("wayland-0") : display};
    }
    if (platform == u"xcb") {
        const QString display = environment.value(QStringLiteral("DISPLAY"));
        if (display.isEmpty())
            return {Kind::NoDisplay, {}};
        if (!isInstalled)
            return {Kind::PluginMissing, platform};
        return {Kind::CannotOpenX11, display};
    }
    return {isInstalled ? Kind::PlatformFailed : Kind::PluginMissing, platform};
}

} // namespace

QStringList platformsTried(const QProcessEnvironment &environment)
{
    const QString asked = environment.value(QStringLiteral("QT_QPA_PLATFORM"));
    if (!asked.isEmpty()) {
        QStringList names;
        // Each entry may carry options after a colon: "offscreen:size=...".
        for (const QString &entry : asked.split(u';', Qt::SkipEmptyParts))
            names << entry.section(u':', 0, 0);
        return names;
    }
    if (environment.value(QStringLiteral("XDG_SESSION_TYPE")) == u"wayland")
        return {QStringLiteral("wayland"), QStringLiteral("xcb")};
    return {QStringLiteral("xcb")};
}

WindowSystemFault whyNoWindowSystem(const QProcessEnvironment &environment, const QStringList &installed)
{
    for (const QString &platform : platformsTried(environment)) {
        const WindowSystemFault fault = faultOf(platform, environment, installed);
        if (fault.kind != Kind::NoDisplay)
            return fault;
    }
    return {Kind::NoDisplay, {}};
}

QString describeFault(const WindowSystemFault &fault, const QTranslator *translator)
{
    const char *text = nullptr;
    switch (fault.kind) {
    case Kind::NoDisplay:
        text = QT_TRANSLATE_NOOP("WindowSystem", "No display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY "
                                                 "is set): run sakana in a desktop session.");
        break;
    case Kind::WaylandPluginMissing:
        text = QT_TRANSLATE_NOOP("WindowSystem", "This is a Wayland session, but Qt's Wayland platform plugin (%1) is "
                                                 "not installed: install qt6-wayland.");
        break;
    case Kind::PluginMissing:
        text = QT_TRANSLATE_NOOP("WindowSystem", "Qt's platform plugin %1 is not installed.");
        break;
    case Kind::CannotOpenWayland:
        text = QT_TRANSLATE_NOOP("WindowSystem", "Cannot connect to the Wayland display %1.");
        break;
    case Kind::CannotOpenX11:
        text = QT_TRANSLATE_NOOP("WindowSystem", "Cannot open the display %1.");
        break;
    case Kind::PlatformFailed:
        text = QT_TRANSLATE_NOOP("WindowSystem", "The window system %1 cannot start.");
        break;
    }
    QString line = translator ? translator->translate(kContext, text) : QString();
    if (line.isEmpty())
        line = QString::fromUtf8(text);
    return fault.detail.isEmpty() ? line : line.arg(fault.detail);
}

QStringList installedPlatforms(const QStringList &folders)
{
    QStringList keys;
    for (const QString &folder : folders) {
        const QDir dir(folder);
        for (const QString &name : dir.entryList(QDir::Files)) {
            const QJsonObject meta = QPluginLoader(dir.filePath(name)).metaData();
            if (!meta.value(u"IID").toString().contains(u"QPA.QPlatformIntegrationFactoryInterface"))
                continue;
            for (const QJsonValue &key : meta.value(u"MetaData").toObject().value(u"Keys").toArray())
                keys << key.toString().toLower();
        }
    }
    keys.removeDuplicates();
    return keys;
}

} // namespace sakana

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

class QTranslator;

namespace sakana {

// Why no window system could start, told from what the session sets and
// which of Qt's platform plugins are installed: the one line the program
// says instead of Qt's own report, which ends the process with a signal and
// names no cause.
struct WindowSystemFault {
    enum class Kind {
        NoDisplay,            // neither an X11 nor a Wayland display is named
        WaylandPluginMissing, // a Wayland session, and Qt's Wayland plugin is not installed
        PluginMissing,        // the platform asked for is not installed
        CannotOpenWayland,    // the Wayland display named cannot be reached
        CannotOpenX11,        // the X11 display named cannot be opened
        PlatformFailed,       // another platform, installed, did not start
    };
    Kind kind;
    // The display or the platform the line names.
    QString detail;

    bool operator==(const WindowSystemFault &) const = default;
};

// The platforms Qt tries, in its order: those QT_QPA_PLATFORM lists, and
// otherwise X11, after Wayland in a session that says it is a Wayland one.
QStringList platformsTried(const QProcessEnvironment &environment);

// Of the platforms tried, the first whose failure names a cause beyond
// there being no display at all; `installed` holds the keys of the platform
// plugins Qt finds.
WindowSystemFault whyNoWindowSystem(const QProcessEnvironment &environment, const QStringList &installed);

// The line that says it, in the translator's language (none: English).
QString describeFault(const WindowSystemFault &fault, const QTranslator *translator);

// The keys of the platform plugins in these folders, read from each
// plugin's metadata without loading it.
QStringList installedPlatforms(const QStringList &folders);

} // namespace sakana

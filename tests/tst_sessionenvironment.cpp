// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the program sets in its environment so that no library it uses starts
// a process or writes a file, by what the session provides; and what it says
// when the session gives it no window system.

#include "app/language.h"
#include "app/sessionenvironment.h"
#include "app/windowsystem.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTest>
#include <QTranslator>

using namespace sakana;

using Settings = QMap<QByteArray, QByteArray>;
Q_DECLARE_METATYPE(Settings)

class TestSessionEnvironment : public QObject {
    Q_OBJECT
private slots:
    void settings_data()
    {
        QTest::addColumn<QStringList>("environment");  // NAME=value
        QTest::addColumn<QStringList>("existing");     // paths that exist; "+" marks a private folder
        QTest::addColumn<Settings>("expected");

        QTest::newRow("desktop session with its sound files")
            << QStringList{u"HOME=/h"_qs, u"XDG_RUNTIME_DIR=/r"_qs, u"DBUS_SESSION_BUS_ADDRESS=unix:path=/r/bus"_qs}
            << QStringList{u"/h/.config/pulse/cookie"_qs, u"/h/.config/pulse/client.conf"_qs}
            << Settings{{"PULSE_SERVER", "unix:/r/pulse/native"}};
        QTest::newRow("no bus address, the session's bus in the runtime folder, a server set")
            << QStringList{u"HOME=/h"_qs, u"XDG_RUNTIME_DIR=/r"_qs, u"PULSE_SERVER=tcp:box"_qs}
            << QStringList{u"/r/bus"_qs, u"/h/.pulse-cookie"_qs, u"/h/.config/pulse/client.conf"_qs}
            << Settings{{"DBUS_SESSION_BUS_ADDRESS", "unix:path=/r/bus"}};
        QTest::newRow("console: no bus, no runtime folder set, the user's under /run")
            << QStringList{u"HOME=/h"_qs, u"XDG_CONFIG_HOME=/c"_qs}
            << QStringList{u"+/run/user/7"_qs, u"+/h"_qs, u"/c/pulse/cookie"_qs, u"/c/pulse/client.conf"_qs}
            << Settings{{"XDG_RUNTIME_DIR", "/run/user/7"}, {"DBUS_SESSION_BUS_ADDRESS", "disabled:"},
                        {"PULSE_SERVER", "unix:/run/user/7/pulse/native"}};
        QTest::newRow("kiosk: nothing under /run, a fresh private home")
            << QStringList{u"HOME=/h"_qs} << QStringList{u"+/h"_qs}
            << Settings{{"XDG_RUNTIME_DIR", "/h"}, {"DBUS_SESSION_BUS_ADDRESS", "disabled:"},
                        {"PULSE_SERVER", "unix:/run/user/7/pulse/native"}, {"PULSE_CLIENTCONFIG", "/dev/null"},
                        {"PULSE_COOKIE", "/dev/zero"}};
    }
    void settings()
    {
        QFETCH(QStringList, environment);
        QFETCH(QStringList, existing);
        QFETCH(Settings, expected);
        QProcessEnvironment env(QProcessEnvironment::InheritFromParent);
        env.clear();
        for (const QString &entry : environment)
            env.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));
        const auto exists = [&existing](const QString &path) {
            return existing.contains(path) || existing.contains(u'+' + path);
        };
        const auto isPrivateFolder = [&existing](const QString &path) { return existing.contains(u'+' + path); };
        Settings got;
        for (const auto &[name, value] : quietSessionSettings(env, 7, exists, isPrivateFolder))
            got.insert(name, value);
        QCOMPARE(got, expected);
    }

    void noWindowSystem_data()
    {
        QTest::addColumn<QStringList>("environment");  // NAME=value
        QTest::addColumn<QStringList>("installed");    // platform plugins
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QString>("says");             // in the English line
        using Kind = WindowSystemFault::Kind;
        const QStringList all{u"xcb"_qs, u"wayland"_qs, u"wayland-egl"_qs, u"offscreen"_qs};
        const QStringList x11Only{u"xcb"_qs, u"offscreen"_qs};
        QTest::newRow("text console") << QStringList{} << all << int(Kind::NoDisplay) << QString() << u"desktop session"_qs;
        QTest::newRow("ssh, Wayland asked for") << QStringList{u"QT_QPA_PLATFORM=wayland"_qs} << x11Only
                                                << int(Kind::NoDisplay) << QString() << u"desktop session"_qs;
        QTest::newRow("Wayland session without Qt's plugin")
            << QStringList{u"XDG_SESSION_TYPE=wayland"_qs, u"WAYLAND_DISPLAY=wayland-1"_qs} << x11Only
            << int(Kind::WaylandPluginMissing) << u"wayland"_qs << u"install qt6-wayland"_qs;
        QTest::newRow("Wayland session, its X11 server gone too")
            << QStringList{u"XDG_SESSION_TYPE=wayland"_qs, u"DISPLAY=:1"_qs} << x11Only
            << int(Kind::WaylandPluginMissing) << u"wayland"_qs << u"install qt6-wayland"_qs;
        QTest::newRow("compositor gone") << QStringList{u"QT_QPA_PLATFORM=wayland-egl"_qs, u"WAYLAND_DISPLAY=wl-none"_qs}
                                         << all << int(Kind::CannotOpenWayland) << u"wl-none"_qs << u"wl-none"_qs;
        QTest::newRow("Wayland session, no socket named") << QStringList{u"XDG_SESSION_TYPE=wayland"_qs} << all
                                                          << int(Kind::CannotOpenWayland) << u"wayland-0"_qs << u"wayland-0"_qs;
        QTest::newRow("X11 display that cannot be opened") << QStringList{u"DISPLAY=:77"_qs} << all
                                                           << int(Kind::CannotOpenX11) << u":77"_qs << u"display :77"_qs;
        QTest::newRow("X11 plugin missing") << QStringList{u"DISPLAY=:0"_qs} << QStringList{u"wayland"_qs}
                                            << int(Kind::PluginMissing) << u"xcb"_qs << u"plugin xcb"_qs;
        QTest::newRow("a list with options") << QStringList{u"QT_QPA_PLATFORM=eglfs:size=1x1;offscreen"_qs, u"DISPLAY=:0"_qs}
                                             << all << int(Kind::PluginMissing) << u"eglfs"_qs << u"eglfs"_qs;
        QTest::newRow("installed, yet fails") << QStringList{u"QT_QPA_PLATFORM=offscreen"_qs} << all
                                              << int(Kind::PlatformFailed) << u"offscreen"_qs << u"offscreen"_qs;
    }
    void noWindowSystem()
    {
        QFETCH(QStringList, environment);
        QFETCH(QStringList, installed);
        QFETCH(int, kind);
        QFETCH(QString, detail);
        QFETCH(QString, says);
        QProcessEnvironment env;
        for (const QString &entry : environment)
            env.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));
        const WindowSystemFault fault = whyNoWindowSystem(env, installed);
        QCOMPARE(fault, (WindowSystemFault{WindowSystemFault::Kind(kind), detail}));
        const QString english = describeFault(fault, nullptr);
        QVERIFY2(english.contains(says) && !english.contains(u"%1"), qPrintable(english));
        // Japanese in a Japanese locale, naming the same display or plugin.
        QTranslator japanese;
        QVERIFY(loadCommandLineLanguage(japanese, QLocale(u"ja_JP"_qs)));
        const QString line = describeFault(fault, &japanese);
        QVERIFY2(line != english && line.contains(detail) && !line.contains(u"%1"), qPrintable(line));
        QVERIFY(line.contains(u"してください") || line.contains(u"ません"));
    }

    // The plugins' keys come from their metadata: Qt's own folder holds the
    // offscreen plugin (of Qt's Gui library) under that key.
    void installedPlatformKeys()
    {
        const QStringList keys =
            installedPlatforms({QLibraryInfo::path(QLibraryInfo::PluginsPath) + u"/platforms"_qs, u"/nonexistent"_qs});
        QVERIFY2(keys.contains(u"offscreen"_qs) && keys.contains(u"xcb"_qs), qPrintable(keys.join(u' ')));
        QVERIFY(!keys.contains(u"qoffscreen"_qs));
    }
};

QTEST_GUILESS_MAIN(TestSessionEnvironment)
#include "tst_sessionenvironment.moc"

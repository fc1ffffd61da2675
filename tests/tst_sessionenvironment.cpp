// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the program sets in its environment so that no library it uses starts
// a process or writes a file, by what the session provides.

#include "app/sessionenvironment.h"

#include <QTest>

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
};

QTEST_GUILESS_MAIN(TestSessionEnvironment)
#include "tst_sessionenvironment.moc"

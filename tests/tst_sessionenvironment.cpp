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

        const QStringList desktop{u"HOME=/home/k"_qs, u"XDG_RUNTIME_DIR=/run/user/7"_qs,
                                  u"DBUS_SESSION_BUS_ADDRESS=unix:path=/run/user/7/bus"_qs};
        QTest::newRow("desktop session with its sound files")
            << desktop << QStringList{u"/home/k/.config/pulse/cookie"_qs, u"/home/k/.config/pulse/client.conf"_qs}
            << Settings{{"PULSE_SERVER", "unix:/run/user/7/pulse/native"}};
        QTest::newRow("sound server set by the session")
            << desktop + QStringList{u"PULSE_SERVER=tcp:box"_qs, u"PULSE_COOKIE=/k"_qs, u"PULSE_CLIENTCONFIG=/c"_qs}
            << QStringList{} << Settings{};
        QTest::newRow("no sound files in the home folder")
            << desktop << QStringList{}
            << Settings{{"PULSE_SERVER", "unix:/run/user/7/pulse/native"},
                        {"PULSE_CLIENTCONFIG", "/dev/null"},
                        {"PULSE_COOKIE", "/dev/null"}};
        QTest::newRow("no bus address, the session's bus in the runtime folder")
            << QStringList{u"HOME=/home/k"_qs, u"XDG_RUNTIME_DIR=/r"_qs}
            << QStringList{u"/r/bus"_qs, u"/home/k/.pulse-cookie"_qs, u"/home/k/.config/pulse/client.conf"_qs}
            << Settings{{"DBUS_SESSION_BUS_ADDRESS", "unix:path=/r/bus"}, {"PULSE_SERVER", "unix:/r/pulse/native"}};
        QTest::newRow("console session: no bus, no runtime folder, the user's under /run")
            << QStringList{u"HOME=/home/k"_qs, u"XDG_CONFIG_HOME=/cfg"_qs}
            << QStringList{u"+/run/user/7"_qs, u"+/home/k"_qs, u"/cfg/pulse/cookie"_qs, u"/cfg/pulse/client.conf"_qs}
            << Settings{{"XDG_RUNTIME_DIR", "/run/user/7"},
                        {"DBUS_SESSION_BUS_ADDRESS", "disabled:"},
                        {"PULSE_SERVER", "unix:/run/user/7/pulse/native"}};
        QTest::newRow("kiosk: nothing under /run, a private fresh home")
            << QStringList{u"HOME=/home/k"_qs} << QStringList{u"+/home/k"_qs}
            << Settings{{"XDG_RUNTIME_DIR", "/home/k"},
                        {"DBUS_SESSION_BUS_ADDRESS", "disabled:"},
                        {"PULSE_SERVER", "unix:/run/user/7/pulse/native"},
                        {"PULSE_CLIENTCONFIG", "/dev/null"},
                        {"PULSE_COOKIE", "/dev/null"}};
        QTest::newRow("home others may enter is no runtime folder")
            << QStringList{u"HOME=/home/k"_qs, u"DBUS_SESSION_BUS_ADDRESS=x:"_qs}
            << QStringList{u"/home/k"_qs, u"/home/k/.pulse-cookie"_qs, u"/home/k/.config/pulse/client.conf"_qs}
            << Settings{{"PULSE_SERVER", "unix:/run/user/7/pulse/native"}};
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

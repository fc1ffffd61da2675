// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every media file of the program, damaged in every way a folder can be
// damaged, met by the real screens, the real sound player and the real error
// report: a picture or the name list stops the program with the report that
// names the file; a sound stays silent and the program goes on to its end.
// Never a crash, a hang or a memory blow-up: the test runs with its address
// space capped. A few rows also run the program itself.

#include "app/errorreport.h"
#include "app/screenswitcher.h"
#include "sound/platformplayer.h"
#include "support/specialfile.h"
#include "support/world.h"
#include "ui/controls.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <functional>
#include <sys/resource.h>
#include <unistd.h>
#ifndef _WIN32
#include <pulse/def.h>
#endif

using namespace sakana;
using namespace sakana::testing;

namespace {

enum class Damage {
    Missing, Empty, Truncated, Garbage, WrongFormat, HugeHeader, Directory, Unreadable, SymlinkLoop,
    // What is no file at all, which the program must never wait on.
    Fifo, Socket, Device,
};

const QString kShipped = QStringLiteral(SAKANA_SOURCE_DIR "/data/media");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A GIF whose screen and only image claim 65535 x 65535 pixels; its blocks
// are complete, so only the size is wrong.
QByteArray hugeGif()
{
    QByteArray bytes("GIF89a");
    bytes += QByteArray::fromHex("ffffffff800000");           // screen 65535 x 65535, 2 colours
    bytes += QByteArray::fromHex("000000ffffff");             // the colours
    bytes += QByteArray::fromHex("2c00000000ffffffff00");     // image 65535 x 65535 at 0, 0
    bytes += QByteArray::fromHex("02024c0100");               // code size 2, one data block
    bytes += ';';
    return bytes;
}

// A WAV header claiming 65535 channels at 65535 samples a second and the
// largest data chunk, followed by a few bytes.
QByteArray hugeWav()
{
    QByteArray bytes("RIFF");
    bytes += QByteArray::fromHex("ffffffff") + "WAVEfmt " + QByteArray::fromHex("10000000");
    bytes += QByteArray::fromHex("0100ffffffff0000ffffffffffff1000");  // PCM, 65535 ch, 65535 Hz, 16 bits
    bytes += "data" + QByteArray::fromHex("ffffffff") + QByteArray(64, '\x55');
    return bytes;
}

QByteArray garbage()
{
    QByteArray bytes(4096, '\0');
    quint32 state = 2463534242u;
    for (char &byte : bytes) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        byte = char(state);
    }
    return bytes;
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Damages the file of the media folder; false if that could not be done.
bool damage(const QString &path, Damage how)
{
    const QByteArray intact = readAll(path);
    const QString suffix = QFileInfo(path).suffix();
    switch (how) {
    case Damage::Missing: return QFile::remove(path);
    case Damage::Empty: return write(path, {});
    case Damage::Truncated: return write(path, intact.left(intact.size() / 2));
    case Damage::Garbage: return write(path, garbage());
    case Damage::WrongFormat:
        // A sound under a picture's name, a picture under a sound's or the
        // name list's.
        return write(path, readAll(kShipped + (suffix == QLatin1String("gif") ? u"/音/oto.wav"_qs : u"/画像/f1.gif"_qs)));
    case Damage::HugeHeader: return write(path, suffix == QLatin1String("gif") ? hugeGif() : hugeWav());
    case Damage::Directory: return QFile::remove(path) && QDir().mkdir(path);
    case Damage::Unreadable: return QFile(path).setPermissions({});
    case Damage::SymlinkLoop: return QFile::remove(path) && QFile::link(QFileInfo(path).fileName(), path);
    case Damage::Fifo: return makeSpecialFile(path, SpecialFile::Fifo);
    case Damage::Socket: return makeSpecialFile(path, SpecialFile::Socket);
    case Damage::Device: return makeSpecialFile(path, SpecialFile::Device);
    }
    return false;
}

bool copyFolder(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QFileInfo &entry : QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + QLatin1Char('/') + entry.fileName();
        if (entry.isDir() ? !copyFolder(entry.filePath(), target) : !QFile::copy(entry.filePath(), target))
            return false;
    }
    return true;
}

// The program as main() puts it together, with the fake clock and scripted
// draws, the real error report and the given sound player.
struct Program {
    Program(const MediaFolder &folder, SoundPlayer &sounds) : folder(folder), sounds(sounds) {}

    void guardedGo(Destination destination)
    {
        guarded(errors, [this, destination] { switcher.go(destination); })();
    }
    template <typename T> T *control(const QString &role) const
    {
        Screen *open = switcher.current();
        return open ? open->window()->findChild<T *>(role) : nullptr;
    }
    bool stopped() const { return !shown.empty(); }
    void click(QWidget *widget)
    {
        if (!stopped() && widget)
            QTest::mouseClick(widget, Qt::LeftButton);
    }
    void tick(const QString &timerName)
    {
        clock.now += 3;
        QTimer *timer = pauseTimer(switcher.current() ? switcher.current()->window() : nullptr, timerName);
        if (!stopped() && timer && timer->isActive())
            QMetaObject::invokeMethod(timer, "timeout");
    }
    void press(const char *button)
    {
        click(control<QPushButton>(QLatin1String(button)));
        tick(QStringLiteral("departureTimer"));
    }
    QLabel *name(int fishNo) const { return control<QLabel>(QStringLiteral("name%1").arg(fishNo)); }
    // Answers a quiz asking fish 1 to 40 in order, the first `right` rightly.
    void quiz(int right)
    {
        for (int fish = 1; fish <= 40 && !stopped(); ++fish) {
            click(name(fish <= right ? fish : fish % 40 + 1));
            tick(QStringLiteral("feedbackTimer"));
        }
    }
    void queueQuiz()
    {
        for (int fish = 1; fish <= 40; ++fish)
            random.pickFish(fish);
    }

    // Start-up, every name looked up, a gold, a silver and a copper quiz (so
    // every mark and medal), and the end. Stops at the first error report.
    // `midway` runs once the menu is up.
    void wholeRun(const std::function<void()> &midway)
    {
        guardedGo(Destination::Menu);
        midway();
        press("toLookupButton");
        for (int fish = 1; fish <= 40; ++fish)
            click(name(fish));
        press("toMenuButton");
        queueQuiz();
        press("toDrillButton");
        for (int right : {36, 30, 20}) {
            quiz(right);
            queueQuiz();
            click(control<PictureBox>(QStringLiteral("restartPicture")));
        }
        press("toMenuButton");
        press("quitButton");
    }

    const MediaFolder &folder;
    SoundPlayer &sounds;
    FakeClock clock;
    ScriptedRandom random{clock};
    std::vector<MediaError> shown;
    ErrorReport errors{[this](const MediaError &error) { shown.push_back(error); }};
    bool ended = false;
    ScreenSwitcher switcher{Services{folder, sounds, clock, random, errors}, [this] { ended = true; }};
};

// Every file of the media folder with its role, as a path within the folder.
std::vector<std::pair<QString, MediaFile::Role>> allMediaFiles()
{
    const QString root = QStringLiteral("/media");
    std::vector<std::pair<QString, MediaFile::Role>> files;
    for (const MediaFile &file : MediaFolder(root).files())
        files.emplace_back(QDir(root).relativeFilePath(file.path), file.role);
    return files;
}

const std::array<std::pair<Damage, const char *>, 12> kDamages{{
    {Damage::Missing, "missing"},
    {Damage::Empty, "empty"},
    {Damage::Truncated, "truncated"},
    {Damage::Garbage, "garbage"},
    {Damage::WrongFormat, "wrong format"},
    {Damage::HugeHeader, "65535 x 65535 header"},
    {Damage::Directory, "directory"},
    {Damage::Unreadable, "unreadable"},
    {Damage::SymlinkLoop, "symlink loop"},
    {Damage::Fifo, "named pipe"},
    {Damage::Socket, "socket"},
    {Damage::Device, "character device"},
}};

// Part of what the report says, where the damage fixes it.
QString reasonOf(Damage how, bool isPicture)
{
    if (how >= Damage::Fifo || how == Damage::Directory)
        return QStringLiteral("ふつうのファイルではありません");
    return how == Damage::Empty && isPicture ? QStringLiteral("空です") : QString();
}

} // namespace

class TestHostileMedia : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // A sound server with a null output, when none is running, so that
        // the sound player really decodes the broken sounds.
        const QString pulse = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (pulse.isEmpty() || !qEnvironmentVariableIsEmpty("PULSE_SERVER")) {
            qInfo("no sound server started: sounds are checked without an output device");
            return;
        }
        QVERIFY(soundRuntime_.isValid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), soundRuntime_.path());
        env.insert(QStringLiteral("HOME"), soundRuntime_.path());
        soundServer_.setProcessEnvironment(env);
        soundServer_.start(pulse, {QStringLiteral("--daemonize=no"), QStringLiteral("-n"), QStringLiteral("--exit-idle-time=-1"),
                                   QStringLiteral("--load=module-null-sink"),
                                   QStringLiteral("--load=module-native-protocol-unix")});
        const QString socket = soundRuntime_.path() + u"/pulse/native"_qs;
        for (int k = 0; k < 50 && !QFileInfo::exists(socket); ++k)
            QTest::qWait(100);
        if (QFileInfo::exists(socket))
            qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
        else
            qInfo("the sound server did not start: sounds are checked without an output device");
    }
    void cleanupTestCase()
    {
        soundServer_.kill();
        soundServer_.waitForFinished();
    }

    // Each kind of file in a function of its own, so that each stays well
    // within the test watchdog's time.
    void damagedFishPicture_data() { addRows(MediaFile::Role::FishPicture); }
    void damagedFishPicture() { checkDamagedFile(); }
    void damagedOtherPicture_data() { addRows(MediaFile::Role::Picture); }
    void damagedOtherPicture() { checkDamagedFile(); }
    void damagedSound_data() { addRows(MediaFile::Role::Sound); }
    void damagedSound() { checkDamagedFile(); }
    void damagedNameList_data() { addRows(MediaFile::Role::NameList); }
    void damagedNameList() { checkDamagedFile(); }

#ifndef _WIN32
    // Short of memory, the sound system's one line says so, not that there
    // is no server.
    void connectionFailureSaid_data()
    {
        QTest::addColumn<int>("serverError");
        QTest::addColumn<int>("systemError");
        QTest::addColumn<QByteArray>("says");
        QTest::newRow("no server") << int(PA_ERR_CONNECTIONREFUSED) << ENOENT << QByteArray("no sound server;");
        QTest::newRow("no server, whatever errno says") << int(PA_ERR_CONNECTIONREFUSED) << ENOMEM << QByteArray("no sound server;");
        QTest::newRow("server gone") << int(PA_ERR_CONNECTIONTERMINATED) << 0 << QByteArray("no sound server;");
        QTest::newRow("server's memory not mapped") << int(PA_ERR_PROTOCOL) << ENOMEM << QByteArray("out of memory (Protocol error)");
        QTest::newRow("another protocol error") << int(PA_ERR_PROTOCOL) << 0 << QByteArray("connection to the sound server failed");
        QTest::newRow("refused") << int(PA_ERR_ACCESS) << 0 << QByteArray("refuses the program (Access denied)");
    }
    void connectionFailureSaid()
    {
        QFETCH(int, serverError);
        QFETCH(int, systemError);
        QFETCH(QByteArray, says);
        const QByteArray line = connectionFailureLine(serverError, systemError);
        QVERIFY2(line.contains(says), line.constData());
    }
#endif

    // The program itself, checking a damaged folder: the exit status and
    // the report naming the file.
    void programChecksFolder_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Damage>("how");
        QTest::addColumn<bool>("stops");
        QTest::newRow("fish picture cut short") << u"画像/f7.gif"_qs << Damage::Truncated << true;
        QTest::newRow("mark huge") << u"画像/batu.gif"_qs << Damage::HugeHeader << true;
        QTest::newRow("medal a directory") << u"画像/gold.gif"_qs << Damage::Directory << true;
        QTest::newRow("name list empty") << u"説明/name.txt"_qs << Damage::Empty << true;
        QTest::newRow("sound garbage") << u"音/o.wav"_qs << Damage::Garbage << false;
        QTest::newRow("sound a symlink loop") << u"音/dame.wav"_qs << Damage::SymlinkLoop << false;
        QTest::newRow("fish picture a named pipe") << u"画像/f3.gif"_qs << Damage::Fifo << true;
        QTest::newRow("name list a named pipe") << u"説明/name.txt"_qs << Damage::Fifo << true;
        QTest::newRow("name list a socket") << u"説明/name.txt"_qs << Damage::Socket << true;
        QTest::newRow("sound a named pipe") << u"音/oto.wav"_qs << Damage::Fifo << false;
    }
    void programChecksFolder()
    {
        QFETCH(QString, file);
        QFETCH(Damage, how);
        QFETCH(bool, stops);
        const QString program = QCoreApplication::applicationDirPath() + u"/sakana"_qs;
        if (!QFileInfo(program).isExecutable())
            QSKIP("the program is not built beside the tests");
        QTemporaryDir dir;
        QVERIFY(copyFolder(kShipped, dir.path()));
        QVERIFY(damage(dir.path() + QLatin1Char('/') + file, how));
        QProcess run;
        run.start(program, {QStringLiteral("--check-media"), dir.path()});
        QVERIFY(run.waitForFinished(20000));
        const QString output = QString::fromUtf8(run.readAllStandardOutput() + run.readAllStandardError());
        QCOMPARE(run.exitStatus(), QProcess::NormalExit);
        if (stops) {
            QCOMPARE(run.exitCode(), ErrorReport::kExitStatus);
            QVERIFY2(output.contains(QFileInfo(file).fileName()), qPrintable(output));
        } else {
            QVERIFY2(run.exitCode() != ErrorReport::kExitStatus, qPrintable(output));
        }
    }

private:
    // The rows of the media files of one role, in the media folder's order.
    static void addRows(MediaFile::Role role)
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Damage>("how");
        QTest::addColumn<bool>("midRun");
        for (const auto &[file, fileRole] : allMediaFiles()) {
            if (fileRole != role)
                continue;
            for (const auto &[how, label] : kDamages) {
                if (how == Damage::HugeHeader && file.endsWith(QLatin1String(".txt")))
                    continue;  // a text file has no header
                QTest::addRow("%s %s", qPrintable(file), label) << file << how << false;
                // Swapped in while the program runs, after the sounds are
                // decoded and before the file is next read.
                if (how >= Damage::Fifo)
                    QTest::addRow("%s %s mid-run", qPrintable(file), label) << file << how << true;
            }
        }
    }

    static void checkDamagedFile()
    {
        QFETCH(QString, file);
        QFETCH(Damage, how);
        QFETCH(bool, midRun);
        QTemporaryDir dir;
        QVERIFY(copyFolder(kShipped, dir.path()));
        const QString path = dir.path() + QLatin1Char('/') + file;
        bool damaged = !midRun && damage(path, how);
        // Root reads a file whatever its permissions: then the file is
        // intact to the program, which must simply run to its end.
        const bool readable = how == Damage::Unreadable && geteuid() == 0;
        const bool isSound = file.endsWith(QLatin1String(".wav"));

        // The real sound player where a sound is damaged; elsewhere one that
        // only records, which is quicker.
        const MediaFolder folder(dir.path());
        PlatformSoundPlayer effects(folder);
        RecordingSounds recording;
        Program program(folder, isSound ? static_cast<SoundPlayer &>(effects) : recording);
        if (isSound) {
            effects.prepare();
            QTest::qWait(50);  // the sounds decode in the background
        }
        program.wholeRun([&] {
            if (midRun)
                damaged = damage(path, how);
        });
        QVERIFY(damaged);
        if (isSound)
            QTest::qWait(50);

        if (isSound || readable) {
            QVERIFY2(program.shown.empty(), qPrintable(program.shown.empty() ? QString() : reportText(program.shown.front())));
            QVERIFY(program.ended);
        } else {
            QCOMPARE(program.shown.size(), std::size_t(1));
            const MediaError &error = program.shown.front();
            QCOMPARE(QFileInfo(error.file()).absoluteFilePath(), QFileInfo(path).absoluteFilePath());
            QVERIFY(reportText(error).contains(error.file()));
            QVERIFY(!error.reason().isEmpty());
            QVERIFY2(error.reason().contains(reasonOf(how, file.endsWith(QLatin1String(".gif")))), error.what());
            QVERIFY(!program.ended);
            // Every screen window is hidden: nothing more can be clicked.
            Screen *open = program.switcher.current();
            QVERIFY(!open || !open->window()->isVisible());
        }
        if (how == Damage::Unreadable)
            QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        World::flushClosedWindows();
    }

    QTemporaryDir soundRuntime_;
    QProcess soundServer_;
};

int main(int argc, char *argv[])
{
#if !defined(__SANITIZE_ADDRESS__) && !defined(__has_feature)
#define SAKANA_CAP_MEMORY 1
#elif defined(__has_feature)
#if !__has_feature(address_sanitizer) && !defined(__SANITIZE_ADDRESS__)
#define SAKANA_CAP_MEMORY 1
#endif
#endif
#ifdef SAKANA_CAP_MEMORY
    // A damaged file that made the program reserve gigabytes fails here.
    // (Not under AddressSanitizer, which reserves its shadow memory.)
    constexpr rlim_t kCap = rlim_t(4) << 30;
    const rlimit cap{kCap, kCap};
    setrlimit(RLIMIT_AS, &cap);
#endif
    QApplication app(argc, argv);
    TestHostileMedia test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hostilemedia.moc"

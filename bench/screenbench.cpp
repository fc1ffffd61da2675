// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the screens cost, in-process and offscreen: opening and painting each
// screen, showing a drill question, answering one, and building the forty
// names. Run by scripts/bench.sh, not by the test suite; the figures are
// QBENCHMARK's, to be read against a screen opening in 5 ms and a question
// showing in 2 ms; full screen at 3840 x 2160, each within a frame (16 ms).

#include "screens/listdesign.h"
#include "support/world.h"
#include "ui/controls.h"
#include "ui/namegrid.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QFile>
#include <QTest>
#include <QWidget>

using namespace sakana;
using namespace sakana::testing;

namespace {

// The media of the program's own folder, so that pictures and the name list
// are of the real sizes.
void putShippedMedia(World &world)
{
    const QString shipped = QStringLiteral(SAKANA_SOURCE_DIR "/data/media/");
    for (const QString &relative : {QStringLiteral("画像"), QStringLiteral("説明")}) {
        QDir folder(shipped + relative);
        for (const QString &file : folder.entryList(QDir::Files)) {
            QFile::remove(world.media(relative + QLatin1Char('/') + file));
            QFile::copy(folder.filePath(file), world.media(relative + QLatin1Char('/') + file));
        }
    }
}

const QSize k4K(3840, 2160);

} // namespace

class ScreenBench : public QObject {
    Q_OBJECT
private slots:
    void openAndPaint_data()
    {
        QTest::addColumn<Destination>("destination");
        QTest::addColumn<QSize>("screen");  // full screen on one of this size; none: windowed
        QTest::newRow("menu") << Destination::Menu << QSize();
        QTest::newRow("lookup") << Destination::Lookup << QSize();
        QTest::newRow("drill") << Destination::Drill << QSize();
        QTest::newRow("menu, full screen 3840 x 2160") << Destination::Menu << k4K;
        QTest::newRow("lookup, full screen 3840 x 2160") << Destination::Lookup << k4K;
        QTest::newRow("drill, full screen 3840 x 2160") << Destination::Drill << k4K;
    }
    // Closing the screen, opening it again (controls made, pictures and
    // name list read), painting the whole window, and then what the event
    // loop does next: the events the change posted, the old window's
    // deletion among them. Without that the posted events would pile up
    // from one round to the next, as they never do in the program.
    void openAndPaint()
    {
        QFETCH(Destination, destination);
        QFETCH(QSize, screen);
        World world;
        putShippedMedia(world);
        world.switcher().setFullScreen(!screen.isEmpty());
        world.go(destination);
        QBENCHMARK {
            world.go(destination);
            world.window()->grab();
            QCoreApplication::sendPostedEvents();
            World::flushClosedWindows();
        }
        QVERIFY(world.errors.errors.empty());
    }

    void showQuestion_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::newRow("windowed") << QSize();
        QTest::newRow("full screen 3840 x 2160") << k4K;
    }
    // A new question: the picture read, centred on its frame, and painted
    // (the first question of a fresh quiz, by the restart picture).
    void showQuestion()
    {
        QFETCH(QSize, screen);
        World world;
        putShippedMedia(world);
        world.go(Destination::Drill);
        world.window()->setFullScreen(!screen.isEmpty());
        auto *restart = world.control<PictureBox>(QStringLiteral("restartPicture"));
        auto *question = world.control<PictureBox>(QStringLiteral("questionPicture"));
        QBENCHMARK {
            QTest::mouseClick(restart, Qt::LeftButton);
            world.window()->grab(question->geometry());
        }
        QVERIFY(question->isVisible());
        QVERIFY(world.errors.errors.empty());
    }

    // A click on a name judged (mark shown, name marked, sound), the pause
    // run out and the next question shown; a finished quiz starts afresh.
    void answerQuestion()
    {
        World world;
        putShippedMedia(world);
        world.go(Destination::Drill);
        int fish = 0;
        QBENCHMARK {
            if (world.control<Label>(QStringLiteral("remainingCount"))->text() == QLatin1String("0"))
                QTest::mouseClick(world.control<PictureBox>(QStringLiteral("restartPicture")), Qt::LeftButton);
            QTest::mouseClick(world.name(fish % 40 + 1), Qt::LeftButton);
            world.endFeedback();
            world.window()->grab();
            ++fish;
        }
        QVERIFY(world.errors.errors.empty());
    }

    // The forty labels of a list screen made on a window.
    void buildNameGrid()
    {
        QWidget window;
        QBENCHMARK {
            NameGrid grid(window, list::kNames);
            for (int fish = 1; fish <= 40; ++fish)
                delete grid.label(fish);
        }
    }
};

// Offscreen, on one screen of 3840 x 2160 pixels, so that full screen is
// what it would be there.
int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        QFile config(dir.filePath(QStringLiteral("screen.json")));
        if (config.open(QIODevice::WriteOnly)) {
            config.write(R"({"screens": [{"name": "4K", "x": 0, "y": 0, "width": 3840, "height": 2160,
                             "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
            config.close();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
        }
    }
    QApplication app(argc, argv);
    ScreenBench bench;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&bench, argc, argv);
}
#include "screenbench.moc"

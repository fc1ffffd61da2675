// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/world.h"

#include "ui/colours.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QStringEncoder>
#include <QTest>

// Q_INIT_RESOURCE must stand outside any namespace.
static void initBuiltInPictures()
{
    Q_INIT_RESOURCE(sakana);
}

namespace sakana::testing {

const QColor kNameNormal = toQColor(colours::kNameNormal);
const QColor kNameMarked = toQColor(colours::kNameMarked);

QString fixture(const QString &name)
{
    return QStringLiteral(SAKANA_TEST_DATA "/") + name;
}

World::World(ErrorSink *errorReport, Windows windows)
{
    initBuiltInPictures();
    QDir root(dir.path());
    root.mkpath(QStringLiteral("音"));
    root.mkpath(QStringLiteral("画像"));
    root.mkpath(QStringLiteral("説明"));
    switcher_ = std::make_unique<ScreenSwitcher>(Services{folder, sounds, clock, random, errorReport ? *errorReport : errors},
                                                 [this] { ++endCalls; }, windows);
}

World::~World()
{
    switcher_.reset();
    flushClosedWindows();
}

QString World::media(const QString &relative) const
{
    return dir.path() + QLatin1Char('/') + relative;
}

void World::putPicture(const QString &fixtureName, const QString &name)
{
    const QString target = media(QStringLiteral("画像/") + name);
    QFile::remove(target);
    QFile::copy(fixture(fixtureName), target);
}

void World::putAllFish(const QString &fixtureName)
{
    for (int fish = 1; fish <= 40; ++fish)
        putPicture(fixtureName, QStringLiteral("f%1.gif").arg(fish));
}

void World::putNameList(const QByteArray &bytes)
{
    QFile file(media(QStringLiteral("説明/name.txt")));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

void World::putEveryPicture()
{
    putAllFish(QStringLiteral("small.gif"));
    putPicture(QStringLiteral("mark.gif"), QStringLiteral("maru.gif"));
    putPicture(QStringLiteral("small.gif"), QStringLiteral("batu.gif"));
    for (const char *medal : {"gold.gif", "silver.gif", "copper.gif"})
        putPicture(QStringLiteral("medal.gif"), QLatin1String(medal));
    QStringEncoder cp932("windows-31j");
    QByteArray names;
    for (int k = 1; k <= 40; ++k)
        names += cp932.encode(QStringLiteral("さかな%1\r\n").arg(k));
    putNameList(names);
}

QList<int> World::redNames() const
{
    QList<int> red;
    for (int fish = 1; fish <= 40; ++fish) {
        if (nameColour(fish) == kNameMarked)
            red << fish;
    }
    return red;
}

ScreenWindow *World::window() const
{
    Screen *open = switcher_->current();
    return open ? open->window() : nullptr;
}

QLabel *World::name(int fishNo) const
{
    return control<QLabel>(QStringLiteral("name%1").arg(fishNo));
}

QColor World::nameColour(int fishNo) const
{
    return name(fishNo)->palette().color(QPalette::Window);
}

bool World::activate()
{
    ScreenWindow *open = window();
    if (!open)
        return false;
    open->activateWindow();
    // Called as a screen opens, while no pause runs: only the window
    // system's events are waiting.
    QCoreApplication::processEvents();
    return QApplication::activeWindow() == open->window();
}

void World::showOn(QSize screen)
{
    if (screen.isEmpty())
        return;
    window()->setFullScreen(true);
    // The window system's own move to the whole screen first.
    QCoreApplication::processEvents();
    window()->window()->resize(screen);
}

void World::tap(QPoint point)
{
    static QPointingDevice *finger = QTest::createTouchDevice();
    QTest::touchEvent(window(), finger).press(0, point);
    QTest::touchEvent(window(), finger).release(0, point);
}

QWidget *World::focus() const
{
    ScreenWindow *open = window();
    return open ? open->focusWidget() : nullptr;
}

void World::key(Qt::Key key)
{
    QWidget *target = focus();
    QTest::keyClick(target ? target : window(), key);
}

QTimer *pauseTimer(const QWidget *window, const QString &timerName)
{
    if (!window)
        return nullptr;
    // The pause before leaving lies inside the window's departure; the
    // drill's pause after an answer is the window's own.
    const QObject *owner = nullptr;
    if (timerName == QLatin1String("departureTimer"))
        owner = window->findChild<Departure *>(QString(), Qt::FindDirectChildrenOnly);
    else if (timerName == QLatin1String("feedbackTimer"))
        owner = window;
    else if (timerName == QLatin1String("restTimer"))
        return window->findChild<QTimer *>(timerName);
    const Pause *pause = owner ? owner->findChild<Pause *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    return pause ? pause->findChild<QTimer *>() : nullptr;
}

bool World::pauseRuns(const QString &timerName) const
{
    const QTimer *timer = pauseTimer(timerName);
    if (!timer)
        QTest::qFail(qPrintable(QStringLiteral("no %1 on this screen").arg(timerName)), __FILE__, __LINE__);
    return timer && timer->isActive();
}

void World::tick(const QString &timerName)
{
    QTimer *timer = pauseTimer(timerName);
    if (!timer || !timer->isActive()) {
        const QString state = timer ? QStringLiteral("stopped") : QStringLiteral("missing");
        QTest::qFail(qPrintable(QStringLiteral("a tick of %1, which is %2").arg(timerName, state)), __FILE__, __LINE__);
        return;
    }
    QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
}

void World::tickAt(double now, const QString &timerName)
{
    clock.now = now;
    tick(timerName);
}

void World::flushClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace sakana::testing

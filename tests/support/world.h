// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A whole program for tests: the real screens and navigation on a temporary
// media folder, with a clock the test moves, scripted random draws, a sound
// player that only records what it was asked to play, and an error report
// that keeps what it was given.

#include "app/screenswitcher.h"
#include "media/mediafolder.h"
#include "media/soundplayer.h"
#include "support/fakes.h"
#include "ui/guard.h"
#include "ui/screen.h"

#include <QColor>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <memory>
#include <optional>
#include <vector>



namespace sakana::testing {

class RecordingSounds final : public SoundPlayer {
public:
    // The six sounds in `played`, the spoken names and prompts apart in
    // `spoken`, each in the order asked for.
    void play(const Sound &sound) override { (sound.isVoice() ? spoken : played).push_back(sound); }
    std::optional<Sound> last() const { return played.empty() ? std::nullopt : std::optional(played.back()); }
    std::vector<Sound> played;
    std::vector<Sound> spoken;
};

class RecordingErrors final : public ErrorSink {
public:
    void report(const MediaError &error) override { errors.push_back(error); }
    bool hasFailed() const override { return !errors.empty(); }
    std::vector<MediaError> errors;
};

// The timer of a pause of the window (see World::pauseTimer).
QTimer *pauseTimer(const QWidget *window, const QString &timerName);

class World {
public:
    // The screens report to `errors` below, or to the given error report.
    explicit World(ErrorSink *errorReport = nullptr, Windows windows = Windows::OnePerScreen);
    ~World();

    // Puts a copy of a picture from tests/data into the media folder.
    void putPicture(const QString &fixture, const QString &name);
    // Gives every fish the same picture.
    void putAllFish(const QString &fixture);
    void putNameList(const QByteArray &bytes);
    // A whole media folder for the keys and the screen reader: every fish
    // 100 x 80, the right mark 200 x 190, the wrong mark 100 x 80, every
    // medal 50 x 60, and the captions "さかなN" as code page 932.
    void putEveryPicture();
    QString media(const QString &relative) const;

    void go(Destination destination) { switcher_->go(destination); }
    ScreenSwitcher &switcher() { return *switcher_; }
    Screen *screen(Destination destination) const { return switcher_->screen(destination); }
    // The window of the open screen, or null.
    ScreenWindow *window() const;
    // A control of the open screen, by its role.
    template <typename T> T *control(const QString &role) const
    {
        ScreenWindow *open = window();
        return open ? open->findChild<T *>(role) : nullptr;
    }
    // The name of a fish on the open list screen.
    QLabel *name(int fishNo) const;
    // The colour the name shows.
    QColor nameColour(int fishNo) const;
    // The names shown red, in fish order.
    QList<int> redNames() const;
    // Lets the window system make the open screen's window the active one,
    // as it does when a window shows, so that the window has the keyboard.
    // Returns whether it is active.
    bool activate();
    // Shows the open screen full screen on a screen of that size (none: the
    // design's own size, windowed).
    void showOn(QSize screen);
    // A tap of a finger at a point of the open screen's window.
    void tap(QPoint point);
    // The widget that holds the keyboard focus on the open screen.
    QWidget *focus() const;
    // A key pressed and released where the keyboard focus is.
    void key(Qt::Key key);
    // The timer of a pause of the open screen, by the name the tests give
    // it: "departureTimer" (before leaving) or "feedbackTimer" (after an
    // answer in the drill); null when the screen has no such pause.
    QTimer *pauseTimer(const QString &timerName) const { return sakana::testing::pauseTimer(window(), timerName); }
    // Whether the pause of that name runs; the test fails when the open
    // screen has no such pause.
    bool pauseRuns(const QString &timerName) const;
    // Delivers one tick of the open screen's timer of that name, as the event
    // loop would after 100 ms. The test fails when that timer is missing or
    // stopped, since the event loop would never tick it.
    void tick(const QString &timerName);
    // Moves the clock on and delivers a tick.
    void tickAt(double now, const QString &timerName);
    // Lets the running pause of the timer of that name run out: the clock
    // moves well past it and the timer ticks.
    void endPause(const QString &timerName) { tickAt(clock.now + 3, timerName); }
    // Lets the running pause after an answer in the drill run out.
    void endFeedback() { endPause(QStringLiteral("feedbackTimer")); }
    // Destroys the windows of closed screens, as the event loop would.
    static void flushClosedWindows();

    FakeClock clock;
    ScriptedRandom random{clock};
    RecordingSounds sounds;
    RecordingErrors errors;
    int endCalls = 0;
    QTemporaryDir dir;
    MediaFolder folder{dir.path()};

private:
    std::unique_ptr<ScreenSwitcher> switcher_;
};

QString fixture(const QString &name);
extern const QColor kNameNormal;
extern const QColor kNameMarked;

} // namespace sakana::testing

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/navigator.h"

#include <QObject>
#include <cstdint>

class QTimer;

namespace sakana {

class Clock;

// When the running pause began: the clock rounded to a whole second. Two
// pauses of one screen may share it, so that starting either one makes both
// count from then.
struct PauseStart {
    std::int32_t stamp = 0;
};

// "Sound at once, act once the pause is over": from start() the pause
// checks the clock every 100 ms and is over at the first check strictly more
// than two seconds past the stamp (across midnight too; see pauseIsOver).
// Starting it again while it runs makes it count from the new start.
class Pause : public QObject {
    Q_OBJECT
public:
    // The timer behind the pause is a child with this object name.
    Pause(const Clock &clock, PauseStart &start, const QString &timerName, QObject *parent);

    void start();
    void stop();
    bool isRunning() const;

signals:
    void over();

private:
    void check();

    const Clock &clock_;
    PauseStart &start_;
    QTimer *timer_ = nullptr;
};

// Leaving a screen after the pause: the latest destination asked for wins.
class Departure : public QObject {
    Q_OBJECT
public:
    Departure(const Clock &clock, PauseStart &start, QObject *parent);

    void leaveFor(Destination destination);

signals:
    void due(Destination destination);

private:
    Pause pause_;
    Destination destination_ = Destination::Menu;
};

} // namespace sakana

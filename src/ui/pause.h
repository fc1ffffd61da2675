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

// A clock reading stored as a whole second: the nearest second, a reading
// exactly halfway rounding to the even one.
std::int32_t stampSeconds(double secondsSinceMidnight);

// The pause between a click and what it does: long enough for the click's
// sound to be heard first.
inline constexpr double kPauseSeconds = 2.0;

// Whether a pause that began at the stamp is over at the reading now:
// strictly more than kPauseSeconds must have passed.
// - A difference slightly below zero is normal right after a click that was
//   rounded up, and the pause goes on.
// - A difference of more than half a day below zero means the clock has
//   passed midnight since the stamp: a whole day is added.
// - Any other difference below the rounding slack means the clock was set
//   back; the pause is then over rather than stalled until the clock
//   catches up.
bool pauseIsOver(double now, std::int32_t stamp);

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
    Pause(const Clock &clock, PauseStart &start, QObject *parent);

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

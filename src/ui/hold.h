// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

class QPushButton;
class QTimer;

namespace sakana {

class Clock;

// How long a button that must be held is held before it acts.
inline constexpr double kHoldSeconds = 3.0;

// The whole seconds still to hold a button pressed at one clock reading, at
// another: 3 right after the press, then 2, 1, and 0 once it has been held
// long enough. Across midnight the day is counted in; a clock set back
// starts the count again from the full three.
int holdSecondsLeft(double pressedAt, double now);

// A button that acts only when held down: while it is held its face counts
// the seconds down ("のこり３", "のこり２", "のこり１"), checking the clock
// every 100 ms; let go early, it shows its caption again and does nothing,
// silently. Its clicks are left alone: whoever uses this connects none.
class HoldToAct final : public QObject {
    Q_OBJECT
public:
    HoldToAct(QPushButton &button, const Clock &clock);

signals:
    void held();

private:
    void check();
    void letGo();

    QPushButton &button_;
    const Clock &clock_;
    QString caption_;
    double pressedAt_ = 0;
    QTimer *timer_ = nullptr;
};

} // namespace sakana

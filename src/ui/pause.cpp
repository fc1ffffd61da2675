// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pause.h"

#include "quiz/clock.h"

#include <QTimer>
#include <cfenv>
#include <cmath>

namespace sakana {

namespace {
constexpr int kCheckMilliseconds = 100;
}

std::int32_t stampSeconds(double secondsSinceMidnight)
{
    // nearbyint follows the current rounding mode, which is to nearest with
    // ties to even unless someone changed it; say so explicitly.
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(secondsSinceMidnight);
    std::fesetround(previous);
    return static_cast<std::int32_t>(rounded);
}

bool pauseIsOver(double now, std::int32_t stamp)
{
    constexpr double kDay = 86400.0;
    // A stamp lies at most half a second after the click it was taken at.
    constexpr double kRoundingSlack = 1.0;
    double elapsed = now - double(stamp);
    if (elapsed < -kDay / 2)
        elapsed += kDay;
    if (elapsed < -kRoundingSlack)
        return true;
    return elapsed > kPauseSeconds;
}

Pause::Pause(const Clock &clock, PauseStart &start, QObject *parent)
    : QObject(parent), clock_(clock), start_(start), timer_(new QTimer(this))
{
    timer_->setInterval(kCheckMilliseconds);
    connect(timer_, &QTimer::timeout, this, &Pause::check);
}

void Pause::start()
{
    timer_->start();
    start_.stamp = stampSeconds(clock_.secondsSinceMidnight());
}

void Pause::stop()
{
    timer_->stop();
}

bool Pause::isRunning() const
{
    return timer_->isActive();
}

void Pause::check()
{
    if (!pauseIsOver(clock_.secondsSinceMidnight(), start_.stamp))
        return;
    timer_->stop();
    emit over();
}

Departure::Departure(const Clock &clock, PauseStart &start, QObject *parent)
    : QObject(parent), pause_(clock, start, this)
{
    connect(&pause_, &Pause::over, this, [this] { emit due(destination_); });
}

void Departure::leaveFor(Destination destination)
{
    destination_ = destination;
    pause_.start();
}

} // namespace sakana

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pause.h"

#include "quiz/clock.h"

#include <QTimer>

namespace sakana {

namespace {
constexpr int kCheckMilliseconds = 100;
}

Pause::Pause(const Clock &clock, PauseStart &start, const QString &timerName, QObject *parent)
    : QObject(parent), clock_(clock), start_(start), timer_(new QTimer(this))
{
    timer_->setObjectName(timerName);
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
    : QObject(parent), pause_(clock, start, QStringLiteral("departureTimer"), this)
{
    connect(&pause_, &Pause::over, this, [this] { emit due(destination_); });
}

void Departure::leaveFor(Destination destination)
{
    destination_ = destination;
    pause_.start();
}

} // namespace sakana

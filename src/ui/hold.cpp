// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/hold.h"

#include "quiz/clock.h"

#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace sakana {

namespace {

constexpr double kDay = 86400.0;
constexpr int kCheckMilliseconds = 100;

QString countdown(int secondsLeft)
{
    return QStringLiteral("のこり") + QChar(char16_t(u'０' + secondsLeft));
}

} // namespace

int holdSecondsLeft(double pressedAt, double now)
{
    double held = now - pressedAt;
    if (held < -kDay / 2)
        held += kDay;
    if (held < 0)
        held = 0;
    return std::max(0, int(std::ceil(kHoldSeconds - held)));
}

HoldToAct::HoldToAct(QPushButton &button, const Clock &clock)
    : QObject(&button), button_(button), clock_(clock), caption_(button.text()), timer_(new QTimer(this))
{
    timer_->setObjectName(QStringLiteral("holdTimer"));
    timer_->setInterval(kCheckMilliseconds);
    connect(timer_, &QTimer::timeout, this, &HoldToAct::check);
    connect(&button, &QPushButton::pressed, this, [this] {
        pressedAt_ = clock_.secondsSinceMidnight();
        button_.setText(countdown(int(kHoldSeconds)));
        timer_->start();
    });
    connect(&button, &QPushButton::released, this, &HoldToAct::letGo);
}

void HoldToAct::check()
{
    const double now = clock_.secondsSinceMidnight();
    const int left = holdSecondsLeft(pressedAt_, now);
    // A clock set back counts from here again.
    if (now < pressedAt_ && now - pressedAt_ > -kDay / 2)
        pressedAt_ = now;
    if (left > 0) {
        button_.setText(countdown(left));
        return;
    }
    letGo();
    emit held();
}

void HoldToAct::letGo()
{
    timer_->stop();
    button_.setText(caption_);
}

} // namespace sakana

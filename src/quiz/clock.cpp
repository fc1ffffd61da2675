// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/clock.h"

#include <QTime>
#include <cfenv>
#include <cmath>

namespace sakana {

double SystemClock::secondsSinceMidnight() const
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
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

} // namespace sakana

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace sakana {

// The time of day in seconds since midnight, with a fraction.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double secondsSinceMidnight() const = 0;
};

// The local time of day of this machine.
class SystemClock final : public Clock {
public:
    double secondsSinceMidnight() const override;
};

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

} // namespace sakana

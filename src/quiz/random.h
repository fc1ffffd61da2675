// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <random>

namespace sakana {

class Clock;

// Pseudo-random values uniform in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
};

// Seeded afresh from the clock's reading before every value, so that the
// value depends on the moment it is drawn.
class SystemRandom final : public RandomSource {
public:
    explicit SystemRandom(const Clock &clock) : clock_(clock) {}
    double next() override;

private:
    void seedFromClock(double secondsSinceMidnight);

    const Clock &clock_;
    std::mt19937 engine_{};
    std::uint64_t seeds_ = 0;
};

} // namespace sakana

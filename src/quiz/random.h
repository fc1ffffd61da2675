// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <random>

namespace sakana {

// Pseudo-random numbers: seeded from a clock reading, then values uniform in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seedFromClock(double secondsSinceMidnight) = 0;
    virtual double next() = 0;
};

class SystemRandom final : public RandomSource {
public:
    void seedFromClock(double secondsSinceMidnight) override;
    double next() override;

private:
    std::mt19937 engine_{};
    std::uint64_t seeds_ = 0;
};

} // namespace sakana

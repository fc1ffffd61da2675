// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The clock and the random draws of a test, which the test sets itself.

#include "quiz/clock.h"
#include "quiz/random.h"

#include <deque>
#include <vector>

namespace sakana::testing {

class FakeClock final : public Clock {
public:
    double secondsSinceMidnight() const override { return now; }
    double now = 1000.0;
};

// Hands out the draws the test queued, in order; when none is queued, 0.
// Keeps the clock's reading at each draw, where the real source seeds itself.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(const Clock &clock) : clock_(clock) {}
    double next() override
    {
        seeds.push_back(clock_.secondsSinceMidnight());
        if (draws.empty())
            return 0.0;
        const double value = draws.front();
        draws.pop_front();
        return value;
    }
    // Queues the draw that picks this fish (1 to 40).
    void pickFish(int fishNo) { draws.push_back((fishNo - 1 + 0.5) / 40.0); }

    std::deque<double> draws;
    std::vector<double> seeds;

private:
    const Clock &clock_;
};

} // namespace sakana::testing

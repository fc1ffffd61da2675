// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/random.h"

#include "quiz/clock.h"

#include <cmath>

namespace sakana {

void SystemRandom::seedFromClock(double secondsSinceMidnight)
{
    // The clock reading to the microsecond, mixed with a count of seedings so
    // that two seedings within the same clock tick still differ.
    const auto micros = static_cast<std::uint64_t>(std::llround(secondsSinceMidnight * 1e6));
    std::seed_seq seq{std::uint32_t(micros), std::uint32_t(micros >> 32), std::uint32_t(++seeds_)};
    engine_.seed(seq);
}

double SystemRandom::next()
{
    seedFromClock(clock_.secondsSinceMidnight());
    const double value = std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
    // Some library versions can round up to exactly 1; keep the interval half-open.
    return value < 1.0 ? value : std::nextafter(1.0, 0.0);
}

} // namespace sakana

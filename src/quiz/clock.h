// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

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

} // namespace sakana

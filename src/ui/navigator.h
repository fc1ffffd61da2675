// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace sakana {

enum class Destination { Menu, Lookup, Drill, End };

// Moves between the screens: exactly one is open at a time.
class Navigator {
public:
    virtual ~Navigator() = default;
    // Closes the open screen, then opens the destination or ends the program.
    virtual void go(Destination destination) = 0;
};

} // namespace sakana

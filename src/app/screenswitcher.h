// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/navigator.h"

#include <array>
#include <functional>
#include <memory>

namespace sakana {

class Clock;
class ErrorSink;
class MediaFolder;
class RandomSource;
class Screen;
class SoundPlayer;

// What the screens are given when they are made.
struct Services {
    const MediaFolder &media;
    SoundPlayer &sounds;
    const Clock &clock;
    RandomSource &random;
    ErrorSink &errors;
};

// The program's navigation: the three screens, each made at its first
// opening and kept to the end, of which exactly one is open at a time.
class ScreenSwitcher final : public Navigator {
public:
    ScreenSwitcher(Services services, std::function<void()> endProgram);
    ~ScreenSwitcher() override;

    void go(Destination destination) override;
    // Whether the next screen opens full screen. Each screen after it opens
    // as the one before it was left.
    void setFullScreen(bool on) { fullScreen_ = on; }

    // The screen, or null before its first opening.
    Screen *screen(Destination destination) const;
    // The open screen, or null.
    Screen *current() const;

private:
    std::unique_ptr<Screen> make(Destination destination);

    Services services_;
    std::function<void()> endProgram_;
    std::array<std::unique_ptr<Screen>, 3> screens_{};
    bool ended_ = false;
    bool fullScreen_ = false;
};

} // namespace sakana

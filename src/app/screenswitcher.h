// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/navigator.h"

#include <array>
#include <functional>
#include <memory>

class QString;
class QWidget;

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

// How the screens take the desktop: each a window of its own, or all in one
// host window where the window system cannot keep a new window where the last
// one was.
enum class Windows { OnePerScreen, OneForAll };

// Which the platform (a Qt platform name) needs.
Windows windowsFor(const QString &platform);

// The program's navigation: the three screens, each made at its first
// opening and kept to the end, of which exactly one is open at a time.
class ScreenSwitcher final : public Navigator {
public:
    ScreenSwitcher(Services services, std::function<void()> endProgram, Windows windows = Windows::OnePerScreen);
    ~ScreenSwitcher() override;

    void go(Destination destination) override;
    // Whether the next screen opens full screen. Each screen after it opens
    // as the one before it was left.
    void setFullScreen(bool on) { fullScreen_ = on; }
    // Classroom mode: every screen full screen and kept so, and the program
    // ended only by holding お わ り (see Screen::setKiosk).
    void setKiosk(bool on)
    {
        kiosk_ = on;
        fullScreen_ = fullScreen_ || on;
    }

    // The screen, or null before its first opening.
    Screen *screen(Destination destination) const;
    // The open screen, or null.
    Screen *current() const;

private:
    std::unique_ptr<Screen> make(Destination destination);

    Services services_;
    std::function<void()> endProgram_;
    // The window every screen is shown in, where they share one; it
    // outlives the screens.
    std::unique_ptr<QWidget> host_;
    std::array<std::unique_ptr<Screen>, 3> screens_{};
    bool ended_ = false;
    bool fullScreen_ = false;
    bool kiosk_ = false;
};

} // namespace sakana

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/design.h"
#include "ui/guard.h"
#include "ui/navigator.h"
#include "ui/pause.h"
#include "ui/screenwindow.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <optional>
#include <span>
#include <vector>

class QPushButton;

namespace sakana {

class Form;
class SoundPlayer;

// One screen: an object for the whole run, whose window and controls exist
// only while it is open. Opening builds them from the design and loads the
// screen; closing destroys them and keeps what the object itself holds.
// Closing the window through the window system ends the program.
//
// Every screen's buttons that leave it sound at once and leave after the
// pause; moving the pointer over the window's background turns the name it
// last pointed at back to normal, where the screen has names.
class Screen {
public:
    Screen(const WindowDesign &window, std::span<const ControlDesign> controls, SoundPlayer &sounds,
           const Clock &clock, Navigator &navigator, ErrorSink &errors);
    virtual ~Screen();
    Screen(const Screen &) = delete;
    Screen &operator=(const Screen &) = delete;

    // Opens the window full screen, or windowed at the design's size: a
    // window of its own, or the content of the host window.
    void open(bool fullScreen = false, QWidget *host = nullptr);
    void close();
    bool isOpen() const { return window_ != nullptr; }
    ScreenWindow *window() const { return window_; }

protected:
    // Finds the controls the screen drives in the window just built from its
    // design, and connects handlers.
    virtual void build(const Form &form) = 0;
    // Runs once the controls exist, before the window shows.
    virtual void load() {}
    // Lets go of the controls of the window being closed.
    virtual void forgetControls() {}

    // Connects a signal to a handler of this screen for as long as the window
    // is open, through the error guard.
    template <typename Sender, typename Signal, typename Handler>
    void on(Sender *sender, Signal signal, Handler handler)
    {
        connections_.push_back(QObject::connect(sender, signal, window_.data(), guarded(errors_, std::move(handler))));
    }

    // A click on the button sounds at once and leaves the screen for the
    // destination once the pause is over; the latest destination asked for
    // wins and the pause counts from then. The button looks pressed until
    // the screen is left.
    void leaveOnClick(QPushButton *button, Destination destination);
    // A further pause of the open window, counting from the same start as the
    // pause before leaving: starting either makes both count from then.
    Pause *sharedPause() { return new Pause(clock_, pauseStart_, window_); }

    SoundPlayer &sounds_;

private:
    const WindowDesign &windowDesign_;
    std::span<const ControlDesign> controlDesigns_;
    const Clock &clock_;
    Navigator &navigator_;
    ErrorSink &errors_;
    // When the screen's running pause began.
    PauseStart pauseStart_;
    QPointer<ScreenWindow> window_;
    // The window last closed, while it is kept.
    QPointer<ScreenWindow> closedWindow_;
    Departure *departure_ = nullptr;
    // The button whose screen is coming: it stays pressed until then, so
    // that the child sees the click was taken.
    QPointer<QPushButton> leavingBy_;
    std::vector<QMetaObject::Connection> connections_;
};

// A screen that drives some of its controls, gathered in a Controls record:
// kept from when the window is built until it closes.
template <typename Controls>
class ScreenWithControls : public Screen {
protected:
    using Screen::Screen;

    Controls &keep(Controls controls) { return controls_.emplace(std::move(controls)); }
    Controls &controls() { return *controls_; }

private:
    void forgetControls() final { controls_.reset(); }

    std::optional<Controls> controls_;
};

} // namespace sakana

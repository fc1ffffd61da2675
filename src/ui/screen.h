#pragma once

#include "ui/guard.h"
#include "ui/navigator.h"
#include "ui/pause.h"
#include "ui/screenwindow.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <vector>

namespace sakana {

// One screen: an object for the whole run, whose window and controls exist
// only while it is open. Opening builds them from the design and loads the
// screen; closing destroys them and keeps what the object itself holds.
// Closing the window through the window system ends the program.
class Screen {
public:
    Screen(const Clock &clock, Navigator &navigator, ErrorSink &errors);
    virtual ~Screen();
    Screen(const Screen &) = delete;
    Screen &operator=(const Screen &) = delete;

    // Opens the window full screen, or windowed at the design's size.
    void open(bool fullScreen = false);
    void close();
    bool isOpen() const { return window_ != nullptr; }
    ScreenWindow *window() const { return window_; }

protected:
    // Creates the controls from the screen's design and connects handlers.
    virtual void build(ScreenWindow &window) = 0;
    // Runs once the controls exist, before the window shows.
    virtual void load() {}
    // Lets go of the controls of the window being closed.
    virtual void forgetControls() = 0;

    // Connects a signal to a handler of this screen for as long as the window
    // is open, through the error guard.
    template <typename Sender, typename Signal, typename Handler>
    void on(Sender *sender, Signal signal, Handler handler)
    {
        connections_.push_back(QObject::connect(sender, signal, window_.data(), guarded(errors_, std::move(handler))));
    }

    // Leaves the screen for the destination once the pause is over; the
    // latest destination asked for wins and the pause counts from then.
    void leaveAfterPause(Destination destination) { departure_->leaveFor(destination); }

    const Clock &clock_;
    // When the screen's running pause began; shared by the pause before
    // leaving and any other pause of the screen.
    PauseStart pauseStart_;

private:
    Navigator &navigator_;
    ErrorSink &errors_;
    QPointer<ScreenWindow> window_;
    Departure *departure_ = nullptr;
    std::vector<QMetaObject::Connection> connections_;
};

} // namespace sakana

#pragma once

#include "app/clock.h"
#include "app/screenwindow.h"
#include "app/shell.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <cstdint>
#include <vector>

namespace sakana {


// One screen: an object for the whole run whose window and controls exist
// only while it is open. Opening builds them from the design and runs the
// load handler; closing destroys them and keeps the object's own variables.
class Screen {
public:
    explicit Screen(Shell &shell);
    virtual ~Screen();
    Screen(const Screen &) = delete;
    Screen &operator=(const Screen &) = delete;

    void open();
    void close();
    bool isOpen() const { return window_ != nullptr; }
    ScreenWindow *window() const { return window_; }

protected:
    // Creates the controls from the screen's design and connects its handlers.
    virtual void build(ScreenWindow &window) = 0;
    virtual void load() = 0;
    // Forgets the controls of the window being closed.
    virtual void dropControls() = 0;

    // Connects a control's signal to a handler for as long as the window is open.
    template <typename Sender, typename Signal, typename Handler>
    void on(Sender *sender, Signal signal, Handler handler)
    {
        connections_.push_back(QObject::connect(sender, signal, window_.data(), handler));
    }

    // The clock now, and the clock rounded to a whole second as a stamp.
    double now() const;
    std::int32_t stampNow() const;

    Shell &shell_;

private:
    QPointer<ScreenWindow> window_;
    std::vector<QMetaObject::Connection> connections_;
};

} // namespace sakana

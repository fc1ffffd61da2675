#include "ui/screen.h"

namespace sakana {

Screen::Screen(const Clock &clock, Navigator &navigator, ErrorSink &errors)
    : clock_(clock), navigator_(navigator), errors_(errors)
{
}

Screen::~Screen()
{
    close();
}

void Screen::open(bool fullScreen)
{
    if (isOpen())
        return;
    window_ = new ScreenWindow;  // deleted by close(), through Qt
    departure_ = new Departure(clock_, pauseStart_, window_);
    build(*window_);
    on(departure_, &Departure::due, [this](Destination destination) { navigator_.go(destination); });
    // A change of screen still pending goes with the window.
    on(window_.data(), &ScreenWindow::closedByUser, [this] { navigator_.go(Destination::End); });
    load();
    window_->showFullScreenOrNot(fullScreen);
}

void Screen::close()
{
    if (!isOpen())
        return;
    for (const auto &connection : connections_)
        QObject::disconnect(connection);
    connections_.clear();
    forgetControls();
    departure_ = nullptr;
    ScreenWindow *window = window_;
    window_ = nullptr;
    window->closeByProgram();
    // The window may be the sender of the signal being handled right now, so
    // it is destroyed once that handler has returned.
    window->deleteLater();
}

} // namespace sakana

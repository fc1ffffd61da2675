#include "app/screen.h"

#include "app/screenwindow.h"

namespace sakana {

Screen::Screen(Shell &shell) : shell_(shell) {}

Screen::~Screen()
{
    if (isOpen())
        close();
}

void Screen::open()
{
    if (isOpen())
        return;
    window_ = new ScreenWindow;  // deleted by close(), through Qt
    window_->setAttribute(Qt::WA_DeleteOnClose, false);
    build(*window_);
    // The user closing the window through the window system ends the program
    // at once; a change of screen still pending goes with the window.
    on(window_.data(), &ScreenWindow::closedByUser, [this] { shell_.endProgram(); });
    load();
    window_->show();
}

void Screen::close()
{
    if (!isOpen())
        return;
    for (const auto &connection : connections_)
        QObject::disconnect(connection);
    connections_.clear();
    dropControls();
    ScreenWindow *window = window_;
    window_ = nullptr;
    window->closeByProgram();
    // The window may be the sender of the signal being handled right now, so
    // it is destroyed once that handler has returned.
    window->deleteLater();
}

double Screen::now() const
{
    return shell_.services().clock.secondsSinceMidnight();
}

std::int32_t Screen::stampNow() const
{
    return stampSeconds(now());
}

} // namespace sakana

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/screen.h"

#include "media/soundplayer.h"
#include "ui/form.h"
#include "ui/namegrid.h"

#include <QPushButton>
#include <QTimer>

#include <chrono>

namespace sakana {

namespace {

// How long a closed window outlives its closing, hidden: a screen reader
// still asks about the objects its last events named.
constexpr std::chrono::milliseconds kClosedWindowKept{3000};

} // namespace

Screen::Screen(const WindowDesign &window, std::span<const ControlDesign> controls, SoundPlayer &sounds,
               const Clock &clock, Navigator &navigator, ErrorSink &errors)
    : sounds_(sounds), windowDesign_(window), controlDesigns_(controls), clock_(clock), navigator_(navigator),
      errors_(errors)
{
}

Screen::~Screen()
{
    close();
    delete closedWindow_.data();
}

void Screen::open(bool fullScreen, QWidget *host)
{
    if (isOpen())
        return;
    window_ = new ScreenWindow(host);  // deleted by close(), through Qt
    departure_ = new Departure(clock_, pauseStart_, window_);
    const Form form(*window_, windowDesign_, controlDesigns_);
    if (NameGrid *names = form.names())
        on(window_.data(), &ScreenWindow::pointerOverBackground, [names] { names->pointerOverBackground(); });
    build(form);
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
    // Kept a while, hidden and with nothing of the screen's logic connected,
    // then destroyed through the event loop, as it may be the sender of the
    // signal being handled right now.
    if (closedWindow_)
        closedWindow_->deleteLater();
    closedWindow_ = window;
    QTimer::singleShot(kClosedWindowKept, window, &QObject::deleteLater);
}

void Screen::leaveOnClick(QPushButton *button, Destination destination)
{
    on(button, &QPushButton::clicked, [this, button, destination] {
        sounds_.play(Sound::Button);
        departure_->leaveFor(destination);
        if (leavingBy_ && leavingBy_ != button)
            leavingBy_->setDown(false);
        button->setDown(true);
        leavingBy_ = button;
    });
}

} // namespace sakana

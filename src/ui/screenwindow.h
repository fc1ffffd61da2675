// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/scale.h"

#include <QPixmap>
#include <QWidget>

namespace sakana {

// The window of one screen. It paints its background colour and picture,
// reports pointer moves over its own background, and reports when the user
// closes it through the window system.
//
// Windowed, it draws its design at the design's own size, or, where that is
// larger than the screen's free area, the whole design at the largest scale
// that fits it. Full screen (F11 toggles, Escape leaves), it draws the whole
// design at the largest scale that fits the screen, centred, with its
// background colour round it.
//
// In classroom mode (kiosk) it stays full screen: F11 and Escape do nothing,
// a close through the window system (its close button, Alt+F4) is refused,
// and the window goes back to full screen when the window system takes it
// out.
//
// It is a window of its own, or the content of a host window shared by every
// screen (see WindowHost); the window it is shown in is window().
class ScreenWindow : public QWidget {
    Q_OBJECT
public:
    explicit ScreenWindow(QWidget *host = nullptr);

    void setBackgroundPicture(const QPixmap &picture);
    // Closing by the program itself does not count as the user's close.
    void closeByProgram();

    // The client area of the design, in pixels, and whether the window keeps
    // to it or may be resized.
    void setDesignSize(QSize size, bool fixed);
    // Shows the window, full screen or at its design size.
    void showFullScreenOrNot(bool fullScreen);
    void setFullScreen(bool on);
    bool fullScreen() const { return fullScreen_; }
    void setKiosk(bool on) { kiosk_ = on; }
    bool kiosk() const { return kiosk_; }
    // The scale the design is drawn at.
    const Scale &scale() const { return scale_; }

    // What the window it is shown in reports, when that is a host's.
    void windowStateChanged(Qt::WindowStates oldState);
    void closedThroughWindowSystem();
    // Fits the window to the screen again once the window system's frame
    // round it is known.
    void noticeFrame();

signals:
    void pointerOverBackground();
    void closedByUser();
    void scaleChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void keepToDesignSize();
    void updateScale();

    QPixmap background_;
    QPixmap scaledBackground_;  // the background at the scale, made once per scale
    QSize designSize_;
    bool fixedSize_ = true;
    Scale scale_;
    bool fullScreen_ = false;  // as the program asked; the window system may take a moment
    bool fitted_ = false;      // windowed, drawn smaller than the design to fit the screen
    bool closingByProgram_ = false;
    bool kiosk_ = false;
};

// The one window every screen is shown in, where the window system places
// each new window itself and a program cannot keep it where it was (Wayland):
// the open screen's window fills it, and the program stays where it is on
// the desktop when the screen changes. It takes the open screen's title, and
// passes on what the window system does to it.
class WindowHost final : public QWidget {
    Q_OBJECT
public:
    WindowHost();

    // The screen's window now shown, if any.
    ScreenWindow *shown() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
};

// The size a window of a design takes in an area of the screen: the design's
// own where it fits, or else the whole design at the largest scale that fits.
QSize fittedWindowSize(QSize design, QSize area);

} // namespace sakana

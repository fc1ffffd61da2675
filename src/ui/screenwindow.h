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
// Windowed, it draws its design at the design's own size. Full screen (F11
// toggles, Escape leaves), it draws the whole design at the largest scale
// that fits the screen, centred, with its background colour round it.
class ScreenWindow : public QWidget {
    Q_OBJECT
public:
    ScreenWindow();

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
    // The scale the design is drawn at.
    const Scale &scale() const { return scale_; }

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

private:
    void keepToDesignSize();
    void updateScale();

    QPixmap background_;
    QPixmap scaledBackground_;  // the background at the scale, made once per scale
    QSize designSize_;
    bool fixedSize_ = true;
    Scale scale_;
    bool fullScreen_ = false;  // as the program asked; the window system may take a moment
    bool closingByProgram_ = false;
};

} // namespace sakana

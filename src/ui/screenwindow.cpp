// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/screenwindow.h"

#include "ui/accessibility.h"
#include "ui/controls.h"
#include "ui/form.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>

namespace sakana {

ScreenWindow::ScreenWindow()
{
    // Before any control exists, so that a screen reader meets each one
    // through the program's own interfaces from the start.
    installAccessibility();
    setMouseTracking(true);
    setAutoFillBackground(true);
    // On the whole window, whichever control has the keyboard. Escape never
    // does more than leave full screen.
    auto *toggle = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(toggle, &QShortcut::activated, this, [this] { setFullScreen(!fullScreen_); });
    auto *leave = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(leave, &QShortcut::activated, this, [this] { setFullScreen(false); });
}

void ScreenWindow::setBackgroundPicture(const QPixmap &picture)
{
    background_ = picture;
    scaledBackground_ = QPixmap();
    update();
}

void ScreenWindow::closeByProgram()
{
    closingByProgram_ = true;
    hide();
}

void ScreenWindow::setDesignSize(QSize size, bool fixed)
{
    designSize_ = size;
    fixedSize_ = fixed;
    keepToDesignSize();
}

void ScreenWindow::keepToDesignSize()
{
    if (fixedSize_)
        setFixedSize(designSize_);
    else
        resize(designSize_);
    centreOnScreen(*this);
}

void ScreenWindow::showFullScreenOrNot(bool fullScreen)
{
    if (fullScreen)
        setFullScreen(true);
    else
        show();
}

void ScreenWindow::setFullScreen(bool on)
{
    if (on == fullScreen_ && isVisible())
        return;
    fullScreen_ = on;
    if (on) {
        // The design's fixed size would keep the window from filling the screen.
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        // Also where no window manager takes the window to full screen.
        if (const QScreen *where = screen())
            setGeometry(where->geometry());
        showFullScreen();
    } else {
        showNormal();
        keepToDesignSize();
    }
}

void ScreenWindow::updateScale()
{
    const Scale scale = fullScreen_ ? fitScale(size(), designSize_) : Scale{};
    if (scale == scale_)
        return;
    scale_ = scale;
    // Every control of the design takes the new scale; the background is
    // scaled again when it is next painted.
    scaledBackground_ = QPixmap();
    for (QObject *child : children()) {
        if (auto *control = qobject_cast<Control *>(child))
            control->setScale(scale_);
        else if (auto *button = dynamic_cast<Button *>(child))
            button->setScale(scale_);
    }
    emit scaleChanged();
    update();
}

void ScreenWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateScale();
}

void ScreenWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    // Taken out of full screen by the window system, the design goes back
    // to its own size.
    const auto *change = static_cast<QWindowStateChangeEvent *>(event);
    if (fullScreen_ && change->oldState().testFlag(Qt::WindowFullScreen) && !isFullScreen())
        setFullScreen(false);
    updateScale();
}

void ScreenWindow::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (background_.isNull())
        return;
    QPainter painter(this);
    if (scale_.isUnit()) {
        painter.drawPixmap(0, 0, background_);
        return;
    }
    const QRect target = scale_.toPixels({0, 0, pixelsToTwips(background_.width()), pixelsToTwips(background_.height())});
    if (scaledBackground_.isNull())
        scaledBackground_ = smoothlyScaled(background_, target.size() * devicePixelRatioF(), devicePixelRatioF(), true);
    painter.drawPixmap(target.topLeft(), scaledBackground_);
}

void ScreenWindow::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit pointerOverBackground();
}

void ScreenWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!closingByProgram_)
        emit closedByUser();
}

} // namespace sakana

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/screenwindow.h"

#include "ui/accessibility.h"
#include "ui/controls.h"
#include "ui/form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QWindow>
#include <optional>

namespace sakana {

namespace {

// A Wayland window's buffer is replaced when its decorations come or go, as
// on leaving full screen, and whatever the widgets had drawn that they do not
// know to draw again is lost: the names and the captions stayed black. There
// every exposure of the window draws the whole of it again.
class RedrawOnExpose final : public QObject {
public:
    explicit RedrawOnExpose(QWidget &window) : QObject(&window), window_(window)
    {
        window.windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Expose) {
            window_.update();
            for (QWidget *child : window_.findChildren<QWidget *>())
                child->update();
        }
        return false;
    }

private:
    QWidget &window_;
};

void redrawOnEveryExpose(QWidget &window)
{
    static const bool replacesBuffers = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    const char *const watched = "sakanaRedrawsOnExpose";
    if (!replacesBuffers || !window.windowHandle() || window.property(watched).toBool())
        return;
    window.setProperty(watched, true);
    new RedrawOnExpose(window);
}

// What the window system adds round a window's client area (its title bar
// and frame), as last seen on a window shown; until then, a title bar.
std::optional<QSize> &seenFrameExtra()
{
    static std::optional<QSize> extra;
    return extra;
}

QSize frameExtra(const QWidget &window)
{
    return seenFrameExtra().value_or(QSize(0, window.style()->pixelMetric(QStyle::PM_TitleBarHeight)));
}

} // namespace

QSize fittedWindowSize(QSize design, QSize area)
{
    if (area.isEmpty() || (design.width() <= area.width() && design.height() <= area.height()))
        return design;
    const Scale scale = fitScale(area, design);
    return scale.toPixels({0, 0, pixelsToTwips(design.width()), pixelsToTwips(design.height())}).size();
}

ScreenWindow::ScreenWindow(QWidget *host) : QWidget(host)
{
    // Before any control exists, so that a screen reader meets each one
    // through the program's own interfaces from the start.
    installAccessibility();
    setMouseTracking(true);
    setAutoFillBackground(true);
    // On the whole window, whichever control has the keyboard. Escape never
    // does more than leave full screen.
    auto *toggle = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(toggle, &QShortcut::activated, this, [this] {
        if (!kiosk_)
            setFullScreen(!fullScreen_);
    });
    auto *leave = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(leave, &QShortcut::activated, this, [this] {
        if (!kiosk_)
            setFullScreen(false);
    });
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
    QWidget &top = *window();
    QSize size = designSize_;
    if (const QScreen *where = top.screen())
        size = fittedWindowSize(designSize_, where->availableGeometry().size() - frameExtra(top));
    fitted_ = size != designSize_;
    if (fixedSize_) {
        top.setFixedSize(size);
    } else {
        top.setMinimumSize(0, 0);
        top.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        top.resize(size);
    }
    if (!isWindow())
        setGeometry(top.rect());
    // A host already on the desktop stays where it is. A window not framed
    // yet is centred with the frame last seen round one.
    if (isWindow() || !top.isVisible())
        centreOnScreen(top, top.isVisible() ? top.frameGeometry().size() : size + seenFrameExtra().value_or(QSize()));
    updateScale();
}

void ScreenWindow::showFullScreenOrNot(bool fullScreen)
{
    if (fullScreen) {
        setFullScreen(true);
        return;
    }
    show();
    window()->show();
}

void ScreenWindow::setFullScreen(bool on)
{
    if (on == fullScreen_ && isVisible())
        return;
    fullScreen_ = on;
    QWidget &top = *window();
    // A window of its own shows with its state; a host's content shows now.
    if (!isWindow())
        show();
    if (on) {
        // The design's fixed size would keep the window from filling the screen.
        top.setMinimumSize(0, 0);
        top.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        // Also where no window manager takes the window to full screen.
        if (const QScreen *where = top.screen())
            top.setGeometry(where->geometry());
        top.showFullScreen();
    } else {
        top.showNormal();
        keepToDesignSize();
    }
    if (!isWindow())
        setGeometry(top.rect());
}

void ScreenWindow::updateScale()
{
    const Scale scale = fullScreen_ || fitted_ ? fitScale(size(), designSize_) : Scale{};
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
    if (event->type() == QEvent::WindowStateChange && isWindow())
        windowStateChanged(static_cast<QWindowStateChangeEvent *>(event)->oldState());
}

void ScreenWindow::windowStateChanged(Qt::WindowStates oldState)
{
    // Taken out of full screen by the window system, the design goes back
    // to its own size.
    if (fullScreen_ && oldState.testFlag(Qt::WindowFullScreen) && !window()->isFullScreen()) {
        if (kiosk_)
            window()->showFullScreen();
        else
            setFullScreen(false);
    }
    updateScale();
}

void ScreenWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!isWindow())
        return;
    redrawOnEveryExpose(*this);
    noticeFrame();
}

void ScreenWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (isWindow())
        noticeFrame();
}

void ScreenWindow::noticeFrame()
{
    const QWidget &top = *window();
    if (fullScreen_ || !top.isVisible() || top.isFullScreen())
        return;
    // Until the window system has framed the window, the frame is not known.
    const QSize extra = top.frameGeometry().size() - top.size();
    if (extra.isNull() || extra == seenFrameExtra())
        return;
    const QSize before = window()->size();
    seenFrameExtra() = extra;
    // The frame may take a window that only just fitted past the screen's edge.
    if (const QScreen *where = top.screen();
        where && fittedWindowSize(designSize_, where->availableGeometry().size() - extra) != before)
        keepToDesignSize();
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
    if (kiosk_ && !closingByProgram_) {
        event->ignore();
        return;
    }
    event->accept();
    if (!closingByProgram_)
        emit closedByUser();
}

void ScreenWindow::closedThroughWindowSystem()
{
    if (!closingByProgram_ && !kiosk_ && isVisible())
        emit closedByUser();
}

WindowHost::WindowHost()
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
}

ScreenWindow *WindowHost::shown() const
{
    for (auto *screen : findChildren<ScreenWindow *>(Qt::FindDirectChildrenOnly)) {
        if (screen->isVisibleTo(this))
            return screen;
    }
    return nullptr;
}

void WindowHost::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (ScreenWindow *screen = shown())
        screen->setGeometry(rect());
}

void WindowHost::closeEvent(QCloseEvent *event)
{
    // The program decides when it ends: the screen's window says the user
    // closed it.
    event->ignore();
    if (ScreenWindow *screen = shown())
        screen->closedThroughWindowSystem();
}

void WindowHost::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    if (ScreenWindow *screen = shown())
        screen->windowStateChanged(static_cast<QWindowStateChangeEvent *>(event)->oldState());
}

void WindowHost::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    redrawOnEveryExpose(*this);
    if (ScreenWindow *screen = shown())
        screen->noticeFrame();
}

void WindowHost::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (ScreenWindow *screen = shown())
        screen->noticeFrame();
}

} // namespace sakana

#include "ui/screenwindow.h"

#include "ui/accessibility.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>

namespace sakana {

ScreenWindow::ScreenWindow()
{
    // Before any control exists, so that a screen reader meets each one
    // through the program's own interfaces from the start.
    installAccessibility();
    setMouseTracking(true);
    setAutoFillBackground(true);
}

void ScreenWindow::closeByProgram()
{
    closingByProgram_ = true;
    hide();
}

void ScreenWindow::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (!background_.isNull()) {
        QPainter painter(this);
        painter.drawPixmap(0, 0, background_);
    }
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

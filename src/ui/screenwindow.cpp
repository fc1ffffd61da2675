#include "ui/screenwindow.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>

namespace sakana {

ScreenWindow::ScreenWindow()
{
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
        painter.drawImage(0, 0, background_);
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

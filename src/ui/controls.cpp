#include "ui/controls.h"

#include "media/picturefile.h"
#include "ui/twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QPixmap>
#include <cmath>

namespace sakana {

namespace {
// Yellow stands out on the blue and red names, the magenta notice and the
// restart picture alike.
constexpr Bgr kFocusMarkColour = colours::kYellow;
constexpr int kFocusMarkWidth = 2;  // pixels
}

TwipsRectF wholeTwips(const TwipsRectF &rect)
{
    return {std::nearbyint(rect.left), std::nearbyint(rect.top), std::nearbyint(rect.width),
            std::nearbyint(rect.height)};
}

Control::Control(QWidget *parent) : QLabel(parent)
{
    setMouseTracking(true);
    // Pointer moves over a control are the control's own, whether or not it
    // reacts to them: they never reach the window behind it.
    setAttribute(Qt::WA_NoMousePropagation);
}

void Control::setTwipsRect(const TwipsRectF &rect)
{
    rect_ = rect;
    setGeometry(twipsToPixels(rect.left), twipsToPixels(rect.top), twipsToPixels(rect.width),
                twipsToPixels(rect.height));
}

void Control::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void Control::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = pressed_;
    pressed_ = false;
    event->accept();
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void Control::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click is not a further click: its release
    // finds nothing pressed and so makes no click.
    pressed_ = false;
    event->accept();
}

void Control::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit pointerMoved();
}

void Control::setKeyboardReachable()
{
    setFocusPolicy(Qt::TabFocus);
}

void Control::setFocusMark(bool on)
{
    if (focusMark_ == on)
        return;
    focusMark_ = on;
    update();
}

void Control::activate()
{
    if (isVisible())
        emit clicked();
}

void Control::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (isKeyboardReachable() && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        // A key held down clicks once, as a button held down does.
        if (!event->isAutoRepeat())
            activate();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

void Control::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    setFocusMark(true);
}

void Control::focusOutEvent(QFocusEvent *event)
{
    QLabel::focusOutEvent(event);
    setFocusMark(false);
}

void Control::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    paintFocusMark();
}

void Control::paintFocusMark()
{
    if (!focusMark_)
        return;
    QPainter painter(this);
    QPen pen(toQColor(kFocusMarkColour));
    pen.setWidth(kFocusMarkWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const int inset = kFocusMarkWidth / 2;
    painter.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
}

Label::Label(QWidget *parent) : Control(parent)
{
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
}

void Label::setBackColour(Bgr colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(colour));
    setPalette(pal);
}

void Label::setForeColour(Bgr colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, toQColor(colour));
    setPalette(pal);
}

void Label::setTextRaise(int pixels)
{
    textRaise_ = pixels;
    update();
}

void Label::paintEvent(QPaintEvent *event)
{
    if (textRaise_ == 0) {
        Control::paintEvent(event);
        return;
    }
    QFrame::paintEvent(event);
    {
        QPainter painter(this);
        style()->drawItemText(&painter, contentsRect().adjusted(0, -textRaise_, 0, 0),
                              int(alignment()) | Qt::TextWordWrap, palette(), isEnabled(), text(), foregroundRole());
    }
    paintFocusMark();
}

PictureBox::PictureBox(QWidget *parent) : Control(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PictureBox::loadPicture(const QString &path)
{
    showPicture(QPixmap::fromImage(readPicture(path)));
}

void PictureBox::showPicture(const QPixmap &picture)
{
    setPixmap(picture);
    if (!hasScaledContents()) {
        TwipsRectF rect = twipsRect();
        rect.width = pixelsToTwips(picture.width());
        rect.height = pixelsToTwips(picture.height());
        setTwipsRect(rect);
    }
}

void PictureBox::centreOn(const TwipsRectF &frame)
{
    TwipsRectF rect = twipsRect();
    // Worked out in double and kept as a single-precision value, half twips
    // and all; only the pixel position is rounded.
    rect.left = float(frame.left + (frame.width - rect.width) / 2);
    rect.top = float(frame.top + (frame.height - rect.height) / 2);
    setTwipsRect(rect);
}

} // namespace sakana

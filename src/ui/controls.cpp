// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/controls.h"

#include "media/picturefile.h"
#include "ui/twips.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPushButton>
#include <QKeyEvent>
#include <QPointingDevice>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QPixmap>
#include <QCache>
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <tuple>

namespace sakana {

namespace {
// Yellow stands out on the blue and red names, the magenta notice and the
// restart picture alike.
constexpr Bgr kFocusMarkColour = colours::kYellow;
constexpr int kFocusMarkWidth = 2;  // pixels
constexpr Bgr kInvitingMarkColour = colours::kRed;
constexpr int kInvitingMarkWidth = 4;  // pixels

// Scaled label faces, kept for the whole run up to this many kilobytes: the
// labels of every screen at 3840 x 2160 take about 20 MB.
constexpr int kKeptFacesKilobytes = 32 * 1024;

// A raised button whose whole face shows the design colour, the same on
// every desktop; it looks pressed while held and has a dark edge while it
// holds the focus.
QString buttonStyleSheet(const QColor &face, int border)
{
    return QStringLiteral("QPushButton { background-color: %1; color: black; border: %4px outset %2; }"
                          "QPushButton[focusMarksShown=\"true\"]:focus { border-color: %3; }"
                          "QPushButton:pressed { border-style: inset; }")
        .arg(face.name(), face.lighter(140).name(), face.darker(250).name())
        .arg(border);
}

// Decides from the application's input whether the focus marks show, and
// redraws every window when that changes.
class FocusMarkWatch final : public QObject {
public:
    bool shown = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        // A key that a shortcut takes (the arrows over the names) comes as
        // an override only.
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key != Qt::Key_Shift && key != Qt::Key_Control && key != Qt::Key_Alt && key != Qt::Key_Meta)
                setShown(true);
            break;
        }
        case QEvent::MouseButtonPress:
        case QEvent::TouchBegin: setShown(false); break;
        default: break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void setShown(bool on)
    {
        if (shown == on)
            return;
        shown = on;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            for (QPushButton *button : window->findChildren<QPushButton *>()) {
                button->setProperty("focusMarksShown", on);
                button->style()->unpolish(button);
                button->style()->polish(button);
            }
            window->update();
        }
    }
};
}

bool focusMarksShown()
{
    // Never destroyed: it watches for as long as the application runs.
    static FocusMarkWatch *watch = [] {
        auto *made = new FocusMarkWatch;
        if (QCoreApplication *app = QCoreApplication::instance())
            app->installEventFilter(made);
        return made;
    }();
    return watch->shown;
}

TwipsRectF wholeTwips(const TwipsRectF &rect)
{
    return {std::nearbyint(rect.left), std::nearbyint(rect.top), std::nearbyint(rect.width),
            std::nearbyint(rect.height)};
}

bool DesignPlace::setScale(const Scale &to)
{
    if (scale == to)
        return false;
    scale = to;
    return true;
}

void DesignPlace::applyTo(QWidget &widget) const
{
    widget.setGeometry(scale.toPixels(rect));
    if (font)
        widget.setFont(designFont(*font, scale.factor));
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
    place_.rect = rect;
    setGeometry(place_.scale.toPixels(rect));
}

void Control::setDesignFont(const FontDesign &font)
{
    place_.font = font;
    scaleChanged();
}

void Control::setScale(const Scale &scale)
{
    if (place_.setScale(scale))
        scaleChanged();
}

void Control::scaleChanged()
{
    place_.applyTo(*this);
    update();
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
    if (fromTouch(*event))
        emit touchReleased();
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

void Control::setInvitingMark(bool on)
{
    if (invitingMark_ == on)
        return;
    invitingMark_ = on;
    update();
}

void Control::paintFocusMark()
{
    const bool focus = focusMark_ && focusMarksShown();
    if (!focus && !invitingMark_)
        return;
    QPainter painter(this);
    const int width = scale().pixels(focus ? kFocusMarkWidth : kInvitingMarkWidth);
    QPen pen(toQColor(focus ? kFocusMarkColour : kInvitingMarkColour));
    pen.setWidth(width);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const int inset = width / 2;
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

void Label::setBorder(bool on)
{
    border_ = on;
    setFrameStyle(on ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    setLineWidth(scale().pixels(1));
    // A framed QLabel would also keep its text half a letter x in from the
    // frame, at the top too, pushing a line that just fits below the bottom
    // edge: the text starts right inside the border, as the design has it.
    setIndent(0);
}

void Label::scaleChanged()
{
    Control::scaleChanged();
    if (border_)
        setLineWidth(scale().pixels(1));
    textRaise_ = 0;
    if (designFont() && designFont()->bold) {
        // A face with a real bold weight may stand taller above its baseline
        // than the regular face the layout was made for; the text keeps the
        // regular face's baseline, so that it fits its label as designed.
        const int taller = QFontMetrics(font()).ascent() - designAscent(*designFont(), scale().factor);
        textRaise_ = std::max(taller, 0);
    }
}

// Text larger than Qt keeps letters for (64 pixels) is drawn from the letters'
// outlines every time, which at a large scale costs more than all the rest of
// a screen. So a scaled label with an opaque background, once painted, is
// drawn again off the screen and kept, and from then on copied wherever it
// looks the same. Drawn at another place, an outline rounds a little
// differently: a few edge pixels of a copy may differ by up to 2 of 255 from
// the label painted in place. At the unit scale every label is drawn as it
// always was.
void Label::paintEvent(QPaintEvent *event)
{
    if (drawingFace_) {
        paintFace(event);
        return;
    }
    const QString key = faceKey();
    if (const QImage *face = keptFace(key)) {
        QPainter(this).drawImage(0, 0, *face);
    } else {
        paintFace(event);
        // Not from within a paint event, where a widget cannot be drawn
        // once more.
        if (!key.isEmpty() && !faceDue_) {
            faceDue_ = true;
            QMetaObject::invokeMethod(this, &Label::keepFace, Qt::QueuedConnection);
        }
    }
    paintFocusMark();
}

void Label::paintFace(QPaintEvent *event)
{
    if (textRaise_ == 0) {
        QLabel::paintEvent(event);
        return;
    }
    QFrame::paintEvent(event);
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect().adjusted(0, -textRaise_, 0, 0),
                          int(alignment()) | Qt::TextWordWrap, palette(), isEnabled(), text(), foregroundRole());
}

namespace {
// Never destroyed: an image must not outlive the application.
QCache<QString, QImage> &keptFaces()
{
    static auto *faces = new QCache<QString, QImage>(kKeptFacesKilobytes);
    return *faces;
}
} // namespace

// Everything the face's pixels depend on; empty for a label whose face is
// not kept.
QString Label::faceKey() const
{
    const QColor back = palette().color(QPalette::Window);
    if (scale().isUnit() || !autoFillBackground() || back.alpha() != 255)
        return {};
    const QSize pixels = size() * devicePixelRatioF();
    return QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9|")
               .arg(pixels.width())
               .arg(pixels.height())
               .arg(back.rgba())
               .arg(palette().color(QPalette::WindowText).rgba())
               .arg(int(alignment()))
               .arg(border_ ? lineWidth() : 0)
               .arg(textRaise_)
               .arg(isEnabled())
               .arg(font().toString() + QLatin1Char(' ') + font().families().join(QLatin1Char(','))) +
           text();
}

const QImage *Label::keptFace(const QString &key) const
{
    return key.isEmpty() ? nullptr : keptFaces().object(key);
}

void Label::keepFace()
{
    faceDue_ = false;
    const QString key = faceKey();
    if (key.isEmpty() || !isVisible() || keptFaces().contains(key))
        return;
    const qreal ratio = devicePixelRatioF();
    auto face = std::make_unique<QImage>(size() * ratio, QImage::Format_RGB32);
    face->setDevicePixelRatio(ratio);
    drawingFace_ = true;
    render(face.get(), QPoint(), QRegion(), QWidget::DrawWindowBackground);
    drawingFace_ = false;
    const qsizetype kilobytes = face->sizeInBytes() / 1024 + 1;
    if (kilobytes <= keptFaces().maxCost())
        keptFaces().insert(key, face.release(), kilobytes);
}

PictureBox::PictureBox(QWidget *parent) : Control(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PictureBox::loadPicture(const QString &path)
{
    showPicture(QPixmap::fromImage(readPicture(path)));
}

void PictureBox::showPicture(const QPixmap &picture, bool builtIn)
{
    picture_ = picture;
    builtIn_ = builtIn;
    if (!hasScaledContents()) {
        TwipsRectF rect = twipsRect();
        rect.width = pixelsToTwips(picture.width());
        rect.height = pixelsToTwips(picture.height());
        setTwipsRect(rect);
    }
    drawPicture();
}

void PictureBox::scaleChanged()
{
    Control::scaleChanged();
    drawPicture();
}

void PictureBox::drawPicture()
{
    // A stretching box scales its picture as it paints it; at the unit scale
    // the picture shows pixel for pixel, as it was read.
    if (scale().isUnit() || hasScaledContents() || picture_.isNull()) {
        setPixmap(picture_);
        return;
    }
    const qreal ratio = devicePixelRatioF();
    const QSize fitted = picture_.size().scaled(size() * ratio, Qt::KeepAspectRatio);
    setPixmap(smoothlyScaled(picture_, fitted, ratio, builtIn_));
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

Button::Button(const QString &caption, const TwipsRectF &rect, const FontDesign &font, std::optional<Bgr> face,
               QWidget *parent)
    : QPushButton(caption, parent), place_{rect, font, {}}, face_(face)
{
    layOut();
}

void Button::setScale(const Scale &scale)
{
    if (place_.setScale(scale))
        layOut();
}

void Button::layOut()
{
    place_.applyTo(*this);
    setProperty("focusMarksShown", focusMarksShown());
    if (face_)
        setStyleSheet(buttonStyleSheet(toQColor(*face_), place_.scale.pixels(2)));
}

QPixmap smoothlyScaled(const QPixmap &picture, QSize size, qreal ratio, bool keep)
{
    using Key = std::tuple<qint64, int, int, qreal>;
    // Never destroyed: a pixmap must not outlive the application.
    static auto *kept = new std::map<Key, QPixmap>;
    const Key key{picture.cacheKey(), size.width(), size.height(), ratio};
    if (keep) {
        if (const auto found = kept->find(key); found != kept->end())
            return found->second;
        return kept->emplace(key, smoothlyScaled(picture, size, ratio, false)).first->second;
    }
    // Pictures of a colour table are scaled far faster once in true colour.
    QImage image = picture.toImage();
    const QImage::Format format =
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    image.convertTo(format);
    // Interpolated by a smoothing painter, straight into the final format:
    // in about half the time of QImage's smooth scaling and within a few of
    // 255 of it (a fish picture within 4, a sharp edge of a background 9).
    // Every pixel is written by the drawing, so none is filled before it.
    QImage scaled(size, format);
    {
        QPainter painter(&scaled);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(QPointF(), size), image);
    }
    scaled.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(std::move(scaled));
}

bool fromTouch(const QMouseEvent &event)
{
    const QPointingDevice *device = event.pointingDevice();
    return device && device->type() == QInputDevice::DeviceType::TouchScreen;
}

} // namespace sakana

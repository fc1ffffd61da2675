#include "app/controls.h"

#include "app/colour.h"
#include "app/runtimeerror.h"
#include "app/twips.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>
#include <QPixmap>

#include <algorithm>

namespace sakana {

Control::Control(QWidget *parent) : QLabel(parent)
{
    setMouseTracking(true);
    // Pointer moves over a control are the control's own, whether or not it
    // reacts to them: they never reach the window behind it.
    setAttribute(Qt::WA_NoMousePropagation);
}

void Control::setLeft(double twips) { left_ = twips; place(); }
void Control::setTop(double twips) { top_ = twips; place(); }
void Control::setWidth(double twips) { width_ = twips; place(); }
void Control::setHeight(double twips) { height_ = twips; place(); }

void Control::setRect(double left, double top, double width, double height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    place();
}

void Control::place()
{
    setGeometry(twipsToPixels(left_), twipsToPixels(top_), twipsToPixels(width_), twipsToPixels(height_));
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
    emit mouseMoved();
}

Label::Label(QWidget *parent) : Control(parent)
{
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
}

void Label::setBackColour(std::uint32_t value)
{
    backColour_ = value;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, bgr(value));
    setPalette(pal);
}

void Label::setForeColour(std::uint32_t value)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, bgr(value));
    setPalette(pal);
}

PictureBox::PictureBox(QWidget *parent) : Control(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PictureBox::setStretch(bool on)
{
    setScaledContents(on);
}

void PictureBox::loadPicture(const QString &path)
{
    setPicture(readPicture(path));
}

void PictureBox::setPicture(const QImage &image)
{
    setPixmap(QPixmap::fromImage(image));
    if (!stretch()) {
        setWidth(pixelsToTwips(image.width()));
        setHeight(pixelsToTwips(image.height()));
    }
}

Timer::Timer(QObject *parent) : QObject(parent)
{
    connect(&timer_, &QTimer::timeout, this, &Timer::tick);
}

void Timer::setInterval(int milliseconds)
{
    interval_ = milliseconds;
    if (milliseconds <= 0) {
        timer_.stop();
        return;
    }
    timer_.start(milliseconds);
}

QImage readPicture(const QString &path)
{
    // A design picture is at most a few hundred pixels square and a few
    // hundred kilobytes; these limits leave ample room while refusing a file
    // that claims an absurd size.
    constexpr qint64 kMaxFileBytes = 32 * 1024 * 1024;
    QImageReader::setAllocationLimit(64);

    QFile file(path);
    if (!file.exists())
        throw RuntimeError(path, QStringLiteral("ファイルが見つかりません"));
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeError(path, QStringLiteral("ファイルを読めません"));
    if (file.size() > kMaxFileBytes)
        throw RuntimeError(path, QStringLiteral("ファイルが大きすぎます"));
    const QByteArray bytes = file.readAll();
    file.close();

    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    // A GIF ends with its trailer byte; without it the file was cut short,
    // and the decoder would quietly show whatever part of it arrived.
    if (format == "gif" && (bytes.isEmpty() || bytes.back() != ';'))
        throw RuntimeError(path, QStringLiteral("絵のファイルが途中で切れています"));

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    reader.setAutoTransform(false);

    // Of the images of an icon, the largest.
    QImage image;
    const int count = format == "ico" ? std::max(reader.imageCount(), 1) : 1;
    for (int k = 0; k < count; ++k) {
        if (k > 0 && !reader.jumpToImage(k))
            break;
        QImage next = reader.read();
        if (next.isNull())
            break;
        if (next.width() > image.width())
            image = std::move(next);
    }
    if (image.isNull()) {
        throw RuntimeError(path, reader.error() == QImageReader::UnsupportedFormatError
                                     ? QStringLiteral("絵の形式が正しくありません")
                                     : QStringLiteral("絵を読み込めません（ファイルがこわれているか、大きすぎます）"));
    }
    return image;
}

} // namespace sakana

#pragma once

#include <QLabel>
#include <QObject>
#include <QTimer>

namespace sakana {

// Base of the labels and picture boxes: a QLabel placed in twips, which
// reports clicks (a press and a release on it) and pointer moves over it.
// It keeps every pointer move for itself, so a control never passes a move on
// to the window behind it; hidden controls take no input at all.
class Control : public QLabel {
    Q_OBJECT
public:
    explicit Control(QWidget *parent);

    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return width_; }
    double height() const { return height_; }
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);
    void setRect(double left, double top, double width, double height);

signals:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void place();

    double left_ = 0;
    double top_ = 0;
    double width_ = 0;
    double height_ = 0;
    bool pressed_ = false;
};

// A text label: caption, background colour (opaque or transparent), visibility.
class Label : public Control {
    Q_OBJECT
public:
    explicit Label(QWidget *parent);

    QString caption() const { return text(); }
    void setCaption(const QString &caption) { setText(caption); }
    std::uint32_t backColour() const { return backColour_; }
    void setBackColour(std::uint32_t bgr);
    void setForeColour(std::uint32_t bgr);

private:
    std::uint32_t backColour_ = 0;
};

// A picture box: shows a GIF or icon picture at its own size, or stretched to
// the box when stretch is on.
class PictureBox : public Control {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent);

    bool stretch() const { return hasScaledContents(); }
    void setStretch(bool on);
    // Decodes the picture file and replaces the box's picture; with stretch
    // off the box takes the picture's own size. Throws RuntimeError when the
    // file cannot be opened, read or decoded. Built-in pictures are named
    // ":/pictures/...".
    void loadPicture(const QString &path);

private:
    void setPicture(const QImage &image);
};

// An interval timer: interval in milliseconds, 0 stops it. Tests call fire()
// to deliver a tick without waiting; a stopped timer does not tick.
class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject *parent);

    int interval() const { return interval_; }
    void setInterval(int milliseconds);
    void fire()
    {
        if (interval_ > 0)
            emit tick();
    }

signals:
    void tick();

private:
    QTimer timer_;
    int interval_ = 0;
};

// Reads a picture file with the format its name gives ("gif" or "ico"),
// within a memory limit, so that a broken or gigantic file is a RuntimeError
// and never a crash.
QImage readPicture(const QString &path);

} // namespace sakana

#pragma once

#include "ui/colours.h"

#include <QImage>
#include <QLabel>

namespace sakana {

// A rectangle in twips that may hold a fraction, as a centred picture's does.
struct TwipsRectF {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// The rectangle rounded to whole twips, a half to the even one.
TwipsRectF wholeTwips(const TwipsRectF &rect);

// Base of the labels and picture boxes: a QLabel placed in twips, which
// reports clicks (a press and a release on it) and pointer moves over it.
// It keeps every pointer move for itself, so a control never passes a move on
// to the window behind it; hidden controls take no input at all.
//
// A control made reachable with Tab (setKeyboardReachable) draws the focus
// mark while it holds the focus, and Return, Enter or Space on it clicks it.
class Control : public QLabel {
    Q_OBJECT
public:
    explicit Control(QWidget *parent);

    const TwipsRectF &twipsRect() const { return rect_; }
    void setTwipsRect(const TwipsRectF &rect);

    // Takes the focus with Tab (never with a click, which leaves the focus
    // where it was).
    void setKeyboardReachable();
    bool isKeyboardReachable() const { return focusPolicy() != Qt::NoFocus; }
    // A frame that shows where the keyboard is.
    void setFocusMark(bool on);
    bool hasFocusMark() const { return focusMark_; }
    // Clicks the control as the pointer would; nothing while it is hidden.
    void activate();

signals:
    void clicked();
    void pointerMoved();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void paintFocusMark();

private:
    TwipsRectF rect_;
    bool pressed_ = false;
    bool focusMark_ = false;
};

// A text label with an opaque or transparent background.
class Label : public Control {
    Q_OBJECT
public:
    explicit Label(QWidget *parent);

    void setBackColour(Bgr colour);
    void setForeColour(Bgr colour);
    // Draws the text this many pixels higher than the label would.
    void setTextRaise(int pixels);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int textRaise_ = 0;
};

// A picture box: shows a picture at its own size, or scaled to the box when
// it stretches.
class PictureBox : public Control {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent);

    void setStretch(bool on) { setScaledContents(on); }
    // Reads the picture file and shows it; without stretching the box takes
    // the picture's own size. Throws MediaError when the file cannot be
    // opened, read or decoded.
    void loadPicture(const QString &path);
    // Shows a picture already read, as loadPicture() does.
    void showPicture(const QPixmap &picture);
    // Moves the box so that its centre falls on the frame's centre, to the
    // fraction of a twip; a picture larger than the frame reaches beyond it
    // by the same amount on both sides.
    void centreOn(const TwipsRectF &frame);
};

} // namespace sakana

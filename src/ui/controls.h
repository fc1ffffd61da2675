// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/colours.h"
#include "ui/fonts.h"
#include "ui/scale.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <optional>

namespace sakana {

// The rectangle rounded to whole twips, a half to the even one.
TwipsRectF wholeTwips(const TwipsRectF &rect);

// Where a control of a design stands and in what font, drawn at a scale.
struct DesignPlace {
    TwipsRectF rect;
    std::optional<FontDesign> font;
    Scale scale;

    // Takes the scale; false when it has it already.
    bool setScale(const Scale &to);
    // Puts the widget in its place, in its font, at the scale.
    void applyTo(QWidget &widget) const;
};

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

    const TwipsRectF &twipsRect() const { return place_.rect; }
    void setTwipsRect(const TwipsRectF &rect);
    // The font of the design, drawn at the scale.
    void setDesignFont(const FontDesign &font);
    // Draws the control at this scale of its design: place, font, border
    // and picture.
    void setScale(const Scale &scale);
    const Scale &scale() const { return place_.scale; }

    // Takes the focus with Tab (never with a click, which leaves the focus
    // where it was).
    void setKeyboardReachable();
    bool isKeyboardReachable() const { return focusPolicy() != Qt::NoFocus; }
    // A frame that shows where the keyboard is.
    void setFocusMark(bool on);
    bool hasFocusMark() const { return focusMark_; }
    // A frame that says "tap here" when nothing else on the screen does.
    void setInvitingMark(bool on);
    bool hasInvitingMark() const { return invitingMark_; }
    // Clicks the control as the pointer would; nothing while it is hidden.
    void activate();

signals:
    void clicked();
    void pointerMoved();
    // A finger left the control after touching it, as the pointer leaves.
    void touchReleased();

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
    // Lays the control out again after its scale changed.
    virtual void scaleChanged();
    const std::optional<FontDesign> &designFont() const { return place_.font; }

private:
    DesignPlace place_;
    bool pressed_ = false;
    bool focusMark_ = false;
    bool invitingMark_ = false;
};

// Whether the keyboard's focus marks show: only once the keyboard has been
// used, and again not once the pointer or a finger is, so that a child who
// taps sees no frame on a name they never chose. The first call starts
// watching the application's input; every later key, click or touch
// decides.
bool focusMarksShown();

// A text label with an opaque or transparent background.
class Label : public Control {
    Q_OBJECT
public:
    explicit Label(QWidget *parent);

    void setBackColour(Bgr colour);
    void setForeColour(Bgr colour);
    // A single-line border round the label.
    void setBorder(bool on);

protected:
    void paintEvent(QPaintEvent *event) override;
    void scaleChanged() override;

private:
    // The label as drawn, background, border and text, without the focus
    // mark, when it is kept; see faceKey().
    const QImage *keptFace(const QString &key) const;
    void keepFace();
    QString faceKey() const;
    void paintFace(QPaintEvent *event);

    bool border_ = false;
    int textRaise_ = 0;  // pixels the text is drawn higher than the label would
    bool drawingFace_ = false;  // while the face is being drawn to be kept
    bool faceDue_ = false;      // the face is to be kept once painting is over
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
    // Shows a picture already read, as loadPicture() does; a built-in one is
    // scaled once for each size and kept.
    void showPicture(const QPixmap &picture, bool builtIn = false);
    // Moves the box so that its centre falls on the frame's centre, to the
    // fraction of a twip; a picture larger than the frame reaches beyond it
    // by the same amount on both sides.
    void centreOn(const TwipsRectF &frame);

protected:
    void scaleChanged() override;

private:
    // Draws the picture at the box's size in pixels, smoothly scaled where
    // the scale is not the unit one.
    void drawPicture();

    QPixmap picture_;  // as read, at its own size
    bool builtIn_ = false;
};

// A push button placed in twips, whose whole face shows the design colour.
// It adds no signals, and to everything that asks it is a QPushButton.
class Button : public QPushButton {
public:
    Button(const QString &caption, const TwipsRectF &rect, const FontDesign &font, std::optional<Bgr> face,
           QWidget *parent);

    void setScale(const Scale &scale);

private:
    void layOut();

    DesignPlace place_;
    std::optional<Bgr> face_;
};

// A picture smoothly scaled to a size in device pixels, for a device pixel
// ratio. A picture that stays for the whole run (a built-in one) is scaled
// once for each size and kept.
QPixmap smoothlyScaled(const QPixmap &picture, QSize size, qreal ratio, bool keep = false);

// Whether a pointer event comes from a finger on a touch screen rather than
// from a mouse.
bool fromTouch(const QMouseEvent &event);

} // namespace sakana

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "quiz/catalogue.h"
#include "ui/controls.h"
#include "ui/design.h"

#include <QObject>
#include <QWidget>
#include <array>
#include <bitset>
#include <optional>

class QTimer;

namespace sakana {

class NameGrid;

// Where the name of a fish stands on both list screens: two columns of
// twenty, fish 1 to 20 on the left.
TwipsRect nameRect(int fishNo);

// A step of the keyboard highlight over the names.
enum class GridMove { Up, Down, Left, Right };

// The step an arrow key makes; none for any other key.
std::optional<GridMove> gridMoveForKey(int key);

// The name a step reaches from a name (0: none highlighted, where every step
// reaches the first name). Up and Down stay in the column and wrap round at
// its ends; Left and Right go to the same row of the other column.
int nameAfterMove(int fishNo, GridMove move);

// What takes the keyboard focus for the names: it lies under every other
// control, draws nothing and takes no pointer input, so that the names and
// what lies over them behave with the pointer as they did without it.
// Return, Enter and Space on it choose the highlighted name.
class NameKeys : public QWidget {
    Q_OBJECT
public:
    NameKeys(NameGrid &grid, QWidget &window);

    NameGrid &grid() const { return grid_; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    NameGrid &grid_;
};

// A fish's name on a list screen, which knows the grid it belongs to.
class NameLabel final : public Label {
    Q_OBJECT
public:
    NameLabel(NameGrid &grid, int fishNo, QWidget &window) : Label(&window), grid_(grid), fishNo_(fishNo) {}

    NameGrid &grid() const { return grid_; }
    int fishNo() const { return fishNo_; }

private:
    NameGrid &grid_;
    const int fishNo_;
};

// The forty fish names of a list screen. At most one name is red under the
// pointer or the keyboard highlight, which are one: moving the pointer over a
// name moves the keyboard highlight there, and an arrow key moves it on from
// there. Moving onto the window's background turns the name last pointed at
// back to normal, on every such move.
//
// A screen tells the grid what happens to its names: a name was chosen (red,
// and the name chosen before it back to normal), the right answer was shown
// (red, and the chosen name back to normal), the pause after an answer ended
// (the right answer back to normal), a new round began (a mark still showing
// goes, and the name chosen last is forgotten). The highlight and these marks
// write the same colour, so whichever writes last wins.
class NameGrid : public QObject {
    Q_OBJECT
public:
    // Creates the labels on the window from the design row, from fish 40 up
    // to fish 1, so that they stack like the other rows of a design table.
    NameGrid(QWidget &window, const ControlDesign &design);

    Label *label(int fishNo) const { return labels_.at(std::size_t(fishNo - 1)); }
    // What takes the keyboard focus for the names.
    NameKeys *keys() const { return keys_; }
    // The highlighted name; 0: none.
    int highlighted() const { return highlighted_; }

    // This name was chosen.
    void markChosen(int fishNo);
    // This is the right answer to the choice just made.
    void markRightAnswer(int fishNo);
    // The pause after an answer is over.
    void answerPauseOver();
    // A new round begins.
    void clearMarks();
    // Whether the name shows red.
    bool isMarked(int fishNo) const;
    // The pointer moved over the window's own background.
    void pointerOverBackground();

    // An arrow key: moves the highlight and takes the keyboard focus.
    void move(GridMove move);
    // Chooses the highlighted name as a click on it would; nothing when no
    // name is highlighted.
    void chooseHighlighted();
    // Chooses a name as a click on it would; the highlight goes there, as
    // the pointer takes it there before a click.
    void choose(int fishNo);
    // Whether the names take keys and choices: not while something covers
    // them. Without them the names leave the tab order.
    void setTakesInput(bool takes);
    bool takesInput() const { return keys_->isEnabled(); }

    // How long the pointer rests on a name before it is said.
    static constexpr int kRestMilliseconds = 500;

signals:
    void nameClicked(int fishNo);
    // A name was pointed at for a while (kRestMilliseconds), or the keyboard
    // moved onto it without a screen reader running (which says the name
    // itself): a child who cannot read hears it, to find the name they mean.
    void nameIndicated(int fishNo);

private:
    friend class NameKeys;
    void keyboardMovedTo(int fishNo);
    void pointerOverName(int fishNo);
    // What takes the keys covers the names, wherever they are drawn.
    void placeKeys();
    void highlight(int fishNo);
    void focusChanged();
    // Red, or back to normal; nothing for no name (0).
    void setMarked(int fishNo, bool marked);

    std::array<Label *, kFishCount> labels_{};
    std::bitset<kFishCount> marked_;  // the names shown red
    NameKeys *keys_ = nullptr;
    QTimer *restTimer_ = nullptr;  // runs while the pointer rests on a name
    int highlighted_ = 0;  // the name red under the pointer or the keys; 0: none
    int lastPointed_ = 1;  // the name the pointer or the keys last moved to
    int focusMarked_ = 0;  // the name that shows the focus mark; 0: none
    int chosen_ = 0;       // the name chosen last in this round; 0: none
    int rightAnswer_ = 0;  // the right answer shown until the pause is over; 0: none
};

} // namespace sakana

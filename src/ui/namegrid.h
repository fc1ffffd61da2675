#pragma once

#include "quiz/catalogue.h"
#include "ui/design.h"

#include <QObject>
#include <array>

class QWidget;

namespace sakana {

class Label;

// Where the name of a fish stands on both list screens: two columns of
// twenty, fish 1 to 20 on the left.
TwipsRect nameRect(int fishNo);

// The forty fish names of a list screen. At most one name is red under the
// pointer; moving onto the window's background turns the name last pointed
// at back to normal, on every such move. The pointer highlight and the marks
// the screens set write the same colour, so whichever writes last wins.
class NameGrid : public QObject {
    Q_OBJECT
public:
    // Creates the labels on the window from the design row, from fish 40 up
    // to fish 1, so that they stack like the other rows of a design table.
    NameGrid(QWidget &window, const ControlDesign &design);

    Label *label(int fishNo) const { return labels_.at(std::size_t(fishNo - 1)); }
    // Red, or back to normal.
    void setMarked(int fishNo, bool marked);
    // The pointer moved over the window's own background.
    void pointerOverBackground();

signals:
    void nameClicked(int fishNo);

private:
    void pointerOverName(int fishNo);

    std::array<Label *, kFishCount> labels_{};
    int highlighted_ = 0;  // the name red under the pointer; 0: none
    int lastPointed_ = 1;  // the name the pointer last moved over
};

} // namespace sakana

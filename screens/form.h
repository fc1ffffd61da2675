#pragma once

#include "app/controls.h"
#include "app/design.h"
#include "catalogue/catalogue.h"

#include <QPushButton>
#include <array>
#include <map>
#include <span>
#include <string>

namespace sakana {

class ScreenWindow;

// Builds a screen's window and controls from its design tables and finds
// the controls again by their design names.
class Form {
public:
    Form(ScreenWindow &window, const WindowDesign &windowDesign, std::span<const ControlDesign> controls);

    Label *label(const std::string &name) const;
    PictureBox *picture(const std::string &name) const;
    QPushButton *button(const std::string &name) const;
    // The forty name labels, by Index.
    const std::array<Label *, kFishCount> &names() const { return names_; }

private:
    void setUpWindow(ScreenWindow &window, const WindowDesign &design);
    QWidget *create(ScreenWindow &window, const ControlDesign &design);
    Label *createLabel(ScreenWindow &window, const ControlDesign &design, const TwipsRect &rect,
                       const QString &caption);

    std::map<std::string, QWidget *> controls_;
    std::array<Label *, kFishCount> names_{};
};

// Puts a window in the middle of the screen it opens on.
void centreOnScreen(QWidget &window);

} // namespace sakana

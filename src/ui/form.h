// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/design.h"
#include "ui/screenwindow.h"

#include <QString>
#include <span>
#include <utility>
#include <vector>

class QPushButton;
class QWidget;

namespace sakana {

class Label;
class NameGrid;
class PictureBox;

// Builds a screen's window and controls from its design tables. Each control
// is a child of the window named by its role, so a screen finds it again with
// control<T>(role).
class Form {
public:
    Form(ScreenWindow &window, const WindowDesign &windowDesign, std::span<const ControlDesign> controls);

    template <typename T>
    T *control(const char *role) const
    {
        T *found = window_.findChild<T *>(QLatin1String(role), Qt::FindDirectChildrenOnly);
        // A screen asking for a role its design lacks is the program's own
        // fault, not the media's: it stops the program with the role's name,
        // in every build, the first time that screen opens.
        if (!found)
            qFatal("The design has no %s with the role \"%s\"", T::staticMetaObject.className(), role);
        return found;
    }
    // The forty names, where the design has them.
    NameGrid *names() const { return names_; }

private:
    void setUpWindow(const WindowDesign &design);
    QWidget *create(const ControlDesign &design);
    void showPictures(const WindowDesign &design);

    ScreenWindow &window_;
    NameGrid *names_ = nullptr;
    // Picture boxes created and the built-in picture each is to show.
    std::vector<std::pair<PictureBox *, const char *>> pendingPictures_;
};

// Sets a new label up from a design row, at the given place and with the
// given caption.
void setUpLabel(Label &label, const ControlDesign &design, const TwipsRect &rect, const QString &caption);

// Puts a window, of that size with its frame, in the middle of the screen it
// opens on.
void centreOnScreen(QWidget &window, QSize outerSize);

} // namespace sakana

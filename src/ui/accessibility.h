// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QString;

namespace sakana {

// Gives the program's own widgets what a screen reader needs: the screen
// window lists its controls with the forty names gathered under one list;
// each name is a list item, named by the fish, that can be pressed as it can
// be clicked; a picture or label reachable with Tab is a button that can be
// pressed; every other control is a picture or a text, named by its
// accessible name or else by its text. Installed once; later calls do
// nothing.
void installAccessibility();

// Tells a screen reader that the keyboard is on this widget now.
void announceFocus(QWidget &widget);

// A caption as a screen reader is to say it: the spaces that only part the
// words of a child's text for the eye are left out, so that お わ り is read
// as the word it is and not letter by letter.
QString spokenText(const QString &caption);

// A label that a screen reader meets only as part of another control, which
// says the whole: the reader's tree leaves it out, and a point on it finds
// the whole.
void speakAsPartOf(QWidget &part, QWidget &whole);

// Says a short message through a screen reader without taking the keyboard
// anywhere: a notification that no one sees, shown again for each message.
// The message becomes its name before it shows, so a reader never meets the
// one before.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget &window);
    void say(const QString &message);
};

} // namespace sakana

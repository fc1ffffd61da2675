#pragma once

class QString;
class QWidget;

namespace sakana {

// Gives the program's own widgets what a screen reader needs: the screen
// window lists its controls with the forty names gathered under one list;
// each name is a list item, named by the fish, that can be pressed as it can
// be clicked; a picture or label reachable with Tab is a button that can be
// pressed; every other control is a picture or a text, named by its
// accessible name or else by its text. Installed once; later calls do
// nothing.
void installAccessibility();

// Sets the name a screen reader gives the widget and tells it of the change,
// also when the name stays the same, so that a repeated result is heard
// again.
void announceName(QWidget &widget, const QString &name);

// Tells a screen reader that the keyboard is on this widget now.
void announceFocus(QWidget &widget);

} // namespace sakana

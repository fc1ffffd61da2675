// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/menu/menuscreen.h"

#include "screens/menu/menudesign.h"
#include "ui/form.h"

#include <QPushButton>

namespace sakana {

MenuScreen::MenuScreen(SoundPlayer &sounds, const Clock &clock, Navigator &navigator, ErrorSink &errors)
    : Screen(menu::kWindow, menu::kControls, sounds, clock, navigator, errors)
{
}

void MenuScreen::build(const Form &form)
{
    // The title a screen reader reads: the picture shows the character 魚.
    form.control<QWidget>("titleGlyph")->setAccessibleName(QStringLiteral("魚"));
    leaveOnClick(form.control<QPushButton>("toLookupButton"), Destination::Lookup);
    leaveOnClick(form.control<QPushButton>("toDrillButton"), Destination::Drill);
    // In classroom mode a grown-up ends the program by holding お わ り; a
    // child's tap does nothing.
    auto *quit = form.control<QPushButton>("quitButton");
    if (kiosk())
        leaveOnHold(quit, Destination::End);
    else
        leaveOnClick(quit, Destination::End);
}

} // namespace sakana

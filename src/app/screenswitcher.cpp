// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/screenswitcher.h"

#include "screens/drill/drillscreen.h"
#include "screens/lookup/lookupscreen.h"
#include "screens/menu/menuscreen.h"
#include "ui/screenwindow.h"

#include <QString>

namespace sakana {

namespace {

std::size_t slotOf(Destination destination)
{
    switch (destination) {
    case Destination::Menu: return 0;
    case Destination::Lookup: return 1;
    case Destination::Drill: return 2;
    case Destination::End: break;
    }
    return 3;
}

} // namespace

Windows windowsFor(const QString &platform)
{
    // A Wayland client cannot place its windows: each new one lands where
    // the compositor puts it.
    return platform.startsWith(QLatin1String("wayland")) ? Windows::OneForAll : Windows::OnePerScreen;
}

ScreenSwitcher::ScreenSwitcher(Services services, std::function<void()> endProgram, Windows windows)
    : services_(services), endProgram_(std::move(endProgram)),
      host_(windows == Windows::OneForAll ? std::make_unique<WindowHost>() : nullptr)
{
}

ScreenSwitcher::~ScreenSwitcher()
{
    for (auto &screen : screens_) {
        if (screen)
            screen->close();
    }
    // The windows the screens kept after closing go with their host.
    for (auto &screen : screens_)
        screen.reset();
}

std::unique_ptr<Screen> ScreenSwitcher::make(Destination destination)
{
    const Services &s = services_;
    switch (destination) {
    case Destination::Menu:
        return std::make_unique<MenuScreen>(s.sounds, s.clock, *this, s.errors);
    case Destination::Lookup:
        return std::make_unique<LookupScreen>(s.media, s.sounds, s.clock, *this, s.errors);
    case Destination::Drill:
        return std::make_unique<DrillScreen>(s.media, s.sounds, s.random, s.clock, *this, s.errors);
    case Destination::End:
        break;
    }
    return nullptr;
}

void ScreenSwitcher::go(Destination destination)
{
    if (ended_)
        return;
    if (Screen *open = current()) {
        fullScreen_ = open->window()->fullScreen();
        open->close();
    }
    if (destination == Destination::End) {
        ended_ = true;
        endProgram_();
        return;
    }
    auto &slot = screens_[slotOf(destination)];
    if (!slot)
        slot = make(destination);
    slot->setKiosk(kiosk_);
    slot->open(fullScreen_, host_.get());
}

Screen *ScreenSwitcher::screen(Destination destination) const
{
    const std::size_t slot = slotOf(destination);
    return slot < screens_.size() ? screens_[slot].get() : nullptr;
}

Screen *ScreenSwitcher::current() const
{
    for (const auto &screen : screens_) {
        if (screen && screen->isOpen())
            return screen.get();
    }
    return nullptr;
}

} // namespace sakana

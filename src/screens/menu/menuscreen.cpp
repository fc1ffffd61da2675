#include "screens/menu/menuscreen.h"

#include "media/soundplayer.h"
#include "screens/menu/menudesign.h"
#include "ui/form.h"

#include <QPushButton>

namespace sakana {

MenuScreen::MenuScreen(SoundPlayer &sounds, const Clock &clock, Navigator &navigator, ErrorSink &errors)
    : Screen(clock, navigator, errors), sounds_(sounds)
{
}

void MenuScreen::build(ScreenWindow &window)
{
    const Form form(window, menu::kWindow, menu::kControls);
    // The title a screen reader reads: the picture shows the character 魚.
    form.control<QWidget>("titleGlyph")->setAccessibleName(QStringLiteral("魚"));
    on(form.control<QPushButton>("toLookupButton"), &QPushButton::clicked, [this] { leaveFor(Destination::Lookup); });
    on(form.control<QPushButton>("toDrillButton"), &QPushButton::clicked, [this] { leaveFor(Destination::Drill); });
    on(form.control<QPushButton>("quitButton"), &QPushButton::clicked, [this] { leaveFor(Destination::End); });
}

void MenuScreen::leaveFor(Destination destination)
{
    sounds_.play(Sound::Button);
    leaveAfterPause(destination);
}

} // namespace sakana

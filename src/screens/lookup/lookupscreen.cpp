#include "screens/lookup/lookupscreen.h"

#include "media/soundplayer.h"
#include "screens/lookup/lookupdesign.h"
#include "ui/accessibility.h"
#include "ui/form.h"
#include "ui/namegrid.h"

#include <QPushButton>

namespace sakana {

LookupScreen::LookupScreen(const MediaFolder &media, SoundPlayer &sounds, const Clock &clock,
                           Navigator &navigator, ErrorSink &errors)
    : Screen(clock, navigator, errors), media_(media), sounds_(sounds)
{
}

LookupScreen::~LookupScreen() = default;

void LookupScreen::build(ScreenWindow &window)
{
    const Form form(window, lookup::kWindow, lookup::kControls);
    controls_ = std::make_unique<Controls>(Controls{
        .names = form.names(),
        .fishPicture = form.control<PictureBox>("fishPicture"),
        .captionLine = form.control<Label>("captionLine"),
        .announcer = new Announcer(window),
    });
    on(controls_->names, &NameGrid::nameClicked, [this](int fishNo) { onNameClicked(fishNo); });
    on(&window, &ScreenWindow::pointerOverBackground, [this] { controls_->names->pointerOverBackground(); });
    on(form.control<QPushButton>("toDrillButton"), &QPushButton::clicked, [this] { leaveFor(Destination::Drill); });
    on(form.control<QPushButton>("toMenuButton"), &QPushButton::clicked, [this] { leaveFor(Destination::Menu); });
}

void LookupScreen::load()
{
    lastChosen_ = 0;
    frame_ = wholeTwips(controls_->fishPicture->twipsRect());
    // Read afresh at every opening, so a caption the teacher has just
    // corrected shows at the next visit.
    captions_ = readNameList(media_.nameList());
}

void LookupScreen::onNameClicked(int fishNo)
{
    Controls &c = *controls_;
    if (lastChosen_ > 0)
        c.names->setMarked(lastChosen_, false);
    c.names->setMarked(fishNo, true);
    c.fishPicture->hide();
    c.fishPicture->loadPicture(media_.fishPicture(fishNo));
    const QString caption = captions_.caption(fishNo);
    c.captionLine->setText(caption);
    // A screen reader names the picture by its caption, or by the fish's
    // name where the caption is blank, and says that name as they show.
    const QString spoken = caption.trimmed().isEmpty() ? fishName(fishNo) : caption;
    c.fishPicture->setAccessibleName(spoken);
    c.fishPicture->centreOn(frame_);
    c.fishPicture->show();
    c.captionLine->show();
    c.announcer->say(spoken);
    sounds_.play(Sound::Name);
    lastChosen_ = fishNo;
}

void LookupScreen::leaveFor(Destination destination)
{
    sounds_.play(Sound::Button);
    leaveAfterPause(destination);
}

} // namespace sakana

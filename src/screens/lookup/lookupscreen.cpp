// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

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
    : ScreenWithControls(lookup::kWindow, lookup::kControls, sounds, clock, navigator, errors), media_(media)
{
}

LookupScreen::~LookupScreen() = default;

void LookupScreen::build(const Form &form)
{
    const LookupControls &c = keep({
        .names = form.names(),
        .fishPicture = form.control<PictureBox>("fishPicture"),
        .captionLine = form.control<Label>("captionLine"),
        .announcer = new Announcer(*window()),
    });
    on(c.names, &NameGrid::nameClicked, [this](int fishNo) { onNameClicked(fishNo); });
    leaveOnClick(form.control<QPushButton>("toDrillButton"), Destination::Drill);
    leaveOnClick(form.control<QPushButton>("toMenuButton"), Destination::Menu);
}

void LookupScreen::load()
{
    frame_ = wholeTwips(controls().fishPicture->twipsRect());
    // Read afresh at every opening, so a caption the teacher has just
    // corrected shows at the next visit.
    captions_ = readNameList(media_.nameList());
}

void LookupScreen::onNameClicked(int fishNo)
{
    LookupControls &c = controls();
    c.names->markChosen(fishNo);
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
}

} // namespace sakana

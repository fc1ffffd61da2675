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
    on(c.names, &NameGrid::nameIndicated, [this](int fishNo) { sounds_.play(Sound::voiceOf(fishNo)); });
    leaveOnClick(form.control<QPushButton>("toDrillButton"), Destination::Drill);
    leaveOnClick(form.control<QPushButton>("toMenuButton"), Destination::Menu);
}

void LookupScreen::load()
{
    frame_ = wholeTwips(controls().fishPicture->twipsRect());
    // Read afresh at every opening, so a caption the teacher has just
    // corrected shows at the next visit.
    lookup_.setCaptions(readNameList(media_.nameList()));
    // What the heading asks, for a child who cannot read it.
    sounds_.play(Sound::ChoosePrompt);
}

void LookupScreen::onNameClicked(int fishNo)
{
    LookupControls &c = controls();
    lookup_.choose(fishNo);
    c.names->markChosen(fishNo);
    c.fishPicture->hide();
    c.fishPicture->loadPicture(media_.fishPicture(fishNo));
    c.captionLine->setText(lookup_.caption());
    // A screen reader names the picture as it says it when they show.
    c.fishPicture->setAccessibleName(lookup_.spoken());
    c.fishPicture->centreOn(frame_);
    c.fishPicture->show();
    c.captionLine->show();
    c.announcer->say(lookup_.spoken());
    sounds_.play(Sound::Name);
    // Heard once the click is over.
    sounds_.play(Sound::voiceOf(fishNo));
}

} // namespace sakana

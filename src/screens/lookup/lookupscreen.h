// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "media/mediafolder.h"
#include "quiz/fishlookup.h"
#include "ui/controls.h"
#include "ui/screen.h"

namespace sakana {

class Announcer;
class Label;
class NameGrid;
class PictureBox;
class SoundPlayer;

struct LookupControls {
    NameGrid *names = nullptr;
    PictureBox *fishPicture = nullptr;
    Label *captionLine = nullptr;
    Announcer *announcer = nullptr;
};

// The lookup screen: click a fish's name, see its picture with its caption
// from the name list, hear a click and then the name.
class LookupScreen final : public ScreenWithControls<LookupControls> {
public:
    LookupScreen(const MediaFolder &media, SoundPlayer &sounds, const Clock &clock, Navigator &navigator,
                 ErrorSink &errors);
    ~LookupScreen() override;

private:
    void build(const Form &form) override;
    void load() override;

    void onNameClicked(int fishNo);

    const MediaFolder &media_;
    FishLookup lookup_;
    TwipsRectF frame_;  // the picture's frame as designed, in whole twips
};

} // namespace sakana

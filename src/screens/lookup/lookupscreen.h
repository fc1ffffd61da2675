#pragma once

#include "media/mediafolder.h"
#include "quiz/namelist.h"
#include "ui/controls.h"
#include "ui/screen.h"

#include <memory>

namespace sakana {

class Announcer;
class Label;
class NameGrid;
class PictureBox;
class SoundPlayer;

// The lookup screen: click a fish's name, see its picture with its caption
// from the name list, hear a click.
class LookupScreen final : public Screen {
public:
    LookupScreen(const MediaFolder &media, SoundPlayer &sounds, const Clock &clock, Navigator &navigator,
                 ErrorSink &errors);
    ~LookupScreen() override;

private:
    struct Controls {
        NameGrid *names = nullptr;
        PictureBox *fishPicture = nullptr;
        Label *captionLine = nullptr;
        Announcer *announcer = nullptr;
    };

    void build(ScreenWindow &window) override;
    void load() override;
    void forgetControls() override { controls_.reset(); }

    void onNameClicked(int fishNo);
    void leaveFor(Destination destination);

    const MediaFolder &media_;
    SoundPlayer &sounds_;
    std::unique_ptr<Controls> controls_;
    NameList captions_;
    TwipsRectF frame_;  // the picture's frame as designed, in whole twips
    int lastChosen_ = 0;  // the fish chosen last since the screen opened; 0: none
};

} // namespace sakana

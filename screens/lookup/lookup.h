#pragma once

#include "app/controls.h"
#include "app/screen.h"
#include "catalogue/catalogue.h"
#include "media/soundplayer.h"
#include "screens/lookup/namelist.h"

#include <QPushButton>
#include <array>
#include <cstdint>
#include <memory>

namespace sakana {

// The lookup screen's own variables, kept while it is closed.
struct LookupState {
    std::int16_t ClickedNo = 0;       // fish index of the latest click on a name
    std::int16_t LastClickedNo = 0;   // the click before; 0: none since the screen loaded
    QString NumberText;               // ClickedNo in digits
    sakana::NameList NameList{};      // element k: entry k of the name list
    std::int16_t PicTop = 0;          // the picture frame, in twips
    std::int16_t PicLeft = 0;
    std::int16_t PicWidth = 0;
    std::int16_t PicHeight = 0;
    std::int16_t HighlightIndex = 0;  // label shown red under the pointer; -1: none
    std::int16_t HoverIndex = 0;      // label the pointer last moved over
    std::int16_t PendingChoice = 0;   // 1: drill; anything else: menu
    std::int32_t ClickTime = 0;       // whole seconds since midnight at the latest button click
};

// The lookup screen: click a name, see the fish's picture with its caption
// from the name list, hear a click.
class 説明 final : public Screen {
public:
    explicit 説明(Shell &shell);
    ~説明() override;

    LookupState state;

    struct Controls {
        QPushButton *Command1 = nullptr;
        QPushButton *Command2 = nullptr;
        Label *Label3 = nullptr;
        PictureBox *Image1 = nullptr;
        Label *Label2 = nullptr;
        std::array<Label *, kFishCount> Label1{};
        Timer *Timer1 = nullptr;
        std::unique_ptr<SoundPlayer> MediaPlayer1;
        std::unique_ptr<SoundPlayer> MediaPlayer2;
    };
    Controls *controls() const { return c_.get(); }

private:
    void build(ScreenWindow &window) override;
    void load() override;
    void dropControls() override;

    void Label1_MouseMove(int index);
    void HighlightLabel();
    void Form_MouseMove();
    void Label1_Click(int index);
    void CentrePicture();
    void Command_Click(std::int16_t choice);
    void Timer1_Timer();

    std::unique_ptr<Controls> c_;
};

} // namespace sakana

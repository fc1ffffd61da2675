#pragma once

#include "app/controls.h"
#include "app/screen.h"
#include "media/soundplayer.h"

#include <QPushButton>
#include <cstdint>
#include <memory>

namespace sakana {

// The menu: three buttons, each sounding at once and leaving after the pause
// for the lookup screen, the drill or the end of the program.
class メニュー final : public Screen {
public:
    explicit メニュー(Shell &shell);
    ~メニュー() override;

    // The menu's own variables, kept while it is closed.
    std::int16_t PendingChoice = 0;
    std::int32_t ClickTime = 0;

    struct Controls {
        QPushButton *Command1 = nullptr;
        QPushButton *Command2 = nullptr;
        QPushButton *Command3 = nullptr;
        Label *Label2 = nullptr;
        PictureBox *Image1 = nullptr;
        PictureBox *Image2 = nullptr;
        Timer *Timer1 = nullptr;
        std::unique_ptr<SoundPlayer> MediaPlayer1;
    };
    // The controls of the open window, or null while closed.
    Controls *controls() const { return c_.get(); }

private:
    void build(ScreenWindow &window) override;
    void load() override;
    void dropControls() override;

    void Command_Click(std::int16_t choice);
    void Timer1_Timer();

    std::unique_ptr<Controls> c_;
};

} // namespace sakana

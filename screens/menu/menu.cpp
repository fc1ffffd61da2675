#include "screens/menu/menu.h"

#include "app/screenwindow.h"
#include "media/paths.h"
#include "screens/form.h"
#include "screens/menu/menudesign.h"

namespace sakana {

メニュー::メニュー(Shell &shell) : Screen(shell) {}
メニュー::~メニュー() = default;

void メニュー::build(ScreenWindow &window)
{
    const Form form(window, menu::kWindow, menu::kControls);
    c_ = std::make_unique<Controls>();
    c_->Command1 = form.button("Command1");
    c_->Command2 = form.button("Command2");
    c_->Command3 = form.button("Command3");
    c_->Label2 = form.label("Label2");
    c_->Image1 = form.picture("Image1");
    c_->Image2 = form.picture("Image2");
    c_->Timer1 = new Timer(&window);
    c_->MediaPlayer1 = shell_.services().players.create(QStringLiteral("menu.MediaPlayer1"));

    on(c_->Command1, &QPushButton::clicked, [this] { Command_Click(1); });
    on(c_->Command2, &QPushButton::clicked, [this] { Command_Click(2); });
    on(c_->Command3, &QPushButton::clicked, [this] { Command_Click(3); });
    on(c_->Timer1, &Timer::tick, [this] { Timer1_Timer(); });
}

void メニュー::dropControls()
{
    c_.reset();
}

void メニュー::load()
{
    // The sound is loaded but not heard when the menu opens.
    c_->MediaPlayer1->setFileName(mediaPath(shell_.appDir(), QStringLiteral("\\音\\oto.wav")));
    c_->MediaPlayer1->stop();
}

void メニュー::Command_Click(std::int16_t choice)
{
    c_->MediaPlayer1->play();
    PendingChoice = choice;
    c_->Timer1->setInterval(100);
    ClickTime = stampNow();
}

void メニュー::Timer1_Timer()
{
    if (!pauseIsOver(now(), ClickTime))
        return;
    c_->Timer1->setInterval(0);
    close();
    if (PendingChoice == 1)
        shell_.open(ScreenId::Lookup);
    if (PendingChoice == 2)
        shell_.open(ScreenId::Drill);
    if (PendingChoice == 3)
        shell_.endProgram();
}

} // namespace sakana

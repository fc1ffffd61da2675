#include "screens/lookup/lookup.h"

#include "app/colour.h"
#include "app/screenwindow.h"
#include "media/paths.h"
#include "screens/form.h"
#include "screens/highlight.h"
#include "screens/lookup/lookupdesign.h"

#include <cmath>

namespace sakana {

説明::説明(Shell &shell) : Screen(shell) {}
説明::~説明() = default;

void 説明::build(ScreenWindow &window)
{
    const Form form(window, lookup::kWindow, lookup::kControls);
    c_ = std::make_unique<Controls>();
    Controls &c = *c_;
    c.Command1 = form.button("Command1");
    c.Command2 = form.button("Command2");
    c.Label3 = form.label("Label3");
    c.Image1 = form.picture("Image1");
    c.Label2 = form.label("Label2");
    c.Label1 = form.names();
    c.Timer1 = new Timer(&window);
    c.MediaPlayer1 = shell_.services().players.create(QStringLiteral("lookup.MediaPlayer1"));
    c.MediaPlayer2 = shell_.services().players.create(QStringLiteral("lookup.MediaPlayer2"));

    for (int index = 0; index < kFishCount; ++index) {
        on(c.Label1[std::size_t(index)], &Control::clicked, [this, index] { Label1_Click(index); });
        on(c.Label1[std::size_t(index)], &Control::mouseMoved, [this, index] { Label1_MouseMove(index); });
    }
    on(&window, &ScreenWindow::backgroundMouseMoved, [this] { Form_MouseMove(); });
    on(c.Command1, &QPushButton::clicked, [this] { Command_Click(1); });
    on(c.Command2, &QPushButton::clicked, [this] { Command_Click(2); });
    on(c.Timer1, &Timer::tick, [this] { Timer1_Timer(); });
}

void 説明::dropControls()
{
    c_.reset();
}

void 説明::load()
{
    LookupState &s = state;
    Controls &c = *c_;
    s.LastClickedNo = 0;
    s.HighlightIndex = -1;
    s.PicTop = std::int16_t(std::nearbyint(c.Image1->top()));
    s.PicLeft = std::int16_t(std::nearbyint(c.Image1->left()));
    s.PicWidth = std::int16_t(std::nearbyint(c.Image1->width()));
    s.PicHeight = std::int16_t(std::nearbyint(c.Image1->height()));
    s.NameList = readNameList(mediaPath(shell_.appDir(), QStringLiteral("\\説明\\name.txt")));
    c.MediaPlayer1->setFileName(mediaPath(shell_.appDir(), QStringLiteral("\\音\\oto1.wav")));
    c.MediaPlayer1->stop();
    c.MediaPlayer2->setFileName(mediaPath(shell_.appDir(), QStringLiteral("\\音\\oto.wav")));
    c.MediaPlayer2->stop();
}

void 説明::Label1_MouseMove(int index)
{
    state.HoverIndex = std::int16_t(index);
    HighlightLabel();
}

void 説明::HighlightLabel()
{
    highlightHovered(c_->Label1, state.HighlightIndex, state.HoverIndex);
}

void 説明::Form_MouseMove()
{
    clearHighlight(c_->Label1, state.HighlightIndex, state.HoverIndex);
}

void 説明::Label1_Click(int index)
{
    LookupState &s = state;
    Controls &c = *c_;
    if (s.LastClickedNo > 0)
        c.Label1[std::size_t(s.LastClickedNo - 1)]->setBackColour(kNormalLabelColour);
    s.ClickedNo = std::int16_t(index + 1);
    c.Label1[std::size_t(index)]->setBackColour(kMarkedLabelColour);
    s.NumberText = QString::number(s.ClickedNo);
    const QString path = mediaPath(shell_.appDir(), QStringLiteral("\\画像\\f") + s.NumberText + QStringLiteral(".gif"));
    c.Image1->setVisible(false);
    c.Image1->loadPicture(path);
    c.Label3->setCaption(s.NameList[std::size_t(s.ClickedNo)]);
    CentrePicture();
    c.Image1->setVisible(true);
    c.Label3->setVisible(true);
    c.MediaPlayer1->play();
    s.LastClickedNo = s.ClickedNo;
}

void 説明::CentrePicture()
{
    PictureBox &image = *c_->Image1;
    const double w = image.width();
    const double h = image.height();
    image.setLeft(float(state.PicLeft + (state.PicWidth - w) / 2));
    image.setTop(float(state.PicTop + (state.PicHeight - h) / 2));
}

void 説明::Command_Click(std::int16_t choice)
{
    c_->MediaPlayer2->play();
    state.PendingChoice = choice;
    c_->Timer1->setInterval(100);
    state.ClickTime = stampNow();
}

void 説明::Timer1_Timer()
{
    if (!pauseIsOver(now(), state.ClickTime))
        return;
    c_->Timer1->setInterval(0);
    close();
    shell_.open(state.PendingChoice == 1 ? ScreenId::Drill : ScreenId::Menu);
}

} // namespace sakana

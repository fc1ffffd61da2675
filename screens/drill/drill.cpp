#include "screens/drill/drill.h"

#include "app/colour.h"
#include "app/random.h"
#include "app/screenwindow.h"
#include "media/paths.h"
#include "screens/drill/drilldesign.h"
#include "screens/form.h"
#include "screens/highlight.h"

#include <cmath>

namespace sakana {

namespace {
constexpr int kTick = 100;  // milliseconds between the ticks of a running wait
}

ドリル::ドリル(Shell &shell) : Screen(shell) {}
ドリル::~ドリル() = default;

QString ドリル::media(const char16_t *literal) const
{
    return mediaPath(shell_.appDir(), QString::fromUtf16(literal));
}

void ドリル::build(ScreenWindow &window)
{
    const Form form(window, drill::kWindow, drill::kControls);
    c_ = std::make_unique<Controls>();
    Controls &c = *c_;
    c.Command1 = form.button("Command1");
    c.Command2 = form.button("Command2");
    c.Label10 = form.label("Label10");
    c.Image7 = form.picture("Image7");
    c.Image6 = form.picture("Image6");
    c.Image5 = form.picture("Image5");
    c.Image3 = form.picture("Image3");
    c.Label7 = form.label("Label7");
    c.Label3 = form.label("Label3");
    c.Label4 = form.label("Label4");
    c.Label5 = form.label("Label5");
    c.Label6 = form.label("Label6");
    c.Image2 = form.picture("Image2");
    c.Image1 = form.picture("Image1");
    c.Label1 = form.names();
    c.Label2 = form.label("Label2");
    c.Timer1 = new Timer(&window);
    c.Timer2 = new Timer(&window);
    c.MediaPlayer1 = shell_.services().players.create(QStringLiteral("drill.MediaPlayer1"));
    c.MediaPlayer2 = shell_.services().players.create(QStringLiteral("drill.MediaPlayer2"));
    c.MediaPlayer3 = shell_.services().players.create(QStringLiteral("drill.MediaPlayer3"));

    for (int index = 0; index < kFishCount; ++index) {
        on(c.Label1[std::size_t(index)], &Control::clicked, [this, index] { Label1_Click(index); });
        on(c.Label1[std::size_t(index)], &Control::mouseMoved, [this, index] { Label1_MouseMove(index); });
    }
    on(&window, &ScreenWindow::backgroundMouseMoved, [this] { Form_MouseMove(); });
    on(c.Label10, &Control::clicked, [this] { Label10_Click(); });
    on(c.Image3, &Control::clicked, [this] { Image3_Click(); });
    on(c.Command1, &QPushButton::clicked, [this] { Command_Click(1); });
    on(c.Command2, &QPushButton::clicked, [this] { Command_Click(2); });
    on(c.Timer1, &Timer::tick, [this] { Timer1_Timer(); });
    on(c.Timer2, &Timer::tick, [this] { Timer2_Timer(); });
}

void ドリル::dropControls()
{
    c_.reset();
}

void ドリル::load()
{
    state.HighlightIndex = -1;
    StartDrill();
}

void ドリル::StartDrill()
{
    DrillState &s = state;
    Controls &c = *c_;
    s.PicTop = std::int16_t(std::nearbyint(c.Image1->top()));
    s.PicLeft = std::int16_t(std::nearbyint(c.Image1->left()));
    s.PicWidth = std::int16_t(std::nearbyint(c.Image1->width()));
    s.PicHeight = std::int16_t(std::nearbyint(c.Image1->height()));
    c.MediaPlayer1->setFileName(media(u"\\音\\oto1.wav"));
    c.MediaPlayer1->stop();
    c.MediaPlayer2->setSetting(1030, 1);
    s.LastClickedNo = 0;
    s.AskedCount = 0;
    s.CorrectCount = 0;
    c.Label5->setCaption(QString());
    for (int fish = 1; fish <= kFishCount; ++fish)
        s.UsedFlags[std::size_t(fish)] = 0;
    PickQuestion();
}

void ドリル::PickQuestion()
{
    RandomSource &random = shell_.services().random;
    random.seedFromClock(now());
    const double r = random.next();
    state.FishNo = std::int16_t(std::floor(r * kFishCount) + 1);
    CheckUsed();
}

void ドリル::CheckUsed()
{
    if (state.UsedFlags[std::size_t(state.FishNo)] == 1)
        NextUnused();
    else
        ShowQuestion();
}

void ドリル::NextUnused()
{
    do {
        state.FishNo += 1;
        if (state.FishNo > kFishCount)
            state.FishNo = 1;
    } while (state.UsedFlags[std::size_t(state.FishNo)] == 1);
    ShowQuestion();
}

void ドリル::ShowQuestion()
{
    DrillState &s = state;
    Controls &c = *c_;
    s.AnswerOpen = 1;
    s.UsedFlags[std::size_t(s.FishNo)] = 1;
    s.AskedCount += 1;
    c.Label3->setCaption(QString::number(kFishCount - s.AskedCount));
    const QString path = fishPicturePath(shell_.appDir(), s.FishNo);
    c.Image1->setVisible(false);
    c.Image1->setStretch(false);
    c.Image1->loadPicture(path);
    const double w = c.Image1->width();
    const double h = c.Image1->height();
    // Centred on the saved frame; a half twip stays in the result.
    const float left = float((s.PicWidth - w) / 2 + s.PicLeft);
    const float top = float((s.PicHeight - h) / 2 + s.PicTop);
    c.Image1->setLeft(left);
    c.Image1->setTop(top);
    c.Image1->setWidth(w);
    c.Image1->setHeight(h);
    c.Image1->setVisible(true);
    c.MediaPlayer1->play();
}

void ドリル::Label1_Click(int index)
{
    DrillState &s = state;
    Controls &c = *c_;
    if (s.LastClickedNo > 0)
        c.Label1[std::size_t(s.LastClickedNo - 1)]->setBackColour(kNormalLabelColour);
    s.ClickedNo = std::int16_t(index + 1);
    c.Label1[std::size_t(s.ClickedNo - 1)]->setBackColour(kMarkedLabelColour);
    s.LastClickedNo = s.ClickedNo;
    if (s.ClickedNo == s.FishNo && s.AnswerOpen == 1) {
        s.CorrectCount += 1;
        c.MediaPlayer2->setFileName(media(u"\\音\\o.wav"));
        c.Image2->loadPicture(media(u"\\画像\\maru.gif"));
        c.Image2->setVisible(true);
    } else {
        c.MediaPlayer2->setFileName(media(u"\\音\\x.wav"));
        c.Image2->loadPicture(media(u"\\画像\\batu.gif"));
        c.Image2->setVisible(true);
        c.Label1[std::size_t(s.ClickedNo - 1)]->setBackColour(kNormalLabelColour);
        c.Label1[std::size_t(s.FishNo - 1)]->setBackColour(kMarkedLabelColour);
    }
    s.AnswerOpen = 0;
    s.ScorePercent = std::int16_t(100 * s.CorrectCount / s.AskedCount);
    c.Label5->setCaption(QString::number(s.ScorePercent));
    c.Timer2->setInterval(kTick);
    s.ClickTime = stampNow();
}

void ドリル::Timer2_Timer()
{
    if (!pauseIsOver(now(), state.ClickTime))
        return;
    Controls &c = *c_;
    c.Timer2->setInterval(0);
    c.Image2->setVisible(false);
    c.Label1[std::size_t(state.FishNo - 1)]->setBackColour(kNormalLabelColour);
    if (state.AskedCount == kFishCount)
        ShowGrade();
    else
        PickQuestion();
}

void ドリル::ShowGrade()
{
    Controls &c = *c_;
    const int score = state.ScorePercent;
    c.Image1->setVisible(false);
    c.Image6->setVisible(true);
    c.Image7->setVisible(true);
    if (score < 50) {
        c.MediaPlayer2->setFileName(media(u"\\音\\dame.wav"));
        c.Label10->setVisible(true);
    } else {
        c.MediaPlayer2->setFileName(media(u"\\音\\gokaku.wav"));
        if (score >= 90)
            c.Image5->loadPicture(media(u"\\画像\\gold.gif"));
        if (score >= 50 && score < 75)
            c.Image5->loadPicture(media(u"\\画像\\copper.gif"));
        if (score >= 75 && score < 90)
            c.Image5->loadPicture(media(u"\\画像\\silver.gif"));
        c.Image5->setVisible(true);
    }
}

void ドリル::Label10_Click()
{
    Controls &c = *c_;
    c.Label10->setVisible(false);
    c.Image6->setVisible(false);
    c.Image7->setVisible(false);
    EndFeedbackWait();
    StartDrill();
}

void ドリル::Image3_Click()
{
    Controls &c = *c_;
    c.Label10->setVisible(false);
    c.Image6->setVisible(false);
    c.Image7->setVisible(false);
    c.Image5->setVisible(false);
    EndFeedbackWait();
    StartDrill();
}

// A restart while an answer's feedback is still on the screen ends that wait
// first: otherwise it would run out later, draw a second question over the
// new quiz's first one and leave the old question's red label behind.
void ドリル::EndFeedbackWait()
{
    Controls &c = *c_;
    if (c.Timer2->interval() == 0)
        return;
    c.Timer2->setInterval(0);
    c.Image2->setVisible(false);
    c.Label1[std::size_t(state.FishNo - 1)]->setBackColour(kNormalLabelColour);
    if (state.LastClickedNo > 0)
        c.Label1[std::size_t(state.LastClickedNo - 1)]->setBackColour(kNormalLabelColour);
}

void ドリル::Label1_MouseMove(int index)
{
    state.HoverIndex = std::int16_t(index);
    HighlightLabel();
}

void ドリル::HighlightLabel()
{
    highlightHovered(c_->Label1, state.HighlightIndex, state.HoverIndex);
}

void ドリル::Form_MouseMove()
{
    clearHighlight(c_->Label1, state.HighlightIndex, state.HoverIndex);
}

void ドリル::Command_Click(std::int16_t choice)
{
    c_->MediaPlayer2->setFileName(media(u"\\音\\oto.wav"));
    state.PendingChoice = choice;
    c_->Timer1->setInterval(kTick);
    state.ClickTime = stampNow();
}

void ドリル::Timer1_Timer()
{
    if (!pauseIsOver(now(), state.ClickTime))
        return;
    c_->Timer1->setInterval(0);
    close();
    shell_.open(state.PendingChoice == 1 ? ScreenId::Lookup : ScreenId::Menu);
}

} // namespace sakana

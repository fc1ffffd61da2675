#include "screens/drill/drillscreen.h"

#include "media/soundplayer.h"
#include "screens/drill/drilldesign.h"
#include "ui/accessibility.h"
#include "ui/form.h"
#include "ui/namegrid.h"

#include <QPushButton>

namespace sakana {

namespace {

// What a screen reader says for the drill's changing controls, each a whole
// sentence of what the child reads there.
QString spokenRemaining(int remaining)
{
    return QStringLiteral("のこり%1").arg(remaining);
}

QString spokenScore(const QString &percent)
{
    return percent.isEmpty() ? QStringLiteral("せいかいりつ") : QStringLiteral("せいかいりつ%1％").arg(percent);
}

QString spokenMedal(Medal medal)
{
    switch (medal) {
    case Medal::Gold: return QStringLiteral("きんメダル");
    case Medal::Silver: return QStringLiteral("ぎんメダル");
    case Medal::Copper: return QStringLiteral("どうメダル");
    }
    return {};
}

} // namespace

DrillScreen::DrillScreen(const MediaFolder &media, SoundPlayer &sounds, RandomSource &random, const Clock &clock,
                         Navigator &navigator, ErrorSink &errors)
    : Screen(clock, navigator, errors), media_(media), sounds_(sounds), quiz_(random, clock)
{
}

DrillScreen::~DrillScreen() = default;

void DrillScreen::build(ScreenWindow &window)
{
    const Form form(window, drill::kWindow, drill::kControls);
    controls_ = std::make_unique<Controls>(Controls{
        .names = form.names(),
        .questionPicture = form.control<PictureBox>("questionPicture"),
        .answerMark = form.control<PictureBox>("answerMark"),
        .medal = form.control<PictureBox>("medal"),
        .leftCover = form.control<PictureBox>("leftCover"),
        .rightCover = form.control<PictureBox>("rightCover"),
        .restartPicture = form.control<PictureBox>("restartPicture"),
        .failNotice = form.control<Label>("failNotice"),
        .praise = form.control<Label>("praise"),
        .reviewButton = form.control<QPushButton>("reviewButton"),
        .remainingCount = form.control<Label>("remainingCount"),
        .scorePercent = form.control<Label>("scorePercent"),
        // The pause after an answer counts from the same start as the pause
        // before leaving: an answer while leaving puts the leaving off, and a
        // button click lengthens the feedback.
        .feedbackPause = new Pause(clock_, pauseStart_, QStringLiteral("feedbackTimer"), &window),
        .announcer = new Announcer(window),
    });
    const Controls &c = *controls_;
    // The tab order follows the screen from its top left: the restart
    // picture, the two buttons, the names, then what shows at the end of a
    // round.
    c.restartPicture->setKeyboardReachable();
    c.failNotice->setKeyboardReachable();
    auto *toLookup = form.control<QPushButton>("toLookupButton");
    auto *toMenu = form.control<QPushButton>("toMenuButton");
    QWidget::setTabOrder(c.restartPicture, toLookup);
    QWidget::setTabOrder(toLookup, toMenu);
    QWidget::setTabOrder(toMenu, c.names->keys());
    QWidget::setTabOrder(c.names->keys(), c.failNotice);
    QWidget::setTabOrder(c.failNotice, c.reviewButton);
    // What a screen reader calls them; the question picture never by the answer.
    c.restartPicture->setAccessibleName(QStringLiteral("はじめから"));
    c.questionPicture->setAccessibleName(QStringLiteral("もんだいのさかな"));
    c.failNotice->setAccessibleName(QStringLiteral("ふごうかく"));
    // The score and the count are each one sentence to a screen reader.
    speakAsPartOf(*form.control<Label>("scoreCaption"), *c.scorePercent);
    speakAsPartOf(*form.control<Label>("percentSign"), *c.scorePercent);
    speakAsPartOf(*form.control<Label>("remainingCaption"), *c.remainingCount);
    on(c.names, &NameGrid::nameClicked, [this](int fishNo) { onNameClicked(fishNo); });
    on(&window, &ScreenWindow::pointerOverBackground, [this] { controls_->names->pointerOverBackground(); });
    on(c.feedbackPause, &Pause::over, [this] { onFeedbackOver(); });
    on(c.failNotice, &Control::clicked, [this] { restart(); });
    on(c.restartPicture, &Control::clicked, [this] { restart(); });
    on(c.reviewButton, &QPushButton::clicked, [this] { startReview(); });
    on(toLookup, &QPushButton::clicked, [this] { leaveFor(Destination::Lookup); });
    on(toMenu, &QPushButton::clicked, [this] { leaveFor(Destination::Menu); });
}

void DrillScreen::load()
{
    startQuiz();
}

void DrillScreen::startQuiz()
{
    quiz_.start();
    beginRound();
}

void DrillScreen::startReview()
{
    // A second press before the round begins finds the round begun.
    if (!quiz_.offersReview())
        return;
    clearRoundEnd();
    quiz_.startReview();
    beginRound();
}

void DrillScreen::beginRound()
{
    Controls &c = *controls_;
    // The frame is read from the picture box as it stands: at a restart that
    // is the last question's picture, centred on the same point.
    frame_ = wholeTwips(c.questionPicture->twipsRect());
    lastClicked_ = 0;
    c.scorePercent->clear();
    c.scorePercent->setAccessibleName(spokenScore({}));
    showQuestion(quiz_.nextQuestion());
}

void DrillScreen::showQuestion(int fishNo)
{
    Controls &c = *controls_;
    c.remainingCount->setText(QString::number(quiz_.remaining()));
    c.remainingCount->setAccessibleName(spokenRemaining(quiz_.remaining()));
    // Hidden while it changes, so the new picture never shows at the old
    // place or the old one at the new place.
    c.questionPicture->hide();
    c.questionPicture->loadPicture(media_.fishPicture(fishNo));
    c.questionPicture->centreOn(frame_);
    c.questionPicture->show();
    sounds_.play(Sound::Name);
}

void DrillScreen::onNameClicked(int fishNo)
{
    Controls &c = *controls_;
    if (lastClicked_ > 0)
        c.names->setMarked(lastClicked_, false);
    c.names->setMarked(fishNo, true);
    lastClicked_ = fishNo;
    const bool right = quiz_.answer(fishNo);
    sounds_.play(right ? Sound::Right : Sound::Wrong);
    const QString mark = right ? QStringLiteral("せいかい") : QStringLiteral("まちがい");
    c.answerMark->loadPicture(media_.mark(right ? Mark::Right : Mark::Wrong));
    c.answerMark->setAccessibleName(mark);
    c.answerMark->show();
    if (!right) {
        // The child sees the right name instead.
        c.names->setMarked(fishNo, false);
        c.names->setMarked(quiz_.question(), true);
    }
    c.scorePercent->setText(QString::number(quiz_.percent()));
    c.scorePercent->setAccessibleName(spokenScore(c.scorePercent->text()));
    // What the child sees change, said once: the mark, the right name where
    // it was missed, the score and the count.
    QStringList spoken{mark};
    if (!right)
        spoken << fishName(quiz_.question());
    spoken << c.scorePercent->accessibleName() << c.remainingCount->accessibleName();
    c.announcer->say(spoken.join(QStringLiteral("。")));
    c.feedbackPause->start();
}

void DrillScreen::onFeedbackOver()
{
    Controls &c = *controls_;
    c.answerMark->hide();
    c.names->setMarked(quiz_.question(), false);
    if (quiz_.isOver())
        showRoundEnd();
    else
        showQuestion(quiz_.nextQuestion());
}

void DrillScreen::showRoundEnd()
{
    Controls &c = *controls_;
    c.questionPicture->hide();
    c.leftCover->show();
    c.rightCover->show();
    // The covered names take no keys either; the keyboard moves on to what
    // starts again, and a screen reader follows it there.
    c.names->setTakesInput(false);
    QWidget *next = quiz_.isReview() ? showReviewEnd() : showGrade();
    if (quiz_.offersReview())
        c.reviewButton->show();
    next->setFocus(Qt::OtherFocusReason);
}

// The medal or the fail notice; returns what the keyboard goes on to.
QWidget *DrillScreen::showGrade()
{
    Controls &c = *controls_;
    const std::optional<Medal> medal = medalFor(quiz_.grade());
    if (!medal) {
        // Said as the keyboard comes to it.
        sounds_.play(Sound::Fail);
        c.failNotice->show();
        return c.failNotice;
    }
    sounds_.play(Sound::Pass);
    c.medal->loadPicture(media_.medal(*medal));
    c.medal->setAccessibleName(spokenMedal(*medal));
    c.medal->show();
    c.announcer->say(c.medal->accessibleName());
    return c.restartPicture;
}

// No grade after a review: praise when nothing was missed, else the next
// review; returns what the keyboard goes on to.
QWidget *DrillScreen::showReviewEnd()
{
    Controls &c = *controls_;
    if (!quiz_.missed().isEmpty())
        return c.reviewButton;
    sounds_.play(Sound::Pass);
    c.praise->show();
    c.announcer->say(spokenText(c.praise->text()));
    return c.restartPicture;
}

void DrillScreen::restart()
{
    clearRoundEnd();
    startQuiz();
}

// Takes away what the end of a round shows and gives the names back their
// input.
void DrillScreen::clearRoundEnd()
{
    Controls &c = *controls_;
    c.names->setTakesInput(true);
    // Started again from the notice or the review button, the keyboard goes
    // back to the names.
    QWidget *focus = window()->focusWidget();
    if (focus == c.failNotice || focus == c.reviewButton)
        c.names->keys()->setFocus(Qt::OtherFocusReason);
    c.failNotice->hide();
    c.praise->hide();
    c.reviewButton->hide();
    c.leftCover->hide();
    c.rightCover->hide();
    c.medal->hide();
    endFeedback();
}

// A restart while an answer's feedback is still on the screen ends that
// feedback first: otherwise its pause would run out later, draw a second
// question over the new quiz's first one and leave the old question's red
// name behind.
void DrillScreen::endFeedback()
{
    Controls &c = *controls_;
    if (!c.feedbackPause->isRunning())
        return;
    c.feedbackPause->stop();
    c.answerMark->hide();
    c.names->setMarked(quiz_.question(), false);
    if (lastClicked_ > 0)
        c.names->setMarked(lastClicked_, false);
}

void DrillScreen::leaveFor(Destination destination)
{
    sounds_.play(Sound::Button);
    leaveAfterPause(destination);
}

} // namespace sakana

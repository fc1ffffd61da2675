// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/drill/drillscreen.h"

#include "media/soundplayer.h"
#include "screens/drill/drilldesign.h"
#include "ui/accessibility.h"
#include "ui/form.h"
#include "ui/namegrid.h"

#include <QPushButton>
#include <optional>

namespace sakana {

namespace {

// What a screen reader says for the drill's changing controls, each a whole
// sentence of what the child reads there.
QString spokenRemaining(const Quiz &quiz)
{
    return QStringLiteral("のこり%1").arg(quiz.remaining());
}

QString spokenScore(const Quiz &quiz)
{
    return quiz.percentShown() ? QStringLiteral("せいかいりつ%1％").arg(quiz.percent()) : QStringLiteral("せいかいりつ");
}

// The medal a passing grade shows, and what a screen reader calls it.
struct MedalShown {
    Picture picture;
    QString spoken;
};

std::optional<MedalShown> medalFor(Grade grade)
{
    switch (grade) {
    case Grade::Gold: return MedalShown{Picture::GoldMedal, QStringLiteral("きんメダル")};
    case Grade::Silver: return MedalShown{Picture::SilverMedal, QStringLiteral("ぎんメダル")};
    case Grade::Copper: return MedalShown{Picture::CopperMedal, QStringLiteral("どうメダル")};
    case Grade::Fail: break;
    }
    return std::nullopt;
}

} // namespace

DrillScreen::DrillScreen(const MediaFolder &media, SoundPlayer &sounds, RandomSource &random, const Clock &clock,
                         Navigator &navigator, ErrorSink &errors)
    : ScreenWithControls(drill::kWindow, drill::kControls, sounds, clock, navigator, errors), media_(media),
      quiz_(random)
{
}

DrillScreen::~DrillScreen() = default;

void DrillScreen::build(const Form &form)
{
    const DrillControls &c = keep({
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
        .feedbackPause = sharedPause(),
        .announcer = new Announcer(*window()),
    });
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
    on(c.names, &NameGrid::nameIndicated, [this](int fishNo) { onNameIndicated(fishNo); });
    on(c.feedbackPause, &Pause::over, [this] { onFeedbackOver(); });
    on(c.failNotice, &Control::clicked, [this] { restart(); });
    on(c.restartPicture, &Control::clicked, [this] { restart(); });
    on(c.reviewButton, &QPushButton::clicked, [this] { startReview(); });
    leaveOnClick(toLookup, Destination::Lookup);
    leaveOnClick(toMenu, Destination::Menu);
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
    DrillControls &c = controls();
    // The frame is read from the picture box as it stands: at a restart that
    // is the last question's picture, centred on the same point.
    frame_ = wholeTwips(c.questionPicture->twipsRect());
    c.names->clearMarks();
    showScore();
    showQuestion(quiz_.nextQuestion());
    // What the heading asks, once a round, for a child who cannot read it.
    sounds_.play(Sound::QuestionPrompt);
}

// The percentage, blank until the round's first answer.
void DrillScreen::showScore()
{
    DrillControls &c = controls();
    c.scorePercent->setText(quiz_.percentShown() ? QString::number(quiz_.percent()) : QString());
    c.scorePercent->setAccessibleName(spokenScore(quiz_));
}

void DrillScreen::showQuestion(int fishNo)
{
    DrillControls &c = controls();
    c.remainingCount->setText(QString::number(quiz_.remaining()));
    c.remainingCount->setAccessibleName(spokenRemaining(quiz_));
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
    DrillControls &c = controls();
    c.names->markChosen(fishNo);
    const bool right = quiz_.answer(fishNo);
    sounds_.play(right ? Sound::Right : Sound::Wrong);
    // The name of the fish shown, once the mark is heard: the child hears
    // what it is called, right or wrong.
    sounds_.play(Sound::voiceOf(quiz_.question()));
    const QString mark = right ? QStringLiteral("せいかい") : QStringLiteral("まちがい");
    c.answerMark->loadPicture(media_.picture(right ? Picture::RightMark : Picture::WrongMark));
    c.answerMark->setAccessibleName(mark);
    c.answerMark->show();
    c.names->markRightAnswer(quiz_.question());
    showScore();
    // What the child sees change, said once: the mark, the right name where
    // it was missed, the score and the count.
    QStringList spoken{mark};
    if (!right)
        spoken << fishName(quiz_.question());
    spoken << spokenScore(quiz_) << spokenRemaining(quiz_);
    c.announcer->say(spoken.join(QStringLiteral("。")));
    c.feedbackPause->start();
}

void DrillScreen::onNameIndicated(int fishNo)
{
    // Nothing talks over the right name while the mark shows.
    if (!controls().feedbackPause->isRunning())
        sounds_.play(Sound::voiceOf(fishNo));
}

void DrillScreen::onFeedbackOver()
{
    DrillControls &c = controls();
    c.answerMark->hide();
    c.names->answerPauseOver();
    if (quiz_.isOver())
        showRoundEnd();
    else
        showQuestion(quiz_.nextQuestion());
}

void DrillScreen::showRoundEnd()
{
    DrillControls &c = controls();
    c.questionPicture->hide();
    c.leftCover->show();
    c.rightCover->show();
    // The covered names take no keys either; the keyboard moves on to what
    // starts again.
    c.names->setTakesInput(false);
    QWidget *next = quiz_.isReview() ? showReviewEnd() : showGrade();
    if (quiz_.offersReview())
        c.reviewButton->show();
    next->setFocus(Qt::OtherFocusReason);
}

// The medal or the fail notice; returns what the keyboard goes on to.
QWidget *DrillScreen::showGrade()
{
    DrillControls &c = controls();
    const std::optional<MedalShown> medal = medalFor(quiz_.grade());
    if (!medal) {
        // Said as the keyboard comes to it.
        sounds_.play(Sound::Fail);
        c.failNotice->show();
        inviteRestart();
        return c.failNotice;
    }
    sounds_.play(Sound::Pass);
    c.medal->loadPicture(media_.picture(medal->picture));
    c.medal->setAccessibleName(medal->spoken);
    c.medal->show();
    c.announcer->say(medal->spoken);
    inviteRestart();
    return c.restartPicture;
}

// After a grade or a round without a miss, what to do next is said and the
// restart picture marked as the thing to tap.
void DrillScreen::inviteRestart()
{
    sounds_.play(Sound::TryAgainPrompt);
    controls().restartPicture->setInvitingMark(true);
}

// No grade after a review: praise when nothing was missed, else the next
// review; returns what the keyboard goes on to.
QWidget *DrillScreen::showReviewEnd()
{
    DrillControls &c = controls();
    if (!quiz_.missed().isEmpty())
        return c.reviewButton;
    sounds_.play(Sound::Pass);
    c.praise->show();
    c.announcer->say(spokenText(QString::fromUtf16(drill::kPraiseCaption)));
    inviteRestart();
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
    DrillControls &c = controls();
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
    c.restartPicture->setInvitingMark(false);
    endFeedback();
}

// A restart while an answer's feedback is still on the screen ends that
// feedback first: otherwise its pause would run out later and draw a second
// question over the new quiz's first one. The new round takes the old
// answer's red names away.
void DrillScreen::endFeedback()
{
    DrillControls &c = controls();
    if (!c.feedbackPause->isRunning())
        return;
    c.feedbackPause->stop();
    c.answerMark->hide();
}

} // namespace sakana

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "media/mediafolder.h"
#include "quiz/quiz.h"
#include "ui/controls.h"
#include "ui/screen.h"

class QPushButton;
class QWidget;

namespace sakana {

class Announcer;
class Label;
class NameGrid;
class PictureBox;
class RandomSource;
class SoundPlayer;

struct DrillControls {
    NameGrid *names = nullptr;
    PictureBox *questionPicture = nullptr;
    PictureBox *answerMark = nullptr;
    PictureBox *medal = nullptr;
    PictureBox *leftCover = nullptr;
    PictureBox *rightCover = nullptr;
    PictureBox *restartPicture = nullptr;
    Label *failNotice = nullptr;
    Label *praise = nullptr;
    QPushButton *reviewButton = nullptr;
    Label *remainingCount = nullptr;
    Label *scorePercent = nullptr;
    Pause *feedbackPause = nullptr;
    Announcer *announcer = nullptr;
};

// The drill: forty questions, one per fish in random order, each answered by
// a click on a name and followed by a short pause with the right or wrong
// mark; then a medal or the fail notice, and for the fish missed a review
// round of only those, asked the same way, until none is missed.
class DrillScreen final : public ScreenWithControls<DrillControls> {
public:
    DrillScreen(const MediaFolder &media, SoundPlayer &sounds, RandomSource &random, const Clock &clock,
                Navigator &navigator, ErrorSink &errors);
    ~DrillScreen() override;

private:
    void build(const Form &form) override;
    void load() override;

    void startQuiz();
    void startReview();
    void beginRound();
    void showScore();
    void showQuestion(int fishNo);
    void onNameClicked(int fishNo);
    void onNameIndicated(int fishNo);
    void onFeedbackOver();
    void showRoundEnd();
    QWidget *showGrade();
    QWidget *showReviewEnd();
    void inviteRestart();
    void restart();
    void clearRoundEnd();
    void endFeedback();

    const MediaFolder &media_;
    Quiz quiz_;
    TwipsRectF frame_;   // where questions are centred, in whole twips
};

} // namespace sakana

#pragma once

#include "app/controls.h"
#include "app/screen.h"
#include "catalogue/catalogue.h"
#include "media/soundplayer.h"

#include <QPushButton>
#include <array>
#include <cstdint>
#include <memory>

namespace sakana {

// The drill's own variables. They live as long as the program and keep their
// values while the drill is closed.
struct DrillState {
    std::int16_t PendingChoice = 0;   // 1: lookup screen; anything else: menu
    std::int32_t ClickTime = 0;       // start of the running wait, whole seconds since midnight
    std::int16_t PicTop = 0;          // the question picture's frame, in twips
    std::int16_t PicLeft = 0;
    std::int16_t PicWidth = 0;
    std::int16_t PicHeight = 0;
    std::int16_t HighlightIndex = 0;  // label shown red under the pointer; -1: none
    std::int16_t HoverIndex = 0;      // label the pointer last moved over
    std::int16_t ClickedNo = 0;       // clicked label's Index + 1
    std::int16_t LastClickedNo = 0;   // the click before; 0: none yet in this quiz
    std::int16_t FishNo = 0;          // fish of the current question, 1 to 40
    std::int16_t AskedCount = 0;      // questions shown in this quiz, the current one included
    std::int16_t CorrectCount = 0;    // questions answered right in this quiz
    std::int16_t ScorePercent = 0;    // whole percentage of right answers so far
    std::int16_t AnswerOpen = 0;      // 1 until the first click on the current question
    std::array<std::int16_t, kFishCount + 1> UsedFlags{};  // 1 for each fish shown in this quiz
};

// The drill: forty questions, one per fish in random order, then a grade.
class ドリル final : public Screen {
public:
    explicit ドリル(Shell &shell);
    ~ドリル() override;

    DrillState state;

    struct Controls {
        QPushButton *Command1 = nullptr;
        QPushButton *Command2 = nullptr;
        Label *Label10 = nullptr;
        PictureBox *Image7 = nullptr;
        PictureBox *Image6 = nullptr;
        PictureBox *Image5 = nullptr;
        PictureBox *Image3 = nullptr;
        Label *Label7 = nullptr;
        Label *Label3 = nullptr;
        Label *Label4 = nullptr;
        Label *Label5 = nullptr;
        Label *Label6 = nullptr;
        PictureBox *Image2 = nullptr;
        PictureBox *Image1 = nullptr;
        std::array<Label *, kFishCount> Label1{};
        Label *Label2 = nullptr;
        Timer *Timer1 = nullptr;
        Timer *Timer2 = nullptr;
        std::unique_ptr<SoundPlayer> MediaPlayer1;
        std::unique_ptr<SoundPlayer> MediaPlayer2;
        std::unique_ptr<SoundPlayer> MediaPlayer3;
    };
    Controls *controls() const { return c_.get(); }

private:
    void build(ScreenWindow &window) override;
    void load() override;
    void dropControls() override;

    // The quiz.
    void StartDrill();
    void PickQuestion();
    void CheckUsed();
    void NextUnused();
    void ShowQuestion();
    void Label1_Click(int index);
    void Timer2_Timer();
    void ShowGrade();
    void Label10_Click();
    void Image3_Click();
    void EndFeedbackWait();

    // The pointer highlight and leaving the screen.
    void Label1_MouseMove(int index);
    void HighlightLabel();
    void Form_MouseMove();
    void Command_Click(std::int16_t choice);
    void Timer1_Timer();

    QString media(const char16_t *literal) const;

    std::unique_ptr<Controls> c_;
};

} // namespace sakana

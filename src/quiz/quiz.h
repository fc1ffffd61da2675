#pragma once

#include "media/mediafolder.h"
#include "quiz/catalogue.h"

#include <array>
#include <bitset>
#include <optional>

namespace sakana {

class Clock;
class RandomSource;

enum class Grade { Gold, Silver, Copper, Fail };

struct GradeThreshold {
    int lowestPercent;
    Grade grade;
};
// Best first: the first row whose lowest percentage is reached gives the grade.
inline constexpr std::array kGradeThresholds{
    GradeThreshold{90, Grade::Gold},
    GradeThreshold{75, Grade::Silver},
    GradeThreshold{50, Grade::Copper},
    GradeThreshold{0, Grade::Fail},
};

Grade gradeFor(int percent);
// The medal of a passing grade; none for a fail.
std::optional<Medal> medalFor(Grade grade);

// One quiz: every fish asked once, in random order, each question judged on
// its first answer only. Knows nothing of the screen that shows it.
class Quiz {
public:
    Quiz(RandomSource &random, const Clock &clock);

    // A new quiz: no fish asked, nothing answered. The percentage of the
    // last answer stays until the next answer replaces it.
    void start();

    // Draws the next fish and opens it for an answer: the random source is
    // seeded from the clock before every draw, and a fish already asked
    // passes the question on to the next one not yet asked, upwards from
    // the draw and from 40 round to 1. Returns the fish. Only while isOver()
    // is false.
    int nextQuestion();

    // Judges a click on a fish's name: right only when it names the
    // question's fish and is the first answer to the question. Every answer
    // closes the question and updates the percentage.
    bool answer(int fishNo);

    int question() const { return question_; }  // the fish asked now; 0 before the first question
    int asked() const { return askedCount_; }   // questions shown, the current one included
    int remaining() const { return kFishCount - askedCount_; }
    int rightAnswers() const { return rightCount_; }
    // The whole percentage of right answers among the questions shown,
    // rounded down.
    int percent() const { return percent_; }
    bool isOver() const { return askedCount_ == kFishCount; }
    Grade grade() const { return gradeFor(percent_); }

private:
    bool wasAsked(int fishNo) const { return asked_.test(std::size_t(fishNo - 1)); }

    RandomSource &random_;
    const Clock &clock_;
    std::bitset<kFishCount> asked_;
    int askedCount_ = 0;
    int rightCount_ = 0;
    int percent_ = 0;
    int question_ = 0;
    bool answerOpen_ = false;
};

} // namespace sakana

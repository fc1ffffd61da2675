// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "quiz/catalogue.h"

#include <QList>
#include <array>
#include <bitset>

namespace sakana {

class RandomSource;

// A set of fish; fish n is bit n - 1.
using FishSet = std::bitset<kFishCount>;
inline constexpr FishSet kAllFish{(1ULL << kFishCount) - 1};

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

// One quiz: every fish of a set asked once, in random order, each question
// judged on its first answer only; after it, as often as the child asks, a
// review round of only the fish whose first answer was wrong in the round
// before.
// Knows nothing of the screen that shows it.
class Quiz {
public:
    explicit Quiz(RandomSource &random) : random_(random) {}

    // A new quiz of these fish (at least one; all forty unless told): no
    // fish asked, nothing answered, no percentage shown.
    void start(const FishSet &fish = kAllFish);
    // A review round of the fish missed in the round just over, each once,
    // judged and counted as in a quiz. Only while offersReview() is true.
    void startReview();

    // Draws the next fish of the round and opens it for an answer. In a quiz
    // the draw picks among the quiz's fish in fish order, and a fish already
    // asked passes the question on to the next of them not yet asked, from
    // the last round to the first; in a review the draw picks evenly among
    // the round's fish not yet asked. Returns the fish. Only while isOver()
    // is false.
    int nextQuestion();

    // Judges a click on a fish's name: right only when it names the
    // question's fish and is the first answer to the question. Every answer
    // closes the question and updates the percentage.
    bool answer(int fishNo);

    int question() const { return question_; }  // the fish asked now; 0 before the first question
    int remaining() const { return questionCount() - askedCount_; }
    int questionCount() const { return int(round_.count()); }  // questions in this round
    int rightAnswers() const { return rightCount_; }
    // The whole percentage of right answers among the round's questions
    // shown, rounded down; shown from the round's first answer on.
    int percent() const { return percent_; }
    bool percentShown() const { return percentShown_; }
    bool isOver() const { return askedCount_ == questionCount(); }
    bool isReview() const { return review_; }
    // A quiz ends with a grade; a review round never does.
    Grade grade() const { return gradeFor(percent_); }
    // The fish of this round whose first answer was wrong, in fish order.
    QList<int> missed() const;
    // Whether the round is over with fish to review: in a review any fish
    // missed; in a quiz some but not all, since a review of every fish would
    // be the quiz itself again.
    bool offersReview() const;

private:
    static bool has(const FishSet &set, int fishNo) { return set.test(std::size_t(fishNo - 1)); }
    void startRound(const FishSet &fish, bool review);
    int drawFish(double draw) const;

    RandomSource &random_;
    FishSet round_;   // the fish this round asks
    FishSet asked_;   // those asked so far
    FishSet missed_;  // those whose first answer was wrong
    bool review_ = false;
    int askedCount_ = 0;
    int rightCount_ = 0;
    int percent_ = 0;
    bool percentShown_ = false;
    int question_ = 0;
    bool answerOpen_ = false;
};

} // namespace sakana

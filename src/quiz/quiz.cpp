// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/quiz.h"

#include "quiz/random.h"

#include <QtGlobal>
#include <algorithm>
#include <cmath>

namespace sakana {

Grade gradeFor(int percent)
{
    for (const GradeThreshold &threshold : kGradeThresholds) {
        if (percent >= threshold.lowestPercent)
            return threshold.grade;
    }
    return Grade::Fail;
}

void Quiz::start(const FishSet &fish)
{
    Q_ASSERT(fish.any());
    startRound(fish, false);
}

void Quiz::startReview()
{
    Q_ASSERT(offersReview());
    if (offersReview())
        startRound(missed_, true);
}

void Quiz::startRound(const FishSet &fish, bool review)
{
    round_ = fish;
    review_ = review;
    asked_.reset();
    missed_.reset();
    askedCount_ = 0;
    rightCount_ = 0;
    percent_ = 0;
    percentShown_ = false;
}

QList<int> Quiz::missed() const
{
    QList<int> fish;
    for (int fishNo = 1; fishNo <= kFishCount; ++fishNo) {
        if (has(missed_, fishNo))
            fish << fishNo;
    }
    return fish;
}

bool Quiz::offersReview() const
{
    return isOver() && missed_.any() && (review_ || missed_ != round_);
}

int Quiz::nextQuestion()
{
    Q_ASSERT(!isOver());
    if (isOver())
        return question_;
    const int fishNo = drawFish(random_.next());
    question_ = fishNo;
    asked_.set(std::size_t(fishNo - 1));
    ++askedCount_;
    answerOpen_ = true;
    return fishNo;
}

int Quiz::drawFish(double draw) const
{
    // In a quiz the draw picks among all of the round's fish, in a review
    // among those not yet asked: the k-th of them in fish order.
    const FishSet drawn = review_ ? round_ & ~asked_ : round_;
    const int count = int(drawn.count());
    int k = std::min(int(std::floor(draw * count)), count - 1);
    int fishNo = 0;
    while (k >= 0) {
        if (has(drawn, ++fishNo))
            --k;
    }
    // A fish asked already passes the question on to the round's next fish
    // not yet asked, from the last fish round to the first.
    while (!has(round_, fishNo) || has(asked_, fishNo))
        fishNo = fishNo % kFishCount + 1;
    return fishNo;
}

bool Quiz::answer(int fishNo)
{
    const bool right = answerOpen_ && fishNo == question_;
    if (right)
        ++rightCount_;
    else if (answerOpen_ && question_ > 0)
        missed_.set(std::size_t(question_ - 1));
    answerOpen_ = false;
    percentShown_ = true;
    percent_ = askedCount_ > 0 ? 100 * rightCount_ / askedCount_ : 0;
    return right;
}

} // namespace sakana

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/quiz.h"

#include "quiz/clock.h"
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

std::optional<Medal> medalFor(Grade grade)
{
    switch (grade) {
    case Grade::Gold: return Medal::Gold;
    case Grade::Silver: return Medal::Silver;
    case Grade::Copper: return Medal::Copper;
    case Grade::Fail: return std::nullopt;
    }
    return std::nullopt;
}

Quiz::Quiz(RandomSource &random, const Clock &clock) : random_(random), clock_(clock) {}

void Quiz::start()
{
    startRound(FishSet().set(), false);
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
    random_.seedFromClock(clock_.secondsSinceMidnight());
    const int fishNo = drawFish(random_.next());
    question_ = fishNo;
    asked_.set(std::size_t(fishNo - 1));
    ++askedCount_;
    answerOpen_ = true;
    return fishNo;
}

int Quiz::drawFish(double draw) const
{
    if (!review_) {
        int fishNo = int(std::floor(draw * kFishCount)) + 1;
        while (has(asked_, fishNo))
            fishNo = fishNo == kFishCount ? 1 : fishNo + 1;
        return fishNo;
    }
    // The k-th of the fish still to ask, in fish order.
    int k = std::min(int(std::floor(draw * remaining())), remaining() - 1);
    for (int fishNo = 1; fishNo <= kFishCount; ++fishNo) {
        if (has(round_, fishNo) && !has(asked_, fishNo) && k-- == 0)
            return fishNo;
    }
    return question_;
}

bool Quiz::answer(int fishNo)
{
    const bool right = answerOpen_ && fishNo == question_;
    if (right)
        ++rightCount_;
    else if (answerOpen_ && question_ > 0)
        missed_.set(std::size_t(question_ - 1));
    answerOpen_ = false;
    percent_ = askedCount_ > 0 ? 100 * rightCount_ / askedCount_ : 0;
    return right;
}

} // namespace sakana

#include "quiz/quiz.h"

#include "quiz/clock.h"
#include "quiz/random.h"

#include <QtGlobal>
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
    asked_.reset();
    askedCount_ = 0;
    rightCount_ = 0;
}

int Quiz::nextQuestion()
{
    Q_ASSERT(!isOver());
    if (isOver())
        return question_;
    random_.seedFromClock(clock_.secondsSinceMidnight());
    int fishNo = int(std::floor(random_.next() * kFishCount)) + 1;
    while (wasAsked(fishNo))
        fishNo = fishNo == kFishCount ? 1 : fishNo + 1;
    question_ = fishNo;
    asked_.set(std::size_t(fishNo - 1));
    ++askedCount_;
    answerOpen_ = true;
    return fishNo;
}

bool Quiz::answer(int fishNo)
{
    const bool right = answerOpen_ && fishNo == question_;
    if (right)
        ++rightCount_;
    answerOpen_ = false;
    percent_ = askedCount_ > 0 ? 100 * rightCount_ / askedCount_ : 0;
    return right;
}

} // namespace sakana

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/quiz.h"
#include "quiz/random.h"
#include "support/fakes.h"

#include <QTest>
#include <algorithm>

using namespace sakana;
using namespace sakana::testing;

Q_DECLARE_METATYPE(sakana::Grade)

namespace {

const char *gradeName(Grade grade)
{
    switch (grade) {
    case Grade::Gold: return "gold";
    case Grade::Silver: return "silver";
    case Grade::Copper: return "copper";
    case Grade::Fail: return "fail";
    }
    return "?";
}

// A quiz of a set of fish (none given: all forty) on scripted draws, with
// the given fish asked already.
struct QuizFixture {
    explicit QuizFixture(const QList<int> &asked = {}, const QList<int> &fish = {})
    {
        for (int fishNo : fish)
            set.set(std::size_t(fishNo - 1));
        quiz.start(fish.isEmpty() ? kAllFish : set);
        for (int fishNo : asked) {
            pick(fishNo);
            shownBefore << quiz.nextQuestion();
            quiz.answer(fishNo);
        }
    }
    // Queues the draw that picks this fish of the set.
    void pick(int fishNo)
    {
        if (set.none())
            return random.pickFish(fishNo);
        const int before = int((set << (kFishCount - fishNo + 1)).count());  // the fish of the set below it
        random.draws.push_back((before + 0.5) / double(set.count()));
    }
    FakeClock clock;
    ScriptedRandom random{clock};
    Quiz quiz{random};
    FishSet set;
    QList<int> shownBefore;  // the fish the setting up asked
};

} // namespace

class TestQuiz : public QObject {
    Q_OBJECT
private slots:
    void gradeBoundaries_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<Grade>("grade");
        QTest::newRow("0") << 0 << Grade::Fail;
        QTest::newRow("49") << 49 << Grade::Fail;
        QTest::newRow("50") << 50 << Grade::Copper;
        QTest::newRow("74") << 74 << Grade::Copper;
        QTest::newRow("75") << 75 << Grade::Silver;
        QTest::newRow("89") << 89 << Grade::Silver;
        QTest::newRow("90") << 90 << Grade::Gold;
        QTest::newRow("100") << 100 << Grade::Gold;
    }
    void gradeBoundaries()
    {
        QFETCH(int, percent);
        QFETCH(Grade, grade);
        QCOMPARE(gradeName(gradeFor(percent)), gradeName(grade));
    }

    void wholeQuizGrades_data()
    {
        QTest::addColumn<QList<int>>("fish");  // none: all forty
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("percent");
        QTest::addColumn<Grade>("grade");
        const QList<int> all, four{2, 5, 9, 33};
        QTest::newRow("0 of 40") << all << 0 << 0 << Grade::Fail;
        QTest::newRow("19 of 40") << all << 19 << 47 << Grade::Fail;
        QTest::newRow("20 of 40") << all << 20 << 50 << Grade::Copper;
        QTest::newRow("29 of 40") << all << 29 << 72 << Grade::Copper;
        QTest::newRow("30 of 40") << all << 30 << 75 << Grade::Silver;
        QTest::newRow("35 of 40") << all << 35 << 87 << Grade::Silver;
        QTest::newRow("36 of 40") << all << 36 << 90 << Grade::Gold;
        QTest::newRow("40 of 40") << all << 40 << 100 << Grade::Gold;
        QTest::newRow("1 of 4") << four << 1 << 25 << Grade::Fail;
        QTest::newRow("2 of 4") << four << 2 << 50 << Grade::Copper;
        QTest::newRow("3 of 4") << four << 3 << 75 << Grade::Silver;
        QTest::newRow("1 of 1") << QList<int>{40} << 1 << 100 << Grade::Gold;
    }
    void wholeQuizGrades()
    {
        QFETCH(QList<int>, fish);
        QFETCH(int, right);
        QFETCH(int, percent);
        QFETCH(Grade, grade);
        QuizFixture f({}, fish);
        const int count = fish.isEmpty() ? 40 : int(fish.size());
        QList<int> asked;
        for (int question = 1; question <= count; ++question) {
            QVERIFY(!f.quiz.isOver());
            asked << f.quiz.nextQuestion();
            QCOMPARE(f.quiz.remaining(), count - question);
            // Right answers last, so that the percentage moves on the way.
            f.quiz.answer(question > count - right ? asked.back() : asked.back() % 40 + 1);
        }
        std::sort(asked.begin(), asked.end());
        if (!fish.isEmpty())
            QCOMPARE(asked, fish);
        QVERIFY(f.quiz.isOver());
        QCOMPARE(f.quiz.rightAnswers(), right);
        QCOMPARE(f.quiz.percent(), percent);
        QCOMPARE(gradeName(f.quiz.grade()), gradeName(grade));
    }

    // The percentage of right answers among the questions shown, rounded down.
    void percentAfterAnswers_data()
    {
        QTest::addColumn<QString>("answers");  // R: right, W: wrong
        QTest::addColumn<int>("percent");
        QTest::newRow("first answer right") << "R" << 100;
        QTest::newRow("first answer wrong") << "W" << 0;
        QTest::newRow("one of two") << "RW" << 50;
        QTest::newRow("two of three rounds down") << "RRW" << 66;
        QTest::newRow("one of three") << "WRW" << 33;
        QTest::newRow("five of six rounds down") << "RRWRRR" << 83;
    }
    void percentAfterAnswers()
    {
        QFETCH(QString, answers);
        QFETCH(int, percent);
        QuizFixture f;
        for (QChar answer : answers) {
            const int fish = f.quiz.nextQuestion();
            QCOMPARE(f.quiz.answer(answer == QLatin1Char('R') ? fish : fish % 40 + 1), answer == QLatin1Char('R'));
        }
        QCOMPARE(f.quiz.percent(), percent);
    }

    // Only the first answer to a question is judged; a later one is wrong
    // even when it names the fish asked.
    void onlyTheFirstAnswerCounts_data()
    {
        QTest::addColumn<bool>("firstRight");
        QTest::addColumn<bool>("secondRight");
        QTest::addColumn<int>("rightAnswers");
        QTest::addColumn<int>("percent");
        QTest::newRow("right, then right again") << true << true << 1 << 100;
        QTest::newRow("wrong, then right") << false << true << 0 << 0;
        QTest::newRow("right, then wrong") << true << false << 1 << 100;
    }
    void onlyTheFirstAnswerCounts()
    {
        QFETCH(bool, firstRight);
        QFETCH(bool, secondRight);
        QFETCH(int, rightAnswers);
        QFETCH(int, percent);
        QuizFixture f;
        const int fish = f.quiz.nextQuestion();
        QCOMPARE(f.quiz.answer(firstRight ? fish : fish % 40 + 1), firstRight);
        QCOMPARE(f.quiz.answer(secondRight ? fish : fish % 40 + 1), false);
        QCOMPARE(f.quiz.rightAnswers(), rightAnswers);
        QCOMPARE(f.quiz.percent(), percent);
        QCOMPARE(f.quiz.question(), fish);
    }

    void drawToFish_data()
    {
        QTest::addColumn<QList<int>>("set");  // none: all forty
        QTest::addColumn<double>("draw");
        QTest::addColumn<int>("fish");
        const QList<int> all, four{3, 10, 25, 40};
        QTest::newRow("0") << all << 0.0 << 1;
        QTest::newRow("just below a fortieth") << all << 0.0249999 << 1;
        QTest::newRow("a fortieth") << all << 0.025 << 2;
        QTest::newRow("a half") << all << 0.5 << 21;
        QTest::newRow("just below 1") << all << 0.9999999 << 40;
        QTest::newRow("four fish: 0") << four << 0.0 << 3;
        QTest::newRow("four fish: just below a quarter") << four << 0.2499999 << 3;
        QTest::newRow("four fish: a quarter") << four << 0.25 << 10;
        QTest::newRow("four fish: just below 1") << four << 0.9999999 << 40;
    }
    void drawToFish()
    {
        QFETCH(QList<int>, set);
        QFETCH(double, draw);
        QFETCH(int, fish);
        QuizFixture f({}, set);
        f.random.draws.push_back(draw);
        QCOMPARE(f.quiz.nextQuestion(), fish);
        QCOMPARE(f.quiz.question(), fish);
    }

    void probePastAskedFish_data()
    {
        QTest::addColumn<QList<int>>("set");  // none: all forty
        QTest::addColumn<QList<int>>("asked");
        QTest::addColumn<int>("drawn");
        QTest::addColumn<int>("shown");
        const QList<int> all, four{3, 10, 25, 40};
        QTest::newRow("unasked fish shown directly") << all << QList<int>{1} << 5 << 5;
        QTest::newRow("past a run of asked fish") << all << QList<int>{1, 5, 6, 7} << 5 << 8;
        QTest::newRow("fish 40 asked wraps to 1") << all << QList<int>{40} << 40 << 1;
        QTest::newRow("wrap past asked fish at both ends") << all << QList<int>{38, 39, 40, 1, 2} << 38 << 3;
        QTest::newRow("asked fish below the draw are not looked at") << all << QList<int>{4, 5} << 6 << 6;
        QTest::newRow("four fish: on to the next of them") << four << QList<int>{10} << 10 << 25;
        QTest::newRow("four fish: past a run") << four << QList<int>{10, 25} << 10 << 40;
        QTest::newRow("four fish: the last wraps to the first") << four << QList<int>{40} << 40 << 3;
        QTest::newRow("four fish: wrap past asked ones") << four << QList<int>{40, 3} << 40 << 10;
    }
    void probePastAskedFish()
    {
        QFETCH(QList<int>, set);
        QFETCH(QList<int>, asked);
        QFETCH(int, drawn);
        QFETCH(int, shown);
        QuizFixture f(asked, set);
        QCOMPARE(f.shownBefore, asked);
        f.pick(drawn);
        QCOMPARE(f.quiz.nextQuestion(), shown);
        QCOMPARE(f.quiz.remaining(), f.quiz.questionCount() - int(asked.size()) - 1);
    }

    void lastFishIsAlwaysReached_data()
    {
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("drawn");
        for (int last : {1, 17, 40}) {
            for (int drawn = 1; drawn <= 40; ++drawn)
                QTest::addRow("fish %d left, %d drawn", last, drawn) << last << drawn;
        }
    }
    void lastFishIsAlwaysReached()
    {
        QFETCH(int, last);
        QFETCH(int, drawn);
        QList<int> asked;
        for (int fish = 1; fish <= 40; ++fish) {
            if (fish != last)
                asked << fish;
        }
        QuizFixture f(asked);
        QCOMPARE(f.shownBefore, asked);
        f.random.pickFish(drawn);
        QCOMPARE(f.quiz.nextQuestion(), last);
        QVERIFY(f.quiz.isOver());
    }

    void startForgetsTheAskedFish()
    {
        QuizFixture f({3, 4, 5});
        QCOMPARE(f.shownBefore, QList<int>({3, 4, 5}));
        f.quiz.start();
        QCOMPARE(f.quiz.remaining(), 40);
        QCOMPARE(f.quiz.rightAnswers(), 0);
        f.random.pickFish(4);
        QCOMPARE(f.quiz.nextQuestion(), 4);
        QVERIFY(f.quiz.answer(4));
        QCOMPARE(f.quiz.percent(), 100);
    }

    // A quiz, then reviews of what each round missed, each asking exactly
    // those (every draw 0: in fish order). Answers in order: R right, W
    // wrong, r right and then a wrong second click.
    void reviewRounds_data()
    {
        QTest::addColumn<QStringList>("rounds");
        QTest::addColumn<QList<int>>("missed");  // in the last round
        QTest::addColumn<int>("percent");        // of the last round alone
        QString quiz(40, QLatin1Char('R'));
        quiz[2] = quiz[16] = quiz[39] = QLatin1Char('W');  // fish 3, 17 and 40
        QTest::newRow("three missed") << QStringList{quiz} << QList<int>{3, 17, 40} << 92;
        QTest::newRow("review all right") << QStringList{quiz, "RRR"} << QList<int>{} << 100;
        QTest::newRow("a second click misses nothing") << QStringList{quiz, "rRr"} << QList<int>{} << 100;
        QTest::newRow("one missed again") << QStringList{quiz, "RWR"} << QList<int>{17} << 66;
        QTest::newRow("all missed again") << QStringList{quiz, "WWW"} << QList<int>{3, 17, 40} << 0;
        QTest::newRow("second review") << QStringList{quiz, "RWR", "R"} << QList<int>{} << 100;
    }
    void reviewRounds()
    {
        QFETCH(QStringList, rounds);
        QFETCH(QList<int>, missed);
        QFETCH(int, percent);
        QuizFixture f;
        for (const QString &answers : rounds) {
            const QList<int> round = f.quiz.missed();
            if (f.quiz.isOver())
                f.quiz.startReview();
            QList<int> asked;
            for (QChar answer : answers) {
                asked << f.quiz.nextQuestion();
                f.quiz.answer(answer.toUpper() == QLatin1Char('R') ? asked.back() : asked.back() % 40 + 1);
                if (answer == QLatin1Char('r'))
                    f.quiz.answer(asked.back() % 40 + 1);
            }
            QVERIFY(round.isEmpty() || asked == round);
        }
        QCOMPARE(f.quiz.missed(), missed);
        QCOMPARE(f.quiz.percent(), percent);
        QCOMPARE(f.quiz.offersReview(), !missed.isEmpty());
    }

    // Each value is drawn from a seeding by the clock's reading at the draw.
    void seededFromTheClockBeforeEveryDraw()
    {
        FakeClock clock;
        SystemRandom first(clock), second(clock);
        QList<double> drawn[2];
        for (double now : {123.25, 86399.5, 123.25}) {
            clock.now = now;
            drawn[0] << first.next();
            drawn[1] << second.next();
        }
        QCOMPARE(drawn[0], drawn[1]);
        QCOMPARE_NE(drawn[0][0], drawn[0][1]);
        // The same reading later still gives another value.
        QCOMPARE_NE(drawn[0][0], drawn[0][2]);
    }
};

QTEST_MAIN(TestQuiz)
#include "tst_quiz.moc"

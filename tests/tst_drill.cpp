// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/world.h"
#include "ui/controls.h"

#include <QFile>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <random>
#include <set>

using namespace sakana;
using namespace sakana::testing;

namespace {

// The media of a drill test: every fish 100 x 80; the marks and medals each
// of their own size, so that the test can tell which one was loaded.
void putDrillMedia(World &world)
{
    world.putAllFish(QStringLiteral("small.gif"));
    world.putPicture(QStringLiteral("mark.gif"), QStringLiteral("maru.gif"));       // 200 x 190
    world.putPicture(QStringLiteral("small.gif"), QStringLiteral("batu.gif"));      // 100 x 80
    world.putPicture(QStringLiteral("medal.gif"), QStringLiteral("gold.gif"));      // 50 x 60
    world.putPicture(QStringLiteral("small.gif"), QStringLiteral("silver.gif"));    // 100 x 80
    world.putPicture(QStringLiteral("mark.gif"), QStringLiteral("copper.gif"));     // 200 x 190
}

const QSize kRightMark(200, 190);
const QSize kWrongMark(100, 80);

QString soundName(const Sound &sound)
{
    const std::pair<const Sound &, const char *> names[] = {{Sound::Button, "button"}, {Sound::Name, "name"},
                                                            {Sound::Right, "right"},   {Sound::Wrong, "wrong"},
                                                            {Sound::Pass, "pass"},     {Sound::Fail, "fail"}};
    for (const auto &[known, name] : names) {
        if (known == sound)
            return QLatin1String(name);
    }
    return sound.file();
}

// Writes the media folder's drill set; gives its path.
QString putDrillSet(World &world, const QByteArray &bytes)
{
    const QString path = world.media(QStringLiteral("説明/drill.txt"));
    QFile set(path);
    if (!set.open(QIODevice::WriteOnly) || set.write(bytes) != bytes.size())
        qFatal("the drill set cannot be written");
    return path;
}

// The fish another than this one, for a wrong answer.
int otherThan(int fishNo)
{
    return fishNo % 40 + 1;
}

// An open drill whose questions come in a known order: the draws are
// scripted so that question k asks fishAt(k), a permutation of the forty.
struct DrillFixture {
    DrillFixture()
    {
        putDrillMedia(world);
        for (int k = 0; k < 40; ++k) {
            order.push_back((k * 17 + 9) % 40 + 1);
            world.random.pickFish(order.back());
        }
        world.go(Destination::Drill);
    }
    int fishAt(int question) const { return order.at(std::size_t(question - 1)); }
    void click(int fishNo) { QTest::mouseClick(world.name(fishNo), Qt::LeftButton); }
    // Answers every question, the first `right` of them rightly; by taps
    // of a finger, or by clicks.
    void answerAll(int right, bool taps = false)
    {
        for (int question = 1; question <= 40; ++question) {
            const int fishNo = question <= right ? fishAt(question) : otherThan(fishAt(question));
            if (taps)
                world.tap(world.name(fishNo)->geometry().center());
            else
                click(fishNo);
            world.endFeedback();
        }
    }
    QStringList heard() const
    {
        QStringList names;
        for (const Sound &sound : world.sounds.played)
            names << soundName(sound);
        return names;
    }
    QString lastSound() const
    {
        const auto last = world.sounds.last();
        return last ? soundName(*last) : QString();
    }
    // The names shown red.
    QList<int> redNames() const { return world.redNames(); }
    QString text(const char *role) const { return world.control<Label>(QLatin1String(role))->text(); }
    PictureBox *picture(const char *role) const { return world.control<PictureBox>(QLatin1String(role)); }
    Label *label(const char *role) const { return world.control<Label>(QLatin1String(role)); }
    bool drillOpen() const { return world.screen(Destination::Drill)->isOpen(); }

    World world;
    std::vector<int> order;
};

} // namespace

class TestDrill : public QObject {
    Q_OBJECT
private slots:
    void opensWithTheFirstQuestion()
    {
        World world;
        putDrillMedia(world);
        world.putPicture(QStringLiteral("large.gif"), QStringLiteral("f7.gif"));  // 401 x 351: fitted to 361 x 334
        world.random.pickFish(7);
        world.go(Destination::Drill);
        auto *questionPicture = world.control<PictureBox>(QStringLiteral("questionPicture"));
        QVERIFY(questionPicture && questionPicture->isVisible());
        QCOMPARE(questionPicture->pixmap().size(), QSize(361, 315));
        QCOMPARE(world.control<Label>(QStringLiteral("remainingCount"))->text(), QStringLiteral("39"));
        QCOMPARE(world.control<Label>(QStringLiteral("scorePercent"))->text(), QString());
        for (const char *hidden : {"answerMark", "medal", "leftCover", "rightCover"})
            QVERIFY2(!world.control<PictureBox>(QLatin1String(hidden))->isVisible(), hidden);
        QVERIFY(!world.control<Label>(QStringLiteral("failNotice"))->isVisible());
        for (int fish = 1; fish <= 40; ++fish)
            QCOMPARE(world.nameColour(fish), kNameNormal);
        QCOMPARE(world.sounds.played, std::vector<Sound>{Sound::Name});
        QCOMPARE(world.sounds.spoken, std::vector<Sound>{Sound::QuestionPrompt});
        QCOMPARE(world.random.seeds.size(), std::size_t(1));
        QCOMPARE(world.window()->focusWidget(), world.control<QWidget>(QStringLiteral("nameKeys")));
        QCOMPARE(world.window()->size(), QSize(768, 480));

        // The question is fish 7: a wrong answer shows its name red.
        QTest::mouseClick(world.name(8), Qt::LeftButton);
        QCOMPARE(world.nameColour(7), kNameMarked);
        QCOMPARE(world.nameColour(8), kNameNormal);
        QVERIFY(world.errors.errors.empty());
    }

    void wholeQuizAsksEveryFishOnce()
    {
        DrillFixture f;
        f.world.random.draws.clear();
        std::mt19937 engine(12345);
        std::uniform_real_distribution<double> draw(0.0, 1.0);
        for (int k = 0; k < 60; ++k)
            f.world.random.draws.push_back(draw(engine));
        // Start afresh with the random draws.
        QTest::mouseClick(f.picture("restartPicture"), Qt::LeftButton);

        std::set<int> asked;
        for (int question = 1; question <= 40; ++question) {
            QCOMPARE(f.text("remainingCount"), QString::number(40 - question));
            QVERIFY(f.picture("questionPicture")->isVisible());
            // Whatever the question, the fish asked is the one name red after
            // the answer: the clicked one if right, the asked one if wrong.
            f.click(1);
            const QList<int> red = f.redNames();
            QCOMPARE(red.size(), 1);
            QCOMPARE(f.lastSound(), red.front() == 1 ? QStringLiteral("right") : QStringLiteral("wrong"));
            QVERIFY2(asked.insert(red.front()).second, qPrintable(QStringLiteral("fish %1 asked twice").arg(red.front())));
            f.world.endFeedback();
        }
        QCOMPARE(asked.size(), std::size_t(40));
        QVERIFY(!f.picture("questionPicture")->isVisible());
        QVERIFY(f.label("failNotice")->isVisible());  // one right of forty
        QCOMPARE(f.text("scorePercent"), QStringLiteral("2"));
        QCOMPARE(f.text("remainingCount"), QStringLiteral("0"));
        QCOMPARE(f.heard().count(QStringLiteral("name")), 41);  // the first question twice
        // Nothing more is asked: no pause runs.
        QVERIFY(!f.world.pauseRuns(QStringLiteral("feedbackTimer")));
        QVERIFY(f.world.errors.errors.empty());
    }

    void grades_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("percent");
        QTest::addColumn<QString>("sound");
        QTest::addColumn<QSize>("medal");  // empty: the fail notice
        QTest::addColumn<QSize>("medalBox");
        QTest::addColumn<QSize>("screen");  // played by taps full screen on one of this size; none: by clicks
        const QSize box(202, 250);
        QTest::newRow("19 right: fail") << 19 << 47 << "fail" << QSize() << box << QSize();
        QTest::newRow("20 right: copper") << 20 << 50 << "pass" << QSize(200, 190) << box << QSize();
        QTest::newRow("29 right: copper") << 29 << 72 << "pass" << QSize(200, 190) << box << QSize();
        QTest::newRow("30 right: silver") << 30 << 75 << "pass" << QSize(100, 80) << box << QSize();
        QTest::newRow("35 right: silver") << 35 << 87 << "pass" << QSize(100, 80) << box << QSize();
        QTest::newRow("36 right: gold") << 36 << 90 << "pass" << QSize(50, 60) << box << QSize();
        QTest::newRow("40 right: gold") << 40 << 100 << "pass" << QSize(50, 60) << box << QSize();
        QTest::newRow("tapped at scale 2.5: gold") << 36 << 90 << "pass" << QSize(50, 60) << QSize(505, 625)
                                                   << QSize(1920, 1200);
        QTest::newRow("tapped on 1920 x 1080: fail") << 19 << 47 << "fail" << QSize() << box << QSize(1920, 1080);
    }
    void grades()
    {
        QFETCH(int, right);
        QFETCH(int, percent);
        QFETCH(QString, sound);
        QFETCH(QSize, medal);
        QFETCH(QSize, medalBox);
        QFETCH(QSize, screen);
        DrillFixture f;
        f.world.showOn(screen);
        f.answerAll(right, !screen.isEmpty());
        QCOMPARE(f.text("scorePercent"), QString::number(percent));
        // The last answer's sound, then the grade's; no further question.
        QCOMPARE(f.heard().mid(f.heard().size() - 2),
                 QStringList({right == 40 ? QStringLiteral("right") : QStringLiteral("wrong"), sound}));
        // The last fish's name after its mark, then what to do next, and the
        // restart picture marked as the thing to tap.
        const std::vector<Sound> &spoken = f.world.sounds.spoken;
        QCOMPARE(std::vector<Sound>(spoken.end() - 2, spoken.end()),
                 (std::vector<Sound>{Sound::voiceOf(f.fishAt(40)), Sound::TryAgainPrompt}));
        QVERIFY(f.picture("restartPicture")->hasInvitingMark());
        QVERIFY(!f.picture("questionPicture")->isVisible());
        QVERIFY(!f.picture("answerMark")->isVisible());
        QVERIFY(f.picture("leftCover")->isVisible() && f.picture("rightCover")->isVisible());
        QCOMPARE(f.label("failNotice")->isVisible(), medal.isEmpty());
        QCOMPARE(f.picture("medal")->isVisible(), !medal.isEmpty());
        if (!medal.isEmpty()) {
            QCOMPARE(f.picture("medal")->pixmap().size(), medal);
            QCOMPARE(f.picture("medal")->size(), medalBox);  // stretched to the box
        }
        QVERIFY(f.world.errors.errors.empty());
        if (!screen.isEmpty()) {
            // Restarted by a tap, with no name left red.
            f.world.tap(f.picture("restartPicture")->geometry().center());
            QCOMPARE(f.text("remainingCount"), QStringLiteral("39"));
            QCOMPARE(f.world.redNames(), QList<int>{});
        }
    }

    void rightAndWrongFeedback()
    {
        DrillFixture f;
        const int right = f.fishAt(1);
        f.click(right);
        QCOMPARE(f.lastSound(), QStringLiteral("right"));
        PictureBox *mark = f.picture("answerMark");
        QVERIFY(mark->isVisible());
        QCOMPARE(mark->pixmap().size(), kRightMark);
        QCOMPARE(mark->geometry().topLeft(), QPoint(293, 157));
        QCOMPARE(f.redNames(), QList<int>{right});
        QCOMPARE(f.text("scorePercent"), QStringLiteral("100"));
        f.world.endFeedback();
        QVERIFY(!mark->isVisible());
        QCOMPARE(f.redNames(), QList<int>());
        QCOMPARE(f.lastSound(), QStringLiteral("name"));  // the next question

        const int asked = f.fishAt(2);
        const int wrong = (asked + 4) % 40 + 1;
        f.click(wrong);
        QCOMPARE(f.lastSound(), QStringLiteral("wrong"));
        QVERIFY(mark->isVisible());
        QCOMPARE(mark->pixmap().size(), kWrongMark);
        QCOMPARE(mark->geometry().topLeft(), QPoint(293, 157));
        QCOMPARE(f.redNames(), QList<int>{asked});  // the right name, not the clicked one
        QCOMPARE(f.text("scorePercent"), QStringLiteral("50"));
        f.world.endFeedback();
        QCOMPARE(f.redNames(), QList<int>());
    }

    void secondClickCountsAsWrongAndRenewsTheWait()
    {
        DrillFixture f;
        const int right = f.fishAt(1);
        f.world.clock.now = 100.2;
        f.click(right);
        f.world.clock.now = 101.7;
        f.click(right);
        QCOMPARE(f.heard().mid(1), QStringList({"right", "wrong"}));
        QCOMPARE(f.picture("answerMark")->pixmap().size(), kWrongMark);
        QCOMPARE(f.redNames(), QList<int>{right});
        QCOMPARE(f.text("scorePercent"), QStringLiteral("100"));  // still one right of one
        f.world.tickAt(103.5, QStringLiteral("feedbackTimer"));  // the first click's wait would be over
        QVERIFY(f.picture("answerMark")->isVisible());
        QCOMPARE(f.text("remainingCount"), QStringLiteral("39"));
        f.world.tickAt(104.1, QStringLiteral("feedbackTimer"));
        QVERIFY(!f.picture("answerMark")->isVisible());
        QCOMPARE(f.text("remainingCount"), QStringLiteral("38"));
    }

    void doubleClickIsOneAnswer()
    {
        DrillFixture f;
        f.world.sounds.played.clear();
        // Through the window, as the window system delivers it: press, release,
        // double click, release.
        const QPoint name = f.world.name(f.fishAt(1))->geometry().center();
        QTest::mouseDClick(f.world.window()->windowHandle(), Qt::LeftButton, {}, name);
        QCOMPARE(f.heard(), QStringList{"right"});
        QCOMPARE(f.text("scorePercent"), QStringLiteral("100"));
        QCOMPARE(f.picture("answerMark")->pixmap().size(), kRightMark);
    }

    void waitEndsStrictlyAfterTwoSeconds_data()
    {
        QTest::addColumn<double>("click");
        QTest::addColumn<double>("stillWaiting");
        QTest::addColumn<double>("ended");
        QTest::newRow("click 0.3 past a second") << 200.3 << 202.0 << 202.05;
        QTest::newRow("click 0.7 past a second") << 200.7 << 203.0 << 203.05;
        QTest::newRow("across midnight") << 86399.4 << 0.9 << 1.05;
    }
    void waitEndsStrictlyAfterTwoSeconds()
    {
        QFETCH(double, click);
        QFETCH(double, stillWaiting);
        QFETCH(double, ended);
        DrillFixture f;
        const int right = f.fishAt(1);
        f.world.clock.now = click;
        f.click(right);
        f.world.tickAt(click + 0.1, QStringLiteral("feedbackTimer"));
        f.world.tickAt(stillWaiting, QStringLiteral("feedbackTimer"));
        QVERIFY(f.picture("answerMark")->isVisible());
        QCOMPARE(f.redNames(), QList<int>{right});
        QCOMPARE(f.text("remainingCount"), QStringLiteral("39"));
        f.world.tickAt(ended, QStringLiteral("feedbackTimer"));
        QVERIFY(!f.picture("answerMark")->isVisible());
        QCOMPARE(f.redNames(), QList<int>());
        QCOMPARE(f.text("remainingCount"), QStringLiteral("38"));
        // The wait is over: its timer has stopped, so that later on the event
        // loop asks nothing more.
        QVERIFY(!f.world.pauseRuns(QStringLiteral("feedbackTimer")));
        f.world.clock.now = ended + 5;
        QCoreApplication::processEvents();
        QCOMPARE(f.text("remainingCount"), QStringLiteral("38"));
    }

    void hoverHighlight()
    {
        DrillFixture f;
        QWidget *window = f.world.window();
        auto centreOf = [&](int fish) { return f.world.name(fish)->geometry().center(); };
        QTest::mouseMove(window, QPoint(8, 470));  // start from the background
        QTest::mouseMove(window, centreOf(1));
        QCOMPARE(f.redNames(), QList<int>{1});
        QTest::mouseMove(window, centreOf(2));
        QCOMPARE(f.redNames(), QList<int>{2});
        // Resting on a name says it, once; leaving it before stops that.
        f.world.tick(QStringLiteral("restTimer"));
        QCOMPARE(f.world.sounds.spoken.back(), Sound::voiceOf(2));
        QTest::mouseMove(window, centreOf(3));
        QTest::mouseMove(window, QPoint(8, 470));  // the background
        QCOMPARE(f.redNames(), QList<int>());
        QVERIFY(!f.world.pauseRuns(QStringLiteral("restTimer")));

        // The marked right answer returns to blue when the pointer leaves it.
        const int right = f.fishAt(1);
        f.click(right);
        QCOMPARE(f.redNames(), QList<int>{right});
        // Nothing talks over the name said after the mark.
        QCOMPARE(f.world.sounds.spoken.back(), Sound::voiceOf(right));
        const int other = otherThan(right);
        QTest::mouseMove(window, centreOf(other));
        f.world.tick(QStringLiteral("restTimer"));
        QCOMPARE(f.world.sounds.spoken.back(), Sound::voiceOf(right));
        QTest::mouseMove(window, centreOf(right));
        QTest::mouseMove(window, QPoint(8, 470));
        QCOMPARE(f.redNames(), QList<int>());
    }

    void coversBlockTheNamesAfterTheGrade()
    {
        DrillFixture f;
        f.answerAll(40);
        QWidget *window = f.world.window();
        const QPoint name = f.world.name(4)->geometry().center();
        const QPoint rightName = f.world.name(26)->geometry().center();
        f.world.sounds.played.clear();
        QTest::mouseMove(window, name);
        QTest::mouseClick(window, Qt::LeftButton, {}, name);
        QTest::mouseMove(window, rightName);
        QTest::mouseClick(window, Qt::LeftButton, {}, rightName);
        QCOMPARE(f.redNames(), QList<int>());
        QCOMPARE(f.heard(), QStringList());
        QVERIFY(f.picture("medal")->isVisible());
    }

    void restartMidQuiz()
    {
        DrillFixture f;
        for (int question = 1; question <= 5; ++question) {
            f.click(f.fishAt(question));
            f.world.endFeedback();
        }
        // The draw after the restart falls on a fish of the old quiz: it is
        // asked again, as nothing is asked in the new quiz yet.
        f.world.random.draws.clear();
        f.world.random.pickFish(f.fishAt(3));
        QTest::mouseClick(f.picture("restartPicture"), Qt::LeftButton);
        QCOMPARE(f.text("scorePercent"), QString());
        QCOMPARE(f.text("remainingCount"), QStringLiteral("39"));
        QVERIFY(f.picture("questionPicture")->isVisible());
        QCOMPARE(f.lastSound(), QStringLiteral("name"));
        f.click(f.fishAt(3));
        QCOMPARE(f.lastSound(), QStringLiteral("right"));
        QCOMPARE(f.text("scorePercent"), QStringLiteral("100"));  // one right of one
    }

    void restartDuringTheWaitEndsIt()
    {
        DrillFixture f;
        const int right = f.fishAt(1);
        const int wrong = (right + 2) % 40 + 1;
        f.click(wrong);
        QCOMPARE(f.redNames(), QList<int>{right});
        // The pointer back on the wrong name makes it red too: the restart
        // takes both away.
        QTest::mouseMove(f.world.window(), f.world.name(wrong)->geometry().center());
        QCOMPARE(f.redNames().size(), 2);
        QTest::mouseClick(f.picture("restartPicture"), Qt::LeftButton);
        QVERIFY(!f.picture("answerMark")->isVisible());
        QCOMPARE(f.redNames(), QList<int>());
        QCOMPARE(f.text("remainingCount"), QStringLiteral("39"));
        // No old wait is left to draw a second question.
        QVERIFY(!f.world.pauseRuns(QStringLiteral("feedbackTimer")));
    }

    void failNoticeRestarts()
    {
        DrillFixture f;
        f.answerAll(0);
        QVERIFY(f.label("failNotice")->isVisible());
        QTest::mouseClick(f.label("failNotice"), Qt::LeftButton);
        QVERIFY(!f.label("failNotice")->isVisible());
        QVERIFY(!f.picture("leftCover")->isVisible() && !f.picture("rightCover")->isVisible());
        QVERIFY(!f.picture("medal")->isVisible());
        QCOMPARE(f.text("remainingCount"), QStringLiteral("39"));
        QCOMPARE(f.text("scorePercent"), QString());
        QVERIFY(f.picture("questionPicture")->isVisible());
        QCOMPARE(f.lastSound(), QStringLiteral("name"));
    }

    // A button beside the grade, reached with Tab, starts a round of the fish
    // missed; it ends in praise or the button again, and a restart from there.
    void reviewRound_data()
    {
        QTest::addColumn<int>("right");        // the quiz's first answers; the rest are missed
        QTest::addColumn<QString>("answers");  // of the review, in fish order: R right, W wrong
        QTest::newRow("none missed: no review") << 40 << "";
        QTest::newRow("every fish missed: a restart, no review") << 0 << "";
        QTest::newRow("all right: praise") << 37 << "RRR";
        QTest::newRow("one wrong: the button again") << 37 << "RWR";
    }
    void reviewRound()
    {
        QFETCH(int, right);
        QFETCH(QString, answers);
        DrillFixture f;
        f.answerAll(right);
        auto *review = f.world.control<QPushButton>(QStringLiteral("reviewButton"));
        QCOMPARE(review->isVisible(), !answers.isEmpty());
        if (answers.isEmpty())
            return;
        for (const char *role : {"medal", "failNotice", "scorePercent"})
            QVERIFY2(!review->geometry().intersects(f.world.control<QWidget>(QLatin1String(role))->geometry()), role);
        QVERIFY(f.world.activate());
        for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return})  // past the covered names
            f.world.key(key);
        std::vector<int> missed(f.order.begin() + right, f.order.end());
        std::sort(missed.begin(), missed.end());  // no draws are left
        for (int k = 0; k < answers.size(); ++k) {
            QCOMPARE(f.text("remainingCount"), QString::number(answers.size() - 1 - k));
            f.click(answers[k] == QLatin1Char('R') ? missed[k] : otherThan(missed[k]));
            f.world.endFeedback();
        }
        const bool praised = !answers.contains(QLatin1Char('W'));
        QVERIFY(!f.picture("medal")->isVisible() && !f.label("failNotice")->isVisible());
        QCOMPARE(f.label("praise")->isVisible(), praised);
        QCOMPARE(review->isVisible(), !praised);
        QCOMPARE(f.lastSound(), praised ? QStringLiteral("pass") : QStringLiteral("right"));
        QCOMPARE(f.world.focus(), praised ? static_cast<QWidget *>(f.picture("restartPicture")) : review);
        QTest::mouseClick(f.picture("restartPicture"), Qt::LeftButton);
        QVERIFY(!review->isVisible() && !f.label("praise")->isVisible() && !f.picture("leftCover")->isVisible());
        QCOMPARE(f.text("remainingCount"), QStringLiteral("39"));
    }

    void centring_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("top");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("exactly the frame") << "drillframe.gif" << 3105.0 << 915.0 << QRect(207, 61, 361, 334);
        QTest::newRow("smaller") << "small.gif" << 5062.5 << 2820.0 << QRect(338, 188, 100, 80);
        QTest::newRow("larger, odd size") << "large.gif" << 3105.0 << 1057.5 << QRect(207, 70, 361, 315);
        QTest::newRow("PNG named .gif") << "drawing.gif" << 3105.0 << 1395.0 << QRect(207, 93, 361, 270);
    }
    void centring()
    {
        QFETCH(QString, picture);
        QFETCH(double, left);
        QFETCH(double, top);
        QFETCH(QRect, pixels);
        World world;
        putDrillMedia(world);
        world.putAllFish(picture);
        world.go(Destination::Drill);
        auto *box = world.control<PictureBox>(QStringLiteral("questionPicture"));
        QCOMPARE(box->twipsRect().left, left);
        QCOMPARE(box->twipsRect().top, top);
        QCOMPARE(box->geometry(), pixels);
    }

    // Scaled down to its frame, a large picture leaves the names to answer.
    void largePictureLeavesTheNamesFree()
    {
        World world;
        putDrillMedia(world);
        world.putAllFish(QStringLiteral("wide.gif"));  // 500 px: would reach both name columns
        world.go(Destination::Drill);
        QWidget *window = world.window();
        QCOMPARE(window->childAt(150, 70), static_cast<QWidget *>(world.name(1)));
        world.sounds.played.clear();
        QTest::mouseClick(world.name(1), Qt::LeftButton);
        QVERIFY(!world.sounds.played.empty());
        QVERIFY(world.control<PictureBox>(QStringLiteral("answerMark"))->isVisible());
    }

    void leavingWithTwoClicksOpensTheSecondDestination()
    {
        DrillFixture f;
        f.world.putNameList(QByteArray("x\r\n").repeated(40));
        f.world.sounds.played.clear();
        f.world.clock.now = 300.2;
        QTest::mouseClick(f.world.control<QPushButton>(QStringLiteral("toLookupButton")), Qt::LeftButton);
        f.world.clock.now = 301.2;
        QTest::mouseClick(f.world.control<QPushButton>(QStringLiteral("toMenuButton")), Qt::LeftButton);
        QCOMPARE(f.heard(), QStringList({"button", "button"}));
        // The button clicked last stays pressed until its screen opens.
        QVERIFY(f.world.control<QPushButton>(QStringLiteral("toMenuButton"))->isDown());
        QVERIFY(!f.world.control<QPushButton>(QStringLiteral("toLookupButton"))->isDown());
        f.world.tickAt(303.0, QStringLiteral("departureTimer"));  // exactly two seconds after the stamp 301
        QVERIFY(f.drillOpen());
        f.world.tickAt(303.1, QStringLiteral("departureTimer"));
        QVERIFY(!f.drillOpen());
        QVERIFY(f.world.switcher().current() == f.world.screen(Destination::Menu));
        QVERIFY(f.world.screen(Destination::Lookup) == nullptr);
    }

    void answerDuringTheLeavingWaitDelaysIt()
    {
        DrillFixture f;
        f.world.clock.now = 300.2;
        QTest::mouseClick(f.world.control<QPushButton>(QStringLiteral("toMenuButton")), Qt::LeftButton);
        f.world.clock.now = 301.2;
        f.click(f.fishAt(1));
        f.world.tickAt(302.5, QStringLiteral("departureTimer"));
        QVERIFY(f.drillOpen());
        f.world.tickAt(303.1, QStringLiteral("departureTimer"));
        QVERIFY(!f.drillOpen());
        QVERIFY(f.world.switcher().current() == f.world.screen(Destination::Menu));
    }

    void aLaterVisitStartsAFreshQuiz()
    {
        DrillFixture f;
        for (int question = 1; question <= 3; ++question) {
            f.click(f.fishAt(question));
            f.world.endFeedback();
        }
        // Leave while the fourth answer's feedback is on the screen.
        f.click(otherThan(f.fishAt(4)));
        f.world.go(Destination::Menu);
        World::flushClosedWindows();
        f.world.random.draws.clear();
        f.world.random.pickFish(f.fishAt(2));  // asked in the last visit
        f.world.go(Destination::Drill);
        QCOMPARE(f.text("remainingCount"), QStringLiteral("39"));
        QCOMPARE(f.text("scorePercent"), QString());
        QVERIFY(!f.picture("answerMark")->isVisible());
        QCOMPARE(f.redNames(), QList<int>());
        // No wait of the last visit goes on.
        QVERIFY(!f.world.pauseRuns(QStringLiteral("feedbackTimer")));
        f.click(f.fishAt(2));
        QCOMPARE(f.lastSound(), QStringLiteral("right"));
        QCOMPARE(f.text("scorePercent"), QStringLiteral("100"));
    }

    // A drill set of ten: only those are asked, in the quiz and its review;
    // the thirty others are dimmed and a click on one does nothing.
    void drillSetKeepsToItsFish()
    {
        World world;
        putDrillMedia(world);
        putDrillSet(world, "# 川の魚\n3\nいわな\nうなぎ\n18\nどじょう\n29\n30\n31\nます\n40\n");
        const std::set<int> chosen{3, 8, 10, 18, 27, 29, 30, 31, 38, 40};
        world.go(Destination::Drill);
        QVERIFY(world.errors.errors.empty());
        for (int fish = 1; fish <= 40; ++fish) {
            const QColor text = world.name(fish)->palette().color(QPalette::WindowText);
            QCOMPARE(text, chosen.count(fish) ? QColor(Qt::white) : QColor(0xA0, 0xA0, 0xB8));
        }
        const auto text = [&world](const char *role) { return world.control<Label>(QLatin1String(role))->text(); };
        std::set<int> asked;
        for (int question = 1; question <= 10; ++question) {
            const std::size_t heard = world.sounds.played.size();
            QTest::mouseClick(world.name(1), Qt::LeftButton);  // dimmed
            QCOMPARE(world.sounds.played.size(), heard);
            QCOMPARE(world.redNames(), QList<int>{});
            QCOMPARE(text("remainingCount"), QString::number(10 - question));
            QTest::mouseClick(world.name(3), Qt::LeftButton);
            QCOMPARE(world.redNames().size(), 1);
            asked.insert(world.redNames().front());
            world.endFeedback();
        }
        QCOMPARE(asked, chosen);
        QCOMPARE(text("scorePercent"), QStringLiteral("10"));
        QVERIFY(world.control<Label>(QStringLiteral("failNotice"))->isVisible());
        QTest::mouseClick(world.control<QPushButton>(QStringLiteral("reviewButton")), Qt::LeftButton);
        std::set<int> reviewed;
        for (int question = 1; question <= 9; ++question) {
            QTest::mouseClick(world.name(3), Qt::LeftButton);
            reviewed.insert(world.redNames().front());
            world.endFeedback();
        }
        std::set<int> missed = chosen;
        missed.erase(3);
        QCOMPARE(reviewed, missed);
    }

    // A set that names an unknown fish stops the drill as it opens, naming
    // the file, the line and the entry.
    void faultyDrillSetIsReported()
    {
        World world;
        putDrillMedia(world);
        const QString set = putDrillSet(world, "3\r\nえび\r\n");
        guarded(world.errors, [&world] { world.go(Destination::Drill); })();
        QCOMPARE(world.errors.errors.size(), std::size_t(1));
        QCOMPARE(world.errors.errors.front().file(), set);
        QCOMPARE(world.errors.errors.front().reason(), u"2行目: 「えび」という魚はいません"_qs);
        QCOMPARE(world.sounds.played, std::vector<Sound>{});
    }

    void brokenMarkIsReported_data()
    {
        QTest::addColumn<QString>("broken");
        QTest::addColumn<QString>("fixtureName");  // empty: the file is missing
        QTest::addColumn<bool>("answerRightly");
        QTest::newRow("missing right mark") << "maru.gif" << QString() << true;
        QTest::newRow("truncated right mark") << "maru.gif" << "truncated.gif" << true;
        QTest::newRow("garbage right mark") << "maru.gif" << "garbage.gif" << true;
        QTest::newRow("gigantic right mark") << "maru.gif" << "huge.gif" << true;
        QTest::newRow("missing wrong mark") << "batu.gif" << QString() << false;
    }
    void brokenMarkIsReported()
    {
        QFETCH(QString, broken);
        QFETCH(QString, fixtureName);
        QFETCH(bool, answerRightly);
        DrillFixture f;
        QFile::remove(f.world.media(QStringLiteral("画像/") + broken));
        if (!fixtureName.isEmpty())
            f.world.putPicture(fixtureName, broken);
        f.click(answerRightly ? f.fishAt(1) : otherThan(f.fishAt(1)));
        QCOMPARE(f.world.errors.errors.size(), std::size_t(1));
        const MediaError &error = f.world.errors.errors.front();
        QVERIFY2(error.file().endsWith(QStringLiteral("/画像/") + broken), qPrintable(error.file()));
        QVERIFY(!error.reason().isEmpty());
        // Nothing of the screen runs afterwards.
        QVERIFY(!f.picture("answerMark")->isVisible());
        QCOMPARE(f.text("scorePercent"), QString());
        const std::size_t heard = f.world.sounds.played.size();
        QVERIFY(!f.world.pauseRuns(QStringLiteral("feedbackTimer")));
        f.click(f.fishAt(1));
        QCOMPARE(f.text("remainingCount"), QStringLiteral("39"));
        QCOMPARE(f.world.sounds.played.size(), heard);
        QCOMPARE(f.world.errors.errors.size(), std::size_t(1));
    }

    void rendersTheDesign_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("grid outer line") << QPoint(11, 10) << QColor(255, 255, 0);
        QTest::newRow("grid top bar") << QPoint(641, 30) << QColor(0, 0, 255);
        QTest::newRow("grid separator under the first name") << QPoint(100, 79) << QColor(255, 255, 0);
        QTest::newRow("name label") << QPoint(150, 70) << toQColor(Bgr{0xC00000});
        QTest::newRow("question label") << QPoint(500, 48) << toQColor(Bgr{0xFF0000});
        QTest::newRow("remaining caption box") << QPoint(185, 446) << toQColor(Bgr{0xC00000});
        QTest::newRow("remaining count box") << QPoint(256, 446) << toQColor(Bgr{0xFF0000});
        QTest::newRow("score caption box") << QPoint(346, 446) << toQColor(Bgr{0x8080FF});
        QTest::newRow("score box") << QPoint(470, 446) << toQColor(Bgr{0x0000FF});
        QTest::newRow("percent box") << QPoint(556, 446) << toQColor(Bgr{0x0000FF});
    }
    void rendersTheDesign()
    {
        QFETCH(QPoint, pixel);
        QFETCH(QColor, colour);
        DrillFixture f;
        const QImage shot = f.world.window()->grab().toImage();
        QCOMPARE(shot.pixelColor(pixel), colour);
    }
};

QTEST_MAIN(TestDrill)
#include "tst_drill.moc"

#include "app/runtimeerror.h"
#include "app/colour.h"
#include "screens/drill/drill.h"
#include "support/world.h"

#include <QTest>
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

struct DrillFixture {
    DrillFixture()
    {
        putDrillMedia(world);
        world.shell().open(ScreenId::Drill);
        drill = world.screen<ドリル>(ScreenId::Drill);
        c = drill->controls();
    }
    void click(int index) { QTest::mouseClick(c->Label1[std::size_t(index)], Qt::LeftButton); }
    // Lets the running feedback wait run out.
    void endWait()
    {
        world.clock.now += 3;
        c->Timer2->fire();
    }
    int rightIndex() const { return drill->state.FishNo - 1; }
    QString lastSound() const
    {
        for (auto it = world.players.log.crbegin(); it != world.players.log.crend(); ++it) {
            if (it->startsWith(QLatin1String("drill.MediaPlayer2 FileName")))
                return it->section(QLatin1Char('/'), -1);
        }
        return {};
    }
    QColor colourOf(int index) const { return bgr(c->Label1[std::size_t(index)]->backColour()); }

    World world;
    ドリル *drill = nullptr;
    ドリル::Controls *c = nullptr;
};

const QColor kNormal = bgr(kNormalLabelColour);
const QColor kMarked = bgr(kMarkedLabelColour);

} // namespace

class TestDrill : public QObject {
    Q_OBJECT
private slots:
    void opensWithTheFirstQuestion()
    {
        World world;
        putDrillMedia(world);
        world.random.pickFish(7);
        world.shell().open(ScreenId::Drill);
        auto *drill = world.screen<ドリル>(ScreenId::Drill);
        auto *c = drill->controls();
        QCOMPARE(drill->state.FishNo, 7);
        QCOMPARE(drill->state.HighlightIndex, -1);
        QCOMPARE(c->Label3->caption(), QStringLiteral("39"));
        QCOMPARE(c->Label5->caption(), QString());
        QVERIFY(c->Image1->isVisible());
        QVERIFY(!c->Image2->isVisible() && !c->Image5->isVisible() && !c->Label10->isVisible());
        QVERIFY(!c->Image6->isVisible() && !c->Image7->isVisible());
        const QString dir = world.dir.path();
        QCOMPARE(world.players.log,
                 QStringList({"drill.MediaPlayer1 FileName " + dir + "/音/oto1.wav", "drill.MediaPlayer1 Stop",
                              "drill.MediaPlayer2 Setting 1030=1", "drill.MediaPlayer1 Play"}));
        QCOMPARE(world.random.seeds.size(), std::size_t(1));
        QCOMPARE(drill->window()->focusWidget(), c->Command2);
        QCOMPARE(drill->window()->size(), QSize(768, 480));
    }

    void wholeQuizAsksEveryFishOnce()
    {
        DrillFixture f;
        std::mt19937 engine(12345);
        std::uniform_real_distribution<double> draw(0.0, 1.0);
        for (int k = 0; k < 60; ++k)
            f.world.random.draws.push_back(draw(engine));
        // The first question was drawn before the script; start afresh.
        QTest::mouseClick(f.c->Image3, Qt::LeftButton);

        std::set<int> asked;
        for (int question = 1; question <= 40; ++question) {
            QCOMPARE(f.c->Label3->caption(), QString::number(40 - question));
            QCOMPARE(f.drill->state.AskedCount, question);
            asked.insert(f.drill->state.FishNo);
            f.click(f.rightIndex());
            f.endWait();
        }
        QCOMPARE(asked.size(), std::size_t(40));
        for (int fish = 1; fish <= 40; ++fish)
            QCOMPARE(f.drill->state.UsedFlags[std::size_t(fish)], 1);
        QCOMPARE(f.drill->state.ScorePercent, 100);
        QVERIFY(!f.c->Image1->isVisible());
        QVERIFY(f.c->Image5->isVisible());
        QCOMPARE(f.c->Label3->caption(), QStringLiteral("0"));
    }

    void probePastUsedFish_data()
    {
        QTest::addColumn<QList<int>>("used");
        QTest::addColumn<int>("drawn");
        QTest::addColumn<int>("asked");
        QTest::newRow("unused fish shown directly") << QList<int>{1} << 5 << 5;
        QTest::newRow("past a run of used fish") << QList<int>{1, 5, 6, 7} << 5 << 8;
        QTest::newRow("fish 40 used wraps to 1") << QList<int>{40} << 40 << 1;
        QTest::newRow("wrap past used fish at both ends") << QList<int>{38, 39, 40, 1, 2} << 38 << 3;
    }
    void probePastUsedFish()
    {
        QFETCH(QList<int>, used);
        QFETCH(int, drawn);
        QFETCH(int, asked);
        DrillFixture f;
        f.click(0);
        f.drill->state.UsedFlags.fill(0);
        for (int fish : used)
            f.drill->state.UsedFlags[std::size_t(fish)] = 1;
        f.world.random.pickFish(drawn);
        f.endWait();
        QCOMPARE(f.drill->state.FishNo, asked);
    }

    void lastFishIsAlwaysReached()
    {
        for (int drawn = 1; drawn <= 40; ++drawn) {
            DrillFixture f;
            f.click(0);
            for (int fish = 1; fish <= 40; ++fish)
                f.drill->state.UsedFlags[std::size_t(fish)] = fish == 17 ? 0 : 1;
            f.world.random.pickFish(drawn);
            f.endWait();
            QCOMPARE(f.drill->state.FishNo, 17);
        }
    }

    void grades_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("percent");
        QTest::addColumn<QString>("sound");
        QTest::addColumn<QSize>("medal");  // empty: the fail notice
        QTest::newRow("19 right: fail") << 19 << 47 << "dame.wav" << QSize();
        QTest::newRow("20 right: copper") << 20 << 50 << "gokaku.wav" << QSize(200, 190);
        QTest::newRow("29 right: copper") << 29 << 72 << "gokaku.wav" << QSize(200, 190);
        QTest::newRow("30 right: silver") << 30 << 75 << "gokaku.wav" << QSize(100, 80);
        QTest::newRow("35 right: silver") << 35 << 87 << "gokaku.wav" << QSize(100, 80);
        QTest::newRow("36 right: gold") << 36 << 90 << "gokaku.wav" << QSize(50, 60);
    }
    void grades()
    {
        QFETCH(int, right);
        QFETCH(int, percent);
        QFETCH(QString, sound);
        QFETCH(QSize, medal);
        DrillFixture f;
        for (int question = 1; question <= 40; ++question) {
            const int index = question <= right ? f.rightIndex() : (f.rightIndex() + 1) % 40;
            f.click(index);
            f.endWait();
        }
        QCOMPARE(f.drill->state.ScorePercent, percent);
        QCOMPARE(f.c->Label5->caption(), QString::number(percent));
        QCOMPARE(f.lastSound(), sound);
        QVERIFY(!f.c->Image1->isVisible());
        QVERIFY(f.c->Image6->isVisible() && f.c->Image7->isVisible());
        QCOMPARE(f.c->Label10->isVisible(), medal.isEmpty());
        QCOMPARE(f.c->Image5->isVisible(), !medal.isEmpty());
        if (!medal.isEmpty()) {
            QCOMPARE(f.c->Image5->pixmap().size(), medal);
            QCOMPARE(f.c->Image5->size(), QSize(202, 250));  // stretched to the box
        }
    }

    void rightAndWrongFeedback()
    {
        DrillFixture f;
        const int right = f.rightIndex();
        f.click(right);
        QCOMPARE(f.lastSound(), QStringLiteral("o.wav"));
        QCOMPARE(f.c->Image2->pixmap().size(), QSize(200, 190));
        QVERIFY(f.c->Image2->isVisible());
        QCOMPARE(f.c->Image2->geometry().topLeft(), QPoint(293, 157));
        QCOMPARE(f.colourOf(right), kMarked);
        QCOMPARE(f.c->Label5->caption(), QStringLiteral("100"));
        f.endWait();
        QCOMPARE(f.colourOf(right), kNormal);

        const int wrong = (f.rightIndex() + 5) % 40;
        f.click(wrong);
        QCOMPARE(f.lastSound(), QStringLiteral("x.wav"));
        QCOMPARE(f.c->Image2->pixmap().size(), QSize(100, 80));
        QCOMPARE(f.colourOf(wrong), kNormal);
        QCOMPARE(f.colourOf(f.rightIndex()), kMarked);
        QCOMPARE(f.c->Label5->caption(), QStringLiteral("50"));
    }

    void secondClickCountsAsWrongAndRenewsTheWait()
    {
        DrillFixture f;
        const int right = f.rightIndex();
        f.world.clock.now = 100.2;
        f.click(right);
        f.world.clock.now = 101.7;
        f.click(right);
        QCOMPARE(f.drill->state.CorrectCount, 1);
        QCOMPARE(f.lastSound(), QStringLiteral("x.wav"));
        QCOMPARE(f.c->Image2->pixmap().size(), QSize(100, 80));
        QCOMPARE(f.colourOf(right), kMarked);
        QCOMPARE(f.drill->state.ClickTime, 102);
        f.world.clock.now = 103.5;  // the first click's wait would be over
        f.c->Timer2->fire();
        QVERIFY(f.c->Image2->isVisible());
    }

    void doubleClickIsOneAnswer()
    {
        DrillFixture f;
        f.world.players.log.clear();
        // Through the window, as the window system delivers it: press, release,
        // double click, release.
        const QPoint name = f.c->Label1[std::size_t(f.rightIndex())]->geometry().center();
        QTest::mouseDClick(f.drill->window()->windowHandle(), Qt::LeftButton, {}, name);
        QCOMPARE(f.drill->state.CorrectCount, 1);
        QCOMPARE(f.lastSound(), QStringLiteral("o.wav"));
        QCOMPARE(f.world.players.log.filter(QStringLiteral("FileName")).size(), 1);
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
        const int right = f.rightIndex();
        f.world.clock.now = click;
        f.click(right);
        f.world.clock.now = click + 0.1;
        f.c->Timer2->fire();
        f.world.clock.now = stillWaiting;
        f.c->Timer2->fire();
        QVERIFY(f.c->Image2->isVisible());
        QCOMPARE(f.drill->state.AskedCount, 1);
        f.world.clock.now = ended;
        f.c->Timer2->fire();
        QVERIFY(!f.c->Image2->isVisible());
        QCOMPARE(f.c->Timer2->interval(), 0);
        QCOMPARE(f.colourOf(right), kNormal);
        QCOMPARE(f.drill->state.AskedCount, 2);
    }

    void hoverHighlight()
    {
        DrillFixture f;
        QWidget *window = f.drill->window();
        auto centreOf = [&](int index) { return f.c->Label1[std::size_t(index)]->geometry().center(); };
        QTest::mouseMove(window, QPoint(8, 470));  // start from the background
        QTest::mouseMove(window, centreOf(0));
        QCOMPARE(f.colourOf(0), kMarked);
        QTest::mouseMove(window, centreOf(1));
        QCOMPARE(f.colourOf(0), kNormal);
        QCOMPARE(f.colourOf(1), kMarked);
        QTest::mouseMove(window, QPoint(8, 470));  // the background
        QCOMPARE(f.colourOf(1), kNormal);
        QCOMPARE(f.drill->state.HighlightIndex, -1);

        // The marked right answer returns to blue when the pointer leaves it.
        f.click(f.rightIndex());
        QCOMPARE(f.colourOf(f.rightIndex()), kMarked);
        QTest::mouseMove(window, centreOf(f.rightIndex()));
        QTest::mouseMove(window, QPoint(8, 470));
        QCOMPARE(f.colourOf(f.rightIndex()), kNormal);
    }

    void coversBlockTheNamesAfterTheGrade()
    {
        DrillFixture f;
        for (int question = 1; question <= 40; ++question) {
            f.click(f.rightIndex());
            f.endWait();
        }
        QWidget *window = f.drill->window();
        const QPoint name = f.c->Label1[3]->geometry().center();
        const QPoint rightName = f.c->Label1[25]->geometry().center();
        f.world.players.log.clear();
        QTest::mouseMove(window, name);
        QTest::mouseClick(window, Qt::LeftButton, {}, name);
        QTest::mouseClick(window, Qt::LeftButton, {}, rightName);
        QCOMPARE(f.colourOf(3), kNormal);
        QCOMPARE(f.colourOf(25), kNormal);
        QVERIFY(f.world.players.log.isEmpty());
    }

    void restartMidQuiz()
    {
        DrillFixture f;
        for (int question = 1; question <= 5; ++question) {
            f.click(f.rightIndex());
            f.endWait();
        }
        QTest::mouseClick(f.c->Image3, Qt::LeftButton);
        QCOMPARE(f.drill->state.AskedCount, 1);
        QCOMPARE(f.drill->state.CorrectCount, 0);
        QCOMPARE(f.c->Label5->caption(), QString());
        QCOMPARE(f.c->Label3->caption(), QStringLiteral("39"));
        QVERIFY(f.c->Image1->isVisible());
    }

    void restartDuringTheWaitEndsIt()
    {
        DrillFixture f;
        const int right = f.rightIndex();
        const int wrong = (right + 3) % 40;
        f.click(wrong);
        QTest::mouseClick(f.c->Image3, Qt::LeftButton);
        QCOMPARE(f.c->Timer2->interval(), 0);
        QVERIFY(!f.c->Image2->isVisible());
        QCOMPARE(f.colourOf(right), kNormal);
        QCOMPARE(f.colourOf(wrong), kNormal);
        QCOMPARE(f.drill->state.AskedCount, 1);
        // No old wait is left to draw a second question.
        f.world.clock.now += 3;
        f.c->Timer2->fire();
        QCOMPARE(f.drill->state.AskedCount, 1);
    }

    void failNoticeRestarts()
    {
        DrillFixture f;
        for (int question = 1; question <= 40; ++question) {
            f.click((f.rightIndex() + 1) % 40);
            f.endWait();
        }
        QVERIFY(f.c->Label10->isVisible());
        QTest::mouseClick(f.c->Label10, Qt::LeftButton);
        QVERIFY(!f.c->Label10->isVisible());
        QVERIFY(!f.c->Image6->isVisible() && !f.c->Image7->isVisible());
        QVERIFY(!f.c->Image5->isVisible());
        QCOMPARE(f.drill->state.AskedCount, 1);
        QVERIFY(f.c->Image1->isVisible());
    }

    void centring_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("top");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("exactly the frame") << "drillframe.gif" << 3105.0 << 915.0 << QRect(207, 61, 361, 334);
        QTest::newRow("smaller") << "small.gif" << 5062.5 << 2820.0 << QRect(338, 188, 100, 80);
        QTest::newRow("larger, odd size") << "large.gif" << 2805.0 << 787.5 << QRect(187, 52, 401, 351);
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
        world.shell().open(ScreenId::Drill);
        auto *c = world.screen<ドリル>(ScreenId::Drill)->controls();
        QCOMPARE(c->Image1->left(), left);
        QCOMPARE(c->Image1->top(), top);
        QCOMPARE(c->Image1->geometry(), pixels);
    }

    void largePictureLiesOverTheNames()
    {
        World world;
        putDrillMedia(world);
        world.putAllFish(QStringLiteral("wide.gif"));  // 500 px: reaches both name columns
        world.shell().open(ScreenId::Drill);
        auto *drill = world.screen<ドリル>(ScreenId::Drill);
        auto *c = drill->controls();
        QWidget *window = drill->window();
        QCOMPARE(window->childAt(150, 70), c->Image1);
        QCOMPARE(window->childAt(480, 430), c->Label5);  // the score stays on top
        QTest::mouseMove(window, QPoint(150, 70));
        QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(150, 70));
        QCOMPARE(bgr(c->Label1[0]->backColour()), kNormal);
        QCOMPARE(drill->state.AskedCount, 1);
        QCOMPARE(c->Timer2->interval(), 0);
    }

    void leavingWithTwoClicksOpensTheSecondDestination()
    {
        DrillFixture f;
        f.world.putNameList(QByteArray("x\r\n").repeated(40));
        f.world.clock.now = 300.2;
        QTest::mouseClick(f.c->Command1, Qt::LeftButton);
        f.world.clock.now = 301.2;
        QTest::mouseClick(f.c->Command2, Qt::LeftButton);
        QCOMPARE(f.world.players.log.filter(QStringLiteral("oto.wav")).size(), 2);
        QCOMPARE(f.drill->state.PendingChoice, 2);
        f.world.clock.now = 303.0;  // exactly two seconds after the stamp 301
        f.c->Timer1->fire();
        QVERIFY(f.drill->isOpen());
        f.world.clock.now = 303.1;
        f.c->Timer1->fire();
        QVERIFY(!f.drill->isOpen());
        QVERIFY(f.world.shell().current() == f.world.shell().screen(ScreenId::Menu));
        QVERIFY(f.world.shell().screen(ScreenId::Lookup) == nullptr);
    }

    void answerDuringTheLeavingWaitDelaysIt()
    {
        DrillFixture f;
        f.world.clock.now = 300.2;
        QTest::mouseClick(f.c->Command2, Qt::LeftButton);
        f.world.clock.now = 301.2;
        f.click(f.rightIndex());
        f.world.clock.now = 302.5;
        f.c->Timer1->fire();
        QVERIFY(f.drill->isOpen());
        f.world.clock.now = 303.1;
        f.c->Timer1->fire();
        QVERIFY(!f.drill->isOpen());
    }

    void aLaterVisitStartsAFreshQuiz()
    {
        DrillFixture f;
        for (int question = 1; question <= 3; ++question) {
            f.click(f.rightIndex());
            f.endWait();
        }
        f.drill->close();
        World::flushClosedWindows();
        f.world.shell().open(ScreenId::Drill);
        auto *c = f.drill->controls();
        QCOMPARE(f.drill->state.AskedCount, 1);
        QCOMPARE(f.drill->state.HighlightIndex, -1);
        QCOMPARE(c->Timer1->interval(), 0);
        QCOMPARE(c->Timer2->interval(), 0);
        QCOMPARE(c->Label3->caption(), QStringLiteral("39"));
    }

    void missingPictureFails_data()
    {
        QTest::addColumn<QString>("broken");
        QTest::addColumn<QString>("fixtureName");
        QTest::newRow("missing mark") << "maru.gif" << QString();
        QTest::newRow("truncated mark") << "maru.gif" << "truncated.gif";
        QTest::newRow("garbage mark") << "maru.gif" << "garbage.gif";
        QTest::newRow("gigantic mark") << "maru.gif" << "huge.gif";
    }
    void missingPictureFails()
    {
        QFETCH(QString, broken);
        QFETCH(QString, fixtureName);
        DrillFixture f;
        QFile::remove(f.world.media(QStringLiteral("画像/") + broken));
        if (!fixtureName.isEmpty())
            f.world.putPicture(fixtureName, broken);
        try {
            f.c->Label1[std::size_t(f.rightIndex())]->clicked();
            QFAIL("the picture was accepted");
        } catch (const RuntimeError &error) {
            QVERIFY(error.file().endsWith(QStringLiteral("/画像/") + broken));
            QVERIFY(!error.reason().isEmpty());
        }
    }

    void rendersTheDesign_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("grid outer line") << QPoint(11, 10) << QColor(255, 255, 0);
        QTest::newRow("grid top bar") << QPoint(641, 30) << QColor(0, 0, 255);
        QTest::newRow("grid separator under the first name") << QPoint(100, 79) << QColor(255, 255, 0);
        QTest::newRow("name label") << QPoint(150, 70) << bgr(0xC00000);
        QTest::newRow("question label") << QPoint(500, 48) << bgr(0xFF0000);
        QTest::newRow("残 box") << QPoint(185, 446) << bgr(0xC00000);
        QTest::newRow("remaining count box") << QPoint(256, 446) << bgr(0xFF0000);
        QTest::newRow("正解率 box") << QPoint(346, 446) << bgr(0x8080FF);
        QTest::newRow("score box") << QPoint(470, 446) << bgr(0x0000FF);
        QTest::newRow("percent box") << QPoint(556, 446) << bgr(0x0000FF);
    }
    void rendersTheDesign()
    {
        QFETCH(QPoint, pixel);
        QFETCH(QColor, colour);
        DrillFixture f;
        const QImage shot = f.drill->window()->grab().toImage();
        QCOMPARE(shot.pixelColor(pixel), colour);
    }
};

QTEST_MAIN(TestDrill)
#include "tst_drill.moc"

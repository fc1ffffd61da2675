#include "app/colour.h"
#include "screens/menu/menu.h"
#include "support/world.h"

#include <QPushButton>
#include <QTest>

using namespace sakana;
using namespace sakana::testing;

class TestMenu : public QObject {
    Q_OBJECT
private slots:
    void opensSilently()
    {
        World world;
        world.shell().open(ScreenId::Menu);
        const QString oto = world.media(QStringLiteral("音/oto.wav"));
        QCOMPARE(world.players.log,
                 QStringList({"menu.MediaPlayer1 FileName " + oto, "menu.MediaPlayer1 Stop"}));
        auto *menu = world.screen<メニュー>(ScreenId::Menu);
        QCOMPARE(menu->window()->windowTitle(), QStringLiteral("メニュー"));
        QCOMPARE(menu->controls()->Timer1->interval(), 0);
    }

    void buttonsLeaveAfterThePause_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("destination");  // -1: the program ends
        QTest::newRow("魚しらべ") << 1 << int(ScreenId::Lookup);
        QTest::newRow("魚ドリル") << 2 << int(ScreenId::Drill);
        QTest::newRow("お わ り") << 3 << -1;
    }
    void buttonsLeaveAfterThePause()
    {
        QFETCH(int, button);
        QFETCH(int, destination);
        World world;
        world.putAllFish(QStringLiteral("small.gif"));
        world.putNameList(QByteArray("x\r\n").repeated(40));
        world.shell().open(ScreenId::Menu);
        auto *menu = world.screen<メニュー>(ScreenId::Menu);
        auto *c = menu->controls();
        QPushButton *buttons[] = {c->Command1, c->Command2, c->Command3};

        world.clock.now = 100.6;  // stamped 101
        world.players.log.clear();
        QTest::mouseClick(buttons[button - 1], Qt::LeftButton);
        QCOMPARE(world.players.log, QStringList({"menu.MediaPlayer1 Play"}));
        QCOMPARE(menu->PendingChoice, button);
        QCOMPARE(menu->ClickTime, 101);
        QCOMPARE(c->Timer1->interval(), 100);

        world.clock.now = 103.0;  // exactly two seconds: not yet
        c->Timer1->fire();
        QVERIFY(menu->isOpen());
        QCOMPARE(world.endCalls, 0);

        world.clock.now = 103.1;
        c->Timer1->fire();
        QVERIFY(!menu->isOpen());
        if (destination < 0) {
            QCOMPARE(world.endCalls, 1);
            QVERIFY(world.shell().current() == nullptr);
        } else {
            QCOMPARE(world.endCalls, 0);
            QVERIFY(world.shell().current() == world.shell().screen(ScreenId(destination)));
        }
    }

    void secondClickWinsAndRestartsThePause()
    {
        World world;
        world.putAllFish(QStringLiteral("small.gif"));
        world.shell().open(ScreenId::Menu);
        auto *menu = world.screen<メニュー>(ScreenId::Menu);
        auto *c = menu->controls();
        world.clock.now = 100.2;
        QTest::mouseClick(c->Command1, Qt::LeftButton);
        world.clock.now = 101.7;  // stamped 102
        world.players.log.clear();
        QTest::mouseClick(c->Command2, Qt::LeftButton);
        QCOMPARE(world.players.log, QStringList({"menu.MediaPlayer1 Play"}));
        world.clock.now = 103.5;  // past the first click's pause, not the second's
        c->Timer1->fire();
        QVERIFY(menu->isOpen());
        world.clock.now = 104.05;
        c->Timer1->fire();
        QVERIFY(world.shell().current() == world.shell().screen(ScreenId::Drill));
        QVERIFY(world.shell().screen(ScreenId::Lookup) == nullptr);
    }

    void closingTheWindowEndsAtOnce()
    {
        World world;
        world.shell().open(ScreenId::Menu);
        auto *menu = world.screen<メニュー>(ScreenId::Menu);
        QTest::mouseClick(menu->controls()->Command2, Qt::LeftButton);
        menu->window()->close();
        QCOMPARE(world.endCalls, 1);
        QVERIFY(!menu->isOpen());
        // The pending change went with the window.
        QVERIFY(world.shell().screen(ScreenId::Drill) == nullptr);
    }

    void keyboardActivatesTheFocusedButton_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("space") << int(Qt::Key_Space);
        QTest::newRow("enter") << int(Qt::Key_Return);
    }
    void keyboardActivatesTheFocusedButton()
    {
        QFETCH(int, key);
        World world;
        world.shell().open(ScreenId::Menu);
        auto *menu = world.screen<メニュー>(ScreenId::Menu);
        menu->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(menu->window()));
        QCOMPARE(menu->window()->focusWidget(), menu->controls()->Command1);
        QTest::keyClick(menu->window()->focusWidget(), Qt::Key(key));
        QCOMPARE(menu->PendingChoice, 1);
    }

    void reopeningRunsTheLoadAgain()
    {
        World world;
        world.putAllFish(QStringLiteral("small.gif"));
        world.shell().open(ScreenId::Menu);
        auto *menu = world.screen<メニュー>(ScreenId::Menu);
        QTest::mouseClick(menu->controls()->Command2, Qt::LeftButton);
        world.clock.now += 3;
        menu->controls()->Timer1->fire();
        World::flushClosedWindows();
        world.screen<Screen>(ScreenId::Drill)->close();
        world.players.log.clear();
        world.shell().open(ScreenId::Menu);
        QVERIFY(world.screen<メニュー>(ScreenId::Menu) == menu);
        QCOMPARE(menu->controls()->Timer1->interval(), 0);
        QCOMPARE(menu->PendingChoice, 2);  // kept while closed
        QCOMPARE(world.players.log.size(), 2);
        QVERIFY(world.players.log.at(1).endsWith(" Stop"));
    }

    void rendersTheDesign_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QString>("what");
        QTest::newRow("window ground, top right") << QPoint(760, 8) << "cyan";
        QTest::newRow("window ground, bottom left") << QPoint(3, 474) << "cyan";
        QTest::newRow("ray picture ground") << QPoint(20, 30) << "cyan";
        QTest::newRow("魚しらべ face") << QPoint(84, 440) << "orange";
        QTest::newRow("魚ドリル face") << QPoint(316, 440) << "orange";
        QTest::newRow("お わ り face") << QPoint(536, 440) << "orange";
    }
    void rendersTheDesign()
    {
        QFETCH(QPoint, pixel);
        QFETCH(QString, what);
        World world;
        world.shell().open(ScreenId::Menu);
        QWidget *window = world.screen<メニュー>(ScreenId::Menu)->window();
        QCOMPARE(window->size(), QSize(766, 478));
        const QImage shot = window->grab().toImage();
        const QColor colour = shot.pixelColor(pixel);
        if (what == "cyan") {
            QCOMPARE(colour, bgr(0xFFFF00));
        } else {
            QCOMPARE(colour, bgr(0x0080FF));
        }
    }

    void titleGlyphShowsRedAndBlue()
    {
        World world;
        world.shell().open(ScreenId::Menu);
        auto *c = world.screen<メニュー>(ScreenId::Menu)->controls();
        QCOMPARE(c->Image2->size(), QSize(221, 231));
        QCOMPARE(c->Image1->size(), QSize(508, 350));
        const QImage shot = world.screen<メニュー>(ScreenId::Menu)->window()->grab().toImage();
        bool red = false, blue = false;
        for (int y = 15; y < 246; ++y) {
            for (int x = 430; x < 651; ++x) {
                const QColor pixel = shot.pixelColor(x, y);
                red = red || pixel == QColor(255, 0, 0);
                blue = blue || pixel == QColor(0, 0, 255);
            }
        }
        QVERIFY(red);
        QVERIFY(blue);
    }
};

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"

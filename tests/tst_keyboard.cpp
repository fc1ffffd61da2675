// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/world.h"
#include "ui/controls.h"
#include "ui/namegrid.h"

#include <QPushButton>
#include <QStringEncoder>
#include <QTest>

using namespace sakana;
using namespace sakana::testing;

namespace {

using Keys = QList<Qt::Key>;

// Question k of a drill asks this fish: a permutation of the forty.
int fishAt(int question)
{
    return ((question - 1) * 17 + 9) % 40 + 1;
}

// One open screen with everything its keys may need: every fish 100 x 80
// except fish 5, 200 x 190; captions "さかなN"; marks and medals each of
// their own size; the drill's questions in the order of fishAt.
struct KeyFixture {
    explicit KeyFixture(Destination destination, Windows windows = Windows::OnePerScreen) : world(nullptr, windows)
    {
        world.putEveryPicture();
        world.putPicture(QStringLiteral("mark.gif"), QStringLiteral("f5.gif"));
        for (int question = 1; question <= 40; ++question)
            world.random.pickFish(fishAt(question));
        world.go(destination);
        active = world.activate();
    }
    void keys(const Keys &keys)
    {
        for (Qt::Key key : keys)
            world.key(key);
    }
    void click(int fishNo) { QTest::mouseClick(world.name(fishNo), Qt::LeftButton); }
    QList<int> redNames() const { return world.redNames(); }
    QList<int> focusMarked() const
    {
        QList<int> marked;
        for (int fish = 1; fish <= 40; ++fish) {
            if (world.control<Label>(QStringLiteral("name%1").arg(fish))->hasFocusMark())
                marked << fish;
        }
        return marked;
    }
    QString focusRole() const { return world.focus() ? world.focus()->objectName() : QString(); }
    QString text(const char *role) const { return world.control<QLabel>(QLatin1String(role))->text(); }
    PictureBox *picture(const char *role) const { return world.control<PictureBox>(QLatin1String(role)); }
    bool visible(const char *role) const { return world.control<QWidget>(QLatin1String(role))->isVisible(); }

    World world;
    bool active = false;
};

// Down as often as it takes from no highlight to this fish's name.
Keys keysTo(int fishNo)
{
    Keys keys(fishNo <= 20 ? fishNo : fishNo - 20, Qt::Key_Down);
    if (fishNo > 20)
        keys << Qt::Key_Right;
    return keys;
}

const QString kNames = QStringLiteral("nameKeys");

} // namespace

Q_DECLARE_METATYPE(Keys)
Q_DECLARE_METATYPE(GridMove)
Q_DECLARE_METATYPE(Windows)

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void nameAfterMove_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<GridMove>("move");
        QTest::addColumn<int>("to");
        QTest::newRow("none, down: the first name") << 0 << GridMove::Down << 1;
        QTest::newRow("none, up: the first name") << 0 << GridMove::Up << 1;
        QTest::newRow("none, left: the first name") << 0 << GridMove::Left << 1;
        QTest::newRow("none, right: the first name") << 0 << GridMove::Right << 1;
        QTest::newRow("down the left column") << 1 << GridMove::Down << 2;
        QTest::newRow("up the right column") << 33 << GridMove::Up << 32;
        QTest::newRow("down from the bottom of the left column wraps") << 20 << GridMove::Down << 1;
        QTest::newRow("up from the top of the left column wraps") << 1 << GridMove::Up << 20;
        QTest::newRow("down from the bottom of the right column wraps") << 40 << GridMove::Down << 21;
        QTest::newRow("up from the top of the right column wraps") << 21 << GridMove::Up << 40;
        QTest::newRow("right: same row of the right column") << 7 << GridMove::Right << 27;
        QTest::newRow("left: same row of the left column") << 27 << GridMove::Left << 7;
        QTest::newRow("left from the left column: the other column") << 20 << GridMove::Left << 40;
        QTest::newRow("right from the right column: the other column") << 21 << GridMove::Right << 1;
    }
    void nameAfterMove()
    {
        QFETCH(int, from);
        QFETCH(GridMove, move);
        QFETCH(int, to);
        QCOMPARE(sakana::nameAfterMove(from, move), to);
    }

    void arrowsMoveTheHighlight_data()
    {
        QTest::addColumn<Destination>("screen");
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<int>("highlighted");
        const std::pair<Destination, const char *> screens[] = {{Destination::Lookup, "lookup"},
                                                                {Destination::Drill, "drill"}};
        for (const auto &entry : screens) {
            const Destination screen = entry.first;
            const char *label = entry.second;
            auto row = [&](const char *name) -> QTestData & { return QTest::addRow("%s: %s", label, name) << screen; };
            row("any arrow starts at the first name") << Keys{Qt::Key_Left} << 1;
            row("down the column") << Keys{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down} << 3;
            row("wrapping at the bottom of the column") << Keys(21, Qt::Key_Down) << 1;
            row("wrapping at the top of the column") << Keys{Qt::Key_Down, Qt::Key_Up} << 20;
            row("the column switch") << Keys{Qt::Key_Down, Qt::Key_Down, Qt::Key_Right} << 22;
            row("wrapping in the right column") << Keys{Qt::Key_Up, Qt::Key_Right, Qt::Key_Up} << 40;
            row("back to the left column") << Keys{Qt::Key_Up, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left} << 20;
        }
    }
    void arrowsMoveTheHighlight()
    {
        QFETCH(Destination, screen);
        QFETCH(Keys, keys);
        QFETCH(int, highlighted);
        KeyFixture f(screen);
        QVERIFY(f.active);
        const std::size_t heard = f.world.sounds.played.size();
        // The names hold the focus from the opening, with none highlighted.
        QCOMPARE(f.focusRole(), kNames);
        QCOMPARE(f.redNames(), QList<int>());
        f.keys(keys);
        QCOMPARE(f.redNames(), QList<int>{highlighted});
        QCOMPARE(f.focusRole(), kNames);
        QCOMPARE(f.focusMarked(), QList<int>{highlighted});
        QVERIFY(focusMarksShown());
        QCOMPARE(f.world.sounds.played.size(), heard);  // moving chooses nothing
        // but says the name reached, for a child who cannot read it.
        QCOMPARE(f.world.sounds.spoken.back(), Sound::voiceOf(highlighted));
    }

    // Return, Enter or Space on the highlighted name does what a click on
    // it does: the same sound, picture, caption and red name.
    void returnChoosesAsAClickDoesOnTheLookupScreen_data()
    {
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<int>("fishNo");
        QTest::newRow("down, return: あいなめ") << Keys{Qt::Key_Down, Qt::Key_Return} << 1;
        QTest::newRow("down five times, return: いさき") << (keysTo(5) << Qt::Key_Return) << 5;
        QTest::newRow("space in the right column") << (keysTo(38) << Qt::Key_Space) << 38;
        QTest::newRow("enter on the keypad") << (keysTo(20) << Qt::Key_Enter) << 20;
    }
    void returnChoosesAsAClickDoesOnTheLookupScreen()
    {
        QFETCH(Keys, keys);
        QFETCH(int, fishNo);
        // One after the other: only the window opened last is active.
        KeyFixture byKeys(Destination::Lookup);
        byKeys.keys(keys);
        KeyFixture byClick(Destination::Lookup);
        byClick.click(fishNo);
        QCOMPARE(byKeys.world.sounds.played, std::vector<Sound>{Sound::Name});
        QCOMPARE(byKeys.world.sounds.played, byClick.world.sounds.played);
        QCOMPARE(byKeys.text("captionLine"), QStringLiteral("さかな%1").arg(fishNo));
        QVERIFY(byKeys.visible("captionLine") && byKeys.visible("fishPicture"));
        QCOMPARE(byKeys.picture("fishPicture")->geometry(), byClick.picture("fishPicture")->geometry());
        QCOMPARE(byKeys.picture("fishPicture")->pixmap().size(), byClick.picture("fishPicture")->pixmap().size());
        QCOMPARE(byKeys.redNames(), QList<int>{fishNo});
    }

    void returnWithoutHighlightChoosesNothing()
    {
        KeyFixture f(Destination::Lookup);
        f.keys({Qt::Key_Down});
        QTest::mouseMove(f.world.window(), QPoint(8, 470));  // the background: no highlight
        f.keys({Qt::Key_Return});
        QVERIFY(f.world.sounds.played.empty());
        QVERIFY(!f.visible("fishPicture"));
    }

    void returnAnswersAsAClickDoesInTheDrill_data()
    {
        QTest::addColumn<int>("fishNo");
        QTest::newRow("right") << fishAt(1);
        QTest::newRow("wrong") << fishAt(1) + 1;
    }
    void returnAnswersAsAClickDoesInTheDrill()
    {
        QFETCH(int, fishNo);
        KeyFixture byKeys(Destination::Drill);
        byKeys.keys(keysTo(fishNo) << Qt::Key_Return);
        KeyFixture byClick(Destination::Drill);
        byClick.click(fishNo);
        QCOMPARE(byKeys.world.sounds.played, byClick.world.sounds.played);
        QCOMPARE(byKeys.picture("answerMark")->pixmap().size(), byClick.picture("answerMark")->pixmap().size());
        QVERIFY(byKeys.visible("answerMark"));
        QCOMPARE(byKeys.redNames(), byClick.redNames());
        QCOMPARE(byKeys.text("scorePercent"), byClick.text("scorePercent"));
        byKeys.world.endFeedback();
        byClick.world.endFeedback();
        QCOMPARE(byKeys.text("remainingCount"), QStringLiteral("38"));
        QVERIFY(!byKeys.visible("answerMark"));
    }

    // As a second click in the wait: counted wrong, and the wait starts again.
    void returnDuringTheWaitIsASecondAnswer()
    {
        KeyFixture f(Destination::Drill);
        const int right = fishAt(1);
        f.world.clock.now = 100.2;
        f.keys(keysTo(right) << Qt::Key_Return);
        f.world.clock.now = 101.7;
        f.keys({Qt::Key_Return});
        QCOMPARE(f.world.sounds.played, (std::vector<Sound>{Sound::Name, Sound::Right, Sound::Wrong}));
        QCOMPARE(f.picture("answerMark")->pixmap().size(), QSize(100, 80));
        QCOMPARE(f.text("scorePercent"), QStringLiteral("100"));
        f.world.tickAt(103.5, QStringLiteral("feedbackTimer"));
        QVERIFY(f.visible("answerMark"));
        f.world.tickAt(104.1, QStringLiteral("feedbackTimer"));
        QVERIFY(!f.visible("answerMark"));
        QCOMPARE(f.text("remainingCount"), QStringLiteral("38"));
    }

    void pointerAndKeysShareTheHighlight_data()
    {
        QTest::addColumn<Destination>("screen");
        QTest::newRow("lookup") << Destination::Lookup;
        QTest::newRow("drill") << Destination::Drill;
    }
    void pointerAndKeysShareTheHighlight()
    {
        QFETCH(Destination, screen);
        KeyFixture f(screen);
        QWidget *window = f.world.window();
        f.keys({Qt::Key_Down, Qt::Key_Down});
        QTest::mouseMove(window, f.world.name(27)->geometry().center());
        QCOMPARE(f.redNames(), QList<int>{27});
        QCOMPARE(f.focusMarked(), QList<int>{27});
        f.keys({Qt::Key_Down});
        QCOMPARE(f.redNames(), QList<int>{28});
        // The pointer on the background turns the key position back too.
        QTest::mouseMove(window, QPoint(8, 470));
        QCOMPARE(f.redNames(), QList<int>());
        QCOMPARE(f.focusMarked(), QList<int>());
        f.keys({Qt::Key_Up});
        QCOMPARE(f.redNames(), QList<int>{1});
    }

    void coveredNamesTakeNoKeys()
    {
        KeyFixture f(Destination::Drill);
        for (int question = 1; question <= 40; ++question) {
            f.click(fishAt(question));
            f.world.endFeedback();
        }
        QVERIFY(f.visible("medal"));
        const std::vector<Sound> heard = f.world.sounds.played;
        const QList<int> red = f.redNames();
        f.keys({Qt::Key_Down, Qt::Key_Right, Qt::Key_Up});
        QCOMPARE(f.redNames(), red);
        QCOMPARE(f.world.sounds.played, heard);
        QCOMPARE(f.focusRole(), QStringLiteral("restartPicture"));
    }

    void tabOrder_data()
    {
        QTest::addColumn<Destination>("screen");
        QTest::addColumn<bool>("failAll");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("menu") << Destination::Menu << false << Qt::Key_Tab
                              << QStringList{"toLookupButton", "toDrillButton", "quitButton", "toLookupButton"};
        QTest::newRow("lookup") << Destination::Lookup << false << Qt::Key_Tab
                                << QStringList{kNames, "toDrillButton", "toMenuButton", kNames};
        QTest::newRow("lookup, backwards") << Destination::Lookup << false << Qt::Key_Backtab
                                           << QStringList{kNames, "toMenuButton", "toDrillButton", kNames};
        QTest::newRow("drill") << Destination::Drill << false << Qt::Key_Tab
                               << QStringList{kNames, "restartPicture", "toLookupButton", "toMenuButton", kNames};
        QTest::newRow("drill, failed: the notice, not the covered names")
            << Destination::Drill << true << Qt::Key_Tab
            << QStringList{"failNotice", "restartPicture", "toLookupButton", "toMenuButton", "failNotice"};
    }
    void tabOrder()
    {
        QFETCH(Destination, screen);
        QFETCH(bool, failAll);
        QFETCH(Qt::Key, key);
        QFETCH(QStringList, order);
        KeyFixture f(screen);
        if (failAll) {
            for (int question = 1; question <= 40; ++question) {
                f.click(fishAt(question) % 40 + 1);
                f.world.endFeedback();
            }
            QVERIFY(f.visible("failNotice"));
        }
        QStringList seen{f.focusRole()};
        for (int k = 1; k < order.size(); ++k) {
            f.keys({key});
            seen << f.focusRole();
        }
        QCOMPARE(seen, order);
    }

    // Tabbing onto the names highlights the first one, with the focus mark.
    void tabbingOntoTheNamesHighlightsTheFirst()
    {
        KeyFixture f(Destination::Lookup);
        f.keys({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab});
        QCOMPARE(f.focusRole(), kNames);
        QCOMPARE(f.redNames(), QList<int>{1});
        QCOMPARE(f.focusMarked(), QList<int>{1});
        f.keys({Qt::Key_Down, Qt::Key_Tab});
        QCOMPARE(f.focusMarked(), QList<int>());  // the mark leaves with the focus
        QCOMPARE(f.redNames(), QList<int>{2});    // the highlight stays, as under the pointer
    }

    void focusMarkIsDrawn_data()
    {
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<QString>("role");
        QTest::newRow("the highlighted name") << Keys{Qt::Key_Down} << "name1";
        QTest::newRow("the restart picture") << Keys(1, Qt::Key_Tab) << "restartPicture";
    }
    void focusMarkIsDrawn()
    {
        QFETCH(Keys, keys);
        QFETCH(QString, role);
        KeyFixture f(Destination::Drill);
        QWidget *control = f.world.control<QWidget>(role);
        const QPoint corner = control->geometry().topLeft() + QPoint(1, 1);
        const QColor before = f.world.window()->grab().toImage().pixelColor(corner);
        f.keys(keys);
        const QColor after = f.world.window()->grab().toImage().pixelColor(corner);
        QCOMPARE(after, QColor(255, 255, 0));
        QVERIFY(before != after);
    }

    // F11 switches full screen on and off, Escape only ever leaves it, and
    // each screen opens as the one before it was left; in one window for all
    // screens, that window stays the only one on the desktop.
    void fullScreenKeys_data()
    {
        QTest::addColumn<Windows>("windows");
        QTest::newRow("a window per screen") << Windows::OnePerScreen;
        QTest::newRow("one window for all") << Windows::OneForAll;
    }
    void fullScreenKeys()
    {
        QFETCH(Windows, windows);
        KeyFixture f(Destination::Menu, windows);
        QWidget *const first = f.world.window()->window();
        const auto top = [&f] { return f.world.window()->window(); };
        f.keys({Qt::Key_Escape});
        QVERIFY(top()->isVisible() && !top()->isFullScreen());
        QCOMPARE(f.world.endCalls, 0);
        f.keys({Qt::Key_F11});
        QVERIFY(top()->isFullScreen());
        QCOMPARE(f.world.window()->scale().factor, 800.0 / 766);  // the test's screen is 800 x 800
        f.keys({Qt::Key_Return});  // 魚しらべ
        f.world.endPause(QStringLiteral("departureTimer"));
        QCOMPARE(f.world.window()->windowTitle(), QStringLiteral("魚しらべ"));
        QCOMPARE(top()->windowTitle(), QStringLiteral("魚しらべ"));
        QVERIFY(top()->isFullScreen());
        const QWidgetList all = QApplication::topLevelWidgets();
        if (windows == Windows::OneForAll) {
            QCOMPARE(top(), first);
            QCOMPARE(std::count_if(all.begin(), all.end(), [](const QWidget *w) { return w->isVisible(); }), 1);
        }
        QCOMPARE(f.world.name(22)->geometry(), QRect(625, 150 + 83, 161, 20));
        f.world.activate();
        f.keys({Qt::Key_Escape});
        QVERIFY(!top()->isFullScreen());
        QCOMPARE(top()->size(), QSize(768, 480));
        QCOMPARE(f.world.name(22)->geometry(), QRect(600, 80, 155, 19));
        f.keys({Qt::Key_F11});
        QVERIFY(top()->isFullScreen());
        // Closed through the window system, the window ends the program.
        top()->close();
        QCOMPARE(f.world.endCalls, 1);
    }

    void restartByKey_data()
    {
        QTest::addColumn<bool>("failAll");
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<QString>("focusAfter");
        QTest::newRow("restart picture, mid-quiz")
            << false << Keys{Qt::Key_Tab, Qt::Key_Return} << "restartPicture";
        // Answered by keys to the end: the notice takes the focus, and
        // starting again gives it back to the names.
        QTest::newRow("fail notice, with space") << true << Keys{Qt::Key_Space} << kNames;
    }
    void restartByKey()
    {
        QFETCH(bool, failAll);
        QFETCH(Keys, keys);
        QFETCH(QString, focusAfter);
        KeyFixture f(Destination::Drill);
        const int questions = failAll ? 40 : 3;
        for (int question = 1; question < questions; ++question) {
            f.click(fishAt(question) % 40 + 1);
            f.world.endFeedback();
        }
        if (failAll)
            f.keys({Qt::Key_Down, Qt::Key_Return});
        else
            f.click(fishAt(questions) % 40 + 1);
        f.world.endFeedback();
        if (failAll) {
            QVERIFY(f.visible("failNotice"));
            QCOMPARE(f.focusRole(), QStringLiteral("failNotice"));
        }
        f.keys(keys);
        QVERIFY(!f.visible("failNotice") && !f.visible("leftCover") && !f.visible("rightCover"));
        QCOMPARE(f.text("remainingCount"), QStringLiteral("39"));
        QCOMPARE(f.text("scorePercent"), QString());
        QCOMPARE(f.world.sounds.last(), std::optional(Sound::Name));
        QCOMPARE(f.focusRole(), focusAfter);
        // The names take keys again.
        f.keys({Qt::Key_Down, Qt::Key_Return});
        QVERIFY(f.world.sounds.last() == Sound::Right || f.world.sounds.last() == Sound::Wrong);
        QVERIFY(f.visible("answerMark"));
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"

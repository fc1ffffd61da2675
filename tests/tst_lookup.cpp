// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/world.h"
#include "ui/colours.h"
#include "ui/controls.h"

#include <QPushButton>
#include <QStringEncoder>
#include <QApplication>
#include <QTest>

using namespace sakana;
using namespace sakana::testing;

namespace {

QByteArray nameListBytes(const QString &prefix)
{
    QStringEncoder cp932("windows-31j");
    QByteArray bytes;
    for (int k = 1; k <= 40; ++k)
        bytes += cp932.encode(prefix + QString::number(k) + QStringLiteral("\r\n"));
    return bytes;
}

struct LookupFixture {
    explicit LookupFixture(const QString &fishPicture = QStringLiteral("small.gif"))
    {
        world.putAllFish(fishPicture);
        world.putNameList(nameListBytes(QStringLiteral("さかな")));
        world.go(Destination::Lookup);
        lookup = world.screen(Destination::Lookup);
    }
    void click(int fishNo) { QTest::mouseClick(world.name(fishNo), Qt::LeftButton); }
    QPoint centreOf(int fishNo) const { return world.name(fishNo)->geometry().center(); }
    PictureBox *picture() const { return world.control<PictureBox>(QStringLiteral("fishPicture")); }
    QLabel *captionLine() const { return world.control<QLabel>(QStringLiteral("captionLine")); }
    QPushButton *button(const char *role) const { return world.control<QPushButton>(QLatin1String(role)); }

    World world;
    Screen *lookup = nullptr;
};

} // namespace

class TestLookup : public QObject {
    Q_OBJECT
private slots:
    void opensIdle()
    {
        LookupFixture f;
        QCOMPARE(f.world.window()->windowTitle(), QStringLiteral("魚しらべ"));
        QCOMPARE(f.world.window()->size(), QSize(768, 480));
        QVERIFY(!f.picture()->isVisible());
        QVERIFY(!f.captionLine()->isVisible());
        for (int fishNo = 1; fishNo <= 40; ++fishNo)
            QCOMPARE(f.world.nameColour(fishNo), kNameNormal);
        QVERIFY(f.world.sounds.played.empty());
        QCOMPARE(f.world.sounds.spoken, std::vector<Sound>{Sound::ChoosePrompt});
        QCOMPARE(f.world.window()->focusWidget()->objectName(), QStringLiteral("nameKeys"));
    }

    void choosingAFish_data()
    {
        QTest::addColumn<int>("fishNo");
        QTest::addColumn<QString>("caption");
        QTest::newRow("first") << 1 << "さかな1";
        QTest::newRow("bottom of the left column") << 20 << "さかな20";
        QTest::newRow("last") << 40 << "さかな40";
    }
    void choosingAFish()
    {
        QFETCH(int, fishNo);
        QFETCH(QString, caption);
        LookupFixture f;
        // Only the chosen fish has a picture of this size.
        f.world.putPicture(QStringLiteral("mark.gif"), QStringLiteral("f%1.gif").arg(fishNo));
        f.click(fishNo);
        QCOMPARE(f.picture()->pixmap().size(), QSize(200, 190));
        QVERIFY(f.picture()->isVisible());
        QCOMPARE(f.captionLine()->text(), caption);
        QVERIFY(f.captionLine()->isVisible());
        QCOMPARE(f.world.nameColour(fishNo), kNameMarked);
        QCOMPARE(f.world.sounds.played, std::vector<Sound>{Sound::Name});
        QCOMPARE(f.world.sounds.spoken.back(), Sound::voiceOf(fishNo));
        // A click shows no keyboard frame.
        QVERIFY(!focusMarksShown());
    }

    void choosingTheSameFishTwice()
    {
        LookupFixture f;
        f.click(5);
        f.click(5);
        QCOMPARE(f.world.sounds.played, (std::vector<Sound>{Sound::Name, Sound::Name}));
        QCOMPARE(f.captionLine()->text(), QStringLiteral("さかな5"));
        QCOMPARE(f.world.nameColour(5), kNameMarked);
        f.click(8);
        QCOMPARE(f.world.nameColour(5), kNameNormal);
        QCOMPARE(f.world.nameColour(8), kNameMarked);
    }

    void hoverRules()
    {
        LookupFixture f;
        QWidget *window = f.world.window();
        QTest::mouseMove(window, QPoint(8, 470));
        QTest::mouseMove(window, f.centreOf(1));
        QCOMPARE(f.world.nameColour(1), kNameMarked);  // the first name reached, the first fish too
        QTest::mouseMove(window, f.centreOf(21));
        QCOMPARE(f.world.nameColour(1), kNameNormal);
        QCOMPARE(f.world.nameColour(21), kNameMarked);
        QTest::mouseMove(window, QPoint(8, 470));
        QCOMPARE(f.world.nameColour(21), kNameNormal);

        // A later visit: no highlight, and the first name reached turns red.
        f.lookup->close();
        World::flushClosedWindows();
        f.world.go(Destination::Lookup);
        window = f.world.window();
        for (int fishNo = 1; fishNo <= 40; ++fishNo)
            QCOMPARE(f.world.nameColour(fishNo), kNameNormal);
        QTest::mouseMove(window, QPoint(8, 460));
        QTest::mouseMove(window, f.centreOf(21));
        QCOMPARE(f.world.nameColour(21), kNameMarked);
    }

    void centring_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("top");
        QTest::addColumn<QRect>("pixels");
        QTest::addColumn<QSize>("screen");  // full screen on one of this size; none: windowed
        QTest::newRow("exactly the frame") << "lookupframe.gif" << 3150.0 << 1005.0 << QRect(210, 67, 342, 322) << QSize();
        QTest::newRow("smaller") << "small.gif" << 4965.0 << 2820.0 << QRect(331, 188, 100, 80) << QSize();
        QTest::newRow("larger, odd size") << "large.gif" << 2707.5 << 787.5 << QRect(180, 52, 401, 351) << QSize();
        QTest::newRow("smaller, scale 2.5") << "small.gif" << 4965.0 << 2820.0 << QRect(828, 470, 250, 200)
                                            << QSize(1920, 1200);
        QTest::newRow("larger, 1920 x 1080") << "large.gif" << 2707.5 << 787.5 << QRect(96 + 406, 118, 902, 790)
                                             << QSize(1920, 1080);
    }
    void centring()
    {
        QFETCH(QString, picture);
        QFETCH(double, left);
        QFETCH(double, top);
        QFETCH(QRect, pixels);
        QFETCH(QSize, screen);
        LookupFixture f(picture);
        f.world.showOn(screen);
        f.click(11);
        QCOMPARE(f.picture()->twipsRect().left, left);
        QCOMPARE(f.picture()->twipsRect().top, top);
        QCOMPARE(f.picture()->geometry(), pixels);
        // Drawn at the box's size, not cut from the picture's corner.
        QCOMPARE(f.picture()->pixmap().deviceIndependentSize().toSize(), pixels.size());
    }

    void pointerAndTapsAtEveryScale_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("captionPixels");  // the caption line's 20.25 points, laid out at the scale
        QTest::newRow("windowed") << QSize() << 27;
        QTest::newRow("scale 2.5") << QSize(1920, 1200) << 68;
        QTest::newRow("3840 x 2160") << QSize(3840, 2160) << 122;
    }
    void pointerAndTapsAtEveryScale()
    {
        QFETCH(QSize, screen);
        QFETCH(int, captionPixels);
        LookupFixture f;
        f.world.showOn(screen);
        QCOMPARE(f.captionLine()->font().pixelSize(), captionPixels);
        QWidget *window = f.world.window();
        // (The pointer stays on the test's 800 x 600 screen.)
        QTest::mouseMove(window, QPoint(2, 2));
        QTest::mouseMove(window, f.centreOf(2));
        QCOMPARE(f.world.redNames(), QList<int>{2});
        // A tap chooses as a click does, and the name is left as the pointer
        // leaves it: a finger cannot move away.
        f.world.tap(f.centreOf(5));
        QCOMPARE(f.captionLine()->text(), QStringLiteral("さかな5"));
        QVERIFY(f.picture()->isVisible());
        QCOMPARE(f.world.redNames(), QList<int>{});
        f.world.tap(f.button("toMenuButton")->geometry().center());
        QCOMPARE(f.world.sounds.played, (std::vector<Sound>{Sound::Name, Sound::Button}));
    }

    void scaledLabelsShowWhatTheyAreNow_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::newRow("scale 2.5") << QSize(1920, 1200);
        QTest::newRow("3840 x 2160") << QSize(3840, 2160);
    }
    // A scaled label, once painted, is kept and then copied: the copy matches
    // the label as painted (but for the rounding of letter outlines drawn
    // elsewhere on the window), and a new colour or text shows at once.
    void scaledLabelsShowWhatTheyAreNow()
    {
        QFETCH(QSize, screen);
        LookupFixture f;
        f.world.showOn(screen);
        QWidget *window = f.world.window();
        // Without the keyboard's focus mark, which the names show at first.
        QApplication::focusWidget()->clearFocus();
        auto shot = [window](const QWidget *label) {
            const QImage image = window->grab(label->geometry()).toImage();
            QCoreApplication::sendPostedEvents();  // where the label is kept
            return image;
        };
        const QImage painted = shot(f.world.name(3)), copied = shot(f.world.name(3));
        QCOMPARE(copied.size(), painted.size());
        int largest = 0;
        for (qsizetype k = 0; k < painted.sizeInBytes(); ++k)
            largest = std::max(largest, std::abs(painted.constBits()[k] - copied.constBits()[k]));
        QCOMPARE_LE(largest, 2);
        QTest::mouseMove(window, f.centreOf(3));
        QCOMPARE(shot(f.world.name(3)).pixelColor(1, 1), kNameMarked);
        QTest::mouseMove(window, QPoint(2, 2));
        QCOMPARE(shot(f.world.name(3)), copied);
        f.click(5);
        const QImage fifth = shot(f.captionLine());
        f.click(6);
        QVERIFY(shot(f.captionLine()) != fifth);
        f.click(5);
        QCOMPARE(shot(f.captionLine()), fifth);
    }

    void largePictureLiesUnderTheCaptionAndOverTheNames()
    {
        LookupFixture f(QStringLiteral("tall.gif"));  // reaches the prompt and the caption line
        f.world.putPicture(QStringLiteral("wide.gif"), QStringLiteral("f2.gif"));  // reaches the names
        QWidget *window = f.world.window();
        f.click(1);
        QCOMPARE(window->childAt(380, 420), f.captionLine());
        QCOMPARE(window->childAt(380, 30), f.picture());
        f.click(2);
        QCOMPARE(window->childAt(150, 70), f.picture());
        QTest::mouseMove(window, QPoint(150, 70));
        QCOMPARE(f.world.nameColour(1), kNameNormal);
    }

    void leavingWithTwoClicksOpensTheMenu()
    {
        LookupFixture f;
        f.world.clock.now = 500.3;
        QTest::mouseClick(f.button("toDrillButton"), Qt::LeftButton);
        f.world.clock.now = 501.4;
        QTest::mouseClick(f.button("toMenuButton"), Qt::LeftButton);
        QCOMPARE(f.world.sounds.played, (std::vector<Sound>{Sound::Button, Sound::Button}));
        // Names still answer during the pause.
        f.click(4);
        QCOMPARE(f.captionLine()->text(), QStringLiteral("さかな4"));
        f.world.tickAt(503.0, QStringLiteral("departureTimer"));
        QVERIFY(f.lookup->isOpen());
        f.world.tickAt(503.1, QStringLiteral("departureTimer"));
        QVERIFY(f.world.switcher().current() == f.world.screen(Destination::Menu));
        QVERIFY(f.world.screen(Destination::Drill) == nullptr);
    }

    void aLaterVisitReadsTheFileAfresh()
    {
        LookupFixture f;
        f.click(7);
        f.lookup->close();
        World::flushClosedWindows();
        f.world.putNameList(nameListBytes(QStringLiteral("うみ")));
        f.world.go(Destination::Lookup);
        QVERIFY(!f.captionLine()->isVisible());
        QVERIFY(!f.picture()->isVisible());
        f.click(3);
        QCOMPARE(f.captionLine()->text(), QStringLiteral("うみ3"));
        QCOMPARE(f.world.nameColour(7), kNameNormal);
    }

    void brokenMediaIsReported_data()
    {
        QTest::addColumn<QByteArray>("nameList");
        QTest::addColumn<QString>("file");
        QTest::newRow("thirty-nine entries") << QByteArray("x\r\n").repeated(39) << "説明/name.txt";
        QTest::newRow("missing picture") << QByteArray("x\r\n").repeated(40) << "画像/f1.gif";
    }
    void brokenMediaIsReported()
    {
        QFETCH(QByteArray, nameList);
        QFETCH(QString, file);
        World world;
        world.putNameList(nameList);
        world.go(Destination::Menu);
        QTest::mouseClick(world.control<QPushButton>(QStringLiteral("toLookupButton")), Qt::LeftButton);
        world.endPause(QStringLiteral("departureTimer"));
        if (world.errors.errors.empty())
            QTest::mouseClick(world.name(1), Qt::LeftButton);
        QCOMPARE(world.errors.errors.size(), std::size_t(1));
        QVERIFY2(world.errors.errors.front().file().endsWith(file), qPrintable(world.errors.errors.front().file()));
        QVERIFY(!world.errors.errors.front().reason().isEmpty());
    }

    void rendersTheDesign_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("prompt ground") << QPoint(36, 50) << toQColor(colours::kBlue);
        QTest::newRow("name label") << QPoint(160, 175) << toQColor(colours::kDarkBlue);
        QTest::newRow("empty central panel") << QPoint(200, 300) << QColor(0, 255, 255);
        QTest::newRow("caption line") << QPoint(212, 440) << toQColor(colours::kLightBlue);
        QTest::newRow("button face") << QPoint(548, 46) << toQColor(colours::kSalmonPink);
    }
    void rendersTheDesign()
    {
        QFETCH(QPoint, pixel);
        QFETCH(QColor, colour);
        LookupFixture f;
        f.click(1);
        QCOMPARE(f.world.window()->grab().toImage().pixelColor(pixel), colour);
    }
};

QTEST_MAIN(TestLookup)
#include "tst_lookup.moc"

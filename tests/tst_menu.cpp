// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/drill/drilldesign.h"
#include "screens/lookup/lookupdesign.h"
#include "screens/menu/menudesign.h"
#include "support/world.h"
#include "ui/screenwindow.h"
#include "ui/colours.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/scale.h"

#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <vector>

using namespace sakana;
using namespace sakana::testing;

namespace {

// The rows of the three screens' design tables that show a caption.
std::vector<ControlDesign> captionRows()
{
    std::vector<ControlDesign> rows;
    auto add = [&rows](const auto &table) {
        for (const ControlDesign &row : table) {
            if (row.caption && row.caption[0] != 0)
                rows.push_back(row);
        }
    };
    add(menu::kControls);
    add(lookup::kControls);
    add(drill::kControls);
    return rows;
}

QPushButton *button(const World &world, const char *role)
{
    return world.control<QPushButton>(QLatin1String(role));
}

// Dark pixels of a caption drawn black on white in a font.
int inkOf(const QString &text, const QFont &font)
{
    QImage image(1200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignTop, text);
    painter.end();
    int ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ink += qGray(image.pixel(x, y)) < 128;
    }
    return ink;
}

} // namespace

Q_DECLARE_METATYPE(Destination)

class TestMenu : public QObject {
    Q_OBJECT
private slots:
    void opensSilently()
    {
        World world;
        world.go(Destination::Menu);
        QVERIFY(world.sounds.played.empty());
        QCOMPARE(world.window()->windowTitle(), QStringLiteral("メニュー"));
        QVERIFY(!world.pauseRuns(QStringLiteral("departureTimer")));
    }

    void buttonsLeaveAfterThePause_data()
    {
        QTest::addColumn<QString>("role");
        QTest::addColumn<int>("destination");
        QTest::newRow("魚しらべ") << "toLookupButton" << int(Destination::Lookup);
        QTest::newRow("魚ドリル") << "toDrillButton" << int(Destination::Drill);
        QTest::newRow("お わ り") << "quitButton" << int(Destination::End);
    }
    void buttonsLeaveAfterThePause()
    {
        QFETCH(QString, role);
        QFETCH(int, destination);
        World world;
        world.putAllFish(QStringLiteral("small.gif"));
        world.putNameList(QByteArray("x\r\n").repeated(40));
        world.go(Destination::Menu);
        Screen *menu = world.screen(Destination::Menu);

        world.clock.now = 100.6;  // stamped 101
        QTest::mouseClick(button(world, role.toLatin1()), Qt::LeftButton);
        QCOMPARE(world.sounds.played, std::vector<Sound>{Sound::Button});

        world.tickAt(103.0, QStringLiteral("departureTimer"));  // exactly two seconds: not yet
        QVERIFY(menu->isOpen());
        QCOMPARE(world.endCalls, 0);

        world.tickAt(103.1, QStringLiteral("departureTimer"));
        QVERIFY(!menu->isOpen());
        if (Destination(destination) == Destination::End) {
            QCOMPARE(world.endCalls, 1);
            QVERIFY(world.switcher().current() == nullptr);
        } else {
            QCOMPARE(world.endCalls, 0);
            QVERIFY(world.switcher().current() == world.screen(Destination(destination)));
        }
    }

    void secondClickWinsAndRestartsThePause()
    {
        World world;
        world.putAllFish(QStringLiteral("small.gif"));
        world.go(Destination::Menu);
        Screen *menu = world.screen(Destination::Menu);
        world.clock.now = 100.2;
        QTest::mouseClick(button(world, "toLookupButton"), Qt::LeftButton);
        world.clock.now = 101.7;  // stamped 102
        QTest::mouseClick(button(world, "toDrillButton"), Qt::LeftButton);
        QCOMPARE(world.sounds.played, (std::vector<Sound>{Sound::Button, Sound::Button}));
        world.tickAt(103.5, QStringLiteral("departureTimer"));  // past the first click's pause only
        QVERIFY(menu->isOpen());
        world.tickAt(104.05, QStringLiteral("departureTimer"));
        QVERIFY(world.switcher().current() == world.screen(Destination::Drill));
        QVERIFY(world.screen(Destination::Lookup) == nullptr);
    }

    void closingTheWindowEndsAtOnce()
    {
        World world;
        world.go(Destination::Menu);
        Screen *menu = world.screen(Destination::Menu);
        QTest::mouseClick(button(world, "toDrillButton"), Qt::LeftButton);
        menu->window()->close();
        QCOMPARE(world.endCalls, 1);
        QVERIFY(!menu->isOpen());
        // The pending change went with the window.
        QVERIFY(world.screen(Destination::Drill) == nullptr);
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
        world.go(Destination::Menu);
        QWidget *window = world.window();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(window->focusWidget(), button(world, "toLookupButton"));
        QTest::keyClick(window->focusWidget(), Qt::Key(key));
        QCOMPARE(world.sounds.played, std::vector<Sound>{Sound::Button});
        world.endPause(QStringLiteral("departureTimer"));
        QVERIFY(world.switcher().current() == world.screen(Destination::Lookup));
    }

    void reopeningStartsIdle()
    {
        World world;
        world.putAllFish(QStringLiteral("small.gif"));
        world.go(Destination::Menu);
        Screen *menu = world.screen(Destination::Menu);
        QTest::mouseClick(button(world, "toDrillButton"), Qt::LeftButton);
        world.endPause(QStringLiteral("departureTimer"));
        World::flushClosedWindows();
        world.go(Destination::Menu);
        QVERIFY(world.screen(Destination::Menu) == menu);
        QVERIFY(!world.pauseRuns(QStringLiteral("departureTimer")));
    }

    void rendersTheDesign_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QColor>("colour");
        const QColor cyan = toQColor(colours::kCyan);
        const QColor orange = toQColor(colours::kOrange);
        QTest::newRow("window ground, top right") << QPoint(760, 8) << cyan;
        QTest::newRow("window ground, bottom left") << QPoint(3, 474) << cyan;
        QTest::newRow("ray picture ground") << QPoint(20, 30) << cyan;
        QTest::newRow("魚しらべ face") << QPoint(84, 440) << orange;
        QTest::newRow("魚ドリル face") << QPoint(316, 440) << orange;
        QTest::newRow("お わ り face") << QPoint(536, 440) << orange;
    }
    void rendersTheDesign()
    {
        QFETCH(QPoint, pixel);
        QFETCH(QColor, colour);
        World world;
        world.go(Destination::Menu);
        QCOMPARE(world.window()->size(), QSize(766, 478));
        QCOMPARE(world.window()->grab().toImage().pixelColor(pixel), colour);
    }

    // The built-in pictures are decoded once and shared by every later
    // screen: a screen opened again, after the others, looks as it did the
    // first time, window icon included.
    void screensLookTheSameWhenOpenedAgain()
    {
        const Destination all[] = {Destination::Menu, Destination::Lookup, Destination::Drill};
        for (Destination destination : all) {
            World world;
            world.putEveryPicture();
            world.go(destination);
            const QImage first = world.window()->grab().toImage();
            const QImage firstIcon = world.window()->windowIcon().pixmap(32, 32).toImage();
            for (Destination other : all)
                world.go(other);
            world.go(destination);
            World::flushClosedWindows();
            QCOMPARE(world.window()->grab().toImage(), first);
            QCOMPARE(world.window()->windowIcon().pixmap(32, 32).toImage(), firstIcon);
            QVERIFY(!first.isNull());
        }
    }

    void titleGlyphShowsRedAndBlue()
    {
        World world;
        world.go(Destination::Menu);
        QCOMPARE(world.control<QLabel>(QStringLiteral("titleGlyph"))->size(), QSize(221, 231));
        QCOMPARE(world.control<QLabel>(QStringLiteral("rayPicture"))->size(), QSize(508, 350));
        const QImage shot = world.window()->grab().toImage();
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

    // Every caption the designs ask to be bold really comes out heavier than
    // the same caption in the regular weight, large sizes included.
    void boldCaptionsRenderBold_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("face");
        for (const ControlDesign &row : captionRows()) {
            if (row.font.bold)
                QTest::newRow(row.role) << QString::fromUtf16(row.caption) << row.font.points << int(row.font.face);
        }
    }
    void boldCaptionsRenderBold()
    {
        QFETCH(QString, caption);
        QFETCH(double, points);
        QFETCH(int, face);
        const int regular = inkOf(caption, designFont({.face = Face(face), .points = points}));
        const int bold = inkOf(caption, designFont({.face = Face(face), .points = points, .bold = true}));
        QVERIFY2(bold > regular * 13 / 10, qPrintable(QStringLiteral("bold %1, regular %2").arg(bold).arg(regular)));
    }

    // The regular faces' ascent that bold captions are placed by is the one
    // the installed design face really has, at every size the designs use.
    void designAscentMatchesTheRegularFace_data()
    {
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("face");
        for (const ControlDesign &row : captionRows())
            QTest::newRow(row.role) << row.font.points << int(row.font.face);
    }
    void designAscentMatchesTheRegularFace()
    {
        QFETCH(double, points);
        QFETCH(int, face);
        const FontDesign regular{.face = Face(face), .points = points};
        const QFont font = designFont(regular);
        QVERIFY2(QFontInfo(font).family().startsWith(QLatin1String("IPA")), qPrintable(QFontInfo(font).family()));
        QCOMPARE(designAscent(regular), QFontMetrics(font).ascent());
    }

    // The one scale a full screen draws a design at, and where it puts a
    // rectangle of the design: the lookup's 魚ドリル button.
    void fullScreenScale_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("design");
        QTest::addColumn<double>("factor");
        QTest::addColumn<QPoint>("origin");
        QTest::addColumn<QRect>("button");
        QTest::newRow("the design's size") << QSize(768, 480) << QSize(768, 480) << 1.0 << QPoint(0, 0)
                                           << QRect(544, 18, 90, 32);
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << QSize(768, 480) << 2.25 << QPoint(96, 0)
                                     << QRect(96 + 1224, 40, 202, 72);
        QTest::newRow("menu, 1920 x 1080") << QSize(1920, 1080) << QSize(766, 478) << 1080.0 / 478 << QPoint(94, 0)
                                           << QRect(94 + 1229, 41, 203, 72);
        QTest::newRow("3840 x 2160") << QSize(3840, 2160) << QSize(768, 480) << 4.5 << QPoint(192, 0)
                                     << QRect(192 + 2448, 81, 405, 144);
        QTest::newRow("upright tablet") << QSize(1200, 1920) << QSize(768, 480) << 1.5625 << QPoint(0, 585)
                                        << QRect(850, 585 + 28, 141, 50);
    }
    void fullScreenScale()
    {
        QFETCH(QSize, screen);
        QFETCH(QSize, design);
        QFETCH(double, factor);
        QFETCH(QPoint, origin);
        QFETCH(QRect, button);
        const Scale scale = fitScale(screen, design);
        QCOMPARE(scale.factor, factor);
        QCOMPARE(scale.origin, origin);
        QCOMPARE(scale.toPixels({8160, 270, 1350, 480}), button);
    }

    // A window takes the design's own size where it fits the screen's free
    // area, or else the whole design at the largest scale that fits.
    void windowFitsTheScreen_data()
    {
        QTest::addColumn<QSize>("design");
        QTest::addColumn<QSize>("area");
        QTest::addColumn<QSize>("window");
        QTest::newRow("fits") << QSize(768, 480) << QSize(1280, 1000) << QSize(768, 480);
        QTest::newRow("fits exactly") << QSize(768, 480) << QSize(768, 480) << QSize(768, 480);
        QTest::newRow("1366 x 768 at 1.75, a title bar") << QSize(768, 480) << QSize(780, 414) << QSize(662, 414);
        QTest::newRow("menu, 1024 x 600 at 1.75") << QSize(766, 478) << QSize(585, 318) << QSize(510, 318);
        QTest::newRow("too narrow") << QSize(768, 480) << QSize(600, 900) << QSize(600, 375);
        QTest::newRow("no screen") << QSize(768, 480) << QSize() << QSize(768, 480);
    }
    void windowFitsTheScreen()
    {
        QFETCH(QSize, design);
        QFETCH(QSize, area);
        QFETCH(QSize, window);
        QCOMPARE(fittedWindowSize(design, area), window);
    }

    // Every caption stands whole inside its label, as the design puts it:
    // its letters begin below the label's top edge and end above its bottom
    // edge (a bold one too, as the regular face's would), with no more room
    // above them than a line's own.
    void captionFitsItsLabel_data()
    {
        QTest::addColumn<Destination>("screen");
        QTest::addColumn<QString>("role");
        QTest::addColumn<QColor>("ink");
        QTest::addColumn<QSize>("fullScreen");
        QTest::newRow("menu title, bold") << Destination::Menu << "title" << toQColor(colours::kBlue) << QSize();
        QTest::newRow("残") << Destination::Drill << "remainingCaption" << toQColor(colours::kWhite) << QSize();
        QTest::newRow("the count") << Destination::Drill << "remainingCount" << toQColor(colours::kWhite) << QSize();
        QTest::newRow("正解率") << Destination::Drill << "scoreCaption" << toQColor(colours::kWhite) << QSize();
        QTest::newRow("％") << Destination::Drill << "percentSign" << toQColor(colours::kWhite) << QSize();
        QTest::newRow("正解率, full screen") << Destination::Drill << "scoreCaption" << toQColor(colours::kWhite)
                                      << QSize(1366, 768);
        QTest::newRow("a fish's caption") << Destination::Lookup << "captionLine" << toQColor(colours::kWhite) << QSize();
    }
    void captionFitsItsLabel()
    {
        QFETCH(Destination, screen);
        QFETCH(QString, role);
        QFETCH(QColor, ink);
        QFETCH(QSize, fullScreen);
        World world;
        world.putEveryPicture();
        world.go(screen);
        world.showOn(fullScreen);
        if (screen == Destination::Lookup)
            QTest::mouseClick(world.name(1), Qt::LeftButton);
        auto *label = world.control<Label>(role);
        QVERIFY(label && !label->text().isEmpty());
        const QImage shot = label->grab().toImage();
        const int border = label->frameWidth();
        int highestInk = -1;
        int lowestInk = -1;
        for (int y = border; y < shot.height() - border; ++y) {
            for (int x = border; x < shot.width() - border; ++x) {
                if (shot.pixelColor(x, y) == ink) {
                    highestInk = highestInk < 0 ? y : highestInk;
                    lowestInk = y;
                }
            }
        }
        const QString where = QStringLiteral("ink %1..%2 in %3").arg(highestInk).arg(lowestInk).arg(shot.height());
        QVERIFY2(highestInk > border, qPrintable(where));
        QVERIFY2(lowestInk > 0 && lowestInk < shot.height() - border - 1, qPrintable(where));
        QVERIFY2(highestInk - border <= QFontMetrics(label->font()).ascent() / 4, qPrintable(where));
    }

    // A screen asking for a role its design lacks stops the program, naming
    // the role, in every build: run in a process of its own.
    void missingRoleStopsTheProgram()
    {
        if (qEnvironmentVariableIsSet("SAKANA_ASK_MISSING_ROLE")) {
            ScreenWindow window;
            const Form form(window, menu::kWindow, menu::kControls);
            form.control<QPushButton>("noSuchButton");
            return;
        }
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("SAKANA_ASK_MISSING_ROLE"), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("missingRoleStopsTheProgram")});
        QVERIFY(child.waitForFinished());
        const QString output = QString::fromLocal8Bit(child.readAll());
        QVERIFY2(child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0, qPrintable(output));
        QVERIFY2(output.contains(QStringLiteral("\"noSuchButton\"")), qPrintable(output));
    }
};

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"

#include "app/colour.h"
#include "app/runtimeerror.h"
#include "screens/lookup/lookup.h"
#include "support/world.h"

#include <QRegularExpression>
#include <QStringEncoder>
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
        world.shell().open(ScreenId::Lookup);
        lookup = world.screen<説明>(ScreenId::Lookup);
        c = lookup->controls();
    }
    void click(int index) { QTest::mouseClick(c->Label1[std::size_t(index)], Qt::LeftButton); }
    QColor colourOf(int index) const { return bgr(c->Label1[std::size_t(index)]->backColour()); }
    QPoint centreOf(int index) const { return c->Label1[std::size_t(index)]->geometry().center(); }

    World world;
    説明 *lookup = nullptr;
    説明::Controls *c = nullptr;
};

const QColor kNormal = bgr(kNormalLabelColour);
const QColor kMarked = bgr(kMarkedLabelColour);

} // namespace

class TestLookup : public QObject {
    Q_OBJECT
private slots:
    void opensIdle()
    {
        LookupFixture f;
        QCOMPARE(f.lookup->window()->windowTitle(), QStringLiteral("魚しらべ"));
        QCOMPARE(f.lookup->window()->size(), QSize(768, 480));
        QVERIFY(!f.c->Image1->isVisible());
        QVERIFY(!f.c->Label3->isVisible());
        for (int index = 0; index < 40; ++index)
            QCOMPARE(f.colourOf(index), kNormal);
        const QString dir = f.world.dir.path();
        QCOMPARE(f.world.players.log,
                 QStringList({"lookup.MediaPlayer1 FileName " + dir + "/音/oto1.wav", "lookup.MediaPlayer1 Stop",
                              "lookup.MediaPlayer2 FileName " + dir + "/音/oto.wav", "lookup.MediaPlayer2 Stop"}));
        QCOMPARE(f.lookup->state.PicLeft, 3150);
        QCOMPARE(f.lookup->state.PicHeight, 4830);
        QCOMPARE(f.lookup->window()->focusWidget(), f.c->Command1);
    }

    void choosingAFish_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::newRow("first") << 0 << "さかな1";
        QTest::newRow("bottom of the left column") << 19 << "さかな20";
        QTest::newRow("last") << 39 << "さかな40";
    }
    void choosingAFish()
    {
        QFETCH(int, index);
        QFETCH(QString, caption);
        LookupFixture f;
        // Only the chosen fish has a picture of this size.
        f.world.putPicture(QStringLiteral("mark.gif"), QStringLiteral("f%1.gif").arg(index + 1));
        f.world.players.log.clear();
        f.click(index);
        QCOMPARE(f.c->Image1->pixmap().size(), QSize(200, 190));
        QVERIFY(f.c->Image1->isVisible());
        QCOMPARE(f.c->Label3->caption(), caption);
        QVERIFY(f.c->Label3->isVisible());
        QCOMPARE(f.colourOf(index), kMarked);
        QCOMPARE(f.world.players.log, QStringList({"lookup.MediaPlayer1 Play"}));
        QCOMPARE(f.lookup->state.NumberText, QString::number(index + 1));
    }

    void choosingTheSameFishTwice()
    {
        LookupFixture f;
        f.click(4);
        f.click(4);
        QCOMPARE(f.world.players.log.filter(QRegularExpression(QStringLiteral(" Play$"))).size(), 2);
        QCOMPARE(f.c->Label3->caption(), QStringLiteral("さかな5"));
        QCOMPARE(f.colourOf(4), kMarked);
        f.click(7);
        QCOMPARE(f.colourOf(4), kNormal);
        QCOMPARE(f.colourOf(7), kMarked);
    }

    void hoverRules()
    {
        LookupFixture f;
        QWidget *window = f.lookup->window();
        QTest::mouseMove(window, QPoint(8, 470));
        QTest::mouseMove(window, f.centreOf(0));
        QCOMPARE(f.colourOf(0), kMarked);  // the first label reached, Index 0 too
        QTest::mouseMove(window, f.centreOf(20));
        QCOMPARE(f.colourOf(0), kNormal);
        QCOMPARE(f.colourOf(20), kMarked);
        QTest::mouseMove(window, QPoint(8, 470));
        QCOMPARE(f.colourOf(20), kNormal);

        // A later visit: no highlight, and the first label reached turns red.
        f.lookup->close();
        World::flushClosedWindows();
        f.world.shell().open(ScreenId::Lookup);
        f.c = f.lookup->controls();
        QCOMPARE(f.lookup->state.HighlightIndex, -1);
        window = f.lookup->window();
        QTest::mouseMove(window, QPoint(8, 460));
        QTest::mouseMove(window, f.centreOf(20));
        QCOMPARE(f.colourOf(20), kMarked);
    }

    void centring_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("top");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("exactly the frame") << "lookupframe.gif" << 3150.0 << 1005.0 << QRect(210, 67, 342, 322);
        QTest::newRow("smaller") << "small.gif" << 4965.0 << 2820.0 << QRect(331, 188, 100, 80);
        QTest::newRow("larger, odd size") << "large.gif" << 2707.5 << 787.5 << QRect(180, 52, 401, 351);
    }
    void centring()
    {
        QFETCH(QString, picture);
        QFETCH(double, left);
        QFETCH(double, top);
        QFETCH(QRect, pixels);
        LookupFixture f(picture);
        f.click(10);
        QCOMPARE(f.c->Image1->left(), left);
        QCOMPARE(f.c->Image1->top(), top);
        QCOMPARE(f.c->Image1->geometry(), pixels);
    }

    void largePictureLiesUnderTheCaptionAndOverTheNames()
    {
        LookupFixture f(QStringLiteral("tall.gif"));  // reaches the prompt and the caption line
        f.world.putPicture(QStringLiteral("wide.gif"), QStringLiteral("f2.gif"));  // reaches the names
        QWidget *window = f.lookup->window();
        f.click(0);
        QCOMPARE(window->childAt(380, 420), f.c->Label3);
        QCOMPARE(window->childAt(380, 30), f.c->Image1);
        f.click(1);
        QCOMPARE(window->childAt(150, 70), f.c->Image1);
        QTest::mouseMove(window, QPoint(150, 70));
        QCOMPARE(f.colourOf(0), kNormal);
    }

    void leavingWithTwoClicksOpensTheMenu()
    {
        LookupFixture f;
        f.world.clock.now = 500.3;
        QTest::mouseClick(f.c->Command1, Qt::LeftButton);
        f.world.clock.now = 501.4;
        QTest::mouseClick(f.c->Command2, Qt::LeftButton);
        QCOMPARE(f.world.players.log.filter(QStringLiteral("lookup.MediaPlayer2 Play")).size(), 2);
        // Names still answer during the pause.
        f.click(3);
        QCOMPARE(f.c->Label3->caption(), QStringLiteral("さかな4"));
        f.world.clock.now = 503.0;
        f.c->Timer1->fire();
        QVERIFY(f.lookup->isOpen());
        f.world.clock.now = 503.1;
        f.c->Timer1->fire();
        QVERIFY(f.world.shell().current() == f.world.shell().screen(ScreenId::Menu));
        QVERIFY(f.world.shell().screen(ScreenId::Drill) == nullptr);
    }

    void aLaterVisitReadsTheFileAfresh()
    {
        LookupFixture f;
        f.lookup->close();
        World::flushClosedWindows();
        f.world.putNameList(nameListBytes(QStringLiteral("うみ")));
        f.world.shell().open(ScreenId::Lookup);
        f.c = f.lookup->controls();
        QVERIFY(!f.c->Label3->isVisible());
        QCOMPARE(f.lookup->state.LastClickedNo, 0);
        f.click(2);
        QCOMPARE(f.c->Label3->caption(), QStringLiteral("うみ3"));
    }

    void brokenMediaFails_data()
    {
        QTest::addColumn<QByteArray>("nameList");
        QTest::addColumn<QString>("file");
        QTest::newRow("thirty-nine entries") << QByteArray("x\r\n").repeated(39) << "説明/name.txt";
        QTest::newRow("missing picture") << QByteArray("x\r\n").repeated(40) << "画像/f1.gif";
    }
    void brokenMediaFails()
    {
        QFETCH(QByteArray, nameList);
        QFETCH(QString, file);
        World world;
        world.putNameList(nameList);
        try {
            world.shell().open(ScreenId::Lookup);
            world.screen<説明>(ScreenId::Lookup)->controls()->Label1[0]->clicked();
            QFAIL("nothing failed");
        } catch (const RuntimeError &error) {
            QVERIFY2(error.file().endsWith(file), qPrintable(error.file()));
        }
    }

    void rendersTheDesign_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("prompt ground") << QPoint(36, 50) << bgr(0xFF0000);
        QTest::newRow("name label") << QPoint(160, 175) << bgr(0xC00000);
        QTest::newRow("empty central panel") << QPoint(200, 300) << QColor(0, 255, 255);
        QTest::newRow("caption line") << QPoint(212, 440) << bgr(0xFF8080);
        QTest::newRow("button face") << QPoint(548, 46) << bgr(0x8080FF);
    }
    void rendersTheDesign()
    {
        QFETCH(QPoint, pixel);
        QFETCH(QColor, colour);
        LookupFixture f;
        f.click(0);
        const QImage shot = f.lookup->window()->grab().toImage();
        QCOMPARE(shot.pixelColor(pixel), colour);
    }
};

QTEST_MAIN(TestLookup)
#include "tst_lookup.moc"

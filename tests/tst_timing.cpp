#include "media/mediafolder.h"
#include "quiz/clock.h"

#include <QTest>

using namespace sakana;

// The pause before a screen change or the next question, and media paths.
class TestTiming : public QObject {
    Q_OBJECT
private slots:
    void stamp_data()
    {
        QTest::addColumn<double>("clock");
        QTest::addColumn<int>("stamp");
        QTest::newRow("below half") << 100.4 << 100;
        QTest::newRow("above half") << 100.6 << 101;
        QTest::newRow("half to even, down") << 100.5 << 100;
        QTest::newRow("half to even, up") << 101.5 << 102;
        QTest::newRow("last second of the day") << 86399.6 << 86400;
    }
    void stamp()
    {
        QFETCH(double, clock);
        QFETCH(int, stamp);
        QCOMPARE(stampSeconds(clock), stamp);
    }

    void pauseRule_data()
    {
        QTest::addColumn<double>("click");
        QTest::addColumn<double>("tick");
        QTest::addColumn<bool>("over");
        QTest::newRow("100.4: at 102.0 not yet") << 100.4 << 102.0 << false;
        QTest::newRow("100.4: at 102.1 over") << 100.4 << 102.1 << true;
        QTest::newRow("100.6: just after the click, slightly negative") << 100.6 << 100.7 << false;
        QTest::newRow("100.6: at 103.0 exactly two, not yet") << 100.6 << 103.0 << false;
        QTest::newRow("100.6: at 103.1 over") << 100.6 << 103.1 << true;
        QTest::newRow("86399.4: after midnight at 0.5, not yet") << 86399.4 << 0.5 << false;
        QTest::newRow("86399.4: after midnight at 1.1, over") << 86399.4 << 1.1 << true;
        QTest::newRow("86399.6 stamped 86400: at 86399.9, not yet") << 86399.6 << 86399.9 << false;
        QTest::newRow("86399.6 stamped 86400: at 2.0 after midnight, not yet") << 86399.6 << 2.0 << false;
        QTest::newRow("86399.6 stamped 86400: at 2.1 after midnight, over") << 86399.6 << 2.1 << true;
        QTest::newRow("clock set back a minute: over") << 500.2 << 440.0 << true;
        QTest::newRow("clock set back two hours: over") << 50000.0 << 42800.0 << true;
        QTest::newRow("clock set back 1.2 s: over") << 500.0 << 498.8 << true;
        QTest::newRow("100.5 stamped 100 read at 99.6: rounding slack, not yet") << 100.5 << 99.6 << false;
    }
    void pauseRule()
    {
        QFETCH(double, click);
        QFETCH(double, tick);
        QFETCH(bool, over);
        QCOMPARE(pauseIsOver(tick, stampSeconds(click)), over);
    }

    void appDir_data()
    {
        QTest::addColumn<QString>("programDir");
        QTest::addColumn<QString>("appDir");
        QTest::addColumn<QString>("soundPath");
        QTest::newRow("no trailing separator") << "/opt/sakana" << "/opt/sakana" << "/opt/sakana/音/oto.wav";
        QTest::newRow("one trailing separator") << "/opt/sakana/" << "/opt/sakana" << "/opt/sakana/音/oto.wav";
        QTest::newRow("only one is removed") << "/opt/sakana//" << "/opt/sakana/" << "/opt/sakana//音/oto.wav";
        QTest::newRow("file-system root") << "/" << "" << "/音/oto.wav";
    }
    void appDir()
    {
        QFETCH(QString, programDir);
        QFETCH(QString, appDir);
        QFETCH(QString, soundPath);
        const MediaFolder folder = MediaFolder::besideProgram(programDir);
        QCOMPARE(folder.root(), appDir);
        QCOMPARE(folder.sound(Sound::Button), soundPath);
    }

    void fishPictures_data()
    {
        QTest::addColumn<int>("fishNo");
        QTest::addColumn<QString>("path");
        QTest::newRow("one digit") << 7 << "/d/画像/f7.gif";
        QTest::newRow("first") << 1 << "/d/画像/f1.gif";
        QTest::newRow("two digits") << 12 << "/d/画像/f12.gif";
        QTest::newRow("last") << 40 << "/d/画像/f40.gif";
    }
    void fishPictures()
    {
        QFETCH(int, fishNo);
        QFETCH(QString, path);
        QCOMPARE(MediaFolder(QStringLiteral("/d")).fishPicture(fishNo), path);
    }


    void everyFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        const MediaFolder folder(QStringLiteral("/d"));
        QTest::newRow("button") << folder.sound(Sound::Button) << "/d/音/oto.wav";
        QTest::newRow("name") << folder.sound(Sound::Name) << "/d/音/oto1.wav";
        QTest::newRow("right") << folder.sound(Sound::Right) << "/d/音/o.wav";
        QTest::newRow("wrong") << folder.sound(Sound::Wrong) << "/d/音/x.wav";
        QTest::newRow("pass") << folder.sound(Sound::Pass) << "/d/音/gokaku.wav";
        QTest::newRow("fail") << folder.sound(Sound::Fail) << "/d/音/dame.wav";
        QTest::newRow("right mark") << folder.picture(Picture::RightMark) << "/d/画像/maru.gif";
        QTest::newRow("wrong mark") << folder.picture(Picture::WrongMark) << "/d/画像/batu.gif";
        QTest::newRow("gold") << folder.picture(Picture::GoldMedal) << "/d/画像/gold.gif";
        QTest::newRow("silver") << folder.picture(Picture::SilverMedal) << "/d/画像/silver.gif";
        QTest::newRow("copper") << folder.picture(Picture::CopperMedal) << "/d/画像/copper.gif";
        QTest::newRow("name list") << folder.nameList() << "/d/説明/name.txt";
    }
    void everyFile()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(path, expected);
    }
};

QTEST_APPLESS_MAIN(TestTiming)
#include "tst_timing.moc"

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/mediafolder.h"

#include <QTest>

using namespace sakana;

// Where the program looks for each file of the media folder.
class TestMediaPaths : public QObject {
    Q_OBJECT
private slots:
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

QTEST_APPLESS_MAIN(TestMediaPaths)
#include "tst_mediapaths.moc"

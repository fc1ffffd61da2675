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


    // The names a teacher's folder must use, and the order of the list.
    void everyFile_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first fish") << 0 << "/d/画像/f1.gif";
        QTest::newRow("last fish") << 39 << "/d/画像/f40.gif";
        QTest::newRow("right mark") << 40 << "/d/画像/maru.gif";
        QTest::newRow("wrong mark") << 41 << "/d/画像/batu.gif";
        QTest::newRow("gold") << 42 << "/d/画像/gold.gif";
        QTest::newRow("silver") << 43 << "/d/画像/silver.gif";
        QTest::newRow("copper") << 44 << "/d/画像/copper.gif";
        QTest::newRow("button") << 45 << "/d/音/oto.wav";
        QTest::newRow("name") << 46 << "/d/音/oto1.wav";
        QTest::newRow("right") << 47 << "/d/音/o.wav";
        QTest::newRow("wrong") << 48 << "/d/音/x.wav";
        QTest::newRow("pass") << 49 << "/d/音/gokaku.wav";
        QTest::newRow("fail") << 50 << "/d/音/dame.wav";
        QTest::newRow("first voice") << 51 << "/d/音/声/f1.wav";
        QTest::newRow("last voice") << 90 << "/d/音/声/f40.wav";
        QTest::newRow("last prompt") << 93 << "/d/音/声/mouichido.wav";
        QTest::newRow("name list") << 94 << "/d/説明/name.txt";
    }
    void everyFile()
    {
        QFETCH(int, index);
        QFETCH(QString, expected);
        const std::vector<MediaFile> files = MediaFolder(QStringLiteral("/d")).files();
        QCOMPARE(int(files.size()), 95);
        QCOMPARE(files.at(std::size_t(index)).path, expected);
    }

    // Each file of the list is where the folder gives the file of its role.
    void listMatchesRoles()
    {
        const MediaFolder folder(QStringLiteral("/d"));
        for (const MediaFile &file : folder.files()) {
            switch (file.role) {
            case MediaFile::Role::FishPicture: QCOMPARE(file.path, folder.fishPicture(file.fishNo)); break;
            case MediaFile::Role::Picture: QCOMPARE(file.path, folder.picture(file.picture.value())); break;
            case MediaFile::Role::Sound: QCOMPARE(file.path, folder.sound(file.sound.value())); break;
            case MediaFile::Role::NameList: QCOMPARE(file.path, folder.nameList()); break;
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestMediaPaths)
#include "tst_mediapaths.moc"

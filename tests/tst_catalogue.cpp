// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/catalogue.h"
#include "ui/namegrid.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace sakana;

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    // The names are the readings of the fish in the list the pictures and
    // captions were made from: "漢字（かな）", or the kana first where a fish
    // is written in kana ("うつぼ（海のギャング）").
    void namesFollowTheSourceList()
    {
        QFile list(QStringLiteral(SAKANA_SOURCE_DIR "/data/src/names.txt"));
        QVERIFY(list.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList lines = QString::fromUtf8(list.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), kFishCount);
        const QRegularExpression kana(QStringLiteral("^[\\x{3041}-\\x{309F}]+$"));
        for (int fishNo = 1; fishNo <= kFishCount; ++fishNo) {
            const QString line = lines[fishNo - 1];
            const QString first = line.section(u'（', 0, 0);
            const QString reading = kana.match(first).hasMatch() ? first : line.section(u'（', 1).chopped(1);
            QCOMPARE(fishName(fishNo), reading);
        }
    }

    // Each fish's voice is made from the name the screens show.
    void voicesSpeakTheNames()
    {
        QFile list(QStringLiteral(SAKANA_SOURCE_DIR "/data/src/voices.txt"));
        QVERIFY(list.open(QIODevice::ReadOnly | QIODevice::Text));
        QStringList texts(kFishCount);
        for (const QString &line : QString::fromUtf8(list.readAll()).split(QLatin1Char('\n'))) {
            const QStringList fields = line.split(QLatin1Char('\t'));
            const int fishNo = fields[0].startsWith(u'f') ? fields[0].mid(1).toInt() : 0;
            if (fields.size() >= 3 && fishNo >= 1 && fishNo <= kFishCount)
                texts[fishNo - 1] = fields[1];
        }
        for (int fishNo = 1; fishNo <= kFishCount; ++fishNo)
            QCOMPARE(texts[fishNo - 1], fishName(fishNo));
    }

    // A caption opens with a wide space and spreads the name over the label
    // by its number of kana: two with two wide spaces between, three with
    // one, four with one narrow space.
    void captionSpacing_data()
    {
        QTest::addColumn<int>("fishNo");
        QTest::addColumn<QString>("caption");
        QTest::newRow("two kana") << 2 << QStringLiteral("　あ　　じ");
        QTest::newRow("three kana") << 5 << QStringLiteral("　い　さ　き");
        QTest::newRow("four kana") << 1 << QStringLiteral("　あ い な め");
        QTest::newRow("four with a small kana") << 27 << QStringLiteral("　ど じ ょ う");
    }
    void captionSpacing()
    {
        QFETCH(int, fishNo);
        QFETCH(QString, caption);
        QCOMPARE(fishCaption(fishNo), caption);
    }

    // Every caption is its name with spaces alone added.
    void captionsHoldTheirNames()
    {
        for (int fishNo = 1; fishNo <= kFishCount; ++fishNo) {
            QString bare = fishCaption(fishNo);
            QVERIFY(bare.startsWith(QChar(0x3000)));
            bare.remove(QChar(0x3000)).remove(QLatin1Char(' '));
            QCOMPARE(bare, fishName(fishNo));
        }
    }

    void grid_data()
    {
        QTest::addColumn<int>("fishNo");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::newRow("first") << 1 << 180 << 900;
        QTest::newRow("bottom of the left column") << 20 << 180 << 6600;
        QTest::newRow("top of the right column") << 21 << 9000 << 900;
        QTest::newRow("last") << 40 << 9000 << 6600;
    }
    void grid()
    {
        QFETCH(int, fishNo);
        QFETCH(int, left);
        QFETCH(int, top);
        const TwipsRect rect = nameRect(fishNo);
        QCOMPARE(rect.left, left);
        QCOMPARE(rect.top, top);
        QCOMPARE(rect.width, 2325);
        QCOMPARE(rect.height, 285);
        // The lowest label still ends inside the 7200-twip client area.
        QVERIFY(rect.top + rect.height <= 7200);
    }
};

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"

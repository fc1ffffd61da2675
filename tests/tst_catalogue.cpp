// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/catalogue.h"
#include "ui/namegrid.h"

#include <QTest>

using namespace sakana;

// The forty captions as the labels must show them, spaces included.
static const char16_t *const kCaptions[40] = {
    u"　あ い な め", u"　あ　　じ", u"　あ　　ゆ", u"　あ ん こ う", u"　い　さ　き",
    u"　い し だ い", u"　い　わ　し", u"　い　わ　な", u"　う　つ　ぼ", u"　う　な　ぎ",
    u"　え　　い", u"　お　こ　ぜ", u"　か　じ　き", u"　か　ま　す", u"　か　れ　い",
    u"　か わ は ぎ", u"　き　　す", u"　さ　　け", u"　さ　　ば", u"　さ　　め",
    u"　さ　よ　り", u"　さ　ん　ま", u"　し　い　ら", u"　た　　い", u"　た ち う お",
    u"　た　　ら", u"　ど じ ょ う", u"　と び う お", u"　な　ま　ず", u"　に　し　ん",
    u"　は　　ぜ", u"　は　　た", u"　ひ　ら　め", u"　ふ　　ぐ", u"　ぶ　　り",
    u"　ぼ　　ら", u"　ま　ぐ　ろ", u"　ま　　す", u"　め　ば　る", u"　わ か さ ぎ",
};

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void captionsAreExact()
    {
        for (int fishNo = 1; fishNo <= kFishCount; ++fishNo) {
            const QString expected = QString::fromUtf16(kCaptions[fishNo - 1]);
            QCOMPARE(fishCaption(fishNo).toUtf8(), expected.toUtf8());
            QString bare = expected;
            bare.remove(QChar(0x3000)).remove(QLatin1Char(' '));
            QCOMPARE(fishName(fishNo), bare);
        }
    }

    void nameLengths()
    {
        int counts[5] = {};
        for (int fishNo = 1; fishNo <= kFishCount; ++fishNo)
            ++counts[fishName(fishNo).size()];
        QCOMPARE(counts[2], 15);
        QCOMPARE(counts[3], 17);
        QCOMPARE(counts[4], 8);
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

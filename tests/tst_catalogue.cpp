#include "catalogue/catalogue.h"

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
        for (int i = 0; i < kFishCount; ++i) {
            const QString expected = QString::fromUtf16(kCaptions[i]);
            QCOMPARE(captionOf(i).toUtf8(), expected.toUtf8());
            QString bare = expected;
            bare.remove(QChar(0x3000)).remove(QLatin1Char(' '));
            QCOMPARE(QString::fromUtf16(kFish[std::size_t(i)].name), bare);
        }
    }

    void nameLengths()
    {
        int counts[5] = {};
        for (const Fish &fish : kFish)
            ++counts[QString::fromUtf16(fish.name).size()];
        QCOMPARE(counts[2], 15);
        QCOMPARE(counts[3], 17);
        QCOMPARE(counts[4], 8);
    }

    void grid_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("fishNo");
        QTest::newRow("first") << 0 << 180 << 900 << 1 << 1;
        QTest::newRow("bottom of the left column") << 19 << 180 << 6600 << 20 << 20;
        QTest::newRow("top of the right column") << 20 << 9000 << 900 << 1 << 21;
        QTest::newRow("last") << 39 << 9000 << 6600 << 20 << 40;
    }
    void grid()
    {
        QFETCH(int, index);
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(int, row);
        QFETCH(int, fishNo);
        const TwipsRect rect = gridRect(index);
        QCOMPARE(rect.left, left);
        QCOMPARE(rect.top, top);
        QCOMPARE(rect.width, 2325);
        QCOMPARE(rect.height, 285);
        QCOMPARE(rowOf(index), row);
        QCOMPARE(fishIndexOf(index), fishNo);
        QCOMPARE(indexOfFish(fishNo), index);
        // The lowest label still ends inside the 7200-twip client area.
        QVERIFY(rect.top + rect.height <= 7200);
    }
};

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pictures compiled into the program: their file formats, sizes and,
// for the lookup/drill background, the pixel geometry the labels rely on.

#include "media/mediaerror.h"
#include "media/picturefile.h"
#include "screens/menu/menudesign.h"
#include "ui/builtinpictures.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QList>
#include <QSize>
#include <QString>
#include <QTest>

namespace {

QImage readPicture(const QString& path, const char* format)
{
    QImageReader reader(path, format);
    reader.setDecideFormatFromContent(false);
    QImage image = reader.read();
    if (image.isNull())
        qWarning("%s: %s", qPrintable(path), qPrintable(reader.errorString()));
    return image;
}

QRgb rgbAt(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0x00FFFFFFu;
}

int alphaAt(const QImage& image, int x, int y)
{
    return qAlpha(image.pixel(x, y));
}

const QRgb blue = qRgb(0, 0, 255) & 0x00FFFFFFu;
const QRgb yellow = qRgb(255, 255, 0) & 0x00FFFFFFu;
const QRgb navy = qRgb(0, 0, 128) & 0x00FFFFFFu;
const QRgb cyan = qRgb(0, 255, 255) & 0x00FFFFFFu;
const QRgb nearCyan = qRgb(8, 255, 247) & 0x00FFFFFFu;
const QRgb red = qRgb(255, 0, 0) & 0x00FFFFFFu;

} // namespace

class TestBuiltinPictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void gifHeader_data();
    void gifHeader();
    void gifSize_data();
    void gifSize();
    void icons_data();
    void icons();
    void gridGeometry_data();
    void gridGeometry();
    void gridDitherIsLight();
    void titleGlyph();
    void rayGround();
    void preloadedPicturesAreTheDecodedOnes();
    void aPictureThatFailsOnThePreloadingThreadFailsWhenShown();
};

void TestBuiltinPictures::initTestCase()
{
    Q_INIT_RESOURCE(sakana);
    QVERIFY(QImageReader::supportedImageFormats().contains("gif"));
    QVERIFY(QImageReader::supportedImageFormats().contains("ico"));
}

void TestBuiltinPictures::gifHeader_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("signature");
    QTest::newRow("grid") << ":/pictures/grid.gif" << QByteArray("GIF89a");
    QTest::newRow("title") << ":/pictures/title.gif" << QByteArray("GIF89a");
    QTest::newRow("ray") << ":/pictures/ray.gif" << QByteArray("GIF87a");
}

void TestBuiltinPictures::gifHeader()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, signature);
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray head = file.read(13);
    QCOMPARE(head.left(6), signature);
    // Packed field of the logical screen descriptor: a global table of
    // 2^(7+1) = 256 colours.
    QCOMPARE(static_cast<unsigned char>(head.at(10)) & 0x87u, 0x87u);
}

void TestBuiltinPictures::gifSize_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("transparent");
    QTest::newRow("grid") << ":/pictures/grid.gif" << QSize(768, 480) << false;
    QTest::newRow("title") << ":/pictures/title.gif" << QSize(221, 231) << true;
    QTest::newRow("ray") << ":/pictures/ray.gif" << QSize(508, 350) << false;
}

void TestBuiltinPictures::gifSize()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(bool, transparent);
    QImageReader reader(path, "gif");
    QCOMPARE(reader.size(), size);
    const QImage image = readPicture(path, "gif");
    QCOMPARE(image.size(), size);
    QCOMPARE(image.hasAlphaChannel(), transparent);
}

void TestBuiltinPictures::icons_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QList<int>>("sizes");
    QTest::newRow("fish") << ":/pictures/fish.ico" << QList<int>{32};
    QTest::newRow("restart") << ":/pictures/restart.ico" << QList<int>{16, 32};
}

void TestBuiltinPictures::icons()
{
    QFETCH(QString, path);
    QFETCH(QList<int>, sizes);

    // The icon directory: type 1 (icon), one 16-colour, 4-bit entry a size.
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray data = file.readAll();
    QVERIFY(data.size() >= 6 + 16 * sizes.size());
    const auto byteAt = [&data](int i) { return static_cast<unsigned char>(data.at(i)); };
    QCOMPARE(byteAt(0) | byteAt(1) << 8, 0);
    QCOMPARE(byteAt(2) | byteAt(3) << 8, 1);
    QCOMPARE(byteAt(4) | byteAt(5) << 8, int(sizes.size()));
    for (int i = 0; i < sizes.size(); ++i) {
        const int entry = 6 + 16 * i;
        QCOMPARE(int(byteAt(entry)), sizes[i]);
        QCOMPARE(int(byteAt(entry + 1)), sizes[i]);
        QCOMPARE(int(byteAt(entry + 2)), 16);
        QCOMPARE(byteAt(entry + 6) | byteAt(entry + 7) << 8, 4);
    }

    QImageReader reader(path, "ico");
    reader.setDecideFormatFromContent(false);
    QCOMPARE(reader.imageCount(), sizes.size());
    for (int i = 0; i < sizes.size(); ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), QSize(sizes[i], sizes[i]));
        // The AND mask makes the ground transparent, the picture itself is
        // opaque and in colour.
        const int last = sizes[i] - 1;
        QCOMPARE(alphaAt(image, 0, 0), 0);
        QCOMPARE(alphaAt(image, last, last), 0);
        int opaque = 0;
        int coloured = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.alpha() == 255) {
                    ++opaque;
                    if (c.red() > 200 && c.blue() < 60)
                        ++coloured;
                }
            }
        }
        QVERIFY2(opaque > image.width() * image.height() / 3, qPrintable(QString::number(opaque)));
        QVERIFY2(coloured > image.width() * image.height() / 6, qPrintable(QString::number(coloured)));
    }
}

void TestBuiltinPictures::gridGeometry_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QRgb>("colour");
    // Outer rectangle and its corners.
    QTest::newRow("top left corner") << 11 << 10 << yellow;
    QTest::newRow("top right corner") << 755 << 10 << yellow;
    QTest::newRow("bottom left corner") << 11 << 459 << yellow;
    QTest::newRow("bottom right corner") << 755 << 459 << yellow;
    QTest::newRow("top edge") << 400 << 10 << yellow;
    QTest::newRow("bottom edge under panel") << 400 << 459 << yellow;
    QTest::newRow("left edge in bar") << 11 << 30 << yellow;
    QTest::newRow("right edge in column") << 755 << 300 << yellow;
    // Outside the rectangle.
    QTest::newRow("outside origin") << 0 << 0 << blue;
    QTest::newRow("outside left of corner") << 10 << 10 << blue;
    QTest::newRow("outside above corner") << 11 << 9 << blue;
    QTest::newRow("outside right") << 756 << 200 << blue;
    QTest::newRow("outside below") << 400 << 460 << blue;
    QTest::newRow("outside far corner") << 767 << 479 << blue;
    // The top bar and the line closing it.
    QTest::newRow("bar first pixel") << 12 << 11 << blue;
    QTest::newRow("bar last pixel") << 754 << 58 << blue;
    QTest::newRow("bar above a column line") << 167 << 58 << blue;
    QTest::newRow("bar line left") << 12 << 59 << yellow;
    QTest::newRow("bar line middle") << 380 << 59 << yellow;
    QTest::newRow("bar line right") << 754 << 59 << yellow;
    // The two column lines, top to bottom.
    QTest::newRow("left column line top") << 167 << 60 << yellow;
    QTest::newRow("left column line bottom") << 167 << 458 << yellow;
    QTest::newRow("right column line top") << 599 << 60 << yellow;
    QTest::newRow("right column line bottom") << 599 << 458 << yellow;
    // Navy cells and the separators between them.
    QTest::newRow("left first cell") << 12 << 60 << navy;
    QTest::newRow("left first cell end") << 166 << 78 << navy;
    QTest::newRow("left separator 79") << 90 << 79 << yellow;
    QTest::newRow("left second cell") << 90 << 80 << navy;
    QTest::newRow("left separator 439") << 166 << 439 << yellow;
    QTest::newRow("left last cell") << 90 << 458 << navy;
    QTest::newRow("right first cell") << 600 << 60 << navy;
    QTest::newRow("right separator 79") << 677 << 79 << yellow;
    QTest::newRow("right separator 259") << 700 << 259 << yellow;
    QTest::newRow("right separator 439") << 754 << 439 << yellow;
    QTest::newRow("right last cell") << 754 << 458 << navy;
    // The central panel, at pixels the dither leaves alone.
    QTest::newRow("panel top left") << 168 << 60 << cyan;
    QTest::newRow("panel no separator at 79") << 300 << 79 << cyan;
    QTest::newRow("panel bottom right") << 598 << 458 << cyan;
}

void TestBuiltinPictures::gridGeometry()
{
    static const QImage grid = readPicture(":/pictures/grid.gif", "gif");
    QVERIFY(!grid.isNull());
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QRgb, colour);
    QCOMPARE(QColor(rgbAt(grid, x, y)), QColor(colour));
}

void TestBuiltinPictures::gridDitherIsLight()
{
    const QImage grid = readPicture(":/pictures/grid.gif", "gif");
    QVERIFY(!grid.isNull());
    int dots = 0;
    int other = 0;
    for (int y = 60; y <= 458; ++y) {
        for (int x = 168; x <= 598; ++x) {
            const QRgb c = rgbAt(grid, x, y);
            if (c == nearCyan)
                ++dots;
            else if (c != cyan)
                ++other;
        }
    }
    const int area = 431 * 399;
    QCOMPARE(other, 0);
    QVERIFY2(dots > area / 50 && dots < area / 10, qPrintable(QString::number(dots)));
}

void TestBuiltinPictures::titleGlyph()
{
    const QImage title = readPicture(":/pictures/title.gif", "gif");
    QVERIFY(!title.isNull());
    const int right = title.width() - 1;
    const int bottom = title.height() - 1;
    QCOMPARE(alphaAt(title, 0, 0), 0);
    QCOMPARE(alphaAt(title, right, 0), 0);
    QCOMPARE(alphaAt(title, 0, bottom), 0);
    QCOMPARE(alphaAt(title, right, bottom), 0);

    int reds = 0;
    int blues = 0;
    int others = 0;
    QRect drawn;
    for (int y = 0; y <= bottom; ++y) {
        for (int x = 0; x <= right; ++x) {
            if (alphaAt(title, x, y) == 0)
                continue;
            const QRgb c = rgbAt(title, x, y);
            if (c == red)
                ++reds;
            else if (c == blue)
                ++blues;
            else
                ++others;
            drawn |= QRect(x, y, 1, 1);
        }
    }
    QVERIFY(reds > 0);
    QVERIFY(blues > 0);
    QCOMPARE(others, 0);
    // The glyph fills most of the picture.
    QVERIFY2(drawn.width() >= title.width() * 8 / 10, qPrintable(QString::number(drawn.width())));
    QVERIFY2(drawn.height() >= title.height() * 8 / 10, qPrintable(QString::number(drawn.height())));
}

void TestBuiltinPictures::rayGround()
{
    const QImage ray = readPicture(":/pictures/ray.gif", "gif");
    QVERIFY(!ray.isNull());
    const int right = ray.width() - 1;
    const int bottom = ray.height() - 1;
    QCOMPARE(QColor(rgbAt(ray, 0, 0)), QColor(cyan));
    QCOMPARE(QColor(rgbAt(ray, right, 0)), QColor(cyan));
    QCOMPARE(QColor(rgbAt(ray, 0, bottom)), QColor(cyan));
    QCOMPARE(QColor(rgbAt(ray, right, bottom)), QColor(cyan));
    // The drawing reaches the lower rows too (the tail sweeps across
    // there), so the whole picture was decoded, not just its top.
    int dark = 0;
    for (int y = ray.height() * 3 / 4; y <= bottom; ++y)
        for (int x = 0; x <= right; ++x)
            dark += qGray(ray.pixel(x, y)) < 64 ? 1 : 0;
    QVERIFY2(dark > 50, qPrintable(QString::number(dark)));
}

// The menu's pictures, decoded on the preloading thread, are those the
// reader makes of the same files.
void TestBuiltinPictures::preloadedPicturesAreTheDecodedOnes()
{
    sakana::preloadBuiltInPictures(sakana::menu::kWindow, sakana::menu::kControls);
    for (const char *name : {sakana::kWindowIcon, "ray.gif", "title.gif"}) {
        const QImage shown = sakana::builtInPicture(name).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage read = sakana::readPicture(QStringLiteral(":/pictures/") + QLatin1String(name))
                                .convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!read.isNull() && shown == read, name);
    }
    // Asked for again, the picture kept is the one shown before.
    QCOMPARE(sakana::builtInPicture("ray.gif").cacheKey(), sakana::builtInPicture("ray.gif").cacheKey());
}

// A decoding error on the preloading thread reaches the screen that shows
// the picture, as if it had been decoded there; so does every later request.
void TestBuiltinPictures::aPictureThatFailsOnThePreloadingThreadFailsWhenShown()
{
    const sakana::WindowDesign window{.caption = u"", .backgroundPicture = "missing.gif"};
    sakana::preloadBuiltInPictures(window, {});
    QVERIFY_THROWS_EXCEPTION(sakana::MediaError, sakana::builtInPicture("missing.gif"));
    QVERIFY_THROWS_EXCEPTION(sakana::MediaError, sakana::builtInPicture("missing.gif"));
}

QTEST_MAIN(TestBuiltinPictures)
#include "tst_builtinpictures.moc"

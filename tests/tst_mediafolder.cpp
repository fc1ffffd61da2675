// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The media folder that ships beside the program (data/media): every file the
// program opens is there and is in the form the program and its players
// expect. The folder is produced by data/generate.sh; these checks look at
// the committed result.

#include "media/mediafolder.h"
#include "media/wavefile.h"
#include "screens/drill/drilldesign.h"
#include "screens/lookup/lookupdesign.h"
#include "ui/twips.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QStringDecoder>
#include <QtEndian>
#include <QtTest>

#include <cmath>
#include <optional>

namespace {

const sakana::MediaFolder kShipped(QStringLiteral(SAKANA_SOURCE_DIR "/data/media"));

// The shipped files of one role.
std::vector<sakana::MediaFile> filesOf(sakana::MediaFile::Role role)
{
    std::vector<sakana::MediaFile> files = kShipped.files();
    std::erase_if(files, [role](const sakana::MediaFile &file) { return file.role != role; });
    return files;
}

QSize pixels(const sakana::TwipsRect &rect)
{
    return {sakana::twipsToPixels(rect.width), sakana::twipsToPixels(rect.height)};
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

qint16 sampleAt(QByteArrayView samples, qsizetype index)
{
    return qFromLittleEndian<qint16>(samples.constData() + 2 * index);
}

// Width in half-width units: ASCII and half-width katakana count one, every
// other character two. The caption box holds 24.
int halfWidths(const QString &text)
{
    int width = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        width += (u < 0x80 || (u >= 0xFF61 && u <= 0xFF9F)) ? 1 : 2;
    }
    return width;
}

// The decoded name list split at CRLF, or an error message.
struct NameLines {
    QStringList lines;
    QString error;
};

NameLines readNameLines()
{
    const QByteArray bytes = readAll(kShipped.nameList());
    if (bytes.isEmpty())
        return {{}, QStringLiteral("name.txt is missing or empty")};
    QStringDecoder decode("windows-31j");
    if (!decode.isValid())
        return {{}, QStringLiteral("no windows-31j decoder")};
    const QString text = decode(bytes);
    if (decode.hasError())
        return {{}, QStringLiteral("name.txt is not valid code page 932")};
    if (!text.endsWith(QStringLiteral("\r\n")))
        return {{}, QStringLiteral("the last line has no CRLF")};
    QStringList lines = text.chopped(2).split(QStringLiteral("\r\n"));
    return {lines, {}};
}

// Which frame a picture is shown in.
enum class Frame { Fish, Mark, Medal };

} // namespace

Q_DECLARE_METATYPE(Frame)

class MediaFolderTest : public QObject {
    Q_OBJECT

private slots:
    void pictures_data();
    void pictures();

    void sounds_data();
    void sounds();
    void soundsAreHeardUnclipped();

    void nameListLayout();
    void captions_data();
    void captions();
};

void MediaFolderTest::pictures_data()
{
    using sakana::MediaFile;
    using sakana::Picture;
    QTest::addColumn<QString>("path");
    QTest::addColumn<Frame>("frame");

    for (const MediaFile &file : filesOf(MediaFile::Role::FishPicture))
        QTest::newRow(qPrintable(QFileInfo(file.path).fileName())) << file.path << Frame::Fish;
    for (const MediaFile &file : filesOf(MediaFile::Role::Picture)) {
        const bool mark = file.picture == Picture::RightMark || file.picture == Picture::WrongMark;
        QTest::newRow(qPrintable(QFileInfo(file.path).fileName())) << file.path << (mark ? Frame::Mark : Frame::Medal);
    }
}

void MediaFolderTest::pictures()
{
    QFETCH(QString, path);
    QFETCH(Frame, frame);

    QVERIFY2(QFile::exists(path), qPrintable(path + QStringLiteral(" is missing")));
    QVERIFY2(readAll(path).startsWith("GIF89a"), "not a GIF89a file");

    QImageReader reader(path, "gif");
    QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QVERIFY2(image.hasAlphaChannel(), "no transparent colour");
    image = image.convertToFormat(QImage::Format_ARGB32);

    const int w = image.width();
    const int h = image.height();
    switch (frame) {
    case Frame::Fish: {
        // Shown in the lookup screen's frame and in the drill's larger one.
        const QSize fits = pixels(sakana::lookup::kFishPicture.rect);
        QVERIFY2(w <= fits.width() && h <= fits.height(),
                 qPrintable(QStringLiteral("%1 x %2 does not fit %3 x %4").arg(w).arg(h).arg(fits.width()).arg(fits.height())));
        QVERIFY2(w >= 200 && h >= 150, qPrintable(QStringLiteral("%1 x %2 is too small for the frame").arg(w).arg(h)));
        break;
    }
    case Frame::Mark:
        QVERIFY2(std::abs(w - 200) <= 20 && std::abs(h - 190) <= 19,
                 qPrintable(QStringLiteral("%1 x %2 is not about 200 x 190").arg(w).arg(h)));
        break;
    case Frame::Medal: {
        // Displayed stretched to its frame; the drawing must not be distorted.
        const auto row = std::find_if(sakana::drill::kControls.begin(), sakana::drill::kControls.end(),
                                      [](const sakana::ControlDesign &c) { return QLatin1String(c.role) == "medal"; });
        QVERIFY(row != sakana::drill::kControls.end());
        const QSize shown = pixels(row->rect);
        QVERIFY2(std::abs(double(w) / h - double(shown.width()) / shown.height()) < 0.02,
                 qPrintable(QStringLiteral("%1 x %2 is not shaped like its frame").arg(w).arg(h)));
        QVERIFY2(2 * w >= shown.width() && 2 * h >= shown.height(), "too small to show stretched to its frame");
        break;
    }
    }

    // One-bit transparency: a pixel is either fully transparent or opaque
    // (anything in between would have been blended onto the cyan panel).
    // The ground is transparent, so most of the outermost ring of pixels is.
    qsizetype transparent = 0;
    qsizetype opaque = 0;
    qsizetype borderTransparent = 0;
    qsizetype border = 0;
    QSet<QRgb> colours;
    for (int y = 0; y < h; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const int a = qAlpha(line[x]);
            QVERIFY2(a == 0 || a == 255,
                     qPrintable(QStringLiteral("pixel (%1, %2) is partly transparent").arg(x).arg(y)));
            const bool onBorder = x == 0 || y == 0 || x == w - 1 || y == h - 1;
            if (a == 0) {
                ++transparent;
                borderTransparent += onBorder;
            } else {
                ++opaque;
                colours.insert(line[x]);
            }
            border += onBorder;
        }
    }
    QVERIFY2(transparent > 0, "no fully transparent pixels");
    QVERIFY2(opaque >= qsizetype(w) * h / 20, "hardly anything is drawn");
    QVERIFY2(borderTransparent * 2 >= border, "the ground is not transparent");
    QVERIFY2(colours.size() <= 255, qPrintable(QStringLiteral("%1 opaque colours").arg(colours.size())));
}

void MediaFolderTest::sounds_data()
{
    using sakana::Sound;
    QTest::addColumn<QString>("path");
    QTest::addColumn<double>("minSeconds");
    QTest::addColumn<double>("maxSeconds");

    QTest::newRow("oto.wav (button)") << kShipped.sound(Sound::Button) << 0.05 << 0.3;
    QTest::newRow("oto1.wav (click)") << kShipped.sound(Sound::Name) << 0.03 << 0.2;
    QTest::newRow("o.wav (right)") << kShipped.sound(Sound::Right) << 0.3 << 1.0;
    QTest::newRow("x.wav (wrong)") << kShipped.sound(Sound::Wrong) << 0.2 << 0.8;
    QTest::newRow("gokaku.wav (passed)") << kShipped.sound(Sound::Pass) << 1.5 << 3.0;
    QTest::newRow("dame.wav (try again)") << kShipped.sound(Sound::Fail) << 1.0 << 2.0;
}

void MediaFolderTest::sounds()
{
    QFETCH(QString, path);
    QFETCH(double, minSeconds);
    QFETCH(double, maxSeconds);

    QVERIFY2(QFile::exists(path), qPrintable(path + QStringLiteral(" is missing")));
    const QByteArray bytes = readAll(path);
    const auto reading = sakana::readWave(bytes);
    const auto *problem = std::get_if<sakana::MediaError::Problem>(&reading);
    QVERIFY2(!problem, problem ? sakana::MediaError(path, *problem).what() : "");
    const sakana::Wave wave = std::get<sakana::Wave>(reading);
    const sakana::WaveFormat &format = wave.format;

    // The RIFF size says where the file ends, and nothing follows the samples.
    QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 4), quint32(bytes.size() - 8));
    QCOMPARE(wave.samples.data() + wave.samples.size(), bytes.constData() + bytes.size());
    QCOMPARE(format.tag, quint16(1));   // integer PCM
    QCOMPARE(format.channels, quint16(1));
    QCOMPARE(format.bitsPerSample, quint16(16));
    QVERIFY2(format.sampleRate == 22050 || format.sampleRate == 44100,
             qPrintable(QStringLiteral("sample rate %1").arg(format.sampleRate)));
    QCOMPARE(format.blockAlign, quint16(2));
    QCOMPARE(format.byteRate, format.sampleRate * 2);

    const double seconds = double(wave.samples.size()) / format.byteRate;
    QVERIFY2(seconds >= minSeconds && seconds < maxSeconds,
             qPrintable(QStringLiteral("%1 s, expected %2 to %3 s").arg(seconds).arg(minSeconds).arg(maxSeconds)));

    // Soft edges: the sound starts and ends near silence, so it does not click.
    const qsizetype count = wave.samples.size() / 2;
    QVERIFY(count > 0);
    constexpr int nearSilence = 328;   // 1 % of full scale
    QVERIFY2(std::abs(sampleAt(wave.samples, 0)) < nearSilence, "starts with a click");
    QVERIFY2(std::abs(sampleAt(wave.samples, count - 1)) < nearSilence, "ends with a click");
}

void MediaFolderTest::soundsAreHeardUnclipped()
{
    // Every sound is heard and none is clipped; that they are equally loud
    // is measured by media_loudness.sh with a loudness meter.
    for (const sakana::MediaFile &file : filesOf(sakana::MediaFile::Role::Sound)) {
        const QString name = QFileInfo(file.path).fileName();
        const QByteArray bytes = readAll(file.path);
        const auto reading = sakana::readWave(bytes);
        QVERIFY2(std::holds_alternative<sakana::Wave>(reading), qPrintable(name));
        const sakana::Wave wave = std::get<sakana::Wave>(reading);
        int peak = 0;
        for (qsizetype i = 0; i < wave.samples.size() / 2; ++i)
            peak = std::max(peak, std::abs(int(sampleAt(wave.samples, i))));
        QVERIFY2(peak > 0, qPrintable(name + QStringLiteral(" is silent")));
        const double peakDb = 20.0 * std::log10(peak / 32768.0);
        QVERIFY2(peakDb < -0.5, qPrintable(QStringLiteral("%1 peaks at %2 dBFS, too close to clipping").arg(name).arg(peakDb)));
    }
}

void MediaFolderTest::nameListLayout()
{
    const NameLines names = readNameLines();
    QVERIFY2(names.error.isEmpty(), qPrintable(names.error));
    QCOMPARE(names.lines.size(), 40);
    for (const QString &line : names.lines) {
        QVERIFY2(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')),
                 "a line break that is not CRLF");
    }
}

void MediaFolderTest::captions_data()
{
    QTest::addColumn<int>("fishNo");
    for (int i = 1; i <= 40; ++i)
        QTest::addRow("fish %d", i) << i;
}

void MediaFolderTest::captions()
{
    QFETCH(int, fishNo);

    const NameLines names = readNameLines();
    QVERIFY2(names.error.isEmpty(), qPrintable(names.error));
    QVERIFY2(fishNo <= names.lines.size(), "no line for this fish");
    const QString caption = names.lines.at(fishNo - 1);

    QVERIFY2(!caption.trimmed().isEmpty(), "empty caption");
    QVERIFY2(!caption.contains(QLatin1Char(',')), qPrintable(caption + QStringLiteral(" has a comma")));
    QVERIFY2(!caption.contains(QLatin1Char('"')), qPrintable(caption + QStringLiteral(" has a double quote")));
    QVERIFY2(halfWidths(caption) <= 24,
             qPrintable(QStringLiteral("%1 is %2 half-widths wide, the box holds 24").arg(caption).arg(halfWidths(caption))));
}

QTEST_GUILESS_MAIN(MediaFolderTest)
#include "tst_mediafolder.moc"

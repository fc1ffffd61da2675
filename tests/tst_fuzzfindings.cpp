// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Inputs the fuzzers found that the readers once handled badly, each read
// through the real reader and held to the outcome it should have.

#include "media/mediaerror.h"
#include "media/picturefile.h"
#include "quiz/namelist.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <new>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <unistd.h>
#endif

using namespace sakana;

namespace {

const QString kData = QStringLiteral(SAKANA_TEST_DATA);

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SAKANA_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define SAKANA_ADDRESS_SANITIZER 1
#endif

#ifdef Q_OS_LINUX
// The process's mapped memory in bytes, or -1 where the system does not say.
qint64 mappedBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    return statm.readAll().split(' ').value(0).toLongLong() * sysconf(_SC_PAGESIZE);
}

// While it lives, the process may map only `headroom` bytes more than it has
// now: a larger reservation fails as it would on a machine out of memory.
class AddressSpaceCap {
public:
    explicit AddressSpaceCap(qint64 headroom)
    {
        getrlimit(RLIMIT_AS, &saved_);
        rlimit cap = saved_;
        cap.rlim_cur = rlim_t(mappedBytes() + headroom);
        active_ = setrlimit(RLIMIT_AS, &cap) == 0;
    }
    ~AddressSpaceCap() { setrlimit(RLIMIT_AS, &saved_); }

    AddressSpaceCap(const AddressSpaceCap &) = delete;
    AddressSpaceCap &operator=(const AddressSpaceCap &) = delete;

    bool active() const noexcept { return active_; }

private:
    rlimit saved_{};
    bool active_ = false;
};
#endif

// A GIF with a two-colour table and one image of the given size whose
// image data is `data` (in one sub-block).
QByteArray gifOf(int width, int height, const QByteArray &data)
{
    auto word = [](int value) { return QByteArray(1, char(value & 0xFF)) + char(value >> 8); };
    QByteArray bytes("GIF89a");
    bytes += word(width) + word(height) + QByteArray::fromHex("800000") + QByteArray::fromHex("000000ffffff");
    bytes += ',' + word(0) + word(0) + word(width) + word(height) + '\0';
    bytes += '\2' + QByteArray(1, char(data.size())) + data + '\0';
    return bytes + ';';
}

} // namespace

class TestFuzzFindings : public QObject {
    Q_OBJECT

private slots:
    void smallPictureNeedsLittleMemory_data();
    void smallPictureNeedsLittleMemory();
    void gifWithTooLittleData_data();
    void gifWithTooLittleData();
};

void TestFuzzFindings::smallPictureNeedsLittleMemory_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("gif") << kData + QStringLiteral("/small.gif");
    QTest::newRow("ico") << QStringLiteral(SAKANA_SOURCE_DIR "/src/ui/pictures/fish.ico");
    QTest::newRow("fish picture") << QStringLiteral(SAKANA_SOURCE_DIR "/data/media/画像/f1.gif");
}

// The file used to be read with one call asking for the largest size the
// reader accepts (32 MiB), for which Qt sets memory aside before it reads a
// byte: every picture, however small, needed 32 MiB for a moment, and a
// machine short of memory could not show a 100-byte GIF.
void TestFuzzFindings::smallPictureNeedsLittleMemory()
{
#if defined(SAKANA_ADDRESS_SANITIZER) || !defined(Q_OS_LINUX)
    QSKIP("needs an address-space limit (Linux, not under AddressSanitizer)");
#else
    QFETCH(QString, file);
    if (mappedBytes() < 0)
        QSKIP("this system does not say how much memory the process maps");

    // Qt's decoders are loaded before the cap, and a first read warms up
    // the allocator.
    QVERIFY(!readPicture(file).isNull());

    QImage image;
    try {
        const AddressSpaceCap cap(16 << 20);
        QVERIFY(cap.active());
        image = readPicture(file);
    } catch (const std::bad_alloc &) {
        QFAIL("reading the picture asked for more than 16 MiB");
    } catch (const MediaError &error) {
        QFAIL(error.what());
    }
    QVERIFY(!image.isNull());
#endif
}

void TestFuzzFindings::gifWithTooLittleData_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("shown");
    // Clear, one pixel, end: the decoder gives the one pixel the data holds.
    const QByteArray onePixel = QByteArray::fromHex("4c01");
    QTest::newRow("1 x 1, its pixel given") << gifOf(1, 1, onePixel) << true;
    QTest::newRow("100 x 100, most pixels left out") << gifOf(100, 100, onePixel) << true;
    QTest::newRow("4096 x 4000 in two bytes") << gifOf(4096, 4000, onePixel) << false;
    QTest::newRow("2000 x 2000 in two bytes") << gifOf(2000, 2000, onePixel) << false;
    QFile shipped(QStringLiteral(SAKANA_SOURCE_DIR "/data/media/画像/f1.gif"));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    QTest::newRow("a fish picture") << shipped.readAll() << true;
}

// A picture far larger than its data could ever fill used to show as a
// blank the size of the screen; it is refused as cut short. An image that
// merely leaves some pixels out still shows, as the decoder always did.
void TestFuzzFindings::gifWithTooLittleData()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, shown);
    const QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("little-data.gif"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    try {
        const QImage image = readPicture(path);
        QVERIFY2(shown, "the picture was shown");
        QVERIFY(!image.isNull());
    } catch (const MediaError &error) {
        QVERIFY2(!shown, error.what());
        QVERIFY2(error.reason().contains(QStringLiteral("途中で切れています")), error.what());
    }
}

QTEST_GUILESS_MAIN(TestFuzzFindings)
#include "tst_fuzzfindings.moc"

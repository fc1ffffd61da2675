// Inputs the fuzzers found that the readers once handled badly, each read
// through the real reader and held to the outcome it should have.

#include "media/mediaerror.h"
#include "media/picturefile.h"
#include "quiz/namelist.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
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

} // namespace

class TestFuzzFindings : public QObject {
    Q_OBJECT

private slots:
    void smallPictureNeedsLittleMemory_data();
    void smallPictureNeedsLittleMemory();
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

QTEST_GUILESS_MAIN(TestFuzzFindings)
#include "tst_fuzzfindings.moc"

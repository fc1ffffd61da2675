// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading the lookup screen's name list from real code page 932 and UTF-8 bytes.

#include "media/mediaerror.h"
#include "quiz/drillset.h"
#include "quiz/namelist.h"
#include "support/specialfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

using namespace sakana;
using namespace sakana::testing;

using Checks = QMap<int, QString>;

namespace {

// Lines "F<from>" .. "F<to>", two digits each, every one ended by lineEnd.
QByteArray lines(int from, int to, const char *lineEnd = "\r\n")
{
    QByteArray out;
    for (int k = from; k <= to; ++k)
        out += 'F' + QByteArray::number(k).rightJustified(2, '0') + lineEnd;
    return out;
}

QString fromUtf16(std::initializer_list<char16_t> units)
{
    QString s;
    for (char16_t u : units)
        s += QChar(u);
    return s;
}

int openFileCount()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size());
}

} // namespace

class TestNameList : public QObject {
    Q_OBJECT

private slots:
    void init();

    void entries_data();
    void entries();

    void failures_data();
    void failures();

    void unopenablePath_data();
    void unopenablePath();

    void hugeFileStopsAfterTheFortieth_data();
    void hugeFileStopsAfterTheFortieth();
    void hugeLastEntryIsRefused();

    void fileIsClosedAfterTheCall();

    void drillSet_data();
    void drillSet();

private:
    QString write(const QByteArray &bytes);

    std::unique_ptr<QTemporaryDir> dir_ = std::make_unique<QTemporaryDir>();
    int fileNumber_ = 0;
};

void TestNameList::init()
{
    QVERIFY(dir_->isValid());
}

QString TestNameList::write(const QByteArray &bytes)
{
    const QString path = dir_->filePath(QStringLiteral("name%1.txt").arg(++fileNumber_));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write the test file %s", qPrintable(path));
    return path;
}

void TestNameList::entries_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Checks>("checks");

    const Checks plain{{1, "F01"}, {2, "F02"}, {39, "F39"}, {40, "F40"}};

    QTest::newRow("forty CRLF lines") << lines(1, 40) << plain;
    QTest::newRow("LF only") << lines(1, 40, "\n") << plain;
    QTest::newRow("lone CR") << lines(1, 40, "\r") << plain;
    QTest::newRow("mixed line ends")
        << QByteArray("F01\rF02\nF03\r\n") + lines(4, 40, "\n")
        << Checks{{1, "F01"}, {2, "F02"}, {3, "F03"}, {4, "F04"}, {40, "F40"}};
    QTest::newRow("last line without a line end")
        << lines(1, 39) + "F40" << plain;
    QTest::newRow("more than forty, extra never appear")
        << lines(1, 90) << plain;
    QTest::newRow("trailing comma after the fortieth")
        << lines(1, 39) + "F40," << plain;

    QTest::newRow("quoted entry holding a comma")
        << QByteArray("\"a,b\"\r\n") + lines(2, 40)
        << Checks{{1, "a,b"}, {2, "F02"}, {40, "F40"}};
    QTest::newRow("unquoted comma shifts the rest")
        << QByteArray("a,b\r\n") + lines(2, 40)
        << Checks{{1, "a"}, {2, "b"}, {3, "F02"}, {40, "F39"}};
    QTest::newRow("blank line is an empty entry")
        << QByteArray("F01\r\n\r\n") + lines(2, 40)
        << Checks{{1, "F01"}, {2, ""}, {3, "F02"}, {40, "F39"}};
    QTest::newRow("nothing between commas is an empty entry")
        << QByteArray("a,,b\r\n") + lines(2, 40)
        << Checks{{1, "a"}, {2, ""}, {3, "b"}, {4, "F02"}, {40, "F38"}};
    QTest::newRow("doubled quote inside quotes")
        << QByteArray("\"say \"\"hi\"\"\"\r\n") + lines(2, 40)
        << Checks{{1, "say \"hi\""}, {2, "F02"}};
    QTest::newRow("quote in the middle of an unquoted entry")
        << QByteArray("ab\"cd,e\"f\r\n") + lines(2, 40)
        << Checks{{1, "ab\"cd"}, {2, "e\"f"}, {3, "F02"}, {40, "F39"}};
    QTest::newRow("text after the closing quote is appended")
        << QByteArray("\"ab\"cd \t,x\r\n") + lines(2, 40)
        << Checks{{1, "abcd"}, {2, "x"}, {3, "F02"}};
    QTest::newRow("quoted text keeps its blanks")
        << QByteArray(" \t\"  a  \" \r\n") + lines(2, 40)
        << Checks{{1, "  a  "}, {2, "F02"}};
    QTest::newRow("line ends inside quotes are text")
        << QByteArray("\"a\r\nb\rc\nd\"\r\n") + lines(2, 40)
        << Checks{{1, "a\nb\nc\nd"}, {2, "F02"}, {40, "F40"}};
    QTest::newRow("unterminated quote runs to the end of the file")
        << lines(1, 39) + "\"abc,def\r\nxyz"
        << Checks{{39, "F39"}, {40, "abc,def\nxyz"}};
    QTest::newRow("ASCII blanks around an entry are trimmed")
        << QByteArray(" \tF01 \t\r\n  \r\n") + lines(2, 40)
        << Checks{{1, "F01"}, {2, ""}, {3, "F02"}};

    // Code page 932 itself.
    QTest::newRow("kanji and hiragana")
        << QByteArray("\x8B\x9B,\x82\xB3\x82\xA9\x82\xC8\r\n") + lines(2, 40)
        << Checks{{1, fromUtf16({0x9B5A})}, {2, fromUtf16({0x3055, 0x304B, 0x306A})}, {3, "F02"}};
    QTest::newRow("ideographic space kept at the start")
        << QByteArray("\x81\x40\x82\xB3\x82\xA9\x82\xC8\x81\x40\r\n") + lines(2, 40)
        << Checks{{1, fromUtf16({0x3000, 0x3055, 0x304B, 0x306A, 0x3000})}, {2, "F02"}};
    QTest::newRow("circled one")
        << QByteArray("\x87\x40\x87\x41\r\n") + lines(2, 40)
        << Checks{{1, fromUtf16({0x2460, 0x2461})}};
    QTest::newRow("wave dash is the full-width tilde")
        << QByteArray("\x81\x60\r\n") + lines(2, 40)
        << Checks{{1, fromUtf16({0xFF5E})}};
    QTest::newRow("backslash stays a backslash")
        << QByteArray("C:\\fish\\\r\n") + lines(2, 40)
        << Checks{{1, "C:\\fish\\"}};
    QTest::newRow("second byte 0x5C of a kanji is no backslash")
        << QByteArray("\x83\x5C\r\n") + lines(2, 40)
        << Checks{{1, fromUtf16({0x30BD})}};
    QTest::newRow("half-width katakana")
        << QByteArray("\xB1\xB2\xDE\r\n") + lines(2, 40)
        << Checks{{1, fromUtf16({0xFF71, 0xFF72, 0xFF9E})}};
    QTest::newRow("NEC special and IBM extension")
        << QByteArray("\x87\x90\xFA\x40\xED\x40\r\n") + lines(2, 40)
        << Checks{{1, fromUtf16({0x2252, 0x2170, 0x7E8A})}};
    QTest::newRow("invalid bytes after the fortieth are never decoded")
        << lines(1, 40) + "\x85\x40\xFF\x82\r\n"
        << plain;
    // Windows Notepad and most editors now save UTF-8.
    const QByteArray sakana("\xE3\x81\x95\xE3\x81\x8B\xE3\x81\xAA");
    QTest::newRow("UTF-8 without a mark")
        << sakana + "\r\n" + lines(2, 40) << Checks{{1, u"さかな"_qs}, {2, "F02"}};
    QTest::newRow("UTF-8 with a mark, which is no part of the first entry")
        << "\xEF\xBB\xBF" + lines(1, 39) + sakana << Checks{{1, "F01"}, {40, u"さかな"_qs}};
    QTest::newRow("UTF-8 first seen in the second chunk")
        << QByteArray(20000, 'x') + "\r\n" + sakana + "\r\n" + lines(3, 40) << Checks{{2, u"さかな"_qs}};
    QTest::newRow("UTF-8 character cut by the end of the first chunk")
        << QByteArray(16383, 'x') + sakana + "\r\n" + lines(2, 40)
        << Checks{{1, QString(16383, u'x') + u"さかな"_qs}};

}

void TestNameList::entries()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Checks, checks);

    const NameList names = readNameList(write(bytes));
    for (auto it = checks.cbegin(); it != checks.cend(); ++it)
        QCOMPARE(names.caption(it.key()), it.value());
}

void TestNameList::failures_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");

    QTest::newRow("thirty-nine lines")
        << lines(1, 39) << QStringLiteral("項目が40個ありません（39個しかありません）");
    QTest::newRow("empty file")
        << QByteArray() << QStringLiteral("項目が40個ありません（0個しかありません）");
    QTest::newRow("thirty-eight lines, one comma-split")
        << QByteArray("a,b\r\n") + lines(2, 38)
        << QStringLiteral("項目が40個ありません（39個しかありません）");
    QTest::newRow("quote swallowing the rest of the file")
        << QByteArray("F01\r\n\"F02\r\n") + lines(3, 40)
        << QStringLiteral("項目が40個ありません（2個しかありません）");
    QTest::newRow("unassigned code in entry 5")
        << lines(1, 4) + "\x85\x40\r\n" + lines(6, 40)
        << QStringLiteral("5番目の項目に、シフトJISとして読めない文字があります");
    QTest::newRow("lone first byte before the line end")
        << lines(1, 2) + "ab\x82\r\n" + lines(4, 40)
        << QStringLiteral("3番目の項目に、シフトJISとして読めない文字があります");
    QTest::newRow("lone first byte before a comma")
        << QByteArray("x,\x82,y\r\n") + lines(2, 40)
        << QStringLiteral("2番目の項目に、シフトJISとして読めない文字があります");
    QTest::newRow("bytes 0x80 and 0xA0")
        << lines(1, 39) + "\x80\xA0\r\n"
        << QStringLiteral("40番目の項目に、シフトJISとして読めない文字があります");
    QTest::newRow("code page 932 after a UTF-8 mark")
        << "\xEF\xBB\xBF" + lines(1, 2) + "\x8B\x9B\r\n" + lines(4, 40)
        << QStringLiteral("3番目の項目に、UTF-8として読めない文字があります");
    QTest::newRow("invalid byte in a later chunk of a UTF-8 file")
        << "\xE3\x81\x95\r\n" + QByteArray(20000, 'x') + "\r\n\xFF\r\n" + lines(4, 40)
        << QStringLiteral("3番目の項目に、UTF-8として読めない文字があります");
    QTest::newRow("entry over 64 KB")
        << lines(1, 2) + QByteArray(70000, 'x') + "\r\n" + lines(4, 40)
        << QStringLiteral("3番目の項目が長すぎます（65536バイトまでです）");
}

void TestNameList::failures()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);

    const QString path = write(bytes);
    try {
        readNameList(path);
        QFAIL("the file was accepted");
    } catch (const MediaError &e) {
        QCOMPARE(e.file(), path);
        QCOMPARE(e.reason(), reason);
    }
}

void TestNameList::unopenablePath_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    const auto notAFile = [](const char *kind) { return u"ふつうのファイルではありません（%1です）"_qs.arg(QString::fromUtf8(kind)); };
    QTest::newRow("missing file") << QStringLiteral("sub/name.txt") << QStringLiteral("ファイルが見つかりません");
    QTest::newRow("folder") << QStringLiteral("folder") << notAFile("フォルダ");
    // Opening a named pipe with no writer the ordinary way waits for ever.
    QTest::newRow("named pipe") << QStringLiteral("fifo") << notAFile("名前付きパイプ");
    QTest::newRow("socket") << QStringLiteral("socket") << notAFile("ソケット");
    QTest::newRow("character device") << QStringLiteral("device") << notAFile("装置");
}

void TestNameList::unopenablePath()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);

    QVERIFY(QDir().mkpath(dir_->filePath(QStringLiteral("folder"))));
    QVERIFY(makeSpecialFile(dir_->filePath(QStringLiteral("fifo")), SpecialFile::Fifo));
    QVERIFY(makeSpecialFile(dir_->filePath(QStringLiteral("socket")), SpecialFile::Socket));
    QVERIFY(makeSpecialFile(dir_->filePath(QStringLiteral("device")), SpecialFile::Device));
    const QString path = dir_->filePath(name);
    try {
        readNameList(path);
        QFAIL("the path was accepted");
    } catch (const MediaError &e) {
        QCOMPARE(e.file(), path);
        QCOMPARE(e.reason(), reason);
    }
}

void TestNameList::hugeFileStopsAfterTheFortieth_data()
{
    QTest::addColumn<bool>("sparse");
    // A 4 GB tail of zero bytes with no delimiter in it: reading any of it as
    // an entry would take seconds and gigabytes.
    QTest::newRow("4 GB sparse tail") << true;
    // 50 MB of entries that are not valid code page 932.
    QTest::newRow("50 MB of invalid entries") << false;
}

void TestNameList::hugeFileStopsAfterTheFortieth()
{
    QFETCH(bool, sparse);

    const QString path = write(lines(1, 40));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite | QIODevice::Append));
        if (sparse) {
            QVERIFY(f.resize(qint64(4) << 30));
        } else {
            const QByteArray junk = QByteArray("\x85\x40\xFF\x82,\r\n").repeated(64 * 1024);
            for (qint64 written = 0; written < 50 * 1024 * 1024; written += junk.size())
                QCOMPARE(f.write(junk), junk.size());
        }
    }

    QElapsedTimer timer;
    timer.start();
    const NameList names = readNameList(path);
    const qint64 ms = timer.elapsed();

    QCOMPARE(names.caption(1), QStringLiteral("F01"));
    QCOMPARE(names.caption(40), QStringLiteral("F40"));
    QVERIFY2(ms < 500, qPrintable(QStringLiteral("took %1 ms").arg(ms)));
}

void TestNameList::hugeLastEntryIsRefused()
{
    const QString path = write(lines(1, 39));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.resize(qint64(4) << 30));
    }
    QElapsedTimer timer;
    timer.start();
    try {
        readNameList(path);
        QFAIL("a 4 GB entry was accepted");
    } catch (const MediaError &e) {
        QCOMPARE(e.reason(), QStringLiteral("40番目の項目が長すぎます（65536バイトまでです）"));
    }
    QVERIFY2(timer.elapsed() < 500, qPrintable(QStringLiteral("took %1 ms").arg(timer.elapsed())));
}

void TestNameList::fileIsClosedAfterTheCall()
{
    if (!QDir(QStringLiteral("/proc/self/fd")).exists())
        QSKIP("needs /proc/self/fd to count open files");

    const QString good = write(lines(1, 60));
    const QString shortFile = write(lines(1, 10));
    const QString badBytes = write(lines(1, 3) + "\x85\x40\r\n" + lines(5, 40));

    const int before = openFileCount();
    QCOMPARE(readNameList(good).caption(40), QStringLiteral("F40"));
    QCOMPARE(openFileCount(), before);
    QVERIFY_THROWS_EXCEPTION(MediaError, readNameList(shortFile));
    QCOMPARE(openFileCount(), before);
    QVERIFY_THROWS_EXCEPTION(MediaError, readNameList(badBytes));
    QCOMPARE(openFileCount(), before);
}

// The drill set: the fish it names, or the reason it is refused.
void TestNameList::drillSet_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<int>>("fish");
    QTest::addColumn<QString>("reason");
    const QByteArray cp932 = QStringEncoder("windows-31j").encode(u"アユ\r\n１０\r\n\u3000う\u3000な\u3000ぎ\r\n"_qs);

    QTest::newRow("numbers, names, comments, blank lines")
        << "# 川の魚\n3\nいわな\n\n  40 # わかさぎ\n"_qba << QList{3, 8, 40} << QString();
    QTest::newRow("katakana, full-width digits, spread caption, code page 932") << cp932 << QList{3, 10} << QString();
    QTest::newRow("a comment's comma starts no entry") << "1, 2 # 1, 40\n"_qba << QList{1, 2} << QString();
    QTest::newRow("a fish named twice is asked once") << "3\nあゆ\n3\n"_qba << QList{3} << QString();
    QTest::newRow("unknown name, line counted past blanks and comments")
        << "1\r\n\r\n# x\r\nえび\r\n"_qba << QList<int>() << u"4行目: 「えび」という魚はいません"_qs;
    QTest::newRow("number out of range") << "5\n41\n"_qba << QList<int>() << u"2行目: 「41」という魚はいません"_qs;
    QTest::newRow("signed number") << "+5\n"_qba << QList<int>() << u"1行目: 「+5」という魚はいません"_qs;
    QTest::newRow("no fish at all") << "# あとで\n\n"_qba << QList<int>() << u"ドリルの組に魚がひとつもありません"_qs;
}

void TestNameList::drillSet()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<int>, fish);
    QFETCH(QString, reason);
    const QString path = write(bytes);
    try {
        const FishSet set = readDrillSet(path);
        QList<int> read;
        for (int fishNo = 1; fishNo <= kFishCount; ++fishNo) {
            if (set.test(std::size_t(fishNo - 1)))
                read << fishNo;
        }
        QCOMPARE(read, fish);
        QVERIFY(reason.isEmpty());
    } catch (const MediaError &e) {
        QCOMPARE(e.file(), path);
        QCOMPARE(e.reason(), reason);
    }
}

QTEST_GUILESS_MAIN(TestNameList)
#include "tst_namelist.moc"

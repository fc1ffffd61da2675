// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/language.h"
#include "app/mediacheck.h"
#include "media/mediaerror.h"
#include "media/soundbank.h"
#include "support/specialfile.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTranslator>

using namespace sakana;
using namespace sakana::testing;

namespace {

bool isNote(const MediaProblem &problem) { return problem.kind == MediaProblem::Kind::Note; }

// A copy of the shipped media folder that a test may break.
struct FolderCopy {
    FolderCopy()
    {
        const QDir source(QStringLiteral(SAKANA_SOURCE_DIR "/data/media"));
        for (const QString &sub : {QStringLiteral("音"), QStringLiteral("音/声"), QStringLiteral("画像"), QStringLiteral("説明")}) {
            QDir(dir.path()).mkpath(sub);
            for (const QString &file : QDir(source.filePath(sub)).entryList(QDir::Files))
                QFile::copy(source.filePath(sub + QLatin1Char('/') + file), path(sub + QLatin1Char('/') + file));
        }
    }
    QString path(const QString &relative) const { return dir.path() + QLatin1Char('/') + relative; }
    void write(const QString &relative, const QByteArray &bytes) const
    {
        QFile file(path(relative));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    QByteArray read(const QString &relative) const
    {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir dir;
};

} // namespace

class TestMediaCheck : public QObject {
    Q_OBJECT
private slots:
    void shippedFolderIsComplete()
    {
        FolderCopy folder;
        const std::vector<MediaProblem> problems = checkMediaFolder(MediaFolder(folder.dir.path()));
        for (const MediaProblem &problem : problems)
            qWarning() << problem.file << problem.message;
        QCOMPARE(int(problems.size()), 1);
        QCOMPARE(problems.front().message, u"read as code page 932 (Shift_JIS)"_qs);
        QCOMPARE(checkExitStatus(problems), 0);
    }

    void brokenFolders_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("damage");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        QTest::newRow("truncated fish") << "画像/f3.gif" << "truncate" << 1 << "f3.gif";
        QTest::newRow("missing medal") << "画像/gold.gif" << "delete" << 1 << "gold.gif";
        QTest::newRow("garbage mark") << "画像/maru.gif" << "garbage" << 1 << "maru.gif";
        QTest::newRow("deleted sound alone") << "音/x.wav" << "delete" << 2 << "x.wav";
        QTest::newRow("sound that is not WAV") << "音/o.wav" << "garbage" << 2 << "o.wav";
        QTest::newRow("empty sound") << "音/oto.wav" << "empty" << 2 << "oto.wav";
        QTest::newRow("name list a named pipe") << "説明/name.txt" << "fifo" << 1 << "named pipe";
        QTest::newRow("sound a named pipe") << "音/o.wav" << "fifo" << 2 << "named pipe";
        QTest::newRow("name list in code page 932 after a UTF-8 mark") << "説明/name.txt" << "bom" << 1 << "UTF-8";
        QTest::newRow("name list in UTF-8") << "説明/name.txt" << "utf8" << 0 << "read as UTF-8";
        QTest::newRow("39 entries") << "説明/name.txt" << "39" << 1 << "39";
        QTest::newRow("missing name list") << "説明/name.txt" << "delete" << 1 << "name.txt";
        QTest::newRow("caption too wide") << "説明/name.txt" << "wide" << 2 << "entry 5";
        QTest::newRow("fish larger than its frame") << "画像/f7.gif" << "large" << 2 << "f7.gif";
        QTest::newRow("deleted voice") << "音/声/f12.wav" << "delete" << 2 << "f12.wav";
        QTest::newRow("name too long for the pause") << "音/声/f5.wav" << "long" << 2 << "runs on";
        QTest::newRow("no spoken names at all") << "音/声" << "folder" << 2 << "spoken names";
    }
    void brokenFolders()
    {
        QFETCH(QString, file);
        QFETCH(QString, damage);
        QFETCH(int, status);
        QFETCH(QString, says);
        FolderCopy folder;
        const QByteArray bytes = folder.read(file);
        if (damage == "truncate") {
            folder.write(file, bytes.left(bytes.size() / 2));
        } else if (damage == "delete") {
            QVERIFY(QFile::remove(folder.path(file)));
        } else if (damage == "garbage") {
            folder.write(file, QByteArray(500, 'z'));
        } else if (damage == "empty") {
            folder.write(file, {});
        } else if (damage == "fifo") {
            QVERIFY(makeSpecialFile(folder.path(file), SpecialFile::Fifo));
        } else if (damage == "utf8") {
            folder.write(file, QStringDecoder("windows-31j").decode(bytes).operator QString().toUtf8());
        } else if (damage == "bom") {
            folder.write(file, "\xEF\xBB\xBF" + bytes);
        } else if (damage == "39") {
            folder.write(file, QByteArray("x\r\n").repeated(39));
        } else if (damage == "wide") {
            QStringEncoder cp932("windows-31j");
            QByteArray list;
            for (int k = 1; k <= 40; ++k)
                list += cp932.encode(k == 5 ? QStringLiteral("とてもながいせつめいがここにはいります\r\n")
                                            : QStringLiteral("さかな\r\n"));
            folder.write(file, list);
        } else if (damage == "long") {
            // 1.5 s of silence, 16-bit mono at 8000 a second.
            const quint32 data = 24000;
            QByteArray wave("RIFF");
            auto put = [&wave](quint32 value, int bytes) {
                for (int k = 0; k < bytes; ++k)
                    wave += char((value >> (8 * k)) & 0xFF);
            };
            put(36 + data, 4);
            wave += "WAVEfmt ";
            put(16, 4), put(1, 2), put(1, 2), put(8000, 4), put(16000, 4), put(2, 2), put(16, 2);
            wave += "data";
            put(data, 4);
            folder.write(file, wave + QByteArray(int(data), '\0'));
        } else if (damage == "folder") {
            QVERIFY(QDir(folder.path(file)).removeRecursively());
        } else if (damage == "large") {
            QFile::remove(folder.path(file));
            QVERIFY(QFile::copy(QStringLiteral(SAKANA_SOURCE_DIR "/tests/data/large.gif"), folder.path(file)));
        }
        std::vector<MediaProblem> problems = checkMediaFolder(MediaFolder(folder.dir.path()));
        // The note on how the name list is read is all a row without a
        // problem expects.
        if (status != 0)
            std::erase_if(problems, isNote);
        QCOMPARE(int(problems.size()), 1);
        QVERIFY2(problems.front().file.endsWith(file), qPrintable(problems.front().file));
        QVERIFY2(problems.front().file.contains(says) || problems.front().message.contains(says),
                 qPrintable(problems.front().message));
        QCOMPARE(checkExitStatus(problems), status);
    }

    // One language a run, chosen by the locale, with counts as people write
    // them; the child's report stays Japanese whatever the check speaks.
    void printedInOneLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("printed");
        const QString english = u"%1/画像/f3.gif: error: the picture cannot be shown (the picture file is cut short)\n"
                                u"%1/音/o.wav: warning: the sound is missing; the program is silent there\n"
                                u"%1/音/x.wav: warning: the sound is missing; the program is silent there\n"
                                u"%1/説明/name.txt: note: read as code page 932 (Shift_JIS)\n"
                                u"%1: 1 error, 2 warnings\n"_qs;
        QTest::newRow("C") << "C.UTF-8" << english;
        QTest::newRow("French") << "fr_FR.UTF-8" << english;
        QTest::newRow("Japanese") << "ja_JP.UTF-8"
                                  << u"%1/画像/f3.gif: エラー: 絵を表示できません（絵のファイルが途中で切れています）\n"
                                     u"%1/音/o.wav: 注意: 音がありません。その場面では音が出ません\n"
                                     u"%1/音/x.wav: 注意: 音がありません。その場面では音が出ません\n"
                                     u"%1/説明/name.txt: お知らせ: CP932（シフトJIS）として読みます\n"
                                     u"%1: エラー 1 件、注意 2 件\n"_qs;
    }
    void printedInOneLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, printed);
        FolderCopy folder;
        const QByteArray picture = folder.read(QStringLiteral("画像/f3.gif"));
        folder.write(QStringLiteral("画像/f3.gif"), picture.left(picture.size() / 2));
        QVERIFY(QFile::remove(folder.path(QStringLiteral("音/o.wav"))));
        QVERIFY(QFile::remove(folder.path(QStringLiteral("音/x.wav"))));
        QTranslator translator;
        QVERIFY(loadCommandLineLanguage(translator, QLocale(locale)));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        QString out;
        QTextStream stream(&out);
        const MediaFolder media(folder.dir.path());
        printCheck(media, checkMediaFolder(media), stream);
        const QString childReads = MediaError(QString(), MediaError::Problem::PictureCutShort).reason();
        QCoreApplication::removeTranslator(&translator);
        stream.flush();
        QCOMPARE(out, printed.arg(folder.dir.path()));
        QCOMPARE(childReads, u"絵のファイルが途中で切れています"_qs);
    }

    void everyProblemAtOnce()
    {
        FolderCopy folder;
        QVERIFY(QFile::remove(folder.path(QStringLiteral("音/x.wav"))));
        folder.write(QStringLiteral("画像/f1.gif"), "GIF89a");
        folder.write(QStringLiteral("説明/name.txt"), QByteArray("x\r\n").repeated(39));
        const std::vector<MediaProblem> problems = checkMediaFolder(MediaFolder(folder.dir.path()));
        QCOMPARE(int(problems.size()), 3);
        QCOMPARE(checkExitStatus(problems), 1);
    }

    // The one sound reader, on headers the shipped sounds do not have: what
    // the player is handed is whole frames of a format the sound server
    // plays, and nothing else.
    void waveReader_data()
    {
        QTest::addColumn<int>("tag");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("dataBytes");
        QTest::addColumn<int>("presentBytes");
        QTest::addColumn<int>("samplesRead");  // -1: refused
        QTest::newRow("16-bit mono") << 1 << 1 << 16 << 100 << 100 << 100;
        QTest::newRow("24-bit stereo, a frame cut") << 1 << 2 << 24 << 13 << 13 << 12;
        QTest::newRow("8-bit") << 1 << 1 << 8 << 7 << 7 << 7;
        QTest::newRow("float") << 3 << 2 << 32 << 16 << 16 << 16;
        QTest::newRow("extensible float") << 0xFFFE << 1 << 32 << 8 << 8 << 8;
        QTest::newRow("64-bit float") << 3 << 1 << 64 << 16 << 16 << -1;
        QTest::newRow("12-bit") << 1 << 1 << 12 << 16 << 16 << -1;
        QTest::newRow("33 channels") << 1 << 33 << 16 << 66 << 66 << -1;
        QTest::newRow("less than a frame") << 1 << 2 << 16 << 3 << 3 << -1;
        QTest::newRow("samples claimed, not there") << 1 << 1 << 16 << 100 << 98 << -1;
    }
    void waveReader()
    {
        QFETCH(int, tag);
        QFETCH(int, channels);
        QFETCH(int, bits);
        QFETCH(int, dataBytes);
        QFETCH(int, presentBytes);
        QFETCH(int, samplesRead);
        const auto u16 = [](int v) { return QByteArray(1, char(v & 0xFF)) + char((v >> 8) & 0xFF); };
        const auto u32 = [&u16](int v) { return u16(v & 0xFFFF) + u16(v >> 16); };
        QByteArray format = u16(tag) + u16(channels) + u32(22050) + u32(22050 * channels * bits / 8) +
                            u16(channels * bits / 8) + u16(bits);
        if (tag == 0xFFFE)  // the extensible block names its float samples in the sub-format
            format += u16(22) + u16(bits) + u32(0) + u16(3) + QByteArray(14, '\0');
        QByteArray bytes = "RIFF" + u32(0) + "WAVEfmt " + u32(int(format.size())) + format + "data" + u32(dataBytes);
        const qsizetype samplesAt = bytes.size();
        bytes += QByteArray(presentBytes, '\x40');
        const auto reading = readWave(bytes);
        const auto *wave = std::get_if<Wave>(&reading);
        QCOMPARE(wave ? int(wave->samples.size()) : -1, samplesRead);
        if (wave) {
            QCOMPARE(wave->samples.data(), bytes.constData() + samplesAt);
            QCOMPARE(int(wave->format.channels), channels);
            QCOMPARE(wave->format.encoding, tag == 1 ? WaveFormat::Encoding::Integer : WaveFormat::Encoding::Float);
        }
    }

    // The sound bank on the shipped folder: every sound playable, and the
    // click of a name alone on its line, the others sharing theirs.
    void soundBank_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("onItsLine");
        QTest::newRow("name") << Sound::Name.file() << 1;
        QTest::newRow("button") << Sound::Button.file() << 5;
        QTest::newRow("fail") << Sound::Fail.file() << 5;
        QTest::newRow("a fish's name") << Sound::voiceOf(12).file() << 43;
        QTest::newRow("a prompt") << Sound::TryAgainPrompt.file() << 43;
    }
    void soundBank()
    {
        QFETCH(QString, file);
        QFETCH(int, onItsLine);
        FolderCopy folder;
        const SoundBank bank(MediaFolder(folder.dir.path()));
        const Sound sound(file);
        const std::optional<std::size_t> index = bank.indexOf(sound);
        QVERIFY(index);
        const BankedSound &banked = bank.sounds()[*index];
        QVERIFY2(banked.wave && !banked.silence, banked.silence ? banked.silence->what() : "");
        // A player's bank reads a voice only when it is needed.
        SoundBank players(MediaFolder(folder.dir.path()), SoundBank::Reading::VoicesWhenNeeded);
        QCOMPARE(players.sounds()[*index].read, !sound.isVoice());
        QVERIFY(players.need(*index).wave);
        QCOMPARE(banked.path, MediaFolder(folder.dir.path()).sound(sound));
        const auto sharing = std::count_if(bank.sounds().begin(), bank.sounds().end(), [&sound](const BankedSound &s) {
            return SoundBank::lineOf(s.sound) == SoundBank::lineOf(sound);
        });
        QCOMPARE(int(sharing), onItsLine);
    }
};

QTEST_MAIN(TestMediaCheck)
#include "tst_mediacheck.moc"

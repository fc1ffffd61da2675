// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line: which runs only print (and so open no window system),
// and the help laid out for a terminal in Japanese.

#include "app/commandline.h"
#include "app/language.h"
#include "app/terminaltext.h"

#include <QLocale>
#include <QTest>
#include <QTranslator>

using namespace sakana;

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void printsOnly_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("printsOnly");
        QTest::newRow("a window") << QStringList{} << false;
        QTest::newRow("a window, full screen, another folder") << QStringList{u"--fullscreen"_qs, u"--media=/m"_qs} << false;
        QTest::newRow("a window, classroom mode, a drill set")
            << QStringList{u"--kiosk"_qs, u"--drill-set"_qs, u"river.txt"_qs} << false;
        QTest::newRow("fish cards") << QStringList{u"--print-cards"_qs, u"c.pdf"_qs, u"--drill-set=r.txt"_qs} << true;
        QTest::newRow("help") << QStringList{u"-h"_qs} << true;
        QTest::newRow("version") << QStringList{u"--version"_qs} << true;
        QTest::newRow("media check") << QStringList{u"--check-media"_qs, u"/m"_qs} << true;
        QTest::newRow("unknown option") << QStringList{u"--bogus"_qs} << true;
        QTest::newRow("unknown beside a known one") << QStringList{u"--fullscreen"_qs, u"-x"_qs} << true;
        QTest::newRow("a folder missing") << QStringList{u"--media"_qs} << true;
    }
    void printsOnly()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, printsOnly);
        std::vector<QByteArray> bytes{"sakana"};
        for (const QString &argument : arguments)
            bytes.push_back(argument.toLocal8Bit());
        std::vector<char *> argv;
        for (QByteArray &argument : bytes)
            argv.push_back(argument.data());
        QCOMPARE(CommandLine::printsOnly(int(argv.size()), argv.data()), printsOnly);
    }

    void wrap_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("English at spaces") << u"Start full screen, every one"_qs << 13
                                           << QStringList{u"Start full"_qs, u"screen, every"_qs, u"one"_qs};
        QTest::newRow("Japanese between characters, two columns each")
            << u"あいうえおかきくけこ"_qs << 9 << QStringList{u"あいうえ"_qs, u"おかきく"_qs, u"けこ"_qs};
        QTest::newRow("no line starts with 、") << u"あいう、えお"_qs << 6 << QStringList{u"あい"_qs, u"う、え"_qs, u"お"_qs};
        QTest::newRow("no line ends with （ or starts with ）")
            << u"フォルダ（指定）"_qs << 10 << QStringList{u"フォルダ"_qs, u"（指定）"_qs};
        QTest::newRow("small kana stays with the one before") << u"あフォ"_qs << 4 << QStringList{u"あ"_qs, u"フォ"_qs};
        QTest::newRow("Latin word, then Japanese") << u"DIR を使います"_qs << 6
                                                   << QStringList{u"DIR を"_qs, u"使いま"_qs, u"す"_qs};
        QTest::newRow("a word wider than the line is cut") << u"abcdefghij"_qs << 4
                                                           << QStringList{u"abcd"_qs, u"efgh"_qs, u"ij"_qs};
    }
    void wrap()
    {
        QFETCH(QString, text);
        QFETCH(int, columns);
        QFETCH(QStringList, lines);
        QCOMPARE(wrapForTerminal(text, columns), lines);
    }

    // The Japanese help: within 80 columns, and no text lost on the way.
    void japaneseHelpFitsTerminal()
    {
        QTranslator japanese;
        QVERIFY(loadCommandLineLanguage(japanese, QLocale(u"ja_JP"_qs)));
        QVERIFY(QCoreApplication::installTranslator(&japanese));
        const QString help = CommandLine(true).wideHelpText(u"/usr/bin/sakana"_qs);
        QCoreApplication::removeTranslator(&japanese);
        QString joined;
        for (const QString &line : help.split(u'\n')) {
            QVERIFY2(terminalColumns(line) <= 79, qPrintable(line));
            joined += line;
        }
        joined.remove(u' ');
        QCOMPARE(terminalColumns(u"全角 abc"_qs), 8);
        QVERIFY2(joined.contains(u"メディアのフォルダDIR（指定がなければプログラムが使うフォルダ）を調べ、問題をすべて知らせて終わります。"
                                 u"終了コード0:問題なし、1:プログラムが止まる問題あり、2:注意だけ。"_qs),
                 qPrintable(help));
        // The texts start one column after the longest names (--print-cards <FILE>).
        QVERIFY(help.contains(u"  --media <DIR>"_qs + QString(9, u' ') + u"メディア"_qs));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"

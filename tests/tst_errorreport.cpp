// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/errorreport.h"
#include "support/world.h"

#include <QTest>

using namespace sakana;
using namespace sakana::testing;

// A failing step inside any handler reaches the one error report, the screen
// windows go, and no handler of a screen runs after it.
class TestErrorReport : public QObject {
    Q_OBJECT
private slots:
    void failingStepIsReported()
    {
        const QString missing = QStringLiteral("画像/maru.gif");
        std::vector<MediaError> shown;
        ErrorReport report([&shown](const MediaError &error) { shown.push_back(error); });

        World world(&report);
        world.putAllFish(QStringLiteral("small.gif"));
        world.putNameList(QByteArray("x\r\n").repeated(40));
        world.go(Destination::Drill);
        QWidget *window = world.window();
        QLabel *name = world.name(1);

        QTest::mouseClick(name, Qt::LeftButton);  // fish 1 is the first question
        QCOMPARE(int(shown.size()), 1);
        QVERIFY(shown.front().file().endsWith(missing));
        QVERIFY(report.hasFailed());
        QVERIFY(!window->isVisible());
        const QString text = reportText(shown.front());
        QVERIFY(text.contains(shown.front().file()));
        QVERIFY(text.contains(shown.front().reason()));
        QVERIFY(text.startsWith(QStringLiteral("実行時エラーが起きたので、プログラムを終わります。")));

        // Nothing on the screen reacts any more: the pause was never started,
        // and a click, a tick or a leaving button does nothing.
        world.sounds.played.clear();
        QVERIFY(!world.pauseRuns(QStringLiteral("feedbackTimer")));
        QVERIFY(QMetaObject::invokeMethod(world.pauseTimer(QStringLiteral("feedbackTimer")), "timeout"));
        QTest::mouseClick(name, Qt::LeftButton);
        QCOMPARE(int(shown.size()), 1);
        QVERIFY(world.sounds.played.empty());
    }

    void firstScreenFailingIsReported()
    {
        std::vector<MediaError> shown;
        ErrorReport report([&shown](const MediaError &error) { shown.push_back(error); });
        World world(&report);
        // No name list: the lookup screen cannot open.
        world.go(Destination::Menu);
        QTest::mouseClick(world.control<QWidget>(QStringLiteral("toLookupButton")), Qt::LeftButton);
        world.endPause(QStringLiteral("departureTimer"));
        QCOMPARE(int(shown.size()), 1);
        QVERIFY(shown.front().file().endsWith(QStringLiteral("説明/name.txt")));
        QCOMPARE(shown.front().reason(), QStringLiteral("ファイルが見つかりません"));
    }
};

QTEST_MAIN(TestErrorReport)
#include "tst_errorreport.moc"

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/hold.h"
#include "ui/pause.h"

#include <QTest>

using namespace sakana;

// The pause before a screen change or the next question: the click is
// stamped to a whole second, and the pause is over two seconds after that.
class TestPause : public QObject {
    Q_OBJECT
private slots:
    void stamp_data()
    {
        QTest::addColumn<double>("clock");
        QTest::addColumn<int>("stamp");
        QTest::newRow("below half") << 100.4 << 100;
        QTest::newRow("above half") << 100.6 << 101;
        QTest::newRow("half to even, down") << 100.5 << 100;
        QTest::newRow("half to even, up") << 101.5 << 102;
        QTest::newRow("last second of the day") << 86399.6 << 86400;
    }
    void stamp()
    {
        QFETCH(double, clock);
        QFETCH(int, stamp);
        QCOMPARE(stampSeconds(clock), stamp);
    }

    void pauseRule_data()
    {
        QTest::addColumn<double>("click");
        QTest::addColumn<double>("tick");
        QTest::addColumn<bool>("over");
        QTest::newRow("100.4: at 102.0 not yet") << 100.4 << 102.0 << false;
        QTest::newRow("100.4: at 102.1 over") << 100.4 << 102.1 << true;
        QTest::newRow("100.6: just after the click, slightly negative") << 100.6 << 100.7 << false;
        QTest::newRow("100.6: at 103.0 exactly two, not yet") << 100.6 << 103.0 << false;
        QTest::newRow("100.6: at 103.1 over") << 100.6 << 103.1 << true;
        QTest::newRow("86399.4: after midnight at 0.5, not yet") << 86399.4 << 0.5 << false;
        QTest::newRow("86399.4: after midnight at 1.1, over") << 86399.4 << 1.1 << true;
        QTest::newRow("86399.6 stamped 86400: at 86399.9, not yet") << 86399.6 << 86399.9 << false;
        QTest::newRow("86399.6 stamped 86400: at 2.0 after midnight, not yet") << 86399.6 << 2.0 << false;
        QTest::newRow("86399.6 stamped 86400: at 2.1 after midnight, over") << 86399.6 << 2.1 << true;
        QTest::newRow("clock set back a minute: over") << 500.2 << 440.0 << true;
        QTest::newRow("clock set back two hours: over") << 50000.0 << 42800.0 << true;
        QTest::newRow("clock set back 1.2 s: over") << 500.0 << 498.8 << true;
        QTest::newRow("100.5 stamped 100 read at 99.6: rounding slack, not yet") << 100.5 << 99.6 << false;
    }
    void pauseRule()
    {
        QFETCH(double, click);
        QFETCH(double, tick);
        QFETCH(bool, over);
        QCOMPARE(pauseIsOver(tick, stampSeconds(click)), over);
    }

    void holdCountdown_data()
    {
        QTest::addColumn<double>("press");
        QTest::addColumn<double>("now");
        QTest::addColumn<int>("left");
        QTest::newRow("at the press") << 100.4 << 100.4 << 3;
        QTest::newRow("0.9 s held") << 100.4 << 101.3 << 3;
        QTest::newRow("1 s held") << 100.4 << 101.4 << 2;
        QTest::newRow("2.9 s held") << 100.4 << 103.3 << 1;
        QTest::newRow("3 s held: done") << 100.4 << 103.4 << 0;
        QTest::newRow("across midnight, 2.5 s") << 86399.0 << 1.5 << 1;
        QTest::newRow("across midnight, 3.5 s") << 86399.0 << 2.5 << 0;
        QTest::newRow("clock set back") << 500.0 << 440.0 << 3;
    }
    void holdCountdown()
    {
        QFETCH(double, press);
        QFETCH(double, now);
        QFETCH(int, left);
        QCOMPARE(holdSecondsLeft(press, now), left);
    }
};

QTEST_APPLESS_MAIN(TestPause)
#include "tst_pause.moc"

// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A long run of the whole program in-process: screen changes through all
// three screens and complete quizzes of every grade, with the fake clock (no
// waiting). Resident memory is read after a warm-up and at the end; it must
// not grow by a megabyte. SAKANA_SOAK_SCALE=full runs the long soak (10000
// screen changes, 1000 quizzes); the default is a tenth of that.

#include "support/world.h"
#include "ui/controls.h"

#include <QFile>
#include <QPushButton>
#include <QTest>
#include <malloc.h>


#if defined(__SANITIZE_ADDRESS__)
#define SAKANA_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SAKANA_ADDRESS_SANITIZER 1
#endif
#endif

using namespace sakana;
using namespace sakana::testing;

namespace {

constexpr long kAllowedGrowthKb = 1024;

bool fullScale()
{
    return qEnvironmentVariable("SAKANA_SOAK_SCALE") == QLatin1String("full");
}

// Resident memory in kB, after giving freed heap back to the system so that
// only memory still held counts.
long residentKb()
{
    malloc_trim(0);
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    }
    return -1;
}

struct Soak {
    Soak()
    {
        world.putAllFish(QStringLiteral("small.gif"));
        world.putPicture(QStringLiteral("mark.gif"), QStringLiteral("maru.gif"));
        world.putPicture(QStringLiteral("small.gif"), QStringLiteral("batu.gif"));
        world.putPicture(QStringLiteral("medal.gif"), QStringLiteral("gold.gif"));
        world.putPicture(QStringLiteral("small.gif"), QStringLiteral("silver.gif"));
        world.putPicture(QStringLiteral("mark.gif"), QStringLiteral("copper.gif"));
        world.putNameList(QByteArray("x\r\n").repeated(40));
        world.go(Destination::Menu);
    }

    // Paints the open window, as the event loop would after a change.
    void paint()
    {
        QCoreApplication::processEvents();
        World::flushClosedWindows();
    }
    // Clicks a button of the open screen and lets its pause run out.
    void leaveBy(const char *button)
    {
        QPushButton *control = world.control<QPushButton>(QLatin1String(button));
        QVERIFY2(control, button);
        QTest::mouseClick(control, Qt::LeftButton);
        world.endPause(QStringLiteral("departureTimer"));
        paint();
    }
    bool isOpen(Destination destination) const
    {
        Screen *screen = world.screen(destination);
        return screen && screen->isOpen();
    }
    void clickName(int fishNo) { QTest::mouseClick(world.name(fishNo), Qt::LeftButton); }

    // Four changes: menu, lookup (some names clicked), menu, drill (one
    // question answered), menu.
    void roundTrip(int round)
    {
        leaveBy("toLookupButton");
        QVERIFY(isOpen(Destination::Lookup));
        for (int k = 0; k < 4; ++k)
            clickName((round * 4 + k) % 40 + 1);
        leaveBy("toMenuButton");
        QVERIFY(isOpen(Destination::Menu));
        leaveBy("toDrillButton");
        QVERIFY(isOpen(Destination::Drill));
        clickName(round % 40 + 1);
        world.endFeedback();
        leaveBy("toMenuButton");
        QVERIFY(isOpen(Destination::Menu));
    }

    // Queues the draws of a quiz whose question k asks fish order[k].
    std::vector<int> queueQuiz(int quiz)
    {
        std::vector<int> order;
        const int step = std::array{1, 3, 7, 9, 11, 13, 17, 19}[std::size_t(quiz % 8)];
        for (int k = 0; k < 40; ++k) {
            order.push_back((k * step + quiz) % 40 + 1);
            world.random.pickFish(order.back());
        }
        return order;
    }
    // Answers every question, the first `right` of them rightly.
    void answer(const std::vector<int> &order, int right)
    {
        for (int question = 0; question < 40; ++question) {
            const int fish = order[std::size_t(question)];
            clickName(question < right ? fish : fish % 40 + 1);
            world.endFeedback();
        }
        paint();
    }

    World world;
};

} // namespace

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
#ifdef SAKANA_ADDRESS_SANITIZER
        // The sanitizer keeps freed memory in quarantine, so resident memory
        // says nothing about growth there.
        QSKIP("resident memory is not measured under AddressSanitizer");
#endif
    }

    void screenChangesKeepMemory()
    {
        const int changes = fullScale() ? 10000 : 1000;
        Soak soak;
        // Warm-up: every screen made, every picture read, caches filled.
        for (int round = 0; round < 25; ++round)
            soak.roundTrip(round);
        const long before = residentKb();
        for (int round = 25; round < changes / 4; ++round) {
            soak.roundTrip(round);
            if (QTest::currentTestFailed())
                return;
        }
        const long after = residentKb();
        qInfo("%d screen changes: resident %ld kB after the warm-up, %ld kB at the end, growth %ld kB", changes,
              before, after, after - before);
        QVERIFY(before > 0);
        QVERIFY2(after - before < kAllowedGrowthKb, qPrintable(QStringLiteral("grew by %1 kB").arg(after - before)));
        QVERIFY(soak.world.errors.errors.empty());
    }

    void quizzesKeepMemory()
    {
        const int quizzes = fullScale() ? 1000 : 100;
        // Every grade in turn: fail, copper, silver and gold, at their edges.
        constexpr std::array kRight{0, 19, 20, 29, 30, 35, 36, 40};
        Soak soak;
        std::vector<int> order = soak.queueQuiz(0);
        soak.leaveBy("toDrillButton");
        QVERIFY(soak.isOpen(Destination::Drill));
        long before = 0;
        for (int quiz = 0; quiz < quizzes; ++quiz) {
            if (quiz == 16)
                before = residentKb();
            const int right = kRight[std::size_t(quiz) % kRight.size()];
            soak.answer(order, right);
            const bool passed = right >= 20;
            QCOMPARE(soak.world.sounds.last(), std::optional(passed ? Sound::Pass : Sound::Fail));
            QCOMPARE(soak.world.control<PictureBox>(QStringLiteral("medal"))->isVisible(), passed);
            QCOMPARE(soak.world.control<Label>(QStringLiteral("failNotice"))->isVisible(), !passed);
            soak.world.random.draws.clear();
            soak.world.sounds.played.clear();
            order = soak.queueQuiz(quiz + 1);
            QTest::mouseClick(soak.world.control<PictureBox>(QStringLiteral("restartPicture")), Qt::LeftButton);
        }
        const long after = residentKb();
        qInfo("%d quizzes: resident %ld kB after the warm-up, %ld kB at the end, growth %ld kB", quizzes, before, after,
              after - before);
        QVERIFY(before > 0);
        QVERIFY2(after - before < kAllowedGrowthKb, qPrintable(QStringLiteral("grew by %1 kB").arg(after - before)));
        QVERIFY(soak.world.errors.errors.empty());
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"

#pragma once

// A whole program for tests: the real shell and screens on a temporary media
// folder, with a clock the test moves, scripted random draws and players
// that only record what they were told.

#include "app/clock.h"
#include "app/random.h"
#include "app/screen.h"
#include "app/shell.h"
#include "media/soundplayer.h"

#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <memory>

namespace sakana::testing {

class FakeClock final : public Clock {
public:
    double secondsSinceMidnight() const override { return now; }
    double now = 1000.0;
};

// Hands out the draws the test queued, in order; when none is queued, 0.
class ScriptedRandom final : public RandomSource {
public:
    void seedFromClock(double seconds) override { seeds.push_back(seconds); }
    double next() override
    {
        if (draws.empty())
            return 0.0;
        const double value = draws.front();
        draws.pop_front();
        return value;
    }
    // Queues the draw that picks this fish (1 to 40).
    void pickFish(int fishNo) { draws.push_back((fishNo - 1 + 0.5) / 40.0); }

    std::deque<double> draws;
    std::vector<double> seeds;
};

// Every player operation, in order, as "player op argument".
class RecordingPlayers final : public PlayerFactory {
public:
    std::unique_ptr<SoundPlayer> create(const QString &name) override;
    QStringList log;
};

class World {
public:
    World();
    ~World();

    // Puts a copy of a picture from tests/data into the media folder.
    void putPicture(const QString &fixture, const QString &name);
    // Gives every fish the same picture.
    void putAllFish(const QString &fixture);
    void putNameList(const QByteArray &bytes);

    Shell &shell() { return *shell_; }
    template <typename T> T *screen(ScreenId id) { return static_cast<T *>(shell_->screen(id)); }
    QString media(const QString &relative) const;
    // Destroys the windows of closed screens, as the event loop would.
    static void flushClosedWindows();

    FakeClock clock;
    ScriptedRandom random;
    RecordingPlayers players;
    int endCalls = 0;
    QTemporaryDir dir;

private:
    std::unique_ptr<Shell> shell_;
};

QString fixture(const QString &name);

} // namespace sakana::testing

#pragma once

#include <QString>
#include <array>
#include <functional>
#include <memory>

namespace sakana {

class Clock;
class RandomSource;
class PlayerFactory;
class Screen;

enum class ScreenId { Menu, Lookup, Drill };

// What the screens are given from outside: real ones in the program, fakes in tests.
struct Services {
    const Clock &clock;
    RandomSource &random;
    PlayerFactory &players;
};

// The program's navigation: the program directory, the three screen objects
// (each made at its first opening and kept to the end), and the rule that
// exactly one screen is open at a time.
class Shell {
public:
    using ScreenMaker = std::function<std::unique_ptr<Screen>(ScreenId, Shell &)>;
    using Ender = std::function<void()>;

    Shell(QString appDir, Services services, ScreenMaker makeScreen, Ender endProgram);
    ~Shell();

    const QString &appDir() const { return appDir_; }
    const Services &services() const { return services_; }

    // Opens a screen; the screen that was open must have closed itself first.
    void open(ScreenId id);
    // Ends the program at once.
    void endProgram();
    bool ended() const { return ended_; }

    // The screen object, or null before its first opening.
    Screen *screen(ScreenId id) const { return screens_[std::size_t(id)].get(); }
    // The open screen, or null.
    Screen *current() const;

private:
    QString appDir_;
    Services services_;
    ScreenMaker makeScreen_;
    Ender endProgram_;
    std::array<std::unique_ptr<Screen>, 3> screens_{};
    bool ended_ = false;
};

} // namespace sakana

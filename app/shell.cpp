#include "app/shell.h"

#include "app/screen.h"
#include "app/screenwindow.h"

namespace sakana {

Shell::Shell(QString appDir, Services services, ScreenMaker makeScreen, Ender endProgram)
    : appDir_(std::move(appDir)), services_(services), makeScreen_(std::move(makeScreen)),
      endProgram_(std::move(endProgram))
{
}

Shell::~Shell()
{
    for (auto &screen : screens_) {
        if (screen && screen->isOpen())
            screen->close();
    }
}

void Shell::open(ScreenId id)
{
    if (ended_)
        return;
    auto &slot = screens_[std::size_t(id)];
    if (!slot)
        slot = makeScreen_(id, *this);
    slot->open();
}

void Shell::endProgram()
{
    if (ended_)
        return;
    ended_ = true;
    if (Screen *open = current())
        open->close();
    endProgram_();
}

Screen *Shell::current() const
{
    for (const auto &screen : screens_) {
        if (screen && screen->isOpen())
            return screen.get();
    }
    return nullptr;
}

} // namespace sakana

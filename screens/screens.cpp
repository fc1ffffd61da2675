#include "screens/screens.h"

#include "screens/drill/drill.h"
#include "screens/lookup/lookup.h"
#include "screens/menu/menu.h"

namespace sakana {

std::unique_ptr<Screen> makeScreen(ScreenId id, Shell &shell)
{
    switch (id) {
    case ScreenId::Menu:
        return std::make_unique<メニュー>(shell);
    case ScreenId::Lookup:
        return std::make_unique<説明>(shell);
    case ScreenId::Drill:
        return std::make_unique<ドリル>(shell);
    }
    return nullptr;
}

} // namespace sakana

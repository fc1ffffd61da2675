#pragma once

#include "app/shell.h"

#include <memory>

namespace sakana {

// Makes the object of a screen at its first opening.
std::unique_ptr<Screen> makeScreen(ScreenId id, Shell &shell);

} // namespace sakana

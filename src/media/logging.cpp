#include "media/logging.h"

namespace sakana {

Q_LOGGING_CATEGORY(lcSound, "sakana.sound")

} // namespace sakana

// web/time.cpp -- the tick count from the page's clock. A page cannot block, so it has no sleep:
// its frame loop waits for animation frames instead.
#include "platform/time.h"

#include <emscripten.h>

namespace platform {

std::uint32_t getTickCount() {
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(emscripten_get_now()));
}

}  // namespace platform

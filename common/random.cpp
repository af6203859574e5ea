// random.cpp -- the shared linear congruential generator.
#include "common/random.h"

namespace common {

// The process-wide generator state; see random.h.
static std::uint32_t state = 1;

std::uint32_t randomState() {
    return state;
}

void setRandomState(std::uint32_t newState) {
    state = newState;
}

int drawRandom() {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFFu);
}

int drawRandomBelow(int n) {
    return drawRandom() % n;
}

}  // namespace common

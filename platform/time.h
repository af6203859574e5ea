// time.h -- the process clock: a wrapping millisecond tick count and a millisecond sleep.
#pragma once

#include <cstdint>

namespace platform {

// Milliseconds of the monotonic clock since boot, as an unsigned 32-bit count
// that wraps to 0 every 2^32 ms (about 49.7 days). Read once per frame by the
// frame driver's pacing step.
std::uint32_t getTickCount();

// Blocks the calling thread for the given number of milliseconds (0 returns at
// once). Called by the frame driver's pacing step.
void sleepMilliseconds(std::uint32_t milliseconds);

}  // namespace platform

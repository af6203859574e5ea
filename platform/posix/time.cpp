// posix/time.cpp -- the tick count from CLOCK_MONOTONIC and a millisecond sleep that survives
// signals.
#include "platform/time.h"

#include <cerrno>
#include <ctime>

namespace platform {

std::uint32_t getTickCount() {
    timespec now = {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    // Unsigned arithmetic: the count wraps at 2^32 like the system's own.
    const std::uint64_t milliseconds = static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                                       static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(milliseconds);
}

void sleepMilliseconds(std::uint32_t milliseconds) {
    timespec remaining = {};
    remaining.tv_sec = static_cast<time_t>(milliseconds / 1000u);
    remaining.tv_nsec = static_cast<long>(milliseconds % 1000u) * 1000000L;
    // A signal cuts the sleep short; sleep out the rest.
    while (nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {
    }
}

}  // namespace platform

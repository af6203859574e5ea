// win32/time.cpp -- the tick count from GetTickCount and the sleep with Sleep.
#include "platform/win32/system.h"
// After windows.h, whose types it uses.
#include <mmsystem.h>

#include "platform/time.h"

namespace platform {

std::uint32_t getTickCount() {
    return GetTickCount();
}

void sleepMilliseconds(std::uint32_t milliseconds) {
    // The system's sleeps end on its timer's ticks, 15.6 ms apart unless asked
    // for 1 ms: without that, a 20 ms wait of the pacing would last 31 ms.
    static const bool fineTimer = timeBeginPeriod(1) == TIMERR_NOERROR;
    (void)fineTimer;
    Sleep(milliseconds);
}

}  // namespace platform

// win32/time.cpp -- the tick count from GetTickCount and the sleep with Sleep, on the system's
// 1 ms timer from the first sleep to the program's end.
#include "platform/win32/system.h"
// After windows.h, whose types it uses.
#include <mmsystem.h>

#include <atomic>
#include <cstdlib>

#include "platform/time.h"
#include "platform/win32/fine_timer.h"

namespace platform {

// Whether the program holds a 1 ms timer request: set by the first sleep,
// cleared by endFineTimer (from the main thread at exit, or from the
// system's thread of a crash or console request).
static std::atomic<bool> fineTimerHeld(false);

void endFineTimer() {
    if (fineTimerHeld.exchange(false))
        timeEndPeriod(1);
}

// The request holds for every program on the system (a faster timer costs
// power) until it is ended, so every begin has its end: at exit, or before
// that where the system ends the process (fine_timer.h).
static bool beginFineTimer() {
    if (timeBeginPeriod(1) != TIMERR_NOERROR)
        return false;
    fineTimerHeld = true;
    if (std::atexit(endFineTimer) != 0) {
        endFineTimer();  // nothing would end it
        return false;
    }
    return true;
}

std::uint32_t getTickCount() {
    return GetTickCount();
}

void sleepMilliseconds(std::uint32_t milliseconds) {
    // The system's sleeps end on its timer's ticks, 15.6 ms apart unless asked
    // for 1 ms: without that, a 20 ms wait of the pacing would last 31 ms.
    static const bool fineTimer = beginFineTimer();
    (void)fineTimer;
    Sleep(milliseconds);
}

}  // namespace platform

// win32/fine_timer.h -- giving back the 1 ms system timer that the sleep asks for. Shared by the
// Win32 implementation files only.
#pragma once

namespace platform {

// Ends the program's 1 ms timer request (timeEndPeriod), once; does nothing
// when there is none. Runs by itself when the program exits; called too
// where the system ends the process without that (a crash, a console's close,
// log-off or shut-down request).
void endFineTimer();

}  // namespace platform

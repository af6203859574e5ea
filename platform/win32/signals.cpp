// win32/signals.cpp -- termination requests and crashes on Windows: Ctrl+C in a console becomes the
// quit message; a crash puts the display back in its own mode and ends the 1 ms timer request.
#include "platform/win32/fine_timer.h"
#include "platform/win32/handles.h"
#include "platform/window.h"

namespace platform {

// The thread that runs the message loop.
static DWORD mainThread = 0;

// Runs on a thread of its own that the system starts, only when the program
// was started from a console (a windowed program has none otherwise; the
// system's other requests to end it, taskkill among them, are close messages).
static BOOL WINAPI onConsoleRequest(DWORD request) {
    // The loop ends as on a close request; a waiting message box ends too and
    // leaves the quit message for the loop.
    PostThreadMessageA(mainThread, WM_QUIT, 0, 0);
    // After these the system ends the process as soon as this returns, whether
    // the program has reached its exit or not.
    if (request == CTRL_CLOSE_EVENT || request == CTRL_LOGOFF_EVENT ||
        request == CTRL_SHUTDOWN_EVENT)
        endFineTimer();
    return TRUE;
}

static LONG WINAPI onCrash(EXCEPTION_POINTERS*) {
    ChangeDisplaySettingsA(nullptr, 0);
    endFineTimer();
    return EXCEPTION_CONTINUE_SEARCH;  // the system ends the program as it would have
}

void installSignalHandlers() {
    mainThread = GetCurrentThreadId();
    SetConsoleCtrlHandler(onConsoleRequest, TRUE);
    SetUnhandledExceptionFilter(onCrash);
}

}  // namespace platform

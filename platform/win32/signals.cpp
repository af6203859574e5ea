// win32/signals.cpp -- termination requests and crashes on Windows: Ctrl+C in a console becomes the
// quit message; a crash puts the display back in its own mode.
#include "platform/win32/handles.h"
#include "platform/window.h"

namespace platform {

// The thread that runs the message loop.
static DWORD mainThread = 0;

// Runs on a thread of its own that the system starts, only when the program
// was started from a console (a windowed program has none otherwise; the
// system's other requests to end it, taskkill among them, are close messages).
static BOOL WINAPI onConsoleRequest(DWORD) {
    // The loop ends as on a close request; a waiting message box ends too and
    // leaves the quit message for the loop.
    PostThreadMessageA(mainThread, WM_QUIT, 0, 0);
    return TRUE;
}

static LONG WINAPI onCrash(EXCEPTION_POINTERS*) {
    ChangeDisplaySettingsA(nullptr, 0);
    return EXCEPTION_CONTINUE_SEARCH;  // the system ends the program as it would have
}

void installSignalHandlers() {
    mainThread = GetCurrentThreadId();
    SetConsoleCtrlHandler(onConsoleRequest, TRUE);
    SetUnhandledExceptionFilter(onCrash);
}

}  // namespace platform

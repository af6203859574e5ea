// win32/messages.cpp -- the thread's message queue: PeekMessage, dispatch, default handling, wait.
#include "platform/messages.h"

#include "platform/win32/handles.h"

namespace platform {

static_assert(kWmNull == WM_NULL && kWmSize == WM_SIZE && kWmActivate == WM_ACTIVATE &&
              kWmClose == WM_CLOSE && kWmQuit == WM_QUIT && kWmKeyDown == WM_KEYDOWN &&
              kWmKeyUp == WM_KEYUP && kWmSysKeyDown == WM_SYSKEYDOWN &&
              kWmSysKeyUp == WM_SYSKEYUP && kWmSysCommand == WM_SYSCOMMAND &&
              kWmDestroy == WM_DESTROY);
static_assert(kWmMouseMove == WM_MOUSEMOVE && kWmLButtonDown == WM_LBUTTONDOWN &&
              kWmRButtonDown == WM_RBUTTONDOWN && kWmMButtonDown == WM_MBUTTONDOWN &&
              kWmXButtonDown == WM_XBUTTONDOWN);
static_assert(kWaInactive == WA_INACTIVE && kWaActive == WA_ACTIVE);
static_assert(kScClose == SC_CLOSE && kScScreenSave == SC_SCREENSAVE &&
              kScMonitorPower == SC_MONITORPOWER);
static_assert(kSizeRestored == SIZE_RESTORED && kSizeMaximized == SIZE_MAXIMIZED);
static_assert(kVkEscape == VK_ESCAPE && kVkF1 == VK_F1 && kVkF4 == VK_F4);

// The message as the system had it when it was taken off the queue.
static MSG systemMessage(const Message* message) {
    MSG msg = {};
    msg.hwnd = toHwnd(message->window);
    msg.message = message->message;
    msg.wParam = message->wParam;
    msg.lParam = message->lParam;
    msg.time = static_cast<DWORD>(GetMessageTime());
    const DWORD position = GetMessagePos();
    msg.pt.x = static_cast<short>(LOWORD(position));
    msg.pt.y = static_cast<short>(HIWORD(position));
    return msg;
}

bool peekMessage(Message* message) {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    *message = Message{fromHwnd(msg.hwnd), msg.message, msg.wParam, msg.lParam};
    return true;
}

void translateMessage(const Message* message) {
    const MSG msg = systemMessage(message);
    TranslateMessage(&msg);
}

std::intptr_t dispatchMessage(const Message* message) {
    const MSG msg = systemMessage(message);
    return DispatchMessageA(&msg);
}

std::intptr_t defWindowProc(Window* window, unsigned message, std::uintptr_t wParam,
                            std::intptr_t lParam) {
    return DefWindowProcA(toHwnd(window), message, wParam, lParam);
}

void postQuitMessage(int exitCode) {
    PostQuitMessage(exitCode);
}

void waitMessage() {
    WaitMessage();
}

}  // namespace platform

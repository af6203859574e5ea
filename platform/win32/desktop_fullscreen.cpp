// win32/desktop_fullscreen.cpp -- a window as a borderless popup over its monitor and back, without
// a display-mode change.
#include <algorithm>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/window.h"

namespace platform {

// What a window covering its monitor had before: its styles and its place,
// put back when it leaves. Kept from the switch to the return (or until the
// window is gone and its handle is met again).
struct FramedWindow {
    HWND window;
    LONG_PTR style;
    WINDOWPLACEMENT placement;
};
static std::vector<FramedWindow> framedWindows;

static std::vector<FramedWindow>::iterator findFramed(HWND window) {
    return std::find_if(framedWindows.begin(), framedWindows.end(),
                        [window](const FramedWindow& framed) { return framed.window == window; });
}

static bool coverMonitor(HWND window) {
    FramedWindow framed = {window, GetWindowLongPtrA(window, GWL_STYLE), {}};
    framed.placement.length = sizeof framed.placement;
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (!GetWindowPlacement(window, &framed.placement) ||
        !GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor))
        return false;
    // A handle reused by a new window must not bring back an old one's frame.
    const auto stale = findFramed(window);
    if (stale != framedWindows.end())
        framedWindows.erase(stale);
    framedWindows.push_back(framed);
    SetWindowLongPtrA(window, GWL_STYLE, (framed.style & ~WS_OVERLAPPEDWINDOW) | WS_POPUP);
    const RECT& area = monitor.rcMonitor;
    // The size change reaches the window procedure as WM_SIZE, from inside this call.
    return SetWindowPos(window, HWND_TOP, area.left, area.top, area.right - area.left,
                        area.bottom - area.top, SWP_NOOWNERZORDER | SWP_FRAMECHANGED) != FALSE;
}

static bool leaveMonitor(HWND window) {
    const auto framed = findFramed(window);
    if (framed == framedWindows.end())
        return true;  // not covering: nothing to put back
    const FramedWindow saved = *framed;
    framedWindows.erase(framed);
    SetWindowLongPtrA(window, GWL_STYLE, saved.style);
    const bool placed = SetWindowPlacement(window, &saved.placement) != FALSE;
    // The frame is drawn anew only when the system is told the style changed.
    return SetWindowPos(window, nullptr, 0, 0, 0, 0,
                        SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER |
                            SWP_FRAMECHANGED) != FALSE &&
           placed;
}

bool setDesktopFullscreen(Window* window, bool cover) {
    const HWND hwnd = toHwnd(window);
    if (!IsWindow(hwnd))
        return false;
    return cover ? coverMonitor(hwnd) : leaveMonitor(hwnd);
}

}  // namespace platform

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

// Sets a window's style; false when the system refused it (0 is also a
// style the window may have had, so the error is what tells).
static bool setStyle(HWND window, LONG_PTR style) {
    SetLastError(0);
    return SetWindowLongPtrA(window, GWL_STYLE, style) != 0 || GetLastError() == 0;
}

// The style and place the window had, shown again; the frame is drawn anew
// only when the system is told the style changed.
static bool putBack(const FramedWindow& framed) {
    const bool styled = setStyle(framed.window, framed.style);
    const bool placed = SetWindowPlacement(framed.window, &framed.placement) != FALSE;
    return SetWindowPos(framed.window, nullptr, 0, 0, 0, 0,
                        SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER |
                            SWP_FRAMECHANGED) != FALSE &&
           styled && placed;
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
    const RECT& area = monitor.rcMonitor;
    // The size change reaches the window procedure as WM_SIZE, from inside SetWindowPos.
    if (setStyle(window, (framed.style & ~WS_OVERLAPPEDWINDOW) | WS_POPUP) &&
        SetWindowPos(window, HWND_TOP, area.left, area.top, area.right - area.left,
                     area.bottom - area.top, SWP_NOOWNERZORDER | SWP_FRAMECHANGED)) {
        framedWindows.push_back(framed);
        return true;
    }
    // Refused: the window stays framed where it was, as the caller, told of
    // the failure, goes on believing; a later switch starts from that frame.
    putBack(framed);
    return false;
}

// The record is kept until the frame is back, so that a failed return can be
// tried again (the caller, told of the failure, still sees a covering window).
static bool leaveMonitor(HWND window) {
    const auto framed = findFramed(window);
    if (framed == framedWindows.end())
        return true;  // not covering: nothing to put back
    // A copy: the window procedure runs inside the calls that put it back.
    const FramedWindow saved = *framed;
    if (!putBack(saved))
        return false;
    const auto done = findFramed(window);
    if (done != framedWindows.end())
        framedWindows.erase(done);
    return true;
}

bool setDesktopFullscreen(Window* window, bool cover) {
    const HWND hwnd = toHwnd(window);
    if (!IsWindow(hwnd))
        return false;
    return cover ? coverMonitor(hwnd) : leaveMonitor(hwnd);
}

}  // namespace platform

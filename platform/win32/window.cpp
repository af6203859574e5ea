// win32/window.cpp -- window classes, windows and the cursor on the Win32 user interface.
#include "platform/window.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/program_icon.h"
#include "platform/win32/handles.h"
#include "platform/win32/screen_saver_windows.h"

namespace platform {

// The platform's numbers are the system's own.
static_assert(kCsVRedraw == CS_VREDRAW && kCsHRedraw == CS_HREDRAW && kCsOwnDc == CS_OWNDC);
static_assert(kWsPopup == WS_POPUP && kWsClipSiblings == WS_CLIPSIBLINGS &&
              kWsClipChildren == WS_CLIPCHILDREN && kWsOverlappedWindow == WS_OVERLAPPEDWINDOW);
static_assert(kWsExWindowEdge == WS_EX_WINDOWEDGE && kWsExAppWindow == WS_EX_APPWINDOW);
static_assert(kSwShow == SW_SHOW);

// A registered class and the procedure its windows' messages go to. Kept
// from registerClass to unregisterClass.
struct RegisteredClass {
    std::string name;
    ATOM atom;
    WindowProc windowProc;
};
static std::vector<RegisteredClass> registeredClasses;

// The windows whose procedure was last told (by an activate message) that
// they are minimised.
static std::vector<HWND> reportedMinimised;

static bool isReportedMinimised(HWND window) {
    return std::find(reportedMinimised.begin(), reportedMinimised.end(), window) !=
           reportedMinimised.end();
}

static void recordMinimised(HWND window, bool minimised) {
    reportedMinimised.erase(std::remove(reportedMinimised.begin(), reportedMinimised.end(), window),
                            reportedMinimised.end());
    if (minimised)
        reportedMinimised.push_back(window);
}

// The activate message carries the minimised state, but the system sends one
// only when the activation changes: a window that has already lost the focus
// is minimised (or restored) without one. Such a size message is preceded by
// the activate message the window would have had, as on SDL, so the procedure
// always knows whether its window is minimised.
static void reportMinimisedState(HWND window, UINT message, WPARAM wParam, WindowProc windowProc) {
    if (message == WM_ACTIVATE) {
        recordMinimised(window, HIWORD(wParam) != 0);
    } else if (message == WM_SIZE) {
        const bool minimised = wParam == SIZE_MINIMIZED;
        if (minimised != isReportedMinimised(window)) {
            recordMinimised(window, minimised);
            const WPARAM state = GetActiveWindow() == window ? WA_ACTIVE : WA_INACTIVE;
            windowProc(fromHwnd(window), WM_ACTIVATE, MAKEWPARAM(state, minimised ? 1 : 0), 0);
        }
    } else if (message == WM_NCDESTROY) {
        recordMinimised(window, false);
    }
}

// The one system procedure of every class registered here: hands the message,
// with the window as a platform handle, to the class's own procedure.
static LRESULT CALLBACK classWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const ATOM atom = static_cast<ATOM>(GetClassLongPtrA(window, GCW_ATOM));
    for (const RegisteredClass& registered : registeredClasses) {
        if (registered.atom == atom) {
            reportMinimisedState(window, message, wParam, registered.windowProc);
            return registered.windowProc(fromHwnd(window), message, wParam, lParam);
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The program's icon, made once from its built-in pixels (the system takes
// 32-bit icons with alpha as blue, green, red, alpha) and kept for the run:
// every class that asks for it shares it.
static HICON programIcon() {
    static HICON icon = nullptr;
    if (icon != nullptr)
        return icon;
    std::vector<BYTE> colour(sizeof programIconPixels);
    for (std::size_t i = 0; i + 3 < colour.size(); i += 4) {
        colour[i] = programIconPixels[i + 2];
        colour[i + 1] = programIconPixels[i + 1];
        colour[i + 2] = programIconPixels[i];
        colour[i + 3] = programIconPixels[i + 3];
    }
    // The mask shows every pixel: the alpha channel does the shaping.
    const std::vector<BYTE> mask(kProgramIconSide * kProgramIconSide / 8, 0);
    icon = CreateIcon(GetModuleHandleA(nullptr), kProgramIconSide, kProgramIconSide, 1, 32,
                      mask.data(), colour.data());
    return icon != nullptr ? icon : LoadIconA(nullptr, MAKEINTRESOURCEA(kIdiWinLogo));
}

Instance* getModuleHandle() {
    return fromHinstance(GetModuleHandleA(nullptr));
}

bool registerClass(const WindowClass& windowClass) {
    if (windowClass.className == nullptr || windowClass.windowProc == nullptr)
        return false;
    WNDCLASSA wc = {};
    wc.style = windowClass.style;
    wc.lpfnWndProc = classWindowProc;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = 0;
    wc.hInstance = toHinstance(windowClass.instance);
    wc.hIcon = windowClass.icon == kIdiProgram
                   ? programIcon()
                   : LoadIconA(nullptr, MAKEINTRESOURCEA(windowClass.icon));
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(windowClass.cursor));
    wc.hbrBackground = nullptr;
    wc.lpszMenuName = nullptr;
    wc.lpszClassName = windowClass.className;
    const ATOM atom = RegisterClassA(&wc);
    if (atom == 0)
        return false;
    registeredClasses.push_back(
        RegisteredClass{windowClass.className, atom, windowClass.windowProc});
    return true;
}

bool unregisterClass(const char* className, Instance* instance) {
    if (className == nullptr || !UnregisterClassA(className, toHinstance(instance)))
        return false;
    // Class names are case-insensitive, as the system compares them.
    for (auto it = registeredClasses.begin(); it != registeredClasses.end(); ++it) {
        if (lstrcmpiA(it->name.c_str(), className) == 0) {
            registeredClasses.erase(it);
            break;
        }
    }
    return true;
}

bool adjustWindowRectEx(Rect* rect, std::uint32_t style, bool hasMenu, std::uint32_t exStyle) {
    if (rect == nullptr)
        return false;
    RECT WindowRect = {rect->left, rect->top, rect->right, rect->bottom};
    if (!AdjustWindowRectEx(&WindowRect, style, hasMenu ? TRUE : FALSE, exStyle))
        return false;
    *rect = Rect{WindowRect.left, WindowRect.top, WindowRect.right, WindowRect.bottom};
    return true;
}

Window* createWindowEx(std::uint32_t exStyle, const char* className, const char* title,
                       std::uint32_t style, int x, int y, int width, int height, Window* parent,
                       Instance* instance) {
    return fromHwnd(CreateWindowExA(exStyle, className, title, style, x, y, width, height,
                                    toHwnd(parent), nullptr, toHinstance(instance), nullptr));
}

// The screen saver's windows, from attachWindow to destroyWindow; the one
// over the desktop hides the cursor while it exists.
struct ScreenSaverWindow {
    HWND window;
    bool coversDesktop;
};
static std::vector<ScreenSaverWindow> screenSaverWindows;

// Over the whole desktop (every monitor), in the display's own mode.
static HWND createDesktopCover(const char* className, const char* title) {
    const HWND window = CreateWindowExA(
        WS_EX_TOPMOST, className, title, WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
        GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
        GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN), nullptr,
        nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window == nullptr)
        return nullptr;
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetFocus(window);
    ShowCursor(FALSE);
    // The mouse's moves count from where it is now: the window is told, ahead
    // of any move the mouse makes, as the system tells a window that appears
    // under the pointer.
    POINT pointer = {};
    if (GetCursorPos(&pointer) && ScreenToClient(window, &pointer))
        PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(pointer.x, pointer.y));
    return window;
}

// Filling the client area of another program's window (the settings' preview).
static HWND createPreviewChild(const char* className, const char* title, HWND parent) {
    RECT client = {};
    if (!IsWindow(parent) || !GetClientRect(parent, &client)) {
        std::fprintf(stderr, "football: there is no window 0x%llx to draw into\n",
                     static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(parent)));
        return nullptr;
    }
    return CreateWindowExA(
        0, className, title, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0,
        client.right, client.bottom, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

bool isGoneScreenSaverWindow(HWND window) {
    for (const ScreenSaverWindow& screenSaverWindow : screenSaverWindows) {
        if (screenSaverWindow.window == window)
            return !IsWindow(window);
    }
    return false;
}

Window* attachWindow(const char* className, const char* title, std::uint64_t nativeWindow) {
    const bool coversDesktop = nativeWindow == kRootWindow;
    const HWND window =
        coversDesktop
            ? createDesktopCover(className, title)
            : createPreviewChild(className, title,
                                 reinterpret_cast<HWND>(static_cast<std::uintptr_t>(nativeWindow)));
    if (window == nullptr) {
        std::fprintf(stderr, "football: cannot make the screen saver's window (error %lu)\n",
                     static_cast<unsigned long>(GetLastError()));
        return nullptr;
    }
    screenSaverWindows.push_back(ScreenSaverWindow{window, coversDesktop});
    return fromHwnd(window);
}

bool getClientRect(Window* window, Rect* rect) {
    RECT client = {};
    if (rect == nullptr || !GetClientRect(toHwnd(window), &client))
        return false;
    *rect = Rect{client.left, client.top, client.right, client.bottom};
    return true;
}

bool destroyWindow(Window* window) {
    const HWND hwnd = toHwnd(window);
    for (auto it = screenSaverWindows.begin(); it != screenSaverWindows.end(); ++it) {
        if (it->window != hwnd)
            continue;
        const bool coversDesktop = it->coversDesktop;
        screenSaverWindows.erase(it);
        if (coversDesktop)
            ShowCursor(TRUE);
        // A preview child goes with its parent: then it is already gone.
        return !IsWindow(hwnd) || DestroyWindow(hwnd) != FALSE;
    }
    return DestroyWindow(hwnd) != FALSE;
}

// ShowWindow answers whether the window was visible before; what the caller
// wants to know is whether there was a window to show.
bool showWindow(Window* window, int command) {
    if (!IsWindow(toHwnd(window)))
        return false;
    ShowWindow(toHwnd(window), command);
    return true;
}

bool setForegroundWindow(Window* window) {
    return SetForegroundWindow(toHwnd(window)) != FALSE;
}

Window* setFocus(Window* window) {
    return fromHwnd(SetFocus(toHwnd(window)));
}

void showCursor(bool show) {
    ShowCursor(show ? TRUE : FALSE);
}

// The system releases a process's windows, classes and display settings itself.
// Windows puts the display's mode back itself when a program dies: no helper.
bool runWindowSystemHelper(int, char**, int&) {
    return false;
}

void closeWindowSystem() {}

}  // namespace platform

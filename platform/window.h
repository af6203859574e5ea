// window.h -- window classes, the window itself, cursor visibility and the window system's
// lifetime.
#pragma once

#include <cstdint>

namespace platform {

// Opaque handles; null means "none". Each implementation of this interface
// defines the records behind them.
struct Instance;
struct Window;

// The window procedure: window, message number, wParam, lParam -> result.
using WindowProc = std::intptr_t (*)(Window* window, unsigned message, std::uintptr_t wParam,
                                     std::intptr_t lParam);

// Class styles: redraw on horizontal and vertical size changes, own device context.
constexpr unsigned kCsVRedraw = 0x1;
constexpr unsigned kCsHRedraw = 0x2;
constexpr unsigned kCsOwnDc = 0x20;

// Stock icon and cursor of a class.
constexpr int kIdiWinLogo = 32517;
constexpr int kIdcArrow = 32512;

// The program's own icon, built into it (resource 1 of the process module):
// on the window's frame and in the task bar.
constexpr int kIdiProgram = 1;

struct WindowClass {
    unsigned style;
    WindowProc windowProc;  // receives every message of the class's windows
    Instance* instance;
    int icon;    // a stock icon, or kIdiProgram
    int cursor;  // a stock cursor
    const char* className;
};

// Window styles.
constexpr std::uint32_t kWsPopup = 0x80000000;
constexpr std::uint32_t kWsClipSiblings = 0x04000000;
constexpr std::uint32_t kWsClipChildren = 0x02000000;
constexpr std::uint32_t kWsCaption = 0x00C00000;
constexpr std::uint32_t kWsSysMenu = 0x00080000;
constexpr std::uint32_t kWsThickFrame = 0x00040000;  // resizable
constexpr std::uint32_t kWsMinimizeBox = 0x00020000;
constexpr std::uint32_t kWsMaximizeBox = 0x00010000;
constexpr std::uint32_t kWsOverlappedWindow =
    kWsCaption | kWsSysMenu | kWsThickFrame | kWsMinimizeBox | kWsMaximizeBox;
constexpr std::uint32_t kWsExWindowEdge = 0x100;
constexpr std::uint32_t kWsExAppWindow = 0x40000;

struct Rect {
    int left;
    int top;
    int right;
    int bottom;
};

// The process module; fetched by every window creation.
Instance* getModuleHandle();

// Window creation registers its class first; fails when the name is taken.
bool registerClass(const WindowClass& windowClass);

// The tear-down unregisters it; fails when no such class is registered or a
// window of it still exists.
bool unregisterClass(const char* className, Instance* instance);

// Turns a client rectangle into the window rectangle that has it (the frame
// and caption added). SDL sizes windows by their client area, so there the
// rectangle comes back as it went in.
bool adjustWindowRectEx(Rect* rect, std::uint32_t style, bool hasMenu, std::uint32_t exStyle);

// Creates a hidden window of a registered class with its top-left corner at
// (x, y) and a client area of width by height; a kWsPopup window while the
// display mode is changed covers the display in that mode. Null on failure
// (on SDL with the reason written to standard error, for instance: no display).
Window* createWindowEx(std::uint32_t exStyle, const char* className, const char* title,
                       std::uint32_t style, int x, int y, int width, int height, Window* parent,
                       Instance* instance);

// The screen saver draws into the whole screen (kRootWindow) or into a window
// of another program (by its native id) instead, at its size, with no
// display-mode change; its windows carry the class's procedure. On X11 it
// draws into that X window (the root window for kRootWindow): the window stays
// its owner's, is followed when its size changes, never moved, shown, hidden
// or given a title, its keys never arrive as messages, and destroyWindow lets
// it go without destroying it. Windows draws into no window of another
// program: for kRootWindow it makes a borderless topmost window with the title
// over the whole desktop, in the foreground with the keyboard and the mouse
// cursor hidden while it exists; for a window handle (the preview in the
// screen saver settings) a child window filling its client area, which goes
// when its parent goes (kWmDestroy). Null on failure (no such window, no X
// display), with the reason written to standard error.
constexpr std::uint64_t kRootWindow = 0;
Window* attachWindow(const char* className, const char* title, std::uint64_t nativeWindow);

// The size of the client area (left and top are 0); false for a window that
// does not exist.
bool getClientRect(Window* window, Rect* rect);

// The tear-down destroys the window; false for a window that does not exist,
// except a screen saver's window that went with its parent (true).
bool destroyWindow(Window* window);

// Shows the window, brings it to the front and gives it the keyboard focus
// (window creation, in this order).
constexpr int kSwShow = 5;
bool showWindow(Window* window, int command);
bool setForegroundWindow(Window* window);
Window* setFocus(Window* window);

// Hides (full-screen creation) or shows (tear-down) the mouse cursor.
void showCursor(bool show);

// Switches a window made by createWindowEx between its own frame and size and
// a borderless window over the whole monitor it is on, at the display's own
// resolution: no display-mode change, no question. The window, its device
// context and its rendering context stay; a size message brings the new
// client size. Leaving puts back the frame, size and place it had. Where a
// window manager decides (X11), it is a request it may ignore. False for a
// window that does not exist, is another program's (attachWindow), or that
// the system would not change; the window is then left as it was.
bool setDesktopFullscreen(Window* window, bool cover);

// Called first by the program's entry point, before it reads its options: true
// when the executable was started as a helper process of the window system (on
// X11 the display guard, which puts the display's own mode back when the
// program dies in full screen); `status` is then the helper's exit status, and
// the program ends with it. False, having done nothing, otherwise.
bool runWindowSystemHelper(int argc, char** argv, int& status);

// Called once by the program's entry point before anything else. From then
// on an interrupt, termination, hang-up or quit request (Ctrl+C, kill, the
// terminal closing) reaches the main loop as a close request, the quit message;
// while a message box waits for its answer it ends the program at once, as the
// request's default would. A crash puts the display back in its own mode
// before the program dies of it.
void installSignalHandlers();

// Called once by the program's entry point after the last window is gone:
// releases the window system.
void closeWindowSystem();

}  // namespace platform

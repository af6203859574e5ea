// page_host.h -- the browser's side of the page that the page's entry (web/) asks for: the
// WebGL context on the canvas, the canvas's size, the clock, the animation frames and the
// page's key, touch, focus, click and size events, as plain calls on emscripten's HTML5 API.
#pragma once

#include <string>

namespace web {

// Called once by the page's entry: a WebGL 1 context on the canvas, current,
// with aliased edges and a depth buffer. False when the browser has none.
bool makeCanvasContext();

// The canvas's drawing buffer in device pixels (a new size starts blank).
void setCanvasSize(int width, int height);

// The page's clock in milliseconds (fractions included), for pacing and timing.
double pageMilliseconds();

// Calls `step` at every animation frame of the browser from now on.
void runOnAnimationFrames(void (*step)());

// Calls `step` once, at the browser's next animation frame.
void runOnNextAnimationFrame(void (*step)());

// A finger on the canvas: the browser's identifier for it while it stays
// down, and where it is in CSS pixels from the canvas's top-left corner.
struct PageTouch {
    long id;
    double x;
    double y;
};

// What the page's events become. A key is its virtual-key code (0: none the
// match knows); `repeat` for the keyboard's auto-repeat; `shortcut` with
// Ctrl, Alt or Meta held. keyDown answers whether the page took the key
// (the browser does nothing more with it).
// contextLost and contextRestored: the browser took the WebGL context away
// (every WebGL object with it) and gave it back, empty. touched: a finger
// went down, moved or came up on the canvas; `down` lists every finger still
// on it (the browser does nothing more with the touch: no scrolling, no
// zoom, no emulated mouse).
struct PageEventHandlers {
    bool (*keyDown)(int key, bool repeat, bool shortcut);
    void (*keyUp)(int key);
    void (*focusLost)();
    void (*doubleClick)();
    void (*resized)();
    void (*contextLost)();
    void (*contextRestored)();
    void (*touched)(const PageTouch* down, int count);
};

// Called once by the page's entry after start-up. The page's script gets
// `football.press(code)`: the key of that virtual-key code goes down and up
// through keyDown and keyUp, as if typed (the page's controls call it). A
// key typed while one of the page's buttons or lists has the focus is its
// own when it is Tab, Space or Return (it moves the focus, presses the
// button or opens the list); Shift+Tab is always the browser's, the way back to the buttons.
void listenToPageEvents(const PageEventHandlers& handlers);

// The page's script gets `football.NAME()`, which answers with the text
// `answer` returns at the time (football.state() for bug reports and tests,
// the session's link).
void exposeTextQuery(const char* name, const char* (*answer)());

// Sets `football.NAME` in the page's script to the text.
void setPageText(const char* name, const std::string& text);

// Calls `football.NAME()` in the page's script, when the page has it.
void callPageScript(const char* name);

}  // namespace web

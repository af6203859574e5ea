// page_host.h -- the browser's side of the page that the page's entry (web/) asks for: the
// WebGL context on the canvas, the canvas's size, the clock, the animation frames and the
// page's key, focus, click and size events, as plain calls on emscripten's HTML5 API.
#pragma once

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

// What the page's events become. A key is its virtual-key code (0: none the
// match knows); `repeat` for the keyboard's auto-repeat; `shortcut` with
// Ctrl, Alt or Meta held. keyDown answers whether the page took the key
// (the browser does nothing more with it).
// contextLost and contextRestored: the browser took the WebGL context away
// (every WebGL object with it) and gave it back, empty.
struct PageEventHandlers {
    bool (*keyDown)(int key, bool repeat, bool shortcut);
    void (*keyUp)(int key);
    void (*focusLost)();
    void (*doubleClick)();
    void (*resized)();
    void (*contextLost)();
    void (*contextRestored)();
};

// Called once by the page's entry after start-up.
void listenToPageEvents(const PageEventHandlers& handlers);

// Called once by the page's entry: the page's script gets `football.state()`,
// which answers with the text `state` returns at the time (for bug reports
// and tests).
void exposeStateQuery(const char* (*state)());

}  // namespace web

// web_input.cpp -- page events: keys by virtual-key code, full screen, focus, size.
#include "web/web_input.h"

#include <emscripten/html5.h>

#include "frame/key_table.h"
#include "platform/messages.h"
#include "platform/web/web_page.h"
#include "web/web_loop.h"

namespace web {

constexpr int kVkF12 = platform::kVkF1 + 11;
constexpr int kVkS = 0x53;

// A browser's keyCode is the virtual-key code for every key the match uses
// (letters, digits, Space, Pause, the function keys).
static int virtualKey(const EmscriptenKeyboardEvent* event) {
    const unsigned long code = event->keyCode;
    return code > 0 && code < 256 ? static_cast<int>(code) : 0;
}

// With Ctrl, Alt or Meta a key is the browser's (as Alt keys never reach the
// desktop program's key table).
static bool browserShortcut(const EmscriptenKeyboardEvent* event) {
    return event->ctrlKey || event->altKey || event->metaKey;
}

static bool isScreenshotKey(int key) {
    return key == kVkF12 || key == platform::kVkSnapshot || key == kVkS;
}

static EM_BOOL onKeyDown(int, const EmscriptenKeyboardEvent* event, void*) {
    const int key = virtualKey(event);
    if (key == 0 || browserShortcut(event))
        return EM_FALSE;
    // Escape is the browser's: it leaves the full screen.
    if (key == platform::kVkEscape)
        return EM_FALSE;
    if (key == platform::kVkF1) {
        if (!event->repeat)
            toggleFullScreen();
        return EM_TRUE;
    }
    if (isScreenshotKey(key)) {
        if (!event->repeat)
            requestScreenshot();
        return EM_TRUE;
    }
    frame::pressKey(frame::keyTable, key);
    wakeFrameLoop();
    return EM_TRUE;
}

static EM_BOOL onKeyUp(int, const EmscriptenKeyboardEvent* event, void*) {
    const int key = virtualKey(event);
    if (key == 0)
        return EM_FALSE;
    frame::releaseKey(frame::keyTable, key);
    return EM_FALSE;
}

// A key held while the page loses the focus never sends its key-up.
static EM_BOOL onBlur(int, const EmscriptenFocusEvent*, void*) {
    for (int key = 0; key < 256; ++key) {
        if (frame::keyTable.held[key])
            frame::releaseKey(frame::keyTable, key);
    }
    return EM_FALSE;
}

static EM_BOOL onDoubleClick(int, const EmscriptenMouseEvent*, void*) {
    toggleFullScreen();
    return EM_TRUE;
}

static EM_BOOL onResize(int, const EmscriptenUiEvent*, void*) {
    followCanvasSize();
    return EM_FALSE;
}

void listenToPage() {
    const char* window = EMSCRIPTEN_EVENT_TARGET_WINDOW;
    emscripten_set_keydown_callback(window, nullptr, EM_TRUE, onKeyDown);
    emscripten_set_keyup_callback(window, nullptr, EM_TRUE, onKeyUp);
    emscripten_set_blur_callback(window, nullptr, EM_TRUE, onBlur);
    emscripten_set_dblclick_callback("#canvas", nullptr, EM_TRUE, onDoubleClick);
    emscripten_set_resize_callback(window, nullptr, EM_TRUE, onResize);
}

}  // namespace web

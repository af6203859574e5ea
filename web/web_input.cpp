// web_input.cpp -- page events: keys by virtual-key code, full screen, focus, size.
#include "web/web_input.h"

#include "frame/key_table.h"
#include "platform/key_codes.h"
#include "platform/web/page_host.h"
#include "platform/web/web_page.h"
#include "web/web_loop.h"

namespace web {

static bool isScreenshotKey(int key) {
    return key == platform::kVkF12 || key == platform::kVkSnapshot || key == 'S';
}

// With Ctrl, Alt or Meta a key is the browser's (as Alt keys never reach the
// desktop program's key table); so is Escape, which leaves the full screen.
static bool onKeyDown(int key, bool repeat, bool shortcut) {
    if (key == 0 || shortcut || key == platform::kVkEscape)
        return false;
    if (key == platform::kVkF1) {
        if (!repeat)
            toggleFullScreen();
        return true;
    }
    if (isScreenshotKey(key)) {
        if (!repeat)
            requestScreenshot();
        return true;
    }
    frame::pressKey(pageWorld().keys, key);
    wakeFrameLoop();
    return true;
}

static void onKeyUp(int key) {
    if (key != 0)
        frame::releaseKey(pageWorld().keys, key);
}

// A key held while the page loses the focus never sends its key-up.
static void onFocusLost() {
    frame::KeyTable& keys = pageWorld().keys;
    for (int key = 0; key < 256; ++key) {
        if (keys.held[key])
            frame::releaseKey(keys, key);
    }
}

void listenToPage() {
    listenToPageEvents({onKeyDown, onKeyUp, onFocusLost, toggleFullScreen, followCanvasSize});
}

}  // namespace web

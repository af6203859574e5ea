// web_input.cpp -- page events: the match's keys by virtual-key code (typed, or pressed by the
// page's buttons), touches, full screen, focus, size, and the WebGL context lost and given back.
#include "web/web_input.h"

#include "frame/camera.h"
#include "frame/key_guide.h"
#include "frame/key_table.h"
#include "frame/replay.h"
#include "platform/key_codes.h"
#include "platform/web/page_host.h"
#include "platform/web/web_page.h"
#include "web/web_canvas.h"
#include "web/web_capture.h"
#include "web/web_loop.h"
#include "web/web_session.h"
#include "web/web_sound.h"
#include "web/web_touch.h"

namespace web {

static bool isScreenshotKey(int key) {
    return key == platform::kVkF12 || key == platform::kVkSnapshot || key == 'S';
}

// The keys the match acts on: the camera's letters, R (replays), the digits
// of the views, Tab, Space and Pause. Every other key is the browser's (F5 reloads,
// F11 fills the screen, the arrows scroll), as are keys with Ctrl, Alt or Meta
// (as Alt keys never reach the desktop program's key table) and Escape, which
// leaves the full screen.
static bool isMatchKey(int key) {
    switch (key) {
        case frame::kKeyForward:
        case frame::kKeyBack:
        case frame::kKeyLeft:
        case frame::kKeyRight:
        case frame::kKeyTurnLeft:
        case frame::kKeyTurnRight:
        case frame::kKeyTiltUp:
        case frame::kKeyTiltDown:
        case frame::kKeyRise:
        case frame::kKeySink:
        case frame::kKeyWiden:
        case frame::kKeyNarrow:
        case frame::kKeyReplays:
        case platform::kVkTab:
        case platform::kVkSpace:
        case platform::kVkPause:
            return true;
        default:
            return key >= frame::kKeyViewReset && key <= frame::kKeyFollow;
    }
}

static bool onKeyDown(int key, bool repeat, bool shortcut) {
    if (key == 0 || shortcut)
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
    if (key == platform::kVkF9) {
        if (!repeat)
            showSessionLinkBox();
        return true;
    }
    if (key == frame::kKeySound) {
        if (!repeat) {
            toggleSoundMute(pageWorld());
            wakeFrameLoop();  // a held picture shows the line too
        }
        return true;
    }
    if (!isMatchKey(key))
        return false;
    frame::pressKey(pageWorld().keys, key);
    wakeFrameLoop();
    return true;
}

static void onKeyUp(int key) {
    if (key != 0 && isMatchKey(key))
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

bool pageTakesKey(int key) {
    return key == platform::kVkF1 || key == platform::kVkF9 || isScreenshotKey(key) ||
           key == frame::kKeySound || isMatchKey(key);
}

void listenToPage() {
    listenToPageEvents({onKeyDown, onKeyUp, onFocusLost, toggleFullScreen, followCanvasSize,
                        loseCanvasContext, restoreCanvasContext, followTouches});
}

}  // namespace web

// page_host.cpp -- the canvas's context, its extensions and size, the clock, animation frames and
// page events on emscripten's HTML5 API.
#include "platform/web/page_host.h"

#include <emscripten.h>
#include <emscripten/html5.h>

#include <cstddef>
#include <vector>

#include "platform/key_codes.h"
#include "platform/web/webgl_extension.h"

namespace web {

bool makeCanvasContext() {
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    // Aliased edges as the desktop draws them, and a depth buffer.
    attributes.alpha = EM_FALSE;
    attributes.depth = EM_TRUE;
    attributes.stencil = EM_FALSE;
    attributes.antialias = EM_FALSE;
    attributes.premultipliedAlpha = EM_FALSE;
    attributes.majorVersion = 1;
    attributes.minorVersion = 0;
    // Only the extensions the rasteriser asks for (webgl_raster.cpp): enabling
    // every one the browser has, emscripten's default, held the page's thread
    // while the context was made.
    attributes.enableExtensionsByDefault = EM_FALSE;
    const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context =
        emscripten_webgl_create_context("#canvas", &attributes);
    if (context <= 0)
        return false;
    if (emscripten_webgl_make_context_current(context) != EMSCRIPTEN_RESULT_SUCCESS) {
        emscripten_webgl_destroy_context(context);  // one that cannot be used is not kept
        return false;
    }
    return true;
}

bool enableWebglExtension(const char* name) {
    return emscripten_webgl_enable_extension(emscripten_webgl_get_current_context(), name) ==
           EM_TRUE;
}

void setCanvasSize(int width, int height) {
    emscripten_set_canvas_element_size("#canvas", width, height);
}

double pageMilliseconds() {
    return emscripten_get_now();
}

static void (*animationStep)() = nullptr;

static EM_BOOL onAnimationFrame(double, void*) {
    animationStep();
    return EM_TRUE;
}

void runOnAnimationFrames(void (*step)()) {
    animationStep = step;
    emscripten_request_animation_frame_loop(onAnimationFrame, nullptr);
}

static EM_BOOL onNextAnimationFrame(double, void* step) {
    reinterpret_cast<void (*)()>(step)();
    return EM_FALSE;
}

void runOnNextAnimationFrame(void (*step)()) {
    emscripten_request_animation_frame(onNextAnimationFrame, reinterpret_cast<void*>(step));
}

static PageEventHandlers handlers = {};

// A browser's keyCode is the virtual-key code for every key the match uses
// (letters, digits, Space, Pause, the function keys).
static int virtualKey(const EmscriptenKeyboardEvent* event) {
    const unsigned long code = event->keyCode;
    return code > 0 && code < 256 ? static_cast<int>(code) : 0;
}

// Tab, Space and Return typed on one of the page's buttons or lists move the
// focus and press the button or open the list, as on any page.
static bool keyOfFocusedButton(int key) {
    if (key != platform::kVkTab && key != platform::kVkSpace && key != platform::kVkReturn)
        return false;
    return EM_ASM_INT({
               const focused = document.activeElement;
               return focused && (focused.tagName == 'BUTTON' || focused.tagName == 'SELECT') ? 1
                                                                                              : 0;
           }) != 0;
}

static EM_BOOL onKeyDown(int, const EmscriptenKeyboardEvent* event, void*) {
    const int key = virtualKey(event);
    const bool backTab = key == platform::kVkTab && event->shiftKey;
    if (backTab || keyOfFocusedButton(key))
        return EM_FALSE;
    const bool shortcut = event->ctrlKey || event->altKey || event->metaKey;
    return handlers.keyDown(key, event->repeat, shortcut) ? EM_TRUE : EM_FALSE;
}

static EM_BOOL onKeyUp(int, const EmscriptenKeyboardEvent* event, void*) {
    handlers.keyUp(virtualKey(event));
    return EM_FALSE;
}

static EM_BOOL onBlur(int, const EmscriptenFocusEvent*, void*) {
    handlers.focusLost();
    return EM_FALSE;
}

static EM_BOOL onDoubleClick(int, const EmscriptenMouseEvent*, void*) {
    handlers.doubleClick();
    return EM_TRUE;
}

static EM_BOOL onResize(int, const EmscriptenUiEvent*, void*) {
    handlers.resized();
    return EM_FALSE;
}

// Answering true lets the browser give the context back later.
static EM_BOOL onContextLost(int, const void*, void*) {
    handlers.contextLost();
    return EM_TRUE;
}

static EM_BOOL onContextRestored(int, const void*, void*) {
    handlers.contextRestored();
    return EM_TRUE;
}

// The fingers still down: on a touch's end or cancel, the changed ones have
// come up.
static EM_BOOL onTouch(int type, const EmscriptenTouchEvent* event, void*) {
    const bool ending = type == EMSCRIPTEN_EVENT_TOUCHEND || type == EMSCRIPTEN_EVENT_TOUCHCANCEL;
    PageTouch down[32];
    int count = 0;
    for (int i = 0; i < event->numTouches && i < 32; ++i) {
        const EmscriptenTouchPoint& touch = event->touches[i];
        if (ending && touch.isChanged)
            continue;
        down[count++] = PageTouch{touch.identifier, static_cast<double>(touch.targetX),
                                  static_cast<double>(touch.targetY)};
    }
    handlers.touched(down, count);
    return EM_TRUE;
}

}  // namespace web

// Called by the page's script through football.press(code).
extern "C" EMSCRIPTEN_KEEPALIVE void football_page_press(int key) {
    if (key <= 0 || key >= 256 || web::handlers.keyDown == nullptr)
        return;
    web::handlers.keyDown(key, false, false);
    web::handlers.keyUp(key);
}

namespace web {

void listenToPageEvents(const PageEventHandlers& eventHandlers) {
    handlers = eventHandlers;
    const char* window = EMSCRIPTEN_EVENT_TARGET_WINDOW;
    emscripten_set_keydown_callback(window, nullptr, EM_TRUE, onKeyDown);
    emscripten_set_keyup_callback(window, nullptr, EM_TRUE, onKeyUp);
    emscripten_set_blur_callback(window, nullptr, EM_TRUE, onBlur);
    emscripten_set_dblclick_callback("#canvas", nullptr, EM_TRUE, onDoubleClick);
    emscripten_set_resize_callback(window, nullptr, EM_TRUE, onResize);
    emscripten_set_webglcontextlost_callback("#canvas", nullptr, EM_TRUE, onContextLost);
    emscripten_set_webglcontextrestored_callback("#canvas", nullptr, EM_TRUE, onContextRestored);
    emscripten_set_touchstart_callback("#canvas", nullptr, EM_TRUE, onTouch);
    emscripten_set_touchmove_callback("#canvas", nullptr, EM_TRUE, onTouch);
    emscripten_set_touchend_callback("#canvas", nullptr, EM_TRUE, onTouch);
    emscripten_set_touchcancel_callback("#canvas", nullptr, EM_TRUE, onTouch);
    EM_ASM({
        window.football = window.football || {};
        window.football.press = function(code) {
            Module._football_page_press(code);
        };
    });
}

// The text queries offered to the page's script, by number.
static std::vector<const char* (*)()> textQueries;

}  // namespace web

// Called by the page's script through football.NAME() (exposeTextQuery).
extern "C" EMSCRIPTEN_KEEPALIVE const char* football_page_query(int index) {
    const auto& queries = web::textQueries;
    return index >= 0 && static_cast<std::size_t>(index) < queries.size() ? queries[index]() : "";
}

namespace web {

void exposeTextQuery(const char* name, const char* (*answer)()) {
    textQueries.push_back(answer);
    EM_ASM(
        {
            window.football = window.football || {};
            const index = $1;
            window.football[UTF8ToString($0)] = function() {
                return UTF8ToString(Module._football_page_query(index));
            };
        },
        name, static_cast<int>(textQueries.size() - 1));
}

void setPageText(const char* name, const std::string& text) {
    EM_ASM(
        {
            window.football = window.football || {};
            window.football[UTF8ToString($0)] = UTF8ToString($1);
        },
        name, text.c_str());
}

void callPageScript(const char* name) {
    EM_ASM(
        {
            const call = window.football && window.football[UTF8ToString($0)];
            if (call)
                call();
        },
        name);
}

}  // namespace web

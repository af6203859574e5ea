// scripted_platform.cpp -- the platform double: logs every call and fails where the script says.
#include "tests/support/scripted_platform.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <map>

#include "platform/audio_output.h"
#include "platform/dialogs.h"
#include "platform/display_mode.h"
#include "platform/gl_context.h"
#include "platform/window.h"

namespace platform {

struct DeviceContext {
    Window* window;
};

struct Window {
    WindowProc windowProc;
    DeviceContext deviceContext;
};

struct RenderingContext {
    Window* window;
};

Script script = {};
std::vector<std::string> callLog;
std::vector<ShownBox> shownBoxes;

// Stands for the process module: any address will do, nothing reads through it.
static char processModule;
static std::map<std::string, WindowProc> classes;
static std::vector<Window*> windows;
static std::vector<RenderingContext*> contexts;
static bool quitPosted = false;
static int quitCode = 0;
// Empty polls in a row with neither a presented frame nor a wait between them.
static int idlePolls = 0;
static constexpr int kSpinningPolls = 100000;

// Whatever a run leaves behind (a failed deletion keeps its record, as the
// real system would) is freed at exit; declared after the records, so it goes first.
static struct LeftoverRecords {
    ~LeftoverRecords() { resetScript(); }
} leftoverRecords;

static void logCall(const char* format, ...) __attribute__((format(printf, 1, 2)));
static void logCall(const char* format, ...) {
    char line[256];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    callLog.emplace_back(line);
}

template <typename T>
static bool isLive(const std::vector<T*>& records, const T* record) {
    return record != nullptr && std::find(records.begin(), records.end(), record) != records.end();
}

template <typename T>
static void forget(std::vector<T*>& records, T* record) {
    records.erase(std::remove(records.begin(), records.end(), record), records.end());
    delete record;
}

void resetScript() {
    script = Script{};
    callLog.clear();
    shownBoxes.clear();
    for (RenderingContext* context : contexts)
        delete context;
    contexts.clear();
    for (Window* window : windows)
        delete window;
    windows.clear();
    classes.clear();
    quitPosted = false;
    quitCode = 0;
    idlePolls = 0;
}

int liveWindowCount() {
    return static_cast<int>(windows.size());
}
int liveContextCount() {
    return static_cast<int>(contexts.size());
}
int registeredClassCount() {
    return static_cast<int>(classes.size());
}

// ---- window.h ----

Instance* getModuleHandle() {
    logCall("getModuleHandle");
    return reinterpret_cast<Instance*>(&processModule);
}

bool registerClass(const WindowClass& windowClass) {
    logCall("registerClass %s style=0x%x", windowClass.className, windowClass.style);
    if (script.failRegisterClass || windowClass.windowProc == nullptr)
        return false;
    return classes.emplace(windowClass.className, windowClass.windowProc).second;
}

bool unregisterClass(const char* className, Instance*) {
    logCall("unregisterClass %s", className);
    if (script.failUnregisterClass)
        return false;
    return classes.erase(className) == 1;
}

bool adjustWindowRectEx(Rect* rect, std::uint32_t style, bool, std::uint32_t exStyle) {
    logCall("adjustWindowRectEx 0x%x 0x%x", exStyle, style);
    return rect != nullptr;
}

// A live window of a registered class, unless the script refuses windows.
static Window* newWindowOfClass(const char* className) {
    const auto entry = classes.find(className);
    if (script.failCreateWindow || entry == classes.end())
        return nullptr;
    Window* window = new Window{entry->second, {nullptr}};
    window->deviceContext.window = window;
    windows.push_back(window);
    return window;
}

Window* createWindowEx(std::uint32_t exStyle, const char* className, const char* title,
                       std::uint32_t style, int x, int y, int width, int height, Window*,
                       Instance*) {
    logCall("createWindowEx 0x%x 0x%x %d,%d %dx%d %s", exStyle, style, x, y, width, height, title);
    return newWindowOfClass(className);
}

Window* attachWindow(const char* className, const char*, std::uint64_t nativeWindow) {
    logCall("attachWindow 0x%llx", static_cast<unsigned long long>(nativeWindow));
    return newWindowOfClass(className);
}

bool getClientRect(Window* window, Rect* rect) {
    logCall("getClientRect");
    if (!isLive(windows, window) || rect == nullptr)
        return false;
    *rect = Rect{0, 0, kScriptedClientWidth, kScriptedClientHeight};
    return true;
}

bool destroyWindow(Window* window) {
    logCall("destroyWindow");
    if (script.failDestroyWindow || !isLive(windows, window))
        return false;
    forget(windows, window);
    return true;
}

bool showWindow(Window* window, int command) {
    logCall("showWindow %d", command);
    return isLive(windows, window);
}

bool setForegroundWindow(Window* window) {
    logCall("setForegroundWindow");
    return isLive(windows, window);
}

Window* setFocus(Window* window) {
    logCall("setFocus");
    return isLive(windows, window) ? window : nullptr;
}

void showCursor(bool show) {
    logCall("showCursor %d", show ? 1 : 0);
}

bool setDesktopFullscreen(Window* window, bool cover) {
    logCall("setDesktopFullscreen %d", cover ? 1 : 0);
    return isLive(windows, window);
}

void closeWindowSystem() {
    logCall("closeWindowSystem");
}

// ---- display_mode.h ----

int changeDisplaySettings(const DisplayMode* mode, unsigned flags) {
    if (mode == nullptr) {
        logCall("changeDisplaySettings restore flags=%u", flags);
        return kDispChangeSuccessful;
    }
    logCall("changeDisplaySettings %dx%dx%d fields=0x%x flags=%u", mode->pelsWidth,
            mode->pelsHeight, mode->bitsPerPel, mode->fields, flags);
    return script.displayChangeResult;
}

// ---- gl_context.h ----

DeviceContext* getDC(Window* window) {
    logCall("getDC");
    if (script.failGetDC || !isLive(windows, window))
        return nullptr;
    return &window->deviceContext;
}

bool releaseDC(Window* window, DeviceContext* deviceContext) {
    logCall("releaseDC");
    return !script.failReleaseDC && isLive(windows, window) &&
           deviceContext == &window->deviceContext;
}

int choosePixelFormat(DeviceContext*, const PixelFormatRequest& request) {
    logCall("choosePixelFormat flags=0x%x type=%d colour=%d depth=%d stencil=%d", request.flags,
            request.pixelType, request.colorBits, request.depthBits, request.stencilBits);
    return script.failChoosePixelFormat ? 0 : 1;
}

bool setPixelFormat(DeviceContext*, int format, const PixelFormatRequest&) {
    logCall("setPixelFormat %d", format);
    return !script.failSetPixelFormat;
}

RenderingContext* wglCreateContext(DeviceContext* deviceContext) {
    logCall("wglCreateContext");
    if (script.failCreateContext || deviceContext == nullptr)
        return nullptr;
    RenderingContext* context = new RenderingContext{deviceContext->window};
    contexts.push_back(context);
    return context;
}

bool wglMakeCurrent(DeviceContext* deviceContext, RenderingContext* renderingContext) {
    if (deviceContext == nullptr && renderingContext == nullptr) {
        logCall("wglMakeCurrent release");
        return !script.failReleaseCurrent;
    }
    logCall("wglMakeCurrent");
    return !script.failMakeCurrent && isLive(contexts, renderingContext);
}

bool wglDeleteContext(RenderingContext* renderingContext) {
    logCall("wglDeleteContext");
    if (script.failDeleteContext || !isLive(contexts, renderingContext))
        return false;
    forget(contexts, renderingContext);
    return true;
}

bool swapBuffers(DeviceContext*) {
    logCall("swapBuffers");
    idlePolls = 0;
    return true;
}

// ---- dialogs.h ----

int messageBox(Window*, const char* text, const char* caption, unsigned style) {
    logCall("messageBox %s: %s", caption, text);
    shownBoxes.push_back(ShownBox{text, caption, style});
    const bool yesNo = (style & 0xFu) == kMbYesNo;
    if (!script.answers.empty()) {
        const int answer = script.answers.front();
        script.answers.pop_front();
        return answer;
    }
    return yesNo ? kIdNo : kIdOk;
}

// ---- messages.h ----

bool peekMessage(Message* message) {
    if (!script.queue.empty() && script.queue.front().message != kWmNull) {
        *message = script.queue.front();
        script.queue.pop_front();
        if (message->window == nullptr && message->message != kWmQuit && !windows.empty()) {
            message->window = windows.back();
        }
        return true;
    }
    if (quitPosted) {
        quitPosted = false;
        *message = Message{nullptr, kWmQuit, static_cast<std::uintptr_t>(quitCode), 0};
        return true;
    }
    if (!script.queue.empty())
        script.queue.pop_front();  // the "empty here" mark
    if (++idlePolls == kSpinningPolls) {
        // A loop that polls an empty queue without drawing or waiting spins a
        // whole core; say so and end the run instead of hanging the test.
        logCall("peekMessage: spinning on an empty queue");
        postQuitMessage(0);
    }
    return false;
}

void translateMessage(const Message*) {}

std::intptr_t dispatchMessage(const Message* message) {
    if (!isLive(windows, message->window))
        return 0;
    return message->window->windowProc(message->window, message->message, message->wParam,
                                       message->lParam);
}

std::intptr_t defWindowProc(Window* window, unsigned message, std::uintptr_t wParam,
                            std::intptr_t) {
    logCall("defWindowProc 0x%x 0x%llx", message, static_cast<unsigned long long>(wParam));
    if (!isLive(windows, window))
        return 0;
    if (message == kWmSysKeyDown && wParam == static_cast<std::uintptr_t>(kVkF4)) {
        return window->windowProc(window, kWmSysCommand, kScClose, 0);
    }
    if (message == kWmSysCommand && wParam == kScClose) {
        return window->windowProc(window, kWmClose, 0, 0);
    }
    return 0;
}

void postQuitMessage(int exitCode) {
    logCall("postQuitMessage %d", exitCode);
    quitPosted = true;
    quitCode = exitCode;
}

void waitMessage() {
    logCall("waitMessage");
    idlePolls = 0;
    if (quitPosted)
        return;
    if (!script.queue.empty()) {
        if (script.queue.front().message == kWmNull)
            script.queue.pop_front();
        return;
    }
    // Nothing will ever come: a real wait would never return. End the run
    // instead of hanging the test.
    logCall("waitMessage: the script is over");
    postQuitMessage(0);
}

// A sound device that opens and never asks for samples: the shell's tests
// hear nothing and their logs stay about windows.
struct AudioOutput {};

AudioOutput* openAudioOutput(AudioFill, void*, std::string&) {
    return new AudioOutput;
}

void lockAudioOutput(AudioOutput*) {}
void unlockAudioOutput(AudioOutput*) {}

void closeAudioOutput(AudioOutput* output) {
    delete output;
}

}  // namespace platform

// preview_parent.cpp -- stands in for the screen saver settings' preview: a window that the
// screen saver draws into (/p), run under Wine by football_windows_e2e.py.
//
// Usage: preview_parent spawn FOOTBALL.scr   starts "FOOTBALL.scr /p HWND" for its window,
//                                            checks the child it makes, destroys the window and
//                                            checks that the screen saver ends with 0 in 2 s
//        preview_parent in-process           runs the screen saver's preview in this process
//                                            (Wine shows no picture of a child window), reads
//                                            its picture after 3 s, then closes the window,
//                                            which ends it with the screen saver's status
// Prints what it finds; exit status 0 when all is as it should be.
#include <windows.h>
// After windows.h, whose types it uses.
#include <GL/gl.h>

#include <cstdio>
#include <string>

#include "app/game_main.h"

static const char kTitle[] = "football preview parent";
constexpr int kClientWidth = 320;
constexpr int kClientHeight = 240;

// In process: the preview's picture, read on the parent's timer while the
// preview's context is current, between two of its frames.
static bool pictureRead = false;
static bool pictureOk = false;

static void readPreviewPicture() {
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    static unsigned char pixels[kClientWidth * kClientHeight * 4];
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, kClientWidth, kClientHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    int colours = 0;
    unsigned first = 0;
    for (int i = 0; i < kClientWidth * kClientHeight; ++i) {
        unsigned colour = 0;
        for (int c = 0; c < 3; ++c)
            colour = colour << 8 | pixels[4 * i + c];
        if (i == 0)
            first = colour;
        else if (colour != first)
            ++colours;
    }
    std::printf("viewport %dx%d, %d pixels unlike the first\n", viewport[2], viewport[3], colours);
    pictureOk = viewport[2] == kClientWidth && viewport[3] == kClientHeight &&
                colours > kClientWidth * kClientHeight / 10;
    pictureRead = true;
}

static LRESULT CALLBACK parentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) {
        KillTimer(window, wParam);
        readPreviewPicture();
        DestroyWindow(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

static HWND createParent() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = parentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = "FootballPreviewParent";
    RegisterClassA(&wc);
    RECT rect = {0, 0, kClientWidth, kClientHeight};
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    AdjustWindowRect(&rect, style, FALSE);
    const HWND parent =
        CreateWindowA(wc.lpszClassName, kTitle, style, 0, 0, rect.right - rect.left,
                      rect.bottom - rect.top, nullptr, nullptr, wc.hInstance, nullptr);
    ShowWindow(parent, SW_SHOW);
    return parent;
}

// Handles this thread's messages (the child's creation and end send some to
// its parent) until `handle` is signalled or `milliseconds` have passed.
static bool pumpUntil(HANDLE handle, DWORD milliseconds, bool (*done)(HWND), HWND parent) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (done != nullptr && done(parent))
            return true;
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= milliseconds)
            return false;
        const DWORD waited =
            MsgWaitForMultipleObjects(handle ? 1 : 0, handle ? &handle : nullptr, FALSE,
                                      done ? 50 : milliseconds - elapsed, QS_ALLINPUT);
        if (handle != nullptr && waited == WAIT_OBJECT_0)
            return true;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

static bool hasChild(HWND parent) {
    return GetWindow(parent, GW_CHILD) != nullptr;
}

static int spawn(const char* screenSaver) {
    const HWND parent = createParent();
    std::string command = std::string("\"") + screenSaver + "\" /p " +
                          std::to_string(reinterpret_cast<std::uintptr_t>(parent));
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::printf("cannot start %s\n", command.c_str());
        return 1;
    }
    int status = 0;
    if (!pumpUntil(nullptr, 60000, hasChild, parent)) {
        std::printf("no child window appeared in 60 s\n");
        status = 1;
    } else {
        RECT parentClient = {};
        RECT childClient = {};
        GetClientRect(parent, &parentClient);
        GetClientRect(GetWindow(parent, GW_CHILD), &childClient);
        std::printf("parent %ldx%ld, child %ldx%ld\n", parentClient.right, parentClient.bottom,
                    childClient.right, childClient.bottom);
        if (childClient.right != parentClient.right || childClient.bottom != parentClient.bottom)
            status = 1;
    }
    // The settings close: the preview's parent goes, and the screen saver with it.
    DestroyWindow(parent);
    if (!pumpUntil(process.hProcess, 2000, nullptr, nullptr)) {
        std::printf("the screen saver still runs 2 s after its parent went\n");
        TerminateProcess(process.hProcess, 99);
        status = 1;
    } else {
        DWORD exitCode = 0;
        GetExitCodeProcess(process.hProcess, &exitCode);
        std::printf("the screen saver ended with %lu\n", exitCode);
        if (exitCode != 0)
            status = 1;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return status;
}

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "spawn")
        return spawn(argv[2]);
    if (argc == 2 && std::string(argv[1]) == "in-process") {
        const HWND parent = createParent();
        SetTimer(parent, 1, 3000, nullptr);
        const int status = app::runScreenSaver(reinterpret_cast<std::uintptr_t>(parent));
        std::printf("the screen saver ended with %d\n", status);
        return status == 0 && pictureRead && pictureOk ? 0 : 1;
    }
    std::fprintf(stderr, "usage: preview_parent spawn FOOTBALL.scr | in-process\n");
    return 2;
}

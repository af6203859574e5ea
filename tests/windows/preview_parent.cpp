// preview_parent.cpp -- stands in for the screen saver settings' preview window, under Wine.
//
// preview_parent spawn FOOTBALL.scr: runs "FOOTBALL.scr /p HWND" for its window, reports the
// child made in it, then destroys the window: the screen saver must end with 0 within 2 s.
// preview_parent in-process: the preview in this process (Wine shows no other process's
// child), its picture read back until it shows the match; then the window goes, which must
// end it with 0.
#include <windows.h>
// After windows.h, whose types it uses.
#include <GL/gl.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/game_main.h"

constexpr int kWidth = 320;
constexpr int kHeight = 240;
static bool pictureOk = false;

// On the parent's timer, between two of the preview's frames, its context current.
static void readPreviewPicture() {
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    static unsigned char pixels[kWidth * kHeight * 4];
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    int unlike = 0;
    for (int i = 1; i < kWidth * kHeight; ++i)
        unlike += std::memcmp(pixels, pixels + 4 * i, 3) != 0;
    std::printf("viewport %dx%d, %d pixels unlike the first\n", viewport[2], viewport[3], unlike);
    pictureOk = viewport[2] == kWidth && viewport[3] == kHeight && unlike > kWidth * kHeight / 10;
}

// Every half second, for at most 60 s.
static LRESULT CALLBACK parentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    static int ticks = 0;
    if (message != WM_TIMER)
        return DefWindowProcA(window, message, wParam, lParam);
    readPreviewPicture();
    if (pictureOk || ++ticks == 120)
        DestroyWindow(window);
    return 0;
}

static HWND createParent() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = parentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "FootballPreviewParent";
    RegisterClassA(&wc);
    RECT rect = {0, 0, kWidth, kHeight};
    AdjustWindowRect(&rect, WS_OVERLAPPEDWINDOW, FALSE);
    const HWND parent = CreateWindowA(wc.lpszClassName, "preview parent", WS_OVERLAPPEDWINDOW, 0, 0,
                                      rect.right - rect.left, rect.bottom - rect.top, nullptr,
                                      nullptr, wc.hInstance, nullptr);
    ShowWindow(parent, SW_SHOW);
    return parent;
}

// Handles this thread's messages (the child's creation and end send some to
// its parent) until the parent has a child or the process has ended.
static bool pumpUntil(HWND parent, HANDLE process, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        if (parent != nullptr && GetWindow(parent, GW_CHILD) != nullptr)
            return true;
        if (MsgWaitForMultipleObjects(process ? 1 : 0, &process, FALSE, 50, QS_ALLINPUT) ==
                WAIT_OBJECT_0 &&
            process != nullptr)
            return true;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
    return false;
}

static int spawn(const char* screenSaver) {
    const HWND parent = createParent();
    std::string command = std::string("\"") + screenSaver + "\" /p " +
                          std::to_string(reinterpret_cast<std::uintptr_t>(parent));
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return std::printf("cannot start %s\n", command.c_str()), 1;
    RECT client = {};
    RECT child = {};
    GetClientRect(parent, &client);
    if (pumpUntil(parent, nullptr, 60000))
        GetClientRect(GetWindow(parent, GW_CHILD), &child);
    std::printf("parent %ldx%ld, child %ldx%ld\n", client.right, client.bottom, child.right,
                child.bottom);
    DestroyWindow(parent);  // the settings close
    DWORD exitCode = 99;
    if (!pumpUntil(nullptr, process.hProcess, 2000))
        TerminateProcess(process.hProcess, exitCode);
    GetExitCodeProcess(process.hProcess, &exitCode);
    std::printf("the screen saver ended with %lu\n", exitCode);
    const bool fills = child.right == client.right && child.bottom == client.bottom;
    return fills && child.right > 0 && exitCode == 0 ? 0 : 1;
}

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "spawn")
        return spawn(argv[2]);
    if (argc != 2 || std::string(argv[1]) != "in-process")
        return std::fprintf(stderr, "usage: preview_parent spawn FOOTBALL.scr | in-process\n"), 2;
    const HWND parent = createParent();
    SetTimer(parent, 1, 500, nullptr);
    const int status = app::runScreenSaver(reinterpret_cast<std::uintptr_t>(parent));
    std::printf("the screen saver ended with %d\n", status);
    return status == 0 && pictureOk ? 0 : 1;
}

// game_window.cpp -- creation and tear-down of the main window, step by step, with their messages.
#include "app/game_window.h"

#include <cstdio>

#include "app/game_world.h"
#include "app/screen_saver_window_proc.h"
#include "app/window_proc.h"
#include "frame/overlay.h"
#include "frame/scene_start.h"
#include "platform/dialogs.h"
#include "platform/display_mode.h"

namespace app {

GameWindow gameWindow = initialGameWindow();

// The pixel-format request: built by the first creation of the run with its
// colour depth, reused unchanged by every later one.
static platform::PixelFormatRequest pixelFormatRequest = {};
static bool pixelFormatRequestBuilt = false;

static void buildPixelFormatRequest(int bits) {
    pixelFormatRequest = platform::PixelFormatRequest{};
    pixelFormatRequest.flags =
        platform::kPfdDrawToWindow | platform::kPfdSupportOpenGl | platform::kPfdDoubleBuffer;
    pixelFormatRequest.pixelType = platform::kPfdTypeRgba;
    pixelFormatRequest.colorBits = bits;
    pixelFormatRequest.depthBits = 32;
    pixelFormatRequest.stencilBits = 0;
    pixelFormatRequest.layerType = platform::kPfdMainPlane;
    pixelFormatRequestBuilt = true;
}

// A failed creation step after the window exists: tear down, then tell the user.
static bool failCreation(const char* text) {
    destroyGameWindow();
    platform::messageBox(nullptr, text, "ERROR", platform::kMbOk | platform::kMbIconExclamation);
    return false;
}

// The class of the main window, registered anew by every creation, with the
// game's procedure or the screen saver's.
static bool registerGameWindowClass(platform::WindowProc windowProc) {
    platform::WindowClass wc = {};
    wc.style = platform::kCsHRedraw | platform::kCsVRedraw | platform::kCsOwnDc;
    wc.windowProc = windowProc;
    wc.instance = gameWindow.instance;
    wc.icon = platform::kIdiProgram;
    wc.cursor = platform::kIdcArrow;
    wc.className = kWindowClassName;
    return platform::registerClass(wc);
}

// The window's device context, pixel format and rendering context, made current.
// False after `fail` has been called with the message of the failed step.
static bool makeRenderingContext(int bits, bool (*fail)(const char* text)) {
    if (!pixelFormatRequestBuilt)
        buildPixelFormatRequest(bits);

    gameWindow.deviceContext = platform::getDC(gameWindow.window);
    if (gameWindow.deviceContext == nullptr)
        return fail("Can't Create A GL Device Context.");

    const int format = platform::choosePixelFormat(gameWindow.deviceContext, pixelFormatRequest);
    if (format == 0)
        return fail("Can't Find A Suitable PixelFormat.");

    if (!platform::setPixelFormat(gameWindow.deviceContext, format, pixelFormatRequest))
        return fail("Can't Set The PixelFormat.");

    gameWindow.renderingContext = platform::wglCreateContext(gameWindow.deviceContext);
    if (gameWindow.renderingContext == nullptr)
        return fail("Can't Create A GL Rendering Context.");

    if (!platform::wglMakeCurrent(gameWindow.deviceContext, gameWindow.renderingContext))
        return fail("Can't Activate The GL Rendering Context.");
    return true;
}

bool createGameWindow(const char* title, int width, int height, int bits, bool fullscreen) {
    platform::Rect WindowRect = {0, 0, width, height};
    gameWindow.fullscreen = fullscreen;
    gameWindow.desktopFullscreen = false;

    gameWindow.instance = platform::getModuleHandle();
    if (!registerGameWindowClass(gameWindowProc)) {
        platform::messageBox(nullptr, "Failed To Register The Window Class.", "ERROR",
                             platform::kMbOk | platform::kMbIconExclamation);
        return false;
    }

    if (gameWindow.fullscreen) {
        platform::DisplayMode dmScreenSettings = {};
        dmScreenSettings.pelsWidth = width;
        dmScreenSettings.pelsHeight = height;
        dmScreenSettings.bitsPerPel = bits;
        dmScreenSettings.fields =
            platform::kDmBitsPerPel | platform::kDmPelsWidth | platform::kDmPelsHeight;
        if (platform::changeDisplaySettings(&dmScreenSettings, platform::kCdsFullscreen) !=
            platform::kDispChangeSuccessful) {
            const int answer = platform::messageBox(
                nullptr,
                "The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed "
                "Mode Instead?",
                "Orka GL", platform::kMbYesNo | platform::kMbIconExclamation);
            if (answer == platform::kIdYes) {
                gameWindow.fullscreen = false;
            } else {
                platform::messageBox(nullptr, "Program Will Now Close.", "ERROR",
                                     platform::kMbOk | platform::kMbIconStop);
                return false;
            }
        }
    }

    std::uint32_t exStyle = 0;
    std::uint32_t style = 0;
    if (gameWindow.fullscreen) {
        exStyle = platform::kWsExAppWindow;
        style = platform::kWsPopup;
        platform::showCursor(false);
    } else {
        exStyle = platform::kWsExAppWindow | platform::kWsExWindowEdge;
        style = platform::kWsOverlappedWindow;
    }

    platform::adjustWindowRectEx(&WindowRect, style, false, exStyle);

    gameWindow.window =
        platform::createWindowEx(exStyle, kWindowClassName, title,
                                 style | platform::kWsClipSiblings | platform::kWsClipChildren, 0,
                                 0, WindowRect.right - WindowRect.left,
                                 WindowRect.bottom - WindowRect.top, nullptr, gameWindow.instance);
    if (gameWindow.window == nullptr)
        return failCreation("Window Creation Error.");

    if (!makeRenderingContext(bits, failCreation))
        return false;

    platform::showWindow(gameWindow.window, platform::kSwShow);
    platform::setForegroundWindow(gameWindow.window);
    platform::setFocus(gameWindow.window);

    // The requested size, not whatever client size the system reports.
    frame::resizeScene(gameWorld(), width, height);

    if (!frame::initScene(gameWorld()))
        return failCreation("Initialization Failed.");

    return true;
}

// A failed step of the screen saver's start: tear down, then say why on
// standard error. It asks nothing and shows no box: nobody may be watching.
static bool failAttaching(const char* text) {
    destroyGameWindow();
    std::fprintf(stderr, "football: %s\n", text);
    return false;
}

bool attachGameWindow(std::uint64_t nativeWindow) {
    // Nothing of the display changes: no mode, no cursor.
    gameWindow.fullscreen = false;
    gameWindow.desktopFullscreen = false;
    gameWindow.instance = platform::getModuleHandle();
    // Over the whole screen, input ends the screen saver.
    screenSaverWatch = ScreenSaverWatch{nativeWindow == platform::kRootWindow, false, 0, 0};
    if (!registerGameWindowClass(screenSaverWindowProc)) {
        std::fprintf(stderr, "football: Failed To Register The Window Class.\n");
        return false;
    }

    gameWindow.window = platform::attachWindow(kWindowClassName, kWindowTitle, nativeWindow);
    if (gameWindow.window == nullptr)
        return failAttaching("Window Creation Error.");

    if (!makeRenderingContext(32, failAttaching))
        return false;

    // The window's own size, whatever it is.
    platform::Rect client = {};
    platform::getClientRect(gameWindow.window, &client);
    frame::resizeScene(gameWorld(), client.right - client.left, client.bottom - client.top);

    if (!frame::initScene(gameWorld()))
        return failAttaching("Initialization Failed.");
    return true;
}

// A failed tear-down step: tell the user and go on.
static void reportShutdownError(const char* text) {
    platform::messageBox(nullptr, text, "SHUTDOWN ERROR",
                         platform::kMbOk | platform::kMbIconInformation);
}

void switchDesktopFullscreen() {
    if (gameWindow.window == nullptr || gameWindow.fullscreen)
        return;
    const bool cover = !gameWindow.desktopFullscreen;
    if (!platform::setDesktopFullscreen(gameWindow.window, cover))
        return;
    gameWindow.desktopFullscreen = cover;
    // As in F1's full screen, no pointer over the picture.
    platform::showCursor(!cover);
}

void destroyGameWindow() {
    if (gameWindow.fullscreen) {
        platform::changeDisplaySettings(nullptr, 0);
        platform::showCursor(true);
    }
    if (gameWindow.desktopFullscreen) {
        platform::showCursor(true);
        gameWindow.desktopFullscreen = false;
    }

    if (gameWindow.renderingContext != nullptr) {
        frame::deleteOverlayFont();
        if (!platform::wglMakeCurrent(nullptr, nullptr)) {
            reportShutdownError("Release Of DC And RC Failed.");
        }
        if (!platform::wglDeleteContext(gameWindow.renderingContext)) {
            reportShutdownError("Release Rendering Context Failed.");
        }
        gameWindow.renderingContext = nullptr;
    }

    if (gameWindow.deviceContext != nullptr) {
        if (!platform::releaseDC(gameWindow.window, gameWindow.deviceContext)) {
            reportShutdownError("Release Device Context Failed.");
        }
        gameWindow.deviceContext = nullptr;
    }

    if (gameWindow.window != nullptr) {
        if (!platform::destroyWindow(gameWindow.window)) {
            reportShutdownError("Could Not Release hWnd.");
        }
        gameWindow.window = nullptr;
    }

    if (!platform::unregisterClass(kWindowClassName, gameWindow.instance)) {
        reportShutdownError("Could Not Unregister Class.");
        gameWindow.instance = nullptr;
    }
}

}  // namespace app

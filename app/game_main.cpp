// game_main.cpp -- the entry's steps and the polling main loop: frames, Escape, F1, F11, quit;
// the session watched kept alongside.
#include "app/game_main.h"

#include <cstdio>
#include <string>

#include "app/game_sound.h"
#include "app/game_window.h"
#include "app/game_world.h"
#include "app/session_watch.h"
#include "frame/camera.h"
#include "frame/frame_driver.h"
#include "frame/key_table.h"
#include "frame/scene_recreation.h"
#include "frame/screenshot.h"
#include "frame/views.h"
#include "platform/dialogs.h"
#include "platform/gl_context.h"
#include "platform/messages.h"
#include "platform/time.h"

namespace app {

// Asks the two start-up questions and records the answers in gameWindow.
static void askStartUpQuestions() {
    if (platform::messageBox(nullptr, "Would You Like To Run In Fullscreen Mode?",
                             "Start FullScreen?",
                             platform::kMbYesNo | platform::kMbIconQuestion) == platform::kIdNo) {
        gameWindow.fullscreen = false;
    }
    // Either answer leaves 1024 by 768, the start values.
    if (platform::messageBox(nullptr, "Would You Like To Run In A Soft Mode?",
                             "Start In A Soft Mode?",
                             platform::kMbYesNo | platform::kMbIconQuestion) == platform::kIdYes) {
        gameWindow.requestedWidth = 1024;
        gameWindow.requestedHeight = 768;
    }
}

// Records the display an option chose, as the answers to the questions would:
// full screen or not, and the soft mode's 1024 by 768.
static void takeDisplayChoice(DisplayChoice display) {
    gameWindow.fullscreen = display == DisplayChoice::fullscreen;
    gameWindow.requestedWidth = 1024;
    gameWindow.requestedHeight = 768;
}

static bool createRequestedWindow() {
    return createGameWindow(kWindowTitle, gameWindow.requestedWidth, gameWindow.requestedHeight, 32,
                            gameWindow.fullscreen);
}

// F12 or Print Screen saves the frame just drawn, once per key-down, before
// the labels it leaves out are drawn. The path goes to standard output (and,
// for two seconds, to the bottom of the picture); a failure is one line on
// standard error and the match goes on.
static void saveScreenshotOnKeyDown(frame::World& world, bool& keyWasDown) {
    const bool down = world.keys.held[platform::kVkF12] || world.keys.held[platform::kVkSnapshot];
    const bool pressed = down && !keyWasDown;
    keyWasDown = down;
    if (!pressed)
        return;
    std::string path;
    std::string error;
    if (frame::saveScreenshot(world, path, error)) {
        std::printf("%s\n", path.c_str());
        std::fflush(stdout);
    } else {
        std::fprintf(stderr, "football: cannot save the screenshot '%s': %s\n", path.c_str(),
                     error.c_str());
    }
}

// The view's key as if tapped once before the first frame, which selects it.
static void watchFrom(int view) {
    if (view < frame::kFirstView || view > frame::kLastView)
        return;
    frame::pressKey(gameWorld().keys, frame::viewKey(view));
    frame::releaseKey(gameWorld().keys, frame::viewKey(view));
}

// The window as the live frame's host: the platform clock and sleep, the
// screenshot keys between the picture and its labels, the buffers swapped.
class WindowFrameHost final : public frame::FrameHost {
  public:
    std::uint32_t tickCount() override { return platform::getTickCount(); }
    void wait(std::uint32_t milliseconds) override {
        if (milliseconds > 0)
            platform::sleepMilliseconds(milliseconds);
    }
    void pictureDrawn(frame::World& world) override {
        saveScreenshotOnKeyDown(world, screenshotKeyWasDown_);
        muteOnKeyDown(world);
    }
    void present() override { platform::swapBuffers(gameWindow.deviceContext); }
    void cueSound(const audio::FrameCues& cues) override { cueGameSound(cues); }

  private:
    bool screenshotKeyWasDown_ = false;
};

// The window as F1 re-creates it: torn down, full screen flipped, created
// again (which starts the new scene).
class WindowSceneContext final : public frame::SceneContext {
  public:
    void close() override {
        holdGameSound();  // no match is seen until the new window's first frame
        destroyGameWindow();
        gameWindow.fullscreen = !gameWindow.fullscreen;
    }
    bool open(frame::World&) override { return createRequestedWindow(); }
};

static bool recreateWindow(int times) {
    WindowSceneContext window;
    return frame::recreateScene(gameWorld(), times, window);
}

// The polling main loop, from the first window to the last tear-down.
static int runMainLoop(const WatchChoice& choice) {
    frame::World& world = gameWorld();
    WindowFrameHost host;
    SessionWatch watch(choice);
    GameSoundDevice sound;
    platform::Message msg = {};
    bool done = false;
    // The sound stops with the window, before the run waits for anything.
    const auto end = [&](bool windowMade) {
        if (windowMade)
            destroyGameWindow();
        sound.close();
        const bool saved = watch.finish();
        return windowMade && saved ? kExitSuccess : kExitFailure;
    };

    // A played session's re-creations before its first frame.
    if (!recreateWindow(watch.recreations(world)))
        return end(false);
    while (!done) {
        // At most one message a pass, never waiting for one.
        if (platform::peekMessage(&msg)) {
            if (msg.message == platform::kWmQuit) {
                done = true;
            } else {
                platform::translateMessage(&msg);
                platform::dispatchMessage(&msg);
            }
            continue;
        }

        // The queue is empty: a frame, unless the window is minimised.
        if (gameWindow.active) {
            if (world.keys.held[platform::kVkEscape]) {
                done = true;
            } else {
                watch.beforeFrame(world);
                frame::runLiveFrame(world, gameReplayTape(), host);
                watch.afterFrame(world);
            }
        }

        // F1 acts whether the window is minimised or not (its entry cleared);
        // a played session's re-creations follow their frames instead.
        const int recreations = watch.recreations(world);

        // The table has been looked at: a key tapped before this pass has
        // had its frame (or its look at Escape and F1) and may now be let go.
        frame::markKeysSeen(world.keys);

        // F11 or Alt+Enter: the same window over the whole screen, or back.
        const bool switchCover = gameWindow.desktopSwitchDue;
        gameWindow.desktopSwitchDue = false;

        if (recreations > 0) {
            if (!recreateWindow(recreations))
                return end(false);
        } else if (switchCover) {
            switchDesktopFullscreen();
        } else if (!done && !gameWindow.active) {
            // Minimised: nothing to draw or hear until a message comes.
            holdGameSound();
            platform::waitMessage();
        }
    }

    return end(true);
}

int runGame(DisplayChoice display, int view, const WatchChoice& watch) {
    if (display == DisplayChoice::ask)
        askStartUpQuestions();
    else
        takeDisplayChoice(display);
    if (!createRequestedWindow())
        return kExitFailure;
    watchFrom(view);
    return runMainLoop(watch);
}

int runScreenSaver(std::uint64_t nativeWindow, int view, const WatchChoice& watch) {
    if (!attachGameWindow(nativeWindow))
        return kExitFailure;
    watchFrom(view);
    return runMainLoop(watch);
}

}  // namespace app

// fake_scene.cpp -- resizeScene, initScene, deleteOverlayFont, drawFramePicture (with and
// without replays), drawFrameLabels and saveScreenshot that only write the call log.
//
// Linked ahead of the real libraries, so the shell's window creation, window
// procedure and main loop can be tested without any OpenGL; the live frame
// itself (its state step, pacing and the order of picture, screenshot, labels
// and swap) is the real one. The fakes' calls go into the scripted platform's
// log, in order with the platform calls.
#include "tests/app/fake_scene.h"

#include <string>

#include "app/game_world.h"
#include "frame/frame_picture.h"
#include "frame/overlay.h"
#include "frame/replay_picture.h"
#include "frame/scene_start.h"
#include "frame/screenshot.h"
#include "frame/world.h"
#include "platform/messages.h"
#include "tests/support/scripted_platform.h"

namespace app_test {

bool initSceneResult = true;
int framesRun = 0;
int quitAfterFrames = 0;
std::vector<std::vector<int>> keysSeenByFrame;

void resetFakes() {
    initSceneResult = true;
    framesRun = 0;
    quitAfterFrames = 0;
    keysSeenByFrame.clear();
    app::gameWorld() = frame::initialWorld();
}

}  // namespace app_test

namespace frame {

void resizeScene(World&, int width, int height, double) {
    platform::callLog.push_back("resizeScene " + std::to_string(width) + "x" +
                                std::to_string(height));
}

bool initScene(World&) {
    platform::callLog.push_back("initScene");
    return app_test::initSceneResult;
}

void deleteOverlayFont() {
    platform::callLog.push_back("deleteOverlayFont");
}

bool saveScreenshot(World&, std::string& path, std::string& error) {
    platform::callLog.push_back("saveScreenshot");
    path = "/nowhere/shot.png";
    error = "not in the shell tests";
    return false;
}

void drawFrameLabels(const World&) {
    platform::callLog.push_back("drawFrameLabels");
}

void drawFramePicture(const World& world) {
    platform::callLog.push_back("drawFramePicture");
    app_test::framesRun += 1;
    std::vector<int> held;
    for (int code = 0; code < 256; ++code) {
        if (world.keys.held[code])
            held.push_back(code);
    }
    app_test::keysSeenByFrame.push_back(held);
    if (app_test::framesRun == app_test::quitAfterFrames)
        platform::postQuitMessage(0);
}

// The live frame draws through the replays' picture; the fake draws the world.
void drawFramePicture(const World& world, const ReplayTape&) {
    drawFramePicture(world);
}

}  // namespace frame

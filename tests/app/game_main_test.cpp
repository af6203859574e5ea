// game_main_test.cpp -- the entry and the main loop on the scripted platform: questions, exits, F1,
// minimise.
#include "app/game_main.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/game_window.h"
#include "app/game_world.h"
#include "frame/key_table.h"
#include "platform/dialogs.h"
#include "platform/display_mode.h"
#include "platform/messages.h"
#include "tests/app/fake_scene.h"
#include "tests/support/scripted_platform.h"

namespace {

using platform::callLog;
using platform::Message;
using platform::script;
using platform::shownBoxes;

// Messages for the newest window (the scripted queue fills in the window).
Message keyDown(int key) {
    return Message{nullptr, platform::kWmKeyDown, std::uintptr_t(key), 0};
}
Message keyUp(int key) {
    return Message{nullptr, platform::kWmKeyUp, std::uintptr_t(key), 0};
}
Message activate(bool minimised) {
    return Message{nullptr, platform::kWmActivate,
                   platform::kWaActive | (minimised ? (std::uintptr_t{1} << 16) : 0), 0};
}
const Message kQueueEmptyHere = {nullptr, platform::kWmNull, 0, 0};

int count(const std::string& call) {
    return static_cast<int>(std::count(callLog.begin(), callLog.end(), call));
}

int countStartingWith(const std::string& prefix) {
    return static_cast<int>(std::count_if(
        callLog.begin(), callLog.end(),
        [&](const std::string& c) { return c.compare(0, prefix.size(), prefix) == 0; }));
}

class GameMain : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::resetScript();
        app_test::resetFakes();
        app::gameWindow = app::initialGameWindow();
        // Windowed unless a test says otherwise: No to full screen, Yes to soft mode.
        script.answers = {platform::kIdNo, platform::kIdYes};
    }
};

TEST_F(GameMain, AsksTheTwoQuestions) {
    app_test::quitAfterFrames = 1;
    script.answers = {platform::kIdYes, platform::kIdNo};
    EXPECT_EQ(app::runGame(), app::kExitSuccess);
    ASSERT_GE(shownBoxes.size(), 2u);
    EXPECT_EQ(shownBoxes[0].text, "Would You Like To Run In Fullscreen Mode?");
    EXPECT_EQ(shownBoxes[0].caption, "Start FullScreen?");
    EXPECT_EQ(shownBoxes[0].style, platform::kMbYesNo | platform::kMbIconQuestion);
    EXPECT_EQ(shownBoxes[1].text, "Would You Like To Run In A Soft Mode?");
    EXPECT_EQ(shownBoxes[1].caption, "Start In A Soft Mode?");
    EXPECT_EQ(shownBoxes[1].style, platform::kMbYesNo | platform::kMbIconQuestion);
    // Yes to full screen; No to soft mode still gives 1024 by 768.
    EXPECT_EQ(count("changeDisplaySettings 1024x768x32 fields=0x1c0000 flags=4"), 1);
    EXPECT_EQ(countStartingWith("createWindowEx 0x40000 0x86000000 0,0 1024x768 "), 1);
}

TEST_F(GameMain, FramesRunAndArePresentedUntilTheQuitMessage) {
    app_test::quitAfterFrames = 3;
    EXPECT_EQ(app::runGame(), app::kExitSuccess);
    EXPECT_EQ(app_test::framesRun, 3);
    EXPECT_EQ(count("swapBuffers"), 3);
    const auto picture = std::find(callLog.begin(), callLog.end(), "drawFramePicture");
    ASSERT_NE(picture, callLog.end());
    EXPECT_EQ(*(picture + 1), "drawFrameLabels");
    EXPECT_EQ(*(picture + 2), "swapBuffers");
    EXPECT_EQ(callLog.back(), "unregisterClass OpenGL") << "the window is torn down at the end";
    EXPECT_EQ(platform::liveWindowCount(), 0);
}

TEST_F(GameMain, EscapeEndsWithSuccess) {
    script.queue = {keyDown(platform::kVkEscape)};
    EXPECT_EQ(app::runGame(), app::kExitSuccess);
    EXPECT_EQ(app_test::framesRun, 0);
    EXPECT_EQ(platform::liveWindowCount(), 0);
}

TEST_F(GameMain, CloseEndsWithSuccess) {
    script.queue = {Message{nullptr, platform::kWmClose, 0, 0}};
    EXPECT_EQ(app::runGame(), app::kExitSuccess);
    EXPECT_EQ(count("postQuitMessage 0"), 1);
    EXPECT_EQ(platform::liveWindowCount(), 0);
}

TEST_F(GameMain, TheQuitMessagesCodeDoesNotBecomeTheExitStatus) {
    script.queue = {Message{nullptr, platform::kWmQuit, 27, 0}};
    EXPECT_EQ(app::runGame(), app::kExitSuccess);
}

TEST_F(GameMain, AFailedStartUpExitsWithFailure) {
    script.failCreateWindow = true;
    EXPECT_EQ(app::runGame(), app::kExitFailure);
    EXPECT_EQ(shownBoxes.back().text, "Window Creation Error.");
    EXPECT_EQ(app_test::framesRun, 0);
}

TEST_F(GameMain, DecliningWindowedDisplayExitsWithFailure) {
    script.displayChangeResult = platform::kDispChangeBadMode;
    script.answers = {platform::kIdYes, platform::kIdYes, platform::kIdNo};
    EXPECT_EQ(app::runGame(), app::kExitFailure);
    EXPECT_EQ(shownBoxes.back().text, "Program Will Now Close.");
}

TEST_F(GameMain, F1RecreatesTheWindowWithTheOtherDisplay) {
    // Several key-downs taken before the queue runs empty make one toggle.
    script.queue = {keyDown(platform::kVkF1), keyDown(platform::kVkF1), keyDown(platform::kVkF1)};
    app_test::quitAfterFrames = 3;
    EXPECT_EQ(app::runGame(), app::kExitSuccess);
    EXPECT_EQ(countStartingWith("createWindowEx 0x40100 0x6cf0000"), 1);   // windowed at start
    EXPECT_EQ(countStartingWith("createWindowEx 0x40000 0x86000000"), 1);  // full screen after F1
    EXPECT_EQ(count("initScene"), 2);
    EXPECT_FALSE(app::gameWorld().keys.held[platform::kVkF1]) << "the loop clears F1 when it acts";
    EXPECT_TRUE(app::gameWindow.fullscreen);
}

TEST_F(GameMain, AFailedReCreationExitsWithFailureAtOnce) {
    // Windowed at start; F1 asks for full screen, the display refuses and the
    // user declines windowed display.
    script.displayChangeResult = platform::kDispChangeBadMode;
    script.answers = {platform::kIdNo, platform::kIdYes, platform::kIdNo};
    script.queue = {keyDown(platform::kVkF1)};
    app_test::quitAfterFrames = 100;
    EXPECT_EQ(app::runGame(), app::kExitFailure);
    EXPECT_EQ(app_test::framesRun, 1);
    EXPECT_EQ(callLog.back(), "messageBox ERROR: Program Will Now Close.");
}

TEST_F(GameMain, MinimisedTheLoopWaitsInsteadOfPolling) {
    // Minimised, then nothing more: the loop must wait (the scripted wait ends
    // the run when the script is over; a polling loop would never return).
    script.queue = {activate(true)};
    EXPECT_EQ(app::runGame(), app::kExitSuccess);
    EXPECT_EQ(app_test::framesRun, 0) << "nothing is drawn while minimised";
    EXPECT_EQ(count("waitMessage"), 1);
    EXPECT_EQ(count("peekMessage: spinning on an empty queue"), 0);
}

TEST_F(GameMain, MinimisedEscapeWaitsForTheRestore) {
    script.queue = {keyDown(platform::kVkEscape), activate(true), kQueueEmptyHere, activate(false)};
    EXPECT_EQ(app::runGame(), app::kExitSuccess);
    EXPECT_EQ(count("waitMessage"), 1);
    EXPECT_EQ(count("waitMessage: the script is over"), 0) << "Escape ended it after the restore";
    EXPECT_EQ(app_test::framesRun, 0);
}

TEST_F(GameMain, MinimisedF1ActsAtOnce) {
    // Minimised and waiting; F1 comes, and the next empty pass re-creates the
    // window without running a frame.
    script.queue = {activate(true), kQueueEmptyHere, keyDown(platform::kVkF1), kQueueEmptyHere,
                    keyUp(platform::kVkF1)};
    EXPECT_EQ(app::runGame(), app::kExitSuccess);
    EXPECT_EQ(countStartingWith("createWindowEx 0x40000 0x86000000"), 1);
    EXPECT_EQ(app_test::framesRun, 0);
    EXPECT_GE(count("waitMessage"), 1);
}

TEST_F(GameMain, TheKeyTableSurvivesReCreation) {
    script.queue = {keyDown(0x4F), keyDown(platform::kVkF1)};
    app_test::quitAfterFrames = 2;
    EXPECT_EQ(app::runGame(), app::kExitSuccess);
    EXPECT_EQ(count("initScene"), 2);
    EXPECT_TRUE(app::gameWorld().keys.held[0x4F]);
}

// ---- No key press is lost: a tap shorter than a frame still reaches one frame ----

using Held = std::vector<int>;

TEST_F(GameMain, ATapBetweenTwoFramesIsSeenByTheNextFrameOnly) {
    script.queue = {keyDown(0x4F), keyUp(0x4F)};
    app_test::quitAfterFrames = 2;
    EXPECT_EQ(app::runGame(), app::kExitSuccess);
    EXPECT_EQ(app_test::keysSeenByFrame, (std::vector<Held>{{0x4F}, {}}));
    EXPECT_FALSE(app::gameWorld().keys.held[0x4F]);
}

// The screen saver's view: its preset key, for the first frame only.
TEST_F(GameMain, TheScreenSaversViewIsItsPresetKeyInTheFirstFrame) {
    app_test::quitAfterFrames = 2;
    EXPECT_EQ(app::runScreenSaver(0x1e00007, 4), app::kExitSuccess);
    EXPECT_EQ(app_test::keysSeenByFrame, (std::vector<Held>{{'4'}, {}}));
}

TEST_F(GameMain, AKeyReleasedAfterAFrameSawItIsClearedAtOnce) {
    // Held through frame 1, let go before frame 2; another key is tapped
    // before frame 2 and seen by it alone.
    script.queue = {keyDown(0x4F), kQueueEmptyHere, keyUp(0x4F), keyDown(0x49), keyUp(0x49)};
    app_test::quitAfterFrames = 3;
    EXPECT_EQ(app::runGame(), app::kExitSuccess);
    EXPECT_EQ(app_test::keysSeenByFrame, (std::vector<Held>{{0x4F}, {0x49}, {}}));
}

TEST_F(GameMain, APressAgainAfterAnEarlyReleaseStaysHeld) {
    // Down, up, down again before any frame: the key is held, and stays held.
    script.queue = {keyDown(0x4F), keyUp(0x4F), keyDown(0x4F)};
    app_test::quitAfterFrames = 3;
    EXPECT_EQ(app::runGame(), app::kExitSuccess);
    EXPECT_EQ(app_test::keysSeenByFrame, (std::vector<Held>{{0x4F}, {0x4F}, {0x4F}}));
}

TEST_F(GameMain, ATapOfEscapeEnds) {
    script.queue = {keyDown(platform::kVkEscape), keyUp(platform::kVkEscape)};
    app_test::quitAfterFrames = 100;
    EXPECT_EQ(app::runGame(), app::kExitSuccess);
    EXPECT_EQ(app_test::framesRun, 0);
    EXPECT_EQ(count("waitMessage: the script is over"), 0);
    EXPECT_EQ(platform::liveWindowCount(), 0);
}

TEST_F(GameMain, ATapOfF1TogglesOnce) {
    script.queue = {keyDown(platform::kVkF1), keyUp(platform::kVkF1)};
    app_test::quitAfterFrames = 3;
    EXPECT_EQ(app::runGame(), app::kExitSuccess);
    EXPECT_EQ(count("initScene"), 2);
    EXPECT_EQ(countStartingWith("createWindowEx 0x40000 0x86000000"), 1);
    EXPECT_FALSE(app::gameWorld().keys.held[platform::kVkF1]);
    // The frame before the toggle saw F1; none after it does.
    ASSERT_EQ(app_test::keysSeenByFrame.size(), 3u);
    EXPECT_EQ(app_test::keysSeenByFrame[0], (Held{platform::kVkF1}));
    EXPECT_EQ(app_test::keysSeenByFrame[1], Held{});
    EXPECT_EQ(app_test::keysSeenByFrame[2], Held{});
}

TEST_F(GameMain, ATapOfTheRestartKeyReachesAFrame) {
    script.queue = {kQueueEmptyHere, keyDown(0x31), keyUp(0x31)};
    app_test::quitAfterFrames = 3;
    EXPECT_EQ(app::runGame(), app::kExitSuccess);
    EXPECT_EQ(app_test::keysSeenByFrame, (std::vector<Held>{{}, {0x31}, {}}));
}

TEST_F(GameMain, AScreenshotKeySavesTheDrawnFrameOncePerKeyDown) {
    // F12 held through auto-repeat saves once; after its release, a tap of
    // Print Screen saves again. Each save comes between the frame and the
    // labels it leaves out, drawn before the swap.
    script.queue = {keyDown(0x7B), kQueueEmptyHere, kQueueEmptyHere, keyDown(0x7B), kQueueEmptyHere,
                    keyUp(0x7B),   kQueueEmptyHere, keyDown(0x2C),   keyUp(0x2C)};
    app_test::quitAfterFrames = 6;
    EXPECT_EQ(app::runGame(), app::kExitSuccess);
    EXPECT_EQ(count("saveScreenshot"), 2);
    for (auto at = callLog.begin(); at != callLog.end(); ++at) {
        if (*at == "saveScreenshot") {
            EXPECT_EQ(*(at - 1), "drawFramePicture");
            EXPECT_EQ(*(at + 1), "drawFrameLabels");
            EXPECT_EQ(*(at + 2), "swapBuffers");
        }
    }
}

TEST_F(GameMain, AnEscapeTappedWhileMinimisedIsLetGo) {
    // Minimised, Escape is not looked at; a tap then is over by the restore,
    // and the program goes on.
    script.queue = {
        activate(true),  kQueueEmptyHere, keyDown(platform::kVkEscape), keyUp(platform::kVkEscape),
        kQueueEmptyHere, activate(false)};
    app_test::quitAfterFrames = 1;
    EXPECT_EQ(app::runGame(), app::kExitSuccess);
    EXPECT_EQ(app_test::framesRun, 1) << "Escape tapped while minimised ended the program";
    EXPECT_FALSE(app::gameWorld().keys.held[platform::kVkEscape]);
}

}  // namespace

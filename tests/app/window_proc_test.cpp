// window_proc_test.cpp -- the main window's procedure: keys, activate, system commands, size,
// close.
#include "app/window_proc.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/game_window.h"
#include "app/game_world.h"
#include "frame/key_table.h"
#include "platform/messages.h"
#include "tests/app/fake_scene.h"
#include "tests/support/scripted_platform.h"

namespace {

using platform::callLog;

class WindowProc : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::resetScript();
        app_test::resetFakes();
        app::gameWindow = app::initialGameWindow();
    }

    // The game's key table, which the procedure writes.
    frame::KeyTable& keys = app::gameWorld().keys;

    // A created window, so that messages have somewhere to go.
    void createWindow() {
        ASSERT_TRUE(app::createGameWindow(app::kWindowTitle, 1024, 768, 32, false));
        callLog.clear();
    }

    std::intptr_t send(unsigned message, std::uintptr_t wParam, std::intptr_t lParam = 0) {
        return app::gameWindowProc(app::gameWindow.window, message, wParam, lParam);
    }

    bool quitPosted() {
        platform::Message message = {};
        return platform::peekMessage(&message) && message.message == platform::kWmQuit;
    }
};

TEST_F(WindowProc, KeysGoIntoTheTableAndOutAgain) {
    EXPECT_EQ(send(platform::kWmKeyDown, 0x4F), 0);
    EXPECT_EQ(send(platform::kWmKeyDown, platform::kVkF1), 0);
    EXPECT_TRUE(keys.held[0x4F]);
    EXPECT_TRUE(keys.held[platform::kVkF1]);
    // Auto-repeat: another key-down changes nothing.
    EXPECT_EQ(send(platform::kWmKeyDown, 0x4F), 0);
    EXPECT_TRUE(keys.held[0x4F]);
    // Once the loop has looked at the table, a key-up clears the entry at once.
    frame::markKeysSeen(keys);
    EXPECT_EQ(send(platform::kWmKeyUp, 0x4F), 0);
    EXPECT_FALSE(keys.held[0x4F]);
    EXPECT_TRUE(keys.held[platform::kVkF1]);
    EXPECT_TRUE(callLog.empty()) << "key messages get no default handling";
}

TEST_F(WindowProc, AKeyUpBeforeAnyLookLeavesTheKeyHeldForOneLook) {
    send(platform::kWmKeyDown, 0x4F);
    send(platform::kWmKeyUp, 0x4F);
    EXPECT_TRUE(keys.held[0x4F]) << "a tap vanished before a frame saw it";
    frame::markKeysSeen(keys);
    EXPECT_FALSE(keys.held[0x4F]);
    // A key-up with no key-down before it changes nothing.
    send(platform::kWmKeyUp, 0x49);
    frame::markKeysSeen(keys);
    EXPECT_FALSE(keys.held[0x49]);
}

TEST_F(WindowProc, KeyCodesOutsideTheTableAreIgnored) {
    const frame::KeyTable before = keys;
    EXPECT_EQ(send(platform::kWmKeyDown, 256), 0);
    EXPECT_EQ(send(platform::kWmKeyDown, ~std::uintptr_t{0}), 0);
    EXPECT_EQ(send(platform::kWmKeyUp, 1000), 0);
    for (int code = 0; code < 256; ++code)
        EXPECT_EQ(keys.held[code], before.held[code]);
}

TEST_F(WindowProc, SystemKeysNeverReachTheTable) {
    createWindow();
    send(platform::kWmSysKeyDown, 0x4F);
    send(platform::kWmSysKeyUp, 0x4F);
    EXPECT_FALSE(keys.held[0x4F]);
    EXPECT_EQ(callLog,
              (std::vector<std::string>{"defWindowProc 0x104 0x4f", "defWindowProc 0x105 0x4f"}));
}

TEST_F(WindowProc, AltF4AsksToClose) {
    createWindow();
    send(platform::kWmSysKeyDown, platform::kVkF4);
    EXPECT_FALSE(keys.held[platform::kVkF4]);
    EXPECT_TRUE(quitPosted());
    EXPECT_NE(app::gameWindow.window, nullptr) << "closing is the main loop's business";
}

TEST_F(WindowProc, ActivateFollowsTheMinimisedStateOnly) {
    // Minimised (high word set), whether the low word says active or not.
    EXPECT_EQ(send(platform::kWmActivate, (1u << 16) | platform::kWaInactive), 0);
    EXPECT_FALSE(app::gameWindow.active);
    EXPECT_EQ(send(platform::kWmActivate, (1u << 16) | platform::kWaActive), 0);
    EXPECT_FALSE(app::gameWindow.active);
    // Restored.
    EXPECT_EQ(send(platform::kWmActivate, platform::kWaActive), 0);
    EXPECT_TRUE(app::gameWindow.active);
    // Merely deactivated (another window has the focus): frames go on.
    EXPECT_EQ(send(platform::kWmActivate, platform::kWaInactive), 0);
    EXPECT_TRUE(app::gameWindow.active);
    EXPECT_TRUE(callLog.empty()) << "activate gets no default handling";
}

TEST_F(WindowProc, ScreenSaverAndMonitorPowerAreSwallowed) {
    createWindow();
    EXPECT_EQ(send(platform::kWmSysCommand, platform::kScScreenSave), 0);
    EXPECT_EQ(send(platform::kWmSysCommand, platform::kScMonitorPower), 0);
    EXPECT_TRUE(callLog.empty());
    // The whole wParam is compared: anything else goes to the default handling.
    send(platform::kWmSysCommand, platform::kScScreenSave | 0x1);
    send(platform::kWmSysCommand, 0xF020);
    EXPECT_EQ(callLog, (std::vector<std::string>{"defWindowProc 0x112 0xf141",
                                                 "defWindowProc 0x112 0xf020"}));
}

TEST_F(WindowProc, SizeSetsTheProjection) {
    createWindow();
    EXPECT_EQ(send(platform::kWmSize, platform::kSizeRestored, platform::makeLParam(640, 480)), 0);
    EXPECT_EQ(send(platform::kWmSize, platform::kSizeMaximized, platform::makeLParam(1920, 1080)),
              0);
    EXPECT_EQ(callLog, (std::vector<std::string>{"resizeScene 640x480", "resizeScene 1920x1080"}));
}

TEST_F(WindowProc, SizeBeforeTheContextExistsDoesNothing) {
    EXPECT_EQ(send(platform::kWmSize, 0, platform::makeLParam(640, 480)), 0);
    EXPECT_TRUE(callLog.empty());
}

TEST_F(WindowProc, CloseAsksTheLoopToEndAndKeepsTheWindow) {
    createWindow();
    EXPECT_EQ(send(platform::kWmClose, 0), 0);
    EXPECT_EQ(callLog, (std::vector<std::string>{"postQuitMessage 0"}));
    platform::Message message = {};
    ASSERT_TRUE(platform::peekMessage(&message));
    EXPECT_EQ(message.message, platform::kWmQuit);
    EXPECT_EQ(message.wParam, 0u);
    EXPECT_EQ(platform::liveWindowCount(), 1);
}

TEST_F(WindowProc, OtherMessagesGetTheDefaultHandling) {
    createWindow();
    send(0x0F, 0);  // a paint message
    EXPECT_EQ(callLog, (std::vector<std::string>{"defWindowProc 0xf 0x0"}));
}

}  // namespace

// game_window_test.cpp -- creation and tear-down of the main window on the scripted platform.
#include "app/game_window.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/display_mode.h"
#include "tests/app/fake_scene.h"
#include "tests/support/scripted_platform.h"

namespace {

using platform::callLog;
using platform::script;
using platform::shownBoxes;
using Log = std::vector<std::string>;

const char* const kTitle = "OpenGL WinAPI template by Ostrovel";
const unsigned kErrorStyle = platform::kMbOk | platform::kMbIconExclamation;
const unsigned kShutdownStyle = platform::kMbOk | platform::kMbIconInformation;

// The calls of a windowed creation, step by step.
const Log kWindowedSteps = {
    "getModuleHandle",
    "registerClass OpenGL style=0x23",
    "adjustWindowRectEx 0x40100 0xcf0000",
    "createWindowEx 0x40100 0x6cf0000 0,0 1024x768 OpenGL WinAPI template by Ostrovel",
    "getDC",
    "choosePixelFormat flags=0x25 type=0 colour=32 depth=32 stencil=0",
    "setPixelFormat 1",
    "wglCreateContext",
    "wglMakeCurrent",
    "showWindow 5",
    "setForegroundWindow",
    "setFocus",
    "resizeScene 1024x768",
    "initScene",
};

// The first n steps of a windowed creation, then more.
Log stepsThen(size_t n, const Log& more) {
    Log log(kWindowedSteps.begin(), kWindowedSteps.begin() + static_cast<long>(n));
    log.insert(log.end(), more.begin(), more.end());
    return log;
}

bool handlesAreNull() {
    return app::gameWindow.window == nullptr && app::gameWindow.deviceContext == nullptr &&
           app::gameWindow.renderingContext == nullptr;
}

class GameWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::resetScript();
        app_test::resetFakes();
        app::gameWindow = app::initialGameWindow();
    }
};

TEST_F(GameWindowTest, WindowedCreationFollowsTheStepsAndTearsDownInOrder) {
    ASSERT_TRUE(app::createGameWindow(kTitle, 1024, 768, 32, false));
    EXPECT_EQ(callLog, kWindowedSteps);
    EXPECT_TRUE(shownBoxes.empty());
    EXPECT_FALSE(app::gameWindow.fullscreen);
    EXPECT_NE(app::gameWindow.renderingContext, nullptr);

    callLog.clear();
    app::destroyGameWindow();
    EXPECT_EQ(callLog, (Log{"deleteOverlayFont", "wglMakeCurrent release", "wglDeleteContext",
                            "releaseDC", "destroyWindow", "unregisterClass OpenGL"}));
    EXPECT_TRUE(handlesAreNull());
    EXPECT_TRUE(shownBoxes.empty());
    EXPECT_EQ(platform::liveWindowCount(), 0);
    EXPECT_EQ(platform::liveContextCount(), 0);
    EXPECT_EQ(platform::registeredClassCount(), 0);
}

TEST_F(GameWindowTest, FullScreenChangesTheModeHidesTheCursorAndRestores) {
    ASSERT_TRUE(app::createGameWindow(kTitle, 1024, 768, 32, true));
    const Log expected = {
        "getModuleHandle",
        "registerClass OpenGL style=0x23",
        "changeDisplaySettings 1024x768x32 fields=0x1c0000 flags=4",
        "showCursor 0",
        "adjustWindowRectEx 0x40000 0x80000000",
        "createWindowEx 0x40000 0x86000000 0,0 1024x768 OpenGL WinAPI template by Ostrovel",
    };
    ASSERT_GE(callLog.size(), expected.size());
    EXPECT_EQ(Log(callLog.begin(), callLog.begin() + 6), expected);
    EXPECT_TRUE(app::gameWindow.fullscreen);

    callLog.clear();
    app::destroyGameWindow();
    EXPECT_EQ(callLog, (Log{"changeDisplaySettings restore flags=0", "showCursor 1",
                            "deleteOverlayFont", "wglMakeCurrent release", "wglDeleteContext",
                            "releaseDC", "destroyWindow", "unregisterClass OpenGL"}));
}

TEST_F(GameWindowTest, TheProjectionUsesTheRequestedSize) {
    ASSERT_TRUE(app::createGameWindow(kTitle, 640, 400, 32, false));
    EXPECT_EQ(callLog.at(3), "createWindowEx 0x40100 0x6cf0000 0,0 640x400 " + std::string(kTitle));
    EXPECT_EQ(callLog.at(12), "resizeScene 640x400");
}

TEST_F(GameWindowTest, FailedClassRegistrationTearsNothingDown) {
    script.failRegisterClass = true;
    EXPECT_FALSE(app::createGameWindow(kTitle, 1024, 768, 32, true));
    EXPECT_EQ(callLog, (Log{"getModuleHandle", "registerClass OpenGL style=0x23",
                            "messageBox ERROR: Failed To Register The Window Class."}));
    ASSERT_EQ(shownBoxes.size(), 1u);
    EXPECT_EQ(shownBoxes[0].caption, "ERROR");
    EXPECT_EQ(shownBoxes[0].style, kErrorStyle);
}

TEST_F(GameWindowTest, RefusedModeAndDeclinedWindowedTearsNothingDown) {
    script.displayChangeResult = platform::kDispChangeBadMode;
    script.answers = {platform::kIdNo};
    EXPECT_FALSE(app::createGameWindow(kTitle, 1024, 768, 32, true));
    ASSERT_EQ(shownBoxes.size(), 2u);
    EXPECT_EQ(shownBoxes[0].text,
              "The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed "
              "Mode Instead?");
    EXPECT_EQ(shownBoxes[0].caption, "Orka GL");
    EXPECT_EQ(shownBoxes[0].style, platform::kMbYesNo | platform::kMbIconExclamation);
    EXPECT_EQ(shownBoxes[1].text, "Program Will Now Close.");
    EXPECT_EQ(shownBoxes[1].caption, "ERROR");
    EXPECT_EQ(shownBoxes[1].style, platform::kMbOk | platform::kMbIconStop);
    EXPECT_EQ(callLog.back(), "messageBox ERROR: Program Will Now Close.");
    for (const std::string& call : callLog) {
        EXPECT_EQ(call.find("unregister"), std::string::npos) << call;
        EXPECT_EQ(call.find("restore"), std::string::npos) << call;
        EXPECT_EQ(call.find("createWindow"), std::string::npos) << call;
    }
}

TEST_F(GameWindowTest, RefusedModeAndYesGoesOnWindowed) {
    script.displayChangeResult = platform::kDispChangeFailed;
    script.answers = {platform::kIdYes};
    ASSERT_TRUE(app::createGameWindow(kTitle, 1024, 768, 32, true));
    EXPECT_FALSE(app::gameWindow.fullscreen);
    ASSERT_EQ(shownBoxes.size(), 1u);
    EXPECT_EQ(shownBoxes[0].caption, "Orka GL");
    const Log expectedStart = {"getModuleHandle", "registerClass OpenGL style=0x23",
                               "changeDisplaySettings 1024x768x32 fields=0x1c0000 flags=4",
                               "messageBox Orka GL: The Requested Fullscreen Mode Is Not "
                               "Supported By\nYour Video Card. Use Windowed Mode Instead?"};
    EXPECT_EQ(Log(callLog.begin(), callLog.begin() + 4), expectedStart);
    EXPECT_EQ(Log(callLog.begin() + 4, callLog.end()),
              Log(kWindowedSteps.begin() + 2, kWindowedSteps.end()))
        << "windowed styles and the cursor left visible";

    callLog.clear();
    app::destroyGameWindow();
    EXPECT_EQ(callLog.front(), "deleteOverlayFont") << "no mode to restore, no cursor to show";
}

// A creation step that fails after the window exists: what is torn down, and
// the message shown after the tear-down.
struct FailureCase {
    const char* name;
    std::function<void()> arrange;
    size_t stepsBeforeFailure;  // steps of kWindowedSteps taken, the failing one included
    Log tearDown;
    const char* text;
};

// gtest prints a case by its name.
void PrintTo(const FailureCase& failure, std::ostream* out) {
    *out << failure.name;
}

class CreationFailure : public GameWindowTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(CreationFailure, TearsDownThenReports) {
    const FailureCase& failure = GetParam();
    failure.arrange();
    EXPECT_FALSE(app::createGameWindow(kTitle, 1024, 768, 32, false));
    Log more = failure.tearDown;
    more.push_back(std::string("messageBox ERROR: ") + failure.text);
    EXPECT_EQ(callLog, stepsThen(failure.stepsBeforeFailure, more));
    ASSERT_EQ(shownBoxes.size(), 1u);
    EXPECT_EQ(shownBoxes[0].text, failure.text);
    EXPECT_EQ(shownBoxes[0].caption, "ERROR");
    EXPECT_EQ(shownBoxes[0].style, kErrorStyle);
    EXPECT_TRUE(handlesAreNull());
    EXPECT_EQ(platform::liveWindowCount(), 0);
    EXPECT_EQ(platform::liveContextCount(), 0);
    EXPECT_EQ(platform::registeredClassCount(), 0);
}

const Log kFromDeviceContext = {"releaseDC", "destroyWindow", "unregisterClass OpenGL"};
const Log kFromContext = {"deleteOverlayFont", "wglMakeCurrent release", "wglDeleteContext",
                          "releaseDC",         "destroyWindow",          "unregisterClass OpenGL"};

INSTANTIATE_TEST_SUITE_P(
    EveryStep, CreationFailure,
    ::testing::Values(FailureCase{"Window",
                                  [] { script.failCreateWindow = true; },
                                  4,
                                  {"unregisterClass OpenGL"},
                                  "Window Creation Error."},
                      FailureCase{"DeviceContext",
                                  [] { script.failGetDC = true; },
                                  5,
                                  {"destroyWindow", "unregisterClass OpenGL"},
                                  "Can't Create A GL Device Context."},
                      FailureCase{"ChoosePixelFormat", [] { script.failChoosePixelFormat = true; },
                                  6, kFromDeviceContext, "Can't Find A Suitable PixelFormat."},
                      FailureCase{"SetPixelFormat", [] { script.failSetPixelFormat = true; }, 7,
                                  kFromDeviceContext, "Can't Set The PixelFormat."},
                      FailureCase{"CreateContext", [] { script.failCreateContext = true; }, 8,
                                  kFromDeviceContext, "Can't Create A GL Rendering Context."},
                      FailureCase{"MakeCurrent", [] { script.failMakeCurrent = true; }, 9,
                                  kFromContext, "Can't Activate The GL Rendering Context."},
                      FailureCase{"InitScene", [] { app_test::initSceneResult = false; }, 14,
                                  kFromContext, "Initialization Failed."}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

// The screen saver's window is another program's: no question, no display
// mode, no showing or focus; the projection takes the window's own size.
TEST_F(GameWindowTest, AttachingDrawsAtTheWindowsSizeAndLeavesTheDisplayAlone) {
    ASSERT_TRUE(app::attachGameWindow(0x1e00007));
    EXPECT_EQ(callLog,
              (Log{"getModuleHandle", "registerClass OpenGL style=0x23", "attachWindow 0x1e00007",
                   "getDC", "choosePixelFormat flags=0x25 type=0 colour=32 depth=32 stencil=0",
                   "setPixelFormat 1", "wglCreateContext", "wglMakeCurrent", "getClientRect",
                   "resizeScene 640x480", "initScene"}));
    EXPECT_FALSE(app::gameWindow.fullscreen);

    callLog.clear();
    app::destroyGameWindow();
    EXPECT_EQ(callLog.front(), "deleteOverlayFont") << "no mode to restore, no cursor to show";
    EXPECT_TRUE(shownBoxes.empty());
}

// Nobody may be watching a screen saver: a failure is torn down and written
// to standard error, never shown in a box that waits for an answer.
TEST_F(GameWindowTest, AFailedAttachingTearsDownAndShowsNoBox) {
    script.failMakeCurrent = true;
    EXPECT_FALSE(app::attachGameWindow(platform::kRootWindow));
    EXPECT_TRUE(shownBoxes.empty());
    EXPECT_TRUE(handlesAreNull());
    EXPECT_EQ(platform::liveWindowCount(), 0);
    EXPECT_EQ(platform::liveContextCount(), 0);
    EXPECT_EQ(platform::registeredClassCount(), 0);
}

TEST_F(GameWindowTest, FullScreenFailureRestoresTheModeAndTheCursor) {
    script.failCreateWindow = true;
    EXPECT_FALSE(app::createGameWindow(kTitle, 1024, 768, 32, true));
    const Log tail = {"changeDisplaySettings restore flags=0", "showCursor 1",
                      "unregisterClass OpenGL", "messageBox ERROR: Window Creation Error."};
    ASSERT_GE(callLog.size(), tail.size());
    EXPECT_EQ(Log(callLog.end() - 4, callLog.end()), tail);
}

TEST_F(GameWindowTest, TearDownMessagesComeBeforeTheCreationMessage) {
    script.failMakeCurrent = true;
    script.failReleaseDC = true;
    EXPECT_FALSE(app::createGameWindow(kTitle, 1024, 768, 32, false));
    ASSERT_EQ(shownBoxes.size(), 2u);
    EXPECT_EQ(shownBoxes[0].text, "Release Device Context Failed.");
    EXPECT_EQ(shownBoxes[0].caption, "SHUTDOWN ERROR");
    EXPECT_EQ(shownBoxes[0].style, kShutdownStyle);
    EXPECT_EQ(shownBoxes[1].text, "Can't Activate The GL Rendering Context.");
    EXPECT_EQ(shownBoxes[1].caption, "ERROR");
}

TEST_F(GameWindowTest, EveryFailedTearDownStepIsReportedAndTheNextOneRuns) {
    ASSERT_TRUE(app::createGameWindow(kTitle, 1024, 768, 32, false));
    script.failReleaseCurrent = true;
    script.failDeleteContext = true;
    script.failReleaseDC = true;
    script.failDestroyWindow = true;
    script.failUnregisterClass = true;
    app::destroyGameWindow();
    std::vector<std::string> texts;
    for (const platform::ShownBox& box : shownBoxes) {
        texts.push_back(box.text);
        EXPECT_EQ(box.caption, "SHUTDOWN ERROR");
        EXPECT_EQ(box.style, kShutdownStyle);
    }
    EXPECT_EQ(texts, (Log{"Release Of DC And RC Failed.", "Release Rendering Context Failed.",
                          "Release Device Context Failed.", "Could Not Release hWnd.",
                          "Could Not Unregister Class."}));
    EXPECT_TRUE(handlesAreNull());
    EXPECT_EQ(app::gameWindow.instance, nullptr);
}

TEST_F(GameWindowTest, ASecondTearDownOnlyUnregistersTheClass) {
    ASSERT_TRUE(app::createGameWindow(kTitle, 1024, 768, 32, false));
    app::destroyGameWindow();
    EXPECT_NE(app::gameWindow.instance, nullptr);
    callLog.clear();
    shownBoxes.clear();
    app::destroyGameWindow();
    EXPECT_EQ(callLog, (Log{"unregisterClass OpenGL",
                            "messageBox SHUTDOWN ERROR: Could Not Unregister Class."}));
    ASSERT_EQ(shownBoxes.size(), 1u);
    EXPECT_EQ(shownBoxes[0].style, kShutdownStyle);
    EXPECT_EQ(app::gameWindow.instance, nullptr);
}

TEST_F(GameWindowTest, ReCreationReusesThePixelFormatRequest) {
    ASSERT_TRUE(app::createGameWindow(kTitle, 1024, 768, 32, false));
    app::destroyGameWindow();
    callLog.clear();
    // Whatever depth a later creation is given, the first request stands.
    ASSERT_TRUE(app::createGameWindow(kTitle, 1024, 768, 16, false));
    EXPECT_EQ(callLog.at(5), "choosePixelFormat flags=0x25 type=0 colour=32 depth=32 stencil=0");
}

}  // namespace

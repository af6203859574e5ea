// camera_test.cpp -- the camera keys: wraps, clamps, key orders, presets and restart.
#include <cmath>

#include "tests/frame/frame_state_fixture.h"

namespace {

using frame_test::FrameTest;
using namespace frame;

TEST_F(FrameTest, YawWrapsIntoZeroToThreeSixty) {
    camera.yaw = 0.0f;
    press({kKeyTurnLeft});
    EXPECT_EQ(camera.yaw, 359.0f);
    press({kKeyTurnRight});
    EXPECT_EQ(camera.yaw, 0.0f);
    camera.yaw = 359.0f;
    press({kKeyTurnRight});
    EXPECT_EQ(camera.yaw, 0.0f);
    // Both turn keys cancel.
    camera.yaw = 10.0f;
    press({kKeyTurnLeft, kKeyTurnRight});
    EXPECT_EQ(camera.yaw, 10.0f);
}

TEST_F(FrameTest, PitchHeightAndFieldOfViewStayInTheirRanges) {
    camera.pitch = 90.0f;
    press({kKeyTiltDown}, 3);
    EXPECT_EQ(camera.pitch, 90.0f);
    camera.pitch = -90.0f;
    press({kKeyTiltUp}, 3);
    EXPECT_EQ(camera.pitch, -90.0f);

    camera.translateY = -50.0f;
    press({kKeyRise}, 3);
    EXPECT_EQ(camera.translateY, -50.0f);
    camera.translateY = -2.0f;
    press({kKeySink}, 3);
    EXPECT_EQ(camera.translateY, -2.0f);

    camera.fieldOfView = 65.0f;
    press({kKeyWiden}, 3);
    EXPECT_EQ(camera.fieldOfView, 65.0f);
    camera.fieldOfView = 25.0f;
    press({kKeyNarrow}, 3);
    EXPECT_EQ(camera.fieldOfView, 25.0f);
}

TEST_F(FrameTest, HeightUsesTheDoublePrecisionPointSeven) {
    press({kKeyRise});
    EXPECT_EQ(camera.translateY, static_cast<float>(-20.0 - 0.7));
    camera.translateY = -49.5f;
    press({kKeyRise});
    EXPECT_EQ(camera.translateY, -50.0f);
}

TEST_F(FrameTest, ViewResetComesBeforeHeightAndZoom) {
    camera = Camera{5, -40, 7, 60, 10, 30, false};
    for (int frame = 0; frame < 3; ++frame) {
        press({kKeyViewReset, kKeyRise});
        EXPECT_EQ(camera.translateY, static_cast<float>(-20.0 - 0.7));
    }
    press({kKeyViewReset, kKeyWiden});
    EXPECT_EQ(camera.fieldOfView, 45.5f);
    EXPECT_EQ(camera.translateY, -20.0f);
    EXPECT_EQ(camera.yaw, 180.0f);
    EXPECT_EQ(camera.pitch, 15.0f);
}

TEST_F(FrameTest, PresetsWinOverMovementAndTheLastHeldWins) {
    camera.fieldOfView = 30.0f;
    press({kKeyForward, kKeyTurnLeft, kKeyPresetFirst});
    EXPECT_EQ(camera.translateX, 70.0f);
    EXPECT_EQ(camera.translateY, -50.0f);
    EXPECT_EQ(camera.translateZ, -50.0f);
    EXPECT_EQ(camera.pitch, 45.0f);
    EXPECT_EQ(camera.yaw, 90.0f);
    EXPECT_EQ(camera.fieldOfView, 30.0f);

    press({kKeyPresetFirst, kKeyPresetLast});
    EXPECT_EQ(camera.translateX, 50.0f);
    EXPECT_EQ(camera.yaw, 145.0f);

    press({0x33});
    EXPECT_EQ(camera.translateZ, -135.0f);
    EXPECT_EQ(camera.yaw, 0.0f);
    press({0x34});
    EXPECT_EQ(camera.translateZ, 35.0f);
    EXPECT_EQ(camera.translateY, -30.0f);
    EXPECT_EQ(camera.pitch, 20.0f);
    EXPECT_EQ(camera.yaw, 180.0f);
    EXPECT_EQ(camera.fieldOfView, 30.0f);
}

TEST_F(FrameTest, ForwardAtYawOneEightyMovesAlongZAndDriftsSlightlyInX) {
    press({kKeyForward});
    EXPECT_NEAR(camera.translateZ, 25.0 - 0.7, 1e-5);
    // 3.14592 instead of pi: about 0.003 sideways per frame.
    EXPECT_NEAR(camera.translateX, -0.7 * std::sin(3.14592), 1e-6);
    EXPECT_GT(std::fabs(camera.translateX), 0.001f);
}

TEST_F(FrameTest, MovementUsesTheYawTheFrameStartedWith) {
    camera.yaw = 90.0f;
    press({kKeyForward, kKeyTurnRight});
    EXPECT_EQ(camera.yaw, 91.0f);
    // Forward at yaw 90 moves -x; at 91 z would change by ~0.012 too.
    EXPECT_NEAR(camera.translateX, -0.7, 1e-4);
    EXPECT_NEAR(camera.translateZ, 25.0, 2e-3);
}

TEST_F(FrameTest, OppositeMovementKeysAlmostCancel) {
    for (float yaw : {0.0f, 33.0f, 180.0f, 271.0f}) {
        camera = initialCamera();
        camera.yaw = yaw;
        press({kKeyForward, kKeyBack});
        EXPECT_NEAR(camera.translateX, 0.0, 1e-4) << yaw;
        EXPECT_NEAR(camera.translateZ, 25.0, 1e-4) << yaw;
        camera = initialCamera();
        camera.yaw = yaw;
        press({kKeyLeft, kKeyRight});
        EXPECT_NEAR(camera.translateX, 0.0, 1e-4) << yaw;
        EXPECT_NEAR(camera.translateZ, 25.0, 1e-4) << yaw;
    }
    // Left at yaw 180 moves +x... in the translation: J adds cos(yaw) * 0.7.
    camera = initialCamera();
    press({kKeyLeft});
    EXPECT_NEAR(camera.translateX, -0.7, 1e-4);
}

TEST_F(FrameTest, RestartKeyResetsTheMatchEveryFrameItIsHeld) {
    // The frame step resets the match. Paused, the first frame runs no tick;
    // the restart ends the pause and the next two frames count the warm-up,
    // so the resets make the only draws.
    world->pause.paused = true;
    match.warmUpFrames = 300;
    match.goalsTeam1 = 2;
    hold({kKeyRestart});
    step(3);
    EXPECT_EQ(match.warmUpFrames, 0);
    EXPECT_EQ(match.goalsTeam1, 0);
    // One draw per frame.
    std::uint32_t state = 1;
    for (int i = 0; i < 3; ++i)
        state = state * 214013u + 2531011u;
    EXPECT_EQ(world->random.state, state);
    EXPECT_EQ(camera.yaw, 180.0f);
}

TEST_F(FrameTest, OtherKeysDoNothing) {
    std::initializer_list<int> unused = {0x25, 0x26, 0x27, 0x28, 0x60,
                                         0x61, 0x62, 0x65, 0x37, 0x41};
    for (int key : unused)
        press({key}, 2);
    const Camera start = initialCamera();
    EXPECT_EQ(camera.translateX, start.translateX);
    EXPECT_EQ(camera.translateY, start.translateY);
    EXPECT_EQ(camera.translateZ, start.translateZ);
    EXPECT_EQ(camera.pitch, start.pitch);
    EXPECT_EQ(camera.yaw, start.yaw);
    EXPECT_EQ(camera.fieldOfView, start.fieldOfView);
    EXPECT_EQ(world->random.state, 1u);
}

TEST_F(FrameTest, KeySixFollowsUntilAnotherCameraKeyAPresetOrZero) {
    for (int key : {kKeyForward, kKeyTurnLeft, kKeySink, kKeyNarrow, kKeyViewReset, 0x32, 0x35}) {
        press({kKeyFollow});
        press({kKeyRestart});
        EXPECT_TRUE(camera.following) << "the restart key is no camera key";
        press({key});
        EXPECT_FALSE(camera.following) << key;
        press({key, kKeyFollow});
        EXPECT_TRUE(camera.following) << "6 acts last, " << key;
        camera.following = false;
    }
}

}  // namespace

// camera.cpp -- the camera keys: movement, turning, tilting, height, zoom, presets, restart.
#include "frame/camera.h"

#include <cmath>

#include "common/numeric.h"
#include "frame/key_table.h"

namespace frame {

Camera initialCamera() {
    return Camera{0.0f, -20.0f, 25.0f, 15.0f, 180.0f, 45.0f, false};
}

// The single-precision 0.7 of the movement forms, used as a double.
static constexpr double kMoveStep = 0.699999988079071;

struct Heading {
    double sine;
    double cosine;
};

// Form A (forward, left): the angle in double precision with 3.14592; sine and
// cosine rounded to single precision.
static Heading movementFormA(float yaw) {
    const double angle = static_cast<double>(yaw) * common::kCameraPi / 180.0;
    return Heading{common::toSingle(std::sin(angle)), common::toSingle(std::cos(angle))};
}

// Form B (back, right): the angle itself rounded to single precision, from the
// single-precision 3.14592, so B does not exactly cancel A.
static Heading movementFormB(float yaw) {
    const float angle =
        common::toSingle(static_cast<double>(yaw) * common::kCameraPiSingle / 180.0);
    return Heading{common::toSingle(std::sin(static_cast<double>(angle))),
                   common::toSingle(std::cos(static_cast<double>(angle)))};
}

static void add(float& field, double amount) {
    field = common::toSingle(field + amount);
}

// Compares the single-precision field with double bounds and stores the bound.
static void clampField(float& field, double low, double high) {
    if (field < low)
        field = common::toSingle(low);
    if (field > high)
        field = common::toSingle(high);
}

struct View {
    float translateX, translateY, translateZ, pitch, yaw;
};

// Presets 2..5, in key order; they leave the field of view alone.
static constexpr View kPresets[4] = {
    {70.0f, -50.0f, -50.0f, 45.0f, 90.0f},  // across the pitch from beside the halfway line
    {0.0f, -30.0f, -135.0f, 20.0f, 0.0f},   // behind the goal at lengthwise 100
    {0.0f, -30.0f, 35.0f, 20.0f, 180.0f},   // behind the goal at lengthwise 0
    {50.0f, -30.0f, 35.0f, 20.0f, 145.0f},  // beyond the corner at lateral -35, lengthwise 0
};

static void applyView(Camera& camera, const View& view) {
    camera.translateX = view.translateX;
    camera.translateY = view.translateY;
    camera.translateZ = view.translateZ;
    camera.pitch = view.pitch;
    camera.yaw = view.yaw;
}

// The keys that fly the camera or put it in place, each of which ends following.
static constexpr int kCameraKeys[] = {
    kKeyForward,   kKeyBack,     kKeyLeft, kKeyRight, kKeyTurnLeft, kKeyTurnRight,
    kKeyTiltUp,    kKeyTiltDown, kKeyRise, kKeySink,  kKeyWiden,    kKeyNarrow,
    kKeyViewReset, '2',          '3',      '4',       '5'};

void applyCameraKeys(Camera& camera, const KeyTable& keys) {
    const auto held = [&keys](int key) { return keys.held[key]; };
    for (const int key : kCameraKeys) {
        if (held(key))
            camera.following = false;
    }

    // Movement: O, L, J, K, all with the yaw the frame started with.
    const Heading a = movementFormA(camera.yaw);
    const Heading b = movementFormB(camera.yaw);
    if (held(kKeyForward)) {
        add(camera.translateX, -(a.sine * kMoveStep));
        add(camera.translateZ, a.cosine * kMoveStep);
    }
    if (held(kKeyBack)) {
        add(camera.translateX, -(b.sine * -kMoveStep));
        add(camera.translateZ, b.cosine * -kMoveStep);
    }
    if (held(kKeyLeft)) {
        add(camera.translateZ, a.sine * kMoveStep);
        add(camera.translateX, a.cosine * kMoveStep);
    }
    if (held(kKeyRight)) {
        add(camera.translateZ, -(b.sine * kMoveStep));
        add(camera.translateX, -(b.cosine * kMoveStep));
    }

    // Turning, then one wrap into [0, 360).
    if (held(kKeyTurnLeft))
        add(camera.yaw, -1.0);
    if (held(kKeyTurnRight))
        add(camera.yaw, 1.0);
    if (camera.yaw >= 360.0) {
        add(camera.yaw, -360.0);
    } else if (camera.yaw < 0.0) {
        add(camera.yaw, 360.0);
    }

    // Tilting; the upper bound is tested first.
    if (held(kKeyTiltUp))
        add(camera.pitch, -1.0);
    if (held(kKeyTiltDown))
        add(camera.pitch, 1.0);
    if (camera.pitch > 90.0) {
        camera.pitch = 90.0f;
    } else if (camera.pitch < -90.0) {
        camera.pitch = -90.0f;
    }

    if (held(kKeyViewReset))
        camera = initialCamera();

    // Height: the double-precision 0.7 here, not the movement's single one.
    if (held(kKeyRise))
        add(camera.translateY, -0.7);
    if (held(kKeySink))
        add(camera.translateY, 0.7);
    clampField(camera.translateY, -50.0, -2.0);

    // Presets in key order: when several are held the last one wins.
    for (int key = kKeyPresetFirst; key <= kKeyPresetLast; ++key) {
        if (held(key))
            applyView(camera, kPresets[key - kKeyPresetFirst]);
    }

    if (held(kKeyWiden))
        add(camera.fieldOfView, 0.5);
    if (held(kKeyNarrow))
        add(camera.fieldOfView, -0.5);
    clampField(camera.fieldOfView, 25.0, 65.0);

    if (held(kKeyFollow))
        camera.following = true;
}

}  // namespace frame

// replay_camera.cpp -- the replay's camera: low behind and beside the goal the ball went into,
// turned and zoomed onto the replayed ball.
#include <algorithm>
#include <cmath>

#include "common/numeric.h"
#include "frame/replay.h"

namespace frame {

// The eye for team 1's goals (the goal line at lengthwise 100), mirrored
// through the centre spot for team 2's: beyond the line, off the near post,
// a little above the crossbar, so the last picture looks into the net.
static constexpr double kEyeLateral = 14.0;
static constexpr double kEyeBehind = 12.0;
static constexpr double kEyeHeight = 7.0;
static constexpr double kBallHeight = 1.25;

// The picture's height at the ball, in world units, within these views.
static constexpr double kFramedHeight = 22.0;
static constexpr double kNarrowestView = 20.0;
static constexpr double kWidestView = 50.0;

static double degrees(double radians) {
    return radians * 180.0 / common::kPi;
}

Camera replayCamera(const sim::Ball& ball, int team) {
    const double side = team == 2 ? -1.0 : 1.0;
    const double eyeX = side * kEyeLateral;
    const double eyeZ = 50.0 + side * (50.0 + kEyeBehind);
    // As the follow camera: the view looks along (sin yaw, -cos yaw) across
    // the ground, tilted down by pitch; the translation is the negated eye.
    const double dx = ball.lateral - eyeX;
    const double dy = kBallHeight - kEyeHeight;
    const double dz = ball.lengthwise - eyeZ;
    const double ground = std::sqrt(dx * dx + dz * dz);
    double yaw = degrees(std::atan2(dx, -dz));
    if (yaw < 0.0)
        yaw += 360.0;
    const double distance = std::sqrt(ground * ground + dy * dy);
    const double view = std::clamp(degrees(2.0 * std::atan(kFramedHeight / 2.0 / distance)),
                                   kNarrowestView, kWidestView);
    return Camera{common::toSingle(-eyeX),
                  common::toSingle(-kEyeHeight),
                  common::toSingle(-eyeZ),
                  common::toSingle(degrees(std::atan2(-dy, ground))),
                  common::toSingle(yaw),
                  common::toSingle(view),
                  false};
}

}  // namespace frame

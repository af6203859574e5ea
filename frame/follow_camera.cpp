// follow_camera.cpp -- the broadcast camera of key 6: high beside the pitch, it slides
// along the touchline, turns and zooms to keep the ball near the middle of the picture.
#include <algorithm>
#include <cmath>

#include "common/numeric.h"
#include "frame/camera.h"
#include "sim/match_state.h"

namespace frame {

// Where the camera comes to rest: 2 units beyond the touchline at lateral
// -35, 14 above the pitch, level with the ball along the pitch.
static constexpr double kEyeLateral = -37.0;
// While a goal is celebrated the next kick-off is known to come from the
// centre spot: the camera backs off to keep both it and the ball in view, so
// it need not swing round when the ball is put back.
static constexpr double kCelebrationEyeLateral = -60.0;
static constexpr double kKickOffLateral = 0.0;
static constexpr double kKickOffLengthwise = 50.0;
// In the celebration's last ticks (it lasts 41) the view turns to halfway
// between the ball and the centre spot.
static constexpr int kTurnToKickOff = 28;
static constexpr double kEyeHeight = 15.0;
static constexpr double kBallHeight = 1.25;

// Per frame: the share of the remaining way taken, and the most taken. The
// eye moves slowly, the view turns fast enough for a pass, never by more
// than kMostTurn degrees, so the picture never jumps.
static constexpr double kEyeRate = 0.08;
static constexpr double kMostEyeStep = 1.5;
static constexpr double kTurnRate = 0.4;
static constexpr double kMostTurn = 3.0;
static constexpr double kZoomRate = 0.1;
static constexpr double kMostZoom = 0.5;

// The picture's height at the ball, in world units: players stand about 3 high.
static constexpr double kFramedHeight = 30.0;
static constexpr double kWidestView = 45.0;
static constexpr double kNarrowestView = 30.0;

// A ball in flight is aimed at where it will be this many ticks on, which
// makes up for the turn's lag.
static constexpr int kLeadTicks = 3;
static constexpr int kFlightTicks = 15;

static double degrees(double radians) {
    return radians * 180.0 / common::kPi;
}

static double towards(double from, double to, double rate, double most) {
    return from + std::clamp((to - from) * rate, -most, most);
}

struct Point {
    double lateral, lengthwise;
};

// The ball, moved on along the flights it is on.
static Point aimPoint(const sim::MatchState& match) {
    Point aim{match.ball.lateral, match.ball.lengthwise};
    for (const sim::BallFlight* flight : {&match.pass, &match.shot}) {
        if (flight->active != 1)
            continue;
        const int ticks = std::min(kLeadTicks, kFlightTicks - flight->ticks);
        const double angle = common::simulationRadians(flight->direction);
        aim.lateral += ticks * flight->speed * std::sin(angle);
        aim.lengthwise += ticks * flight->speed * std::cos(angle);
    }
    return aim;
}

void followBall(Camera& camera, const sim::MatchState& match) {
    if (!camera.following)
        return;
    Point aim = aimPoint(match);
    const bool kickOffComing = match.goalCelebration > 0;
    if (match.goalCelebration > kTurnToKickOff) {
        aim.lateral = (aim.lateral + kKickOffLateral) / 2.0;
        aim.lengthwise = (aim.lengthwise + kKickOffLengthwise) / 2.0;
    }

    // The eye is the negated translation.
    const double restX = kickOffComing ? kCelebrationEyeLateral : kEyeLateral;
    const double eyeX = towards(-camera.translateX, restX, kEyeRate, kMostEyeStep);
    const double eyeY = towards(-camera.translateY, kEyeHeight, kEyeRate, kMostEyeStep);
    const double eyeZ = towards(-camera.translateZ, aim.lengthwise, kEyeRate, kMostEyeStep);
    camera.translateX = common::toSingle(-eyeX);
    camera.translateY = common::toSingle(-eyeY);
    camera.translateZ = common::toSingle(-eyeZ);

    // The view looks along (sin yaw, -cos yaw) across the ground, tilted down by pitch.
    const double dx = aim.lateral - eyeX;
    const double dy = kBallHeight - eyeY;
    const double dz = aim.lengthwise - eyeZ;
    const double ground = std::sqrt(dx * dx + dz * dz);
    const double wantedYaw = degrees(std::atan2(dx, -dz));
    const double wantedPitch = degrees(std::atan2(-dy, ground));

    const double yawLeft = std::remainder(wantedYaw - camera.yaw, 360.0);
    double yaw = camera.yaw + std::clamp(yawLeft * kTurnRate, -kMostTurn, kMostTurn);
    yaw = yaw >= 360.0 ? yaw - 360.0 : (yaw < 0.0 ? yaw + 360.0 : yaw);
    camera.yaw = common::toSingle(yaw);
    camera.pitch = common::toSingle(towards(camera.pitch, wantedPitch, kTurnRate, kMostTurn));

    const double distance = std::sqrt(ground * ground + dy * dy);
    const double wantedView =
        kickOffComing ? kWidestView
                      : std::clamp(degrees(2.0 * std::atan(kFramedHeight / 2.0 / distance)),
                                   kNarrowestView, kWidestView);
    camera.fieldOfView =
        common::toSingle(towards(camera.fieldOfView, wantedView, kZoomRate, kMostZoom));
}

}  // namespace frame

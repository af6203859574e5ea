// sound_cues.cpp -- the frame's sound cues from the state step's before and after.
#include "frame/sound_cues.h"

#include <algorithm>
#include <cstdint>

#include "audio/sound_math.h"

namespace frame {

// A flight that left the foot in this frame's tick: one step flown, not so before.
static bool kicked(const sim::BallFlight& before, const sim::BallFlight& after) {
    return after.active == 1 && after.ticks == 1 && !(before.active == 1 && before.ticks == 1);
}

// The phase of an angle in degrees for the synthesiser's sine.
static std::uint32_t phaseOf(float degrees) {
    float turns = degrees / 360.0f;
    turns -= static_cast<float>(static_cast<std::int64_t>(turns));
    if (turns < 0.0f)
        turns += 1.0f;
    return static_cast<std::uint32_t>(turns * 4294967295.0f);
}

// Where the ball is across the picture, -1 at its left edge to +1 at its
// right: the ball in the camera's frame (its turn about the upright; the tilt
// moves nothing sideways), over the half-width of the view at its distance.
static float ballPan(const sim::Ball& ball, const Camera& camera, const ViewportSize& viewport) {
    const std::uint32_t yaw = phaseOf(camera.yaw);
    const float sine = audio::sine(yaw);
    const float cosine = audio::sine(yaw + 0x40000000u);
    const float x = ball.lateral + camera.translateX;
    const float z = ball.lengthwise + camera.translateZ;
    const float across = cosine * x + sine * z;
    const float ahead = sine * x - cosine * z;
    const std::uint32_t half = phaseOf(camera.fieldOfView / 2.0f);
    const float tangent = audio::sine(half) / audio::sine(half + 0x40000000u);
    // A picture narrower than 4:3 keeps the 4:3 picture's width of view.
    const float aspect =
        viewport.height > 0
            ? std::max(static_cast<float>(viewport.width) / static_cast<float>(viewport.height),
                       4.0f / 3.0f)
            : 4.0f / 3.0f;
    if (ahead <= 1.0f)  // beside or behind the eye: hard to its side
        return across < 0.0f ? -1.0f : 1.0f;
    return std::clamp(across / (ahead * tangent * aspect), -1.0f, 1.0f);
}

// The side a shot on its way is for: team 1 shoots at lengthwise 100, and
// shots are taken only in the far third, so the ball's half says whose it is.
static int shootingSide(const sim::Ball& ball) {
    return ball.lengthwise > 50.0f ? 1 : 2;
}

// Where a shot on its way will end: it flies 15 steps of its speed in a
// straight line to one unit beyond the goal line, and lies there inside the
// goal when it ends between the posts (sim::insideGoalMouth).
static bool onTarget(const sim::MatchState& match) {
    constexpr int kFlightTicks = 15;  // every flight's (sim/possession.cpp)
    const float stepsLeft = static_cast<float>(kFlightTicks - match.shot.ticks);
    const float across = audio::sine(phaseOf(match.shot.direction));
    const float lateral = match.ball.lateral + stepsLeft * match.shot.speed * across;
    return lateral > -3.5f && lateral < 3.5f;
}

CuesBefore cuesBefore(const World& world) {
    return CuesBefore{world.match, world.replay.active};
}

audio::FrameCues soundCues(const CuesBefore& previous, const World& after) {
    const sim::MatchState& before = previous.match;
    const sim::MatchState& match = after.match;
    audio::FrameCues cues;
    // Danger: 0 at the halfway line, 1 on a goal line; a shot on its way adds to it.
    const float fromGoal = std::min(match.ball.lengthwise, 100.0f - match.ball.lengthwise);
    cues.danger = 1.0f - std::clamp(fromGoal, 0.0f, 50.0f) / 50.0f;
    cues.shotInFlight = match.shot.active == 1;
    if (cues.shotInFlight)
        cues.danger = std::min(1.0f, cues.danger + 0.3f);
    cues.pass = kicked(before.pass, match.pass);
    cues.shot = kicked(before.shot, match.shot);
    cues.ballPan = ballPan(match.ball, after.camera, after.viewport);
    cues.goal = before.goalCelebration == 0 && match.goalCelebration > 0;
    cues.celebrating = match.goalCelebration > 0;
    const bool warmedUp = before.warmUpFrames <= 100 && match.warmUpFrames > 100;
    // After a goal play starts at once, or after the goal's replay (a replay
    // ended by the restart key waits for the new match's warm-up instead).
    const bool awarded =
        match.goalsTeam1 + match.goalsTeam2 > before.goalsTeam1 + before.goalsTeam2;
    const bool replayOver = previous.replaying && !after.replay.active && match.warmUpFrames > 100;
    cues.kickOffWhistle = warmedUp || (awarded && !after.replay.active) || replayOver;
    cues.finalWhistle = after.series.finalScoreFrames == kFinalScoreFrames;
    cues.rain = static_cast<float>(after.rain.falling) / static_cast<float>(render::kRainDropCount);
    cues.silent = after.pause.paused;
    // Who has the ball, whose shot flies and whether it is on target; how it ended.
    cues.ballTeam = match.possession.team;
    if (cues.shotInFlight) {
        cues.shootingTeam = shootingSide(match.ball);
        cues.shotOnTarget = onTarget(match);
    }
    const bool shotEnded = before.shot.active == 1 && match.shot.active == 0;
    // A player of the other side took the ball out of the shot's flight.
    cues.save = shotEnded && match.possession.team != 0 &&
                match.possession.team != shootingSide(before.ball);
    // The shot's end left the ball beyond the line beside the goal.
    cues.shotWide = shotEnded && before.goalKickTimer == 0 && match.goalKickTimer > 0;
    if (cues.goal)
        cues.scoringTeam = match.ball.lengthwise > 100.0f ? 1 : 2;
    return cues;
}

void addReplayCues(audio::FrameCues& cues, const sim::MatchState& before, std::int64_t ticksBefore,
                   const World& copy, const Replay& replay, const ViewportSize& viewport) {
    const sim::MatchState& match = copy.match;
    const std::int64_t ticks = copy.statistics.total.ticks;
    cues.pass = cues.pass || kicked(before.pass, match.pass);
    cues.shot = cues.shot || kicked(before.shot, match.shot);
    if (ticksBefore < replay.crossingTick && ticks >= replay.crossingTick) {
        cues.goal = true;
        cues.scoringTeam = replay.team;
    }
    cues.ballPan = ballPan(match.ball, replayCamera(match.ball, replay.team), viewport);
}

audio::FrameCues heldCues(const audio::FrameCues& last) {
    audio::FrameCues held = last;
    held.pass = held.shot = held.goal = held.save = held.shotWide = false;  // started once already
    held.silent = true;
    return held;
}

}  // namespace frame

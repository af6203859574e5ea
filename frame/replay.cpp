// replay.cpp -- the replay record's part in the frame's state step: its keys, holding the live
// match, and starting a replay when a goal is awarded.
#include "frame/replay.h"

#include "sim/tick_steps.h"

namespace frame {

// The keys that end a replay as they go down: the camera's, the view reset,
// the restart key, the presets, the follow camera, and R first (bit 0).
static constexpr int kEndingKeys[] = {
    kKeyReplays, kKeyForward,  kKeyBack, kKeyLeft, kKeyRight, kKeyTurnLeft, kKeyTurnRight,
    kKeyTiltUp,  kKeyTiltDown, kKeyRise, kKeySink, kKeyWiden, kKeyNarrow,   kKeyViewReset,
    kKeyRestart, '2',          '3',      '4',      '5',       kKeyFollow};
static_assert(sizeof kEndingKeys / sizeof kEndingKeys[0] <= 32, "one bit a key");

ReplayMoment replayedMoment(const Replay& replay) {
    constexpr int kFullSpeed = kReplayTicks - kSlowTicks;
    const std::int64_t first = replay.crossingTick - (kReplayTicks - 1);
    const int picture = replay.progress;
    if (picture < kFullSpeed)
        return ReplayMoment{first + picture, false};
    const int slow = picture - kFullSpeed;
    if (slow < 2 * kSlowTicks)
        return ReplayMoment{first + kFullSpeed + slow / 2, slow % 2 == 1};
    return ReplayMoment{replay.crossingTick + 1 + (slow - 2 * kSlowTicks), false};
}

std::int64_t replayedTick(const Replay& replay) {
    const ReplayMoment moment = replayedMoment(replay);
    return moment.tick + (moment.halfway ? 1 : 0);
}

double replayWipe(const Replay& replay) {
    const int picture = replay.progress;
    if (picture < kReplayWipePictures)
        return static_cast<double>(kReplayWipePictures - picture) / kReplayWipePictures;
    const int fromEnd = kReplayPictures - picture;
    if (fromEnd <= kReplayWipePictures)
        return static_cast<double>(kReplayWipePictures - fromEnd + 1) / kReplayWipePictures;
    return 0.0;
}

void applyReplayKeys(Replay& replay, const KeyTable& keys) {
    std::uint32_t down = 0;
    for (std::uint32_t bit = 0; bit < sizeof kEndingKeys / sizeof kEndingKeys[0]; ++bit) {
        if (keys.held[kEndingKeys[bit]])
            down |= 1u << bit;
    }
    // Keys held since before a replay began (a view held by a tool) leave it alone.
    const std::uint32_t pressed = down & ~replay.keysWereDown;
    replay.keysWereDown = down;
    if ((pressed & 1u) != 0)
        replay.enabled = !replay.enabled;
    if (pressed != 0)
        replay.active = false;
}

bool holdForReplay(Replay& replay, bool paused) {
    if (replay.active && !paused && ++replay.progress >= kReplayPictures)
        replay.active = false;
    replay.held = replay.active;
    return replay.held;
}

// Where the goal check counts towards a goal: beyond either goal line, inside
// the goal mouth.
static bool ballInGoal(const sim::Ball& ball) {
    return (ball.lengthwise > 100.0f || ball.lengthwise < 0.0f) &&
           sim::insideGoalMouth(ball.lateral);
}

void noteTickForReplay(Replay& replay, std::int64_t tick, std::int64_t goals,
                       const sim::MatchState& before, const sim::MatchState& after) {
    const bool team1 = after.goalsTeam1 > before.goalsTeam1;
    if ((team1 || after.goalsTeam2 > before.goalsTeam2) && replay.enabled) {
        // A ball that reached the goal in the awarding tick itself (an earlier
        // stay left the count nearly full) crossed in this tick.
        replay.crossingTick = replay.stayTick != 0 ? replay.stayTick : tick;
        replay.goal = goals;
        replay.team = team1 ? 1 : 2;
        replay.progress = 0;
        replay.active = true;
    }
    if (!ballInGoal(after.ball))
        replay.stayTick = 0;
    else if (replay.stayTick == 0)
        replay.stayTick = tick;
}

void endReplay(Replay& replay) {
    replay.active = false;
    replay.held = false;
    replay.stayTick = 0;
}

}  // namespace frame

// replay_tape.cpp -- keeping worlds and keys as frames run, and stepping a kept world on to the
// replay's picture.
#include "frame/replay_tape.h"

#include <cmath>
#include <cstring>

#include "frame/frame_step.h"
#include "frame/sound_cues.h"

namespace frame {

// Whether the world is as the last step left it, but for the keys and what
// no step reads (the viewport, the pacing clock, the notice line).
static bool unchangedSinceStep(const ReplayTape& tape, const World& world) {
    return tape.stepped && world.random.state == tape.randomAfter &&
           std::memcmp(&world.pause, &tape.pauseAfter, sizeof tape.pauseAfter) == 0 &&
           std::memcmp(&world.match, &tape.matchAfter, sizeof tape.matchAfter) == 0;
}

// After a host's own change the worlds kept cannot be stepped on to what
// follows, so they go. A replay being shown keeps its copy and the keys it
// still needs: the frames it replays all came before the change.
static void forgetKept(ReplayTape& tape, const World& world) {
    for (KeptWorld& kept : tape.worlds)
        tape.spare.push_back(std::move(kept.world));
    tape.worlds.clear();
    if (world.replay.active && world.replay.goal == tape.copyGoal)
        return;
    tape.keys.clear();
    tape.copyGoal = 0;
}

// Before the step of the world's next frame: its keys, and the world itself
// every kKeptTicks ticks; the keys older than the oldest world kept go.
static void keepFrame(ReplayTape& tape, const World& world) {
    if (!unchangedSinceStep(tape, world))
        forgetKept(tape, world);
    const std::int64_t frame = world.statistics.frames + 1;
    if (tape.keys.empty() ||
        std::memcmp(tape.keys.back().held, world.keys.held, sizeof world.keys.held) != 0) {
        tape.keys.push_back(KeptKeys{frame, {}});
        std::memcpy(tape.keys.back().held, world.keys.held, sizeof world.keys.held);
    }
    const std::int64_t ticks = world.statistics.total.ticks;
    if (!tape.worlds.empty() && ticks - tape.worlds.back().ticks < kKeptTicks)
        return;
    std::unique_ptr<World> kept;
    if (tape.spare.empty()) {
        kept = std::make_unique<World>(world);
    } else {
        kept = std::move(tape.spare.back());
        tape.spare.pop_back();
        *kept = world;
    }
    tape.worlds.push_back(KeptWorld{frame, ticks, std::move(kept)});
    if (tape.worlds.size() > kKeptWorlds) {
        tape.spare.push_back(std::move(tape.worlds.front().world));
        tape.worlds.pop_front();
        while (tape.keys.size() > 1 && tape.keys[1].frame <= tape.worlds.front().frame)
            tape.keys.pop_front();
    }
}

static void noteStep(ReplayTape& tape, const World& world) {
    tape.stepped = true;
    tape.randomAfter = world.random.state;
    tape.pauseAfter = world.pause;
    tape.matchAfter = world.match;
}

// The keys of a kept frame; null when they are no longer (or not yet) kept.
static const bool* keptKeys(const ReplayTape& tape, std::int64_t frame) {
    if (tape.keys.empty() || frame < tape.keys.front().frame)
        return nullptr;
    for (auto kept = tape.keys.rbegin(); kept != tape.keys.rend(); ++kept) {
        if (kept->frame <= frame)
            return kept->held;
    }
    return nullptr;
}

// A new replay: its copy starts from the latest world kept before its first
// tick (or the oldest there is, when the keeping began later: the replay then
// stands on that world until its ticks come). None when no world kept comes
// before the crossing.
static void startCopy(ReplayTape& tape, const Replay& replay) {
    const std::int64_t firstTick = replay.crossingTick - (kReplayTicks - 1);
    const KeptWorld* from = tape.worlds.empty() ? nullptr : &tape.worlds.front();
    for (const KeptWorld& kept : tape.worlds) {
        if (kept.ticks < firstTick)
            from = &kept;
    }
    tape.copyGoal = 0;
    if (from == nullptr || from->ticks >= replay.crossingTick)
        return;
    if (tape.copy == nullptr)
        tape.copy = std::make_unique<World>(*from->world);
    else
        *tape.copy = *from->world;
    tape.copyFrame = from->frame - 1;
    tape.copyGoal = replay.goal;
}

// Halfway from `from` to `to` along the shorter way round, in degrees.
static float halfwayAngle(float from, float to) {
    float turn = to - from;
    turn -= 360.0f * std::floor((turn + 180.0f) / 360.0f);  // into -180..180
    return from + turn * 0.5f;
}

static void blendTeam(sim::Team& team, const sim::Team& from, const sim::Team& to) {
    for (int n = 0; n < 5; ++n) {
        sim::OutfieldPlayer& player = team.outfield[n];
        player.lateral = (from.outfield[n].lateral + to.outfield[n].lateral) * 0.5f;
        player.lengthwise = (from.outfield[n].lengthwise + to.outfield[n].lengthwise) * 0.5f;
        player.heading = halfwayAngle(from.outfield[n].heading, to.outfield[n].heading);
    }
    team.keeperLateral = (from.keeperLateral + to.keeperLateral) * 0.5f;
}

// A slow-motion picture halfway between two ticks: the copy, which has run
// the later one, with the players, keepers and ball halfway from where they
// stood in the earlier; the rest (the score, the figures' strides) as in the
// later. Made here, in the state step, so that drawing stays a pure reading.
static void showHalfway(ReplayTape& tape, const ReplayMoment& moment) {
    const World& copy = *tape.copy;
    tape.halfway = moment.halfway && copy.statistics.total.ticks == moment.tick + 1;
    if (!tape.halfway)
        return;
    if (tape.blended == nullptr)
        tape.blended = std::make_unique<World>(copy);
    else
        *tape.blended = copy;
    sim::MatchState& match = tape.blended->match;
    const sim::MatchState& from = tape.copyBefore;
    blendTeam(match.team1, from.team1, copy.match.team1);
    blendTeam(match.team2, from.team2, copy.match.team2);
    match.ball.lateral = (from.ball.lateral + copy.match.ball.lateral) * 0.5f;
    match.ball.lengthwise = (from.ball.lengthwise + copy.match.ball.lengthwise) * 0.5f;
}

// The copy stepped on, with each frame's keys, to the first frame that ran
// the tick the picture shows; never past the frames already run. Each step's
// sound goes into the frame's cues.
static void followReplay(ReplayTape& tape, const World& world, audio::FrameCues& cues) {
    const Replay& replay = world.replay;
    if (!replay.active)
        return;
    if (tape.copyGoal != replay.goal)
        startCopy(tape, replay);
    if (tape.copyGoal != replay.goal)
        return;
    World& copy = *tape.copy;
    const std::int64_t tick = replayedTick(replay);
    while (copy.statistics.total.ticks < tick && tape.copyFrame < world.statistics.frames) {
        const bool* held = keptKeys(tape, tape.copyFrame + 1);
        if (held == nullptr)
            break;
        std::memcpy(copy.keys.held, held, sizeof copy.keys.held);
        const sim::MatchState before = copy.match;
        const std::int64_t ticksBefore = copy.statistics.total.ticks;
        tape.copyBefore = before;
        stepWorld(copy);
        tape.copyFrame += 1;
        addReplayCues(cues, before, ticksBefore, copy, replay, world.viewport);
    }
    showHalfway(tape, replayedMoment(replay));
}

audio::FrameCues stepFrame(World& world, ReplayTape& tape) {
    keepFrame(tape, world);
    const CuesBefore before = cuesBefore(world);
    stepWorld(world);
    noteStep(tape, world);
    audio::FrameCues cues = soundCues(before, world);
    followReplay(tape, world, cues);
    return cues;
}

const World* replayedWorld(const ReplayTape& tape, const World& world) {
    const bool shown = world.replay.active && tape.copyGoal == world.replay.goal;
    if (!shown)
        return nullptr;
    return tape.halfway ? tape.blended.get() : tape.copy.get();
}

}  // namespace frame

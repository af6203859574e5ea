// frame_step.cpp -- the frame's state step in its fixed order, and a new scene's state.
#include "frame/frame_step.h"

namespace frame {

void initSceneState(World& world) {
    sim::resetMatch(world.match, world.random);
    startMatchStatistics(world.statistics);
    render::generateTerrain(world.heightmap, world.random);
    world.pause.paused = false;
    endFinalScore(world);
    endReplay(world.replay);
}

// Step 1: the replay and pause keys, the series, the frame counted, the
// simulation gate and the final whistle.
static void advanceSimulation(World& world) {
    applyReplayKeys(world.replay, world.keys);
    applyPauseKeys(world.pause, world.keys);
    const bool replaying = holdForReplay(world.replay, world.pause.paused);
    // An ended match shows its final score, its clock standing, then the next
    // one begins, and this frame is its first.
    const bool playing = !world.pause.paused && !replaying && runMatchSeries(world);
    countFrame(world.statistics, !playing);
    if (!playing)
        return;
    sim::MatchState& match = world.match;
    if (match.warmUpFrames > 100) {
        const sim::MatchState before = match;
        sim::matchTickMovement(match, world.random);
        render::advanceStrideCounters(world.animation);
        sim::matchTickBall(match, world.random);
        observeTick(world.statistics, world.statistics.frames, before, match);
        noteTickForReplay(world.replay, world.statistics.total.ticks, world.statistics.goals,
                          before, match);
    } else {
        match.warmUpFrames += 1;
    }
    blowWhistleAtLength(world);
}

// Step 2: the camera keys, the restart key, Tab, the follow camera and the
// keepers' counters.
static void applyFrameControls(World& world) {
    applyCameraKeys(world.camera, world.keys);
    const bool restart = world.keys.held[kKeyRestart];
    // The restart key starts a new match, and a new match plays, from its kick-off.
    if (restart)
        sim::resetMatch(world.match, world.random);
    applyPanelKey(world.panel, world.keys);
    if (restart) {
        world.pause.paused = false;
        startMatchStatistics(world.statistics);
        endFinalScore(world);
        endReplay(world.replay);
    }
    if (!world.pause.paused && !world.replay.held) {
        followBall(world.camera, world.match);
        render::advanceKeeperCounters(world.animation);
    }
}

// Step 3: the rain and the weather.
static void finishFrameState(World& world) {
    if (!world.pause.paused && !world.replay.held) {
        render::stepRain(world.rain, world.random, 0.0f, 0.0f);
        observeFrameEnd(world.statistics, world.rain);
    }
}

void stepWorld(World& world) {
    render::beginRainFrame(world.rain);
    advanceSimulation(world);
    applyFrameControls(world);
    finishFrameState(world);
}

}  // namespace frame

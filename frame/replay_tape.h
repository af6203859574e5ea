// replay_tape.h -- what a host keeps beside its world for the goal replays (kept worlds, the
// keys of every frame since, the replay's own copy), and the state step that keeps them.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "audio/frame_cues.h"
#include "frame/world.h"

namespace frame {

// A world as it was before the step of frame `frame` (frames count from 1,
// as the statistics count them), when `ticks` ticks had run.
struct KeptWorld {
    std::int64_t frame;
    std::int64_t ticks;
    std::unique_ptr<World> world;
};

// The keys held in frame `frame` and after it, until the next change.
struct KeptKeys {
    std::int64_t frame;
    bool held[256];
};

// Every host owns one beside its world (a few megabytes, on the heap; the
// world itself stays small enough to copy) and passes both to the frame
// driver's functions: stepFrame below, stepScriptedFrame, runLiveFrame, and
// the pictures (replay_picture.h). A replay is drawn from kept worlds and is
// exact: the copy is a kept world stepped again, frame by frame, with the
// keys of those frames.
struct ReplayTape {
    std::deque<KeptWorld> worlds;               // one every kKeptTicks ticks, oldest first
    std::vector<std::unique_ptr<World>> spare;  // kept worlds let go, to be used again
    std::deque<KeptKeys> keys;                  // the key table's changes, oldest first
    // What the last step left of the records a step reads besides the keys,
    // so that a host's own change between two steps (a new scene, a moment
    // held paused) starts the keeping afresh instead of spoiling a replay
    // (the replay being shown goes on).
    bool stepped = false;
    std::uint32_t randomAfter = 0;
    MatchPause pauseAfter = {};
    sim::MatchState matchAfter = {};
    // The world the replay shows: a kept world stepped on to the replayed tick.
    std::unique_ptr<World> copy;
    std::int64_t copyFrame = 0;       // the last frame the copy has run
    std::int64_t copyGoal = 0;        // the goal it replays; 0: none
    sim::MatchState copyBefore = {};  // the copy's match before its latest step
    // A picture halfway between two ticks shows the copy with its match
    // blended between them: positions and angles only, for the picture.
    std::unique_ptr<World> blended;
    bool halfway = false;  // the picture shows `blended`
};

// A world is kept every kKeptTicks ticks, and kKeptWorlds of them: enough to
// start any replay from, with pauses or a replay before the goal in between.
constexpr std::int64_t kKeptTicks = 30;
constexpr std::size_t kKeptWorlds = 9;

// The frame's step of every host: the world and the keys kept, the world's
// state step (stepWorld, frame_step.h), then the replay's copy brought to the
// tick the picture shows. Returns the frame's sound cues (sound_cues.h), the
// replay's own kicks and goal among them, for the host's synthesiser.
audio::FrameCues stepFrame(World& world, ReplayTape& tape);

// The world a picture of `world` shows: the replay's copy (or its blend,
// halfway between two ticks) while a replay is shown, otherwise null (the
// world itself).
const World* replayedWorld(const ReplayTape& tape, const World& world);

}  // namespace frame

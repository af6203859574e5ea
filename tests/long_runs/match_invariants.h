// match_invariants.h -- the long-run checker: after every frame, every record of the
// state side (match, camera, figure counters, rain) is finite and within the range its
// rules allow, and changed from the frame before only in the ways those rules allow.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "frame/camera.h"
#include "frame/world.h"
#include "render/figure_animation.h"
#include "sim/match_state.h"

namespace long_runs_test {

// What a run has seen so far: the state after the previous frame, the faults
// found (the first few, with their frame), and figures for the report.
struct InvariantChecker {
    bool checkBall = true;  // the ball's bounds hold only in a run without restarts
    std::int64_t frame = 0;
    bool restartedSinceStart = false;
    bool kickOffStanding = false;  // no tick has run since the latest kick-off

    sim::MatchState previous = {};
    frame::Camera previousCamera = {};
    render::FigureAnimation previousAnimation = {};
    int previousRaining = 0;
    int previousClock = 0;

    std::vector<std::string> faults;  // at most kMaxFaults, then only counted
    std::int64_t faultCount = 0;

    // Highest values seen, for the report.
    int maxPassWait = 0;
    int maxDecisionTimer = 0;
    int maxPossessionTimer = 0;
    int maxRainClock = 0;
    std::int64_t goalsAwarded = 0;
    std::vector<std::int64_t> rainStarts;  // frames whose step switched the rain on
    std::vector<std::int64_t> rainStops;   // ... and off (thinning out)
};

constexpr std::size_t kMaxFaults = 20;

// Called after the start-up state (initSceneState) is in place in `world`.
void startChecking(InvariantChecker& checker, const frame::World& world);

// Called after every frame's state changes to `world`. `restarted`: the frame reset the
// match (the restart key was held, or the window was re-created after it).
// `paused`: the frame stood still, in the pause or held for a goal's replay
// (as they stood after the frame's steps, before any re-creation, which ends
// both).
void checkFrame(InvariantChecker& checker, const frame::World& world, bool restarted, bool paused);

// The faults as one text, for a test's failure message.
std::string describeFaults(const InvariantChecker& checker);

}  // namespace long_runs_test

// frame_state.cpp -- the frame's state changes in their fixed order.
#include "frame/frame_state.h"

#include "frame/camera.h"
#include "frame/key_table.h"
#include "frame/match_panel.h"
#include "frame/match_pause.h"
#include "frame/match_series.h"
#include "frame/match_statistics.h"
#include "render/figure_animation.h"
#include "render/heightmap.h"
#include "render/rain_field.h"
#include "sim/match_state.h"

namespace frame {

void advanceSimulation() {
    applyPauseKeys(matchPause, keyTable);
    // An ended match shows its final score, its clock standing, then the next
    // one begins, and this frame is its first.
    const bool playing = !matchPause.paused && runMatchSeries();
    countFrame(matchStatistics, !playing);
    if (!playing)
        return;
    if (sim::match.warmUpFrames > 100) {
        const sim::MatchState before = sim::match;
        sim::matchTickMovement();
        render::advanceStrideCounters();
        sim::matchTickBall();
        observeTick(matchStatistics, matchStatistics.frames, before, sim::match);
    } else {
        sim::match.warmUpFrames += 1;
    }
    blowWhistleAtLength();
}

void applyFrameControls() {
    applyCameraKeys();
    applyPanelKey(matchPanel, keyTable);
    // The restart key starts a new match, and a new match plays, from its kick-off.
    if (keyTable.held[kKeyRestart]) {
        matchPause.paused = false;
        startMatchStatistics(matchStatistics);
        endFinalScore();
    }
    if (!matchPause.paused) {
        followBall();
        render::advanceKeeperCounters();
    }
}

void finishFrameState() {
    if (!matchPause.paused) {
        render::stepRain(0.0f, 0.0f);
        observeFrameEnd(matchStatistics);
    }
}

void advanceFrameState() {
    advanceSimulation();
    applyFrameControls();
    finishFrameState();
}

void initSceneState() {
    sim::resetMatch();
    startMatchStatistics(matchStatistics);
    render::generateTerrain();
    matchPause.paused = false;
    endFinalScore();
}

}  // namespace frame

// frame_state.cpp -- the frame's state changes in their fixed order.
#include "frame/frame_state.h"

#include "frame/camera.h"
#include "frame/key_table.h"
#include "frame/match_pause.h"
#include "frame/match_series.h"
#include "render/figure_animation.h"
#include "render/heightmap.h"
#include "render/rain_field.h"
#include "sim/match_state.h"

namespace frame {

void advanceSimulation() {
    applyPauseKeys(matchPause, keyTable);
    if (matchPause.paused)
        return;
    // An ended match shows its final score, then the next one begins.
    if (!runMatchSeries())
        return;
    if (sim::match.warmUpFrames > 100) {
        sim::matchTickMovement();
        render::advanceStrideCounters();
        sim::matchTickBall();
    } else {
        sim::match.warmUpFrames += 1;
    }
    countMatchFrame();
}

void applyFrameControls() {
    applyCameraKeys();
    // The restart key starts a new match, and a new match plays, from its kick-off.
    if (keyTable.held[kKeyRestart]) {
        matchPause.paused = false;
        restartMatchClock();
    }
    if (!matchPause.paused)
        render::advanceKeeperCounters();
}

void finishFrameState() {
    if (!matchPause.paused)
        render::stepRain(0.0f, 0.0f);
}

void advanceFrameState() {
    advanceSimulation();
    applyFrameControls();
    finishFrameState();
}

void initSceneState() {
    sim::resetMatch();
    render::generateTerrain();
    matchPause.paused = false;
    restartMatchClock();
}

}  // namespace frame

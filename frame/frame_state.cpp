// frame_state.cpp -- the frame's state changes in their fixed order.
#include "frame/frame_state.h"

#include "frame/camera.h"
#include "frame/key_table.h"
#include "frame/match_pause.h"
#include "render/figure_animation.h"
#include "render/heightmap.h"
#include "render/rain_field.h"
#include "sim/match_state.h"

namespace frame {

void advanceSimulation() {
    applyPauseKeys(matchPause, keyTable);
    if (matchPause.paused)
        return;
    if (sim::match.warmUpFrames > 100) {
        sim::matchTickMovement();
        render::advanceStrideCounters();
        sim::matchTickBall();
    } else {
        sim::match.warmUpFrames += 1;
    }
}

void applyFrameControls() {
    applyCameraKeys();
    // The restart key starts a new match, and a new match plays.
    if (keyTable.held[kKeyRestart])
        matchPause.paused = false;
    if (!matchPause.paused) {
        followBall();
        render::advanceKeeperCounters();
    }
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
}

}  // namespace frame

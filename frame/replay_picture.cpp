// replay_picture.cpp -- the picture of a replay frame: the kept world stepped on, seen from the
// replay camera, under the live match's overlay and "REPLAY".
#include "frame/replay_picture.h"

#include "frame/frame_picture.h"
#include "frame/overlay.h"

namespace frame {

// The score bar and the panel are the live match's, as a broadcast keeps its
// own over a replay; the banner is left out, the goal having been celebrated.
static void drawReplay(const World& world, const World& replayed) {
    drawWorldScene(replayed, replayCamera(replayed.match.ball, world.replay.team), world.viewport);
    const OverlayLayout layout = overlayLayout(world.viewport.width, world.viewport.height);
    beginOverlay(world.viewport);
    // Wiped in over the first pictures (uncovered from the left), out over the last.
    drawReplayWipe(replayWipe(world.replay), world.replay.progress >= kReplayPictures / 2);
    drawScoreboard(layout, world.clubs.sides[0].name, world.match.goalsTeam1,
                   world.match.goalsTeam2, world.clubs.sides[1].name);
    drawReplayNotice(layout);
    if (world.panel.shown || world.panel.finalScore || world.panel.halfTime)
        drawMatchPanel(layout, world);
    endOverlay();
}

void drawFramePicture(const World& world, const ReplayTape& tape) {
    const World* replayed = replayedWorld(tape, world);
    if (replayed != nullptr)
        drawReplay(world, *replayed);
    else
        drawFramePicture(world);
}

void drawFrame(const World& world, const ReplayTape& tape) {
    drawFramePicture(world, tape);
    drawFrameLabels(world);
}

}  // namespace frame

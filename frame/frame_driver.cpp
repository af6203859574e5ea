// frame_driver.cpp -- the live frame: state step, pacing on the host's clock, picture, labels.
#include "frame/frame_driver.h"

#include "frame/frame_picture.h"
#include "frame/replay_picture.h"
#include "frame/sound_cues.h"

namespace frame {

void runLiveFrame(World& world, ReplayTape& tape, FrameHost& host) {
    const sim::MatchState before = world.match;
    stepFrame(world, tape);
    host.cueSound(soundCues(before, world));
    const PacingStep step = pacingStep(world.clock.lastTick, host.tickCount());
    world.clock.lastTick = step.lastTick;
    ageScreenshotNotice(world.notice, step.lastTick);
    host.wait(step.sleepMs);
    drawFramePicture(world, tape);
    host.pictureDrawn(world);
    drawFrameLabels(world);
    host.present();
}

}  // namespace frame

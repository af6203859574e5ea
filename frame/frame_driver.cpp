// frame_driver.cpp -- the live frame: state step, pacing on the host's clock, picture, labels.
#include "frame/frame_driver.h"

#include "frame/frame_picture.h"
#include "frame/replay_picture.h"

namespace frame {

// The step with its sound, and the pacing's wait.
static void stepAndPace(World& world, ReplayTape& tape, FrameHost& host) {
    host.cueSound(stepFrame(world, tape));
    const PacingStep step = pacingStep(world.clock.lastTick, host.tickCount());
    world.clock.lastTick = step.lastTick;
    ageNoticeLine(world.notice, step.lastTick);
    host.wait(step.sleepMs);
}

void runUnseenFrame(World& world, ReplayTape& tape, FrameHost& host) {
    stepAndPace(world, tape, host);
}

void runLiveFrame(World& world, ReplayTape& tape, FrameHost& host) {
    stepAndPace(world, tape, host);
    drawFramePicture(world, tape);
    host.pictureDrawn(world);
    drawFrameLabels(world);
    host.present();
}

}  // namespace frame

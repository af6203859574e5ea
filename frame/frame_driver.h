// frame_driver.h -- the live frame that hosts with a clock and a screen run: the state step,
// pacing, the picture, and what the frame needs from its host.
#pragma once

#include <cstdint>

#include "audio/frame_cues.h"
#include "frame/frame_step.h"
#include "frame/replay_tape.h"
#include "frame/world.h"

namespace frame {

// What a frame needs from the host that shows it live: the clock, the wait
// the pacing asks for, the moment between the picture and its labels (a
// screenshot is read back there), and showing the picture.
class FrameHost {
  public:
    // The wrapping millisecond tick count.
    virtual std::uint32_t tickCount() = 0;
    // The pacing's wait before this frame's picture: the desktop sleeps; the
    // page starts its next frame no sooner than this after the picture.
    virtual void wait(std::uint32_t milliseconds) = 0;
    // The picture is drawn, its labels are not: a screenshot reads it back now.
    virtual void pictureDrawn(World& world) = 0;
    // The labels are drawn: show the frame (swap the buffers).
    virtual void present() = 0;
    // The frame's sound cues, right after its state step: for the synthesiser
    // that plays on the sound device's clock (nothing without one).
    virtual void cueSound(const audio::FrameCues& cues) = 0;

  protected:
    ~FrameHost() = default;
};

// One live frame, with the rendering context current: the state step with
// the host's replay tape (replay_tape.h) and its sound cues, pacing
// against 66 ms on the host's clock (the reading before the wait is kept, so
// the wait counts towards the next frame), the notice line aged, the
// picture (a replay's while one is shown), the host's look at it, the labels,
// and the host shows it.
void runLiveFrame(World& world, ReplayTape& tape, FrameHost& host);

// A live frame without a picture (the page while its WebGL context is lost):
// the state step and its sound cues, and the same pacing, so that the match
// keeps its pace unseen.
void runUnseenFrame(World& world, ReplayTape& tape, FrameHost& host);

}  // namespace frame

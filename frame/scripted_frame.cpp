// scripted_frame.cpp -- one frame of a frame script: its keys, then the frame's state step.
#include "frame/frame_script.h"
#include "frame/replay_tape.h"

namespace frame {

ScriptedStep stepScriptedFrame(World& world, ReplayTape& tape, const FrameScript& script,
                               std::int64_t frame) {
    applyKeyHolds(script, frame, world.keys);
    const std::int64_t matches = world.series.nextMatches;
    const audio::FrameCues cues = stepFrame(world, tape);
    return ScriptedStep{world.series.nextMatches != matches, cues};
}

}  // namespace frame

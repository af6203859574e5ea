// record_run.h -- the record tool's run: start-up and frames offscreen, chosen frames to PNG.
#pragma once

#include <cstdint>
#include <string>

#include "tools/frame_script.h"
#include "tools/record_options.h"

namespace tools {

// Told after start-up (frame 0) and after every frame, once its pictures are
// written and its window re-creations done; `recreated` says whether any
// followed the frame. Only reads state.
using FrameObserver = void (*)(std::int64_t frame, bool recreated, void* data);

// Called once by football-record's main (and by the tests) after parsing:
// makes the output directory if it is missing, starts up as the program does
// (resizeScene, then initScene), runs frames 1..script.frames with the
// script's key holds and window re-creations, and writes the chosen frames.
// With `progress`, shows frames done and frames per second on standard error.
// Returns 0, or 1 with a one-line message in `error` (naming the directory or
// file that could not be written).
int recordFrames(const FrameScript& script, const RecordOptions& options, bool progress,
                 FrameObserver observer, void* data, std::string& error);

}  // namespace tools

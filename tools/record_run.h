// record_run.h -- the record tool's run: start-up and frames offscreen, chosen frames to PNG
// files and a clip to an animated WebP.
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
// makes the output directory if it is missing and opens the clip, starts up
// as the program does (resizeScene, then initScene), runs frames
// 1..script.frames with the script's key holds and window re-creations, and
// writes the chosen frames to --out and frames --from..FRAMES to the clip.
// Without --out, the frames before the clip are run without a picture (the
// same state changes, in the same order). With `progress`, shows frames done and frames
// per second on standard error. Returns 0, or 1 with a one-line message in
// `error` (naming the directory or file that could not be written, or the
// OpenGL errors a frame left and the frame); a clip is written whole or not at all.
int recordFrames(const FrameScript& script, const RecordOptions& options, bool progress,
                 FrameObserver observer, void* data, std::string& error);

}  // namespace tools

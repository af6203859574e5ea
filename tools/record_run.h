// record_run.h -- the record tool's run: start-up and frames offscreen, chosen frames to PNG
// files and a clip (record_clip.h).
#pragma once

#include <cstdint>
#include <string>

#include "frame/frame_script.h"
#include "frame/world.h"
#include "tools/record_options.h"

namespace tools {

// Told after start-up (frame 0) and after every frame, once its pictures are
// written and its window re-creations done; `recreated` says whether the
// landscape is new: a re-creation followed the frame, or the next match of a
// series began in it. Only reads state.
using FrameObserver = void (*)(const frame::World& world, std::int64_t frame, bool recreated,
                               void* data);

// What a run wrote, for the line that ends it.
struct RecordTally {
    std::int64_t pictures = 0;  // PNG files written
    std::int64_t firstPicture = 0;
    std::int64_t lastPicture = 0;
    std::int64_t clipPictures = 0;  // pictures in the clip
    std::int64_t firstClipFrame = 0;
    std::int64_t lastClipFrame = 0;
};

// Called once by football-record's main (and by the tests) after parsing:
// makes the output directory if it is missing and opens the clip, starts up
// as the program does (resizeScene, then initScene), runs frames
// 1..script.frames with the script's key holds and window re-creations, and
// writes the chosen frames to --out and frames --from..FRAMES to the clip.
// Only frames with a picture are drawn, and the frame before the first picture
// in each context; the others run their state changes alone (the same, in the
// same order). With
// `progress`, shows frames done and frames per second on standard error. Returns 0, or 1 with a
// one-line message in `error` (naming the directory or file that could not be written, or the
// OpenGL errors a frame left and the frame); a clip is written whole or not at all.
// Counts what it wrote into `tally` when given.
int recordFrames(frame::World& world, const frame::FrameScript& script,
                 const RecordOptions& options, bool progress, FrameObserver observer, void* data,
                 std::string& error, RecordTally* tally = nullptr);

// The line that ends a successful run, naming what it wrote, e.g.
// "wrote 3 pictures of 64x48 in 'shots': frame-00001.png to frame-00005.png".
std::string recordedLine(const RecordOptions& options, const RecordTally& tally);

}  // namespace tools

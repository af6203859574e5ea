// record_options.h -- the record tool's own options: output directory, chosen frames, picture
// size, clip, view and goal replay.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "frame/frame_script.h"

namespace tools {

struct RecordOptions {
    std::string outDir;            // --out DIR; empty when not given
    std::vector<std::int64_t> at;  // --at F1,F2,...: frames to write (1-based), ascending
    std::int64_t every = 0;        // --every K: every K-th frame; 0 when not given
    int width = 1024;              // --size WxH, each 1..8192
    int height = 768;
    bool sizeGiven = false;   // --size was given (else a session's window size)
    std::string clipPath;     // --clip FILE.webp, .mp4 or .webm; empty when not given
    std::int64_t from = 0;    // --from F: the clip's first frame; 0 when not given (frame 1)
    int view = 0;             // --view 1..6 (frame/views.h): its key held throughout; 0: none
    std::int64_t goal = 0;    // --goal N: the goal to replay; 0 when not given
    std::string audioPath;    // --audio FILE.wav; empty when not given
    std::string sessionPath;  // --session FILE (session_option.h); empty when not given
    bool replays = false;     // --replays: the goals replayed as the program does
};

// football-record's table of options: the frame script's and its own.
std::vector<common::OptionRow> recordOptionRows();

// The whole command line, parsed against recordOptionRows() (no help or
// version request): the frame script, then the record options, then whether
// they make one request. Called by football-record's main and by the
// command-line fuzz target. With --session the request is checked only as
// far as the arguments go (no --goal or --view): main reads the session into
// the script, then calls checkRecordRequest.
bool readRecordCommandLine(const common::ParsedArguments& parsed, frame::FrameScript& script,
                           RecordOptions& options, std::string& error);

// Reads --out, --at, --every, --size, --clip, --from, --view, --goal, --audio
// and --replays from
// what the frame-script parser passed on. False with a one-line message in
// `error` when one is malformed or repeated.
bool parseRecordOptions(const std::vector<frame::ExtraArgument>& extras, RecordOptions& options,
                        std::string& error);

// After both parsers, before anything runs: whether the options make one
// request together with FRAMES, --hold and --toggle (an output is named,
// --at/--every go with --out, --from with --clip and within FRAMES, --goal
// with --clip and without FRAMES, --from, --hold, --toggle or --view, a video clip's
// sides even). False with a one-line message in `error`.
bool checkRecordRequest(const frame::FrameScript& script, const RecordOptions& options,
                        std::string& error);

// Holds the view's key through frames 1..script.frames (nothing for view 0).
// Views move only the camera, so the match is the same seen from anywhere. Called by main once the
// frames are known.
void addViewHold(frame::FrameScript& script, int view);

// Whether frame `frame` (1-based) is written to --out: named by --at, a
// multiple of --every, or, with neither option, every frame.
bool isChosenFrame(const RecordOptions& options, std::int64_t frame);

// "DIR/frame-00042.png": the file of a frame, at least five digits.
std::string framePath(const std::string& outDir, std::int64_t frame);

}  // namespace tools

// record_options.h -- the record tool's own options: output directory, chosen frames, picture size.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/frame_script.h"

namespace tools {

struct RecordOptions {
    std::string outDir;            // --out DIR, required
    std::vector<std::int64_t> at;  // --at F1,F2,...: frames to write (1-based), ascending
    std::int64_t every = 0;        // --every K: every K-th frame; 0 when not given
    int width = 1024;              // --size WxH, each 1..8192
    int height = 768;
};

// The record tool's options for the shared frame-script parser.
std::vector<ExtraOption> recordExtraOptions();

// Reads --out, --at, --every and --size from what the frame-script parser
// passed on. False with a one-line message in `error` when one is malformed
// or repeated, or --out is absent.
bool parseRecordOptions(const std::vector<ExtraArgument>& extras, RecordOptions& options,
                        std::string& error);

// Whether frame `frame` (1-based) is written: named by --at, a multiple of
// --every, or, with neither option, every frame.
bool isChosenFrame(const RecordOptions& options, std::int64_t frame);

// "DIR/frame-00042.png": the file of a frame, at least five digits.
std::string framePath(const std::string& outDir, std::int64_t frame);

}  // namespace tools

// record_main.cpp -- football-record: the program's frames drawn offscreen, written as PNG files.
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/frame_script.h"
#include "tools/record_options.h"
#include "tools/record_run.h"

static const char kUsage[] =
    "usage: football-record FRAMES --out DIR [--at F1,F2,...] [--every K] [--size WxH] "
    "[--hold KEY@FROM[-TO]]... [--toggle AFTER]...";

static int badArguments(const std::string& message) {
    std::fprintf(stderr, "football-record: %s (%s)\n", message.c_str(), kUsage);
    return 2;
}

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    tools::FrameScript script;
    tools::RecordOptions options;
    std::string error;
    if (!tools::parseFrameScript(args, tools::recordExtraOptions(), script, error) ||
        !tools::parseRecordOptions(script.extras, options, error)) {
        return badArguments(error);
    }
    if (!options.at.empty() && options.at.back() > script.frames) {
        return badArguments("--at frame " + std::to_string(options.at.back()) +
                            " is beyond the last frame, " + std::to_string(script.frames));
    }
    const bool progress = isatty(STDERR_FILENO) != 0;
    if (tools::recordFrames(script, options, progress, nullptr, nullptr, error) != 0) {
        std::fprintf(stderr, "football-record: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

// football_trace.cpp -- football-trace: runs the program's frames without a window or
// OpenGL and prints the state after start-up and after every frame, one JSON line
// each, or with --summary a short match report.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "common/command_line.h"
#include "frame/frame_script.h"
#include "frame/frame_step.h"
#include "frame/key_names.h"
#include "frame/world.h"
#include "platform/host_system.h"
#include "platform/standard_output.h"
#include "tools/match_summary.h"
#include "tools/script_matches.h"
#include "tools/trace_line.h"

static const char kProgram[] = "football-trace";

static const std::vector<common::OptionRow> kOwnOptions = {
    {"summary", 0, nullptr,
     "print a short match report instead: score, goals, shots, passes,\npossession and "
     "weather, with the match time (minutes:seconds at\nthe designed two frames per 66 ms) "
     "beside every frame number",
     0},
};

// --help: this, the options, the key names, then kHelpEnd.
static const char kHelpStart[] =
    "Usage: football-trace FRAMES [--hold KEY@FROM[-TO]]... [--toggle AFTER]... [--summary]\n"
    "Run the football match from start-up without a window or OpenGL and print its\n"
    "state after start-up and after every frame, one JSON line each: the same\n"
    "frames, in the same order, as the program runs them.\n"
    "\n";

static const char kHelpMiddle[] =
    "\n"
    "Frames count from 1; frame 0 is start-up.\n"
    "\n";

static const char kHelpEnd[] =
    "\n"
    "Exit status: 0 when done, 1 when the output cannot be written, 2 for bad arguments.\n"
    "\n"
    "Examples:\n"
    "  football-trace 1000 | tail -n 1\n"
    "      the state after frame 1000\n"
    "  football-trace 30000 --summary\n"
    "      the report of the first 30000 frames\n"
    "  football-trace 300 --hold 5@1-300 --toggle 150\n"
    "      preset view 5 held, the window re-created after frame 150\n";

// Output goes through one large buffer; a failed write ends the run.
struct Output {
    std::vector<char> buffer;
    std::size_t used = 0;
    bool failed = false;
};

static void flush(Output& out) {
    if (out.used > 0 && !out.failed &&
        std::fwrite(out.buffer.data(), 1, out.used, stdout) != out.used) {
        out.failed = true;
    }
    out.used = 0;
}

static void writeLine(Output& out, const frame::World& world, std::int64_t frame,
                      const char* terrain) {
    if (out.buffer.size() - out.used < tools::kTraceLineMax)
        flush(out);
    out.used += tools::traceLine(world, frame, terrain, out.buffer.data() + out.used);
}

// The frame's state step, then start-up again once for every re-creation of
// the window after it. True when the frame ends on a new landscape: the next
// match of a series, or a re-creation.
static bool runFrame(frame::World& world, const frame::FrameScript& script, std::int64_t frame) {
    const bool nextMatch = frame::stepScriptedFrame(world, script, frame);
    const int toggles = frame::togglesAfter(script, frame);
    for (int i = 0; i < toggles; ++i)
        frame::initSceneState(world);
    return nextMatch || toggles > 0;
}

static void runTrace(frame::World& world, const frame::FrameScript& script, Output& out) {
    frame::initSceneState(world);
    writeLine(out, world, 0, tools::terrainHash(world.heightmap).c_str());
    for (std::int64_t frame = 1; frame <= script.frames && !out.failed; ++frame) {
        if (runFrame(world, script, frame)) {
            writeLine(out, world, frame, tools::terrainHash(world.heightmap).c_str());
        } else {
            writeLine(out, world, frame, nullptr);
        }
    }
    flush(out);
}

// The same frames as the trace; the frames count the statistics themselves.
static void runSummary(frame::World& world, const frame::FrameScript& script, Output& out) {
    frame::initSceneState(world);
    tools::MatchReport report;
    for (std::int64_t frame = 1; frame <= script.frames; ++frame) {
        runFrame(world, script, frame);
        tools::gatherReport(report, world.statistics);
    }
    tools::writeReport(world, report, stdout);
    if (std::ferror(stdout))
        out.failed = true;
}

int main(int argc, char** argv) {
    const std::vector<common::OptionRow> rows = frame::toolOptionRows(kOwnOptions);
    const unsigned system = platform::thisSystem();
    const common::ParsedArguments parsed = common::parseArguments(argc, argv, rows, system);
    if (parsed.request == common::Request::version)
        return common::printVersion(kProgram);
    if (parsed.request == common::Request::help) {
        return common::printHelp(kProgram, kHelpStart + common::optionsHelp(rows, system) +
                                               kHelpMiddle + frame::keyNamesHelp() + kHelpEnd);
    }
    frame::FrameScript script;
    std::string error;
    if (!frame::readFrameScript(parsed, script, error))
        return common::refuseArguments(kProgram, error);
    const auto world = std::make_unique<frame::World>(frame::initialWorld());
    tools::startScriptMatches(*world, script, kProgram);
    // The trace is the same file on every system: "\n" is written as LF.
    platform::useBinaryStandardOutput();
    Output out;
    if (script.extras.empty()) {
        out.buffer.resize(1 << 20);
        runTrace(*world, script, out);
    } else {
        runSummary(*world, script, out);
    }
    if (out.failed || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "%s: cannot write the output: %s\n", kProgram, std::strerror(errno));
        return 1;
    }
    return 0;
}

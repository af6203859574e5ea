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
#include "frame/replay_tape.h"
#include "frame/scene_recreation.h"
#include "frame/system_file_calls.h"
#include "frame/trace_line.h"
#include "frame/world.h"
#include "platform/host_system.h"
#include "platform/standard_output.h"
#include "tools/audio_option.h"
#include "tools/match_summary.h"
#include "tools/replays_option.h"
#include "tools/script_matches.h"
#include "tools/session_option.h"
#include "tools/sound_track.h"

static const char kProgram[] = "football-trace";

static const std::vector<common::OptionRow> kOwnOptions = {
    {"summary", 0, nullptr,
     "print a short match report instead: score, goals, shots, passes,\npossession and "
     "weather, with the match time (minutes:seconds at\nthe designed two frames per 66 ms) "
     "beside every frame number",
     0},
    tools::audioOptionRow(),
    tools::replaysOptionRow(),
    tools::sessionOptionRow(),
};

// --help: this, the options, the key names, then kHelpEnd.
static const char kHelpStart[] =
    "Usage: football-trace FRAMES [--hold KEY@FROM[-TO]]... [--toggle AFTER]... [--summary]\n"
    "                             [--audio FILE.wav] [--replays]\n"
    "  or:  football-trace --session FILE [--summary] [--audio FILE.wav] [--replays]\n"
    "Run the football match from start-up without a window or OpenGL and print its\n"
    "state after start-up and after every frame, one JSON line each: the same\n"
    "frames, in the same order, as the program runs them.\n"
    "\n";

static const char kHelpMiddle[] =
    "\n"
    "Frames count from 1; frame 0 is start-up. With --replays a frame in which the\n"
    "live match stands still for a replay has \"replay\":true at the end of its line.\n"
    "\n";

static const char kHelpEnd[] =
    "\n"
    "Exit status: 0 when done, 1 when the output or the sound cannot be written, 2 for bad\n"
    "arguments.\n"
    "\n"
    "Examples:\n"
    "  football-trace 1000 | tail -n 1\n"
    "      the state after frame 1000\n"
    "  football-trace 30000 --summary\n"
    "      the report of the first 30000 frames\n"
    "  football-trace 300 --hold 5@1-300 --toggle 150\n"
    "      preset view 5 held, the window re-created after frame 150\n"
    "  football-trace 3000 --audio match.wav > /dev/null\n"
    "      the sound of the first 3000 frames (99 seconds)\n"
    "  football-trace --session watched.session --summary\n"
    "      the report of what a session saved by football --save-session watched\n";

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
    if (out.buffer.size() - out.used < frame::kTraceLineMax)
        flush(out);
    out.used += frame::traceLine(world, frame, terrain, out.buffer.data() + out.used);
}

// What the trace's own options ask for.
struct TraceOptions {
    bool summary = false;   // --summary: the report instead of the lines
    std::string audioPath;  // --audio FILE.wav; empty when not given
    bool replays = false;   // --replays: the goals replayed as the program does
};

static bool readTraceOptions(const frame::FrameScript& script, TraceOptions& options,
                             std::string& error) {
    bool audioGiven = false;
    for (const frame::ExtraArgument& extra : script.extras) {
        if (extra.name == "--summary") {
            options.summary = true;
        } else if (extra.name == "--replays") {
            options.replays = true;
        } else if (audioGiven) {
            error = "--audio is given twice";
            return false;
        } else if (!tools::readAudioPath(extra.value, options.audioPath, error)) {
            return false;
        } else {
            audioGiven = true;
        }
    }
    return true;
}

// The trace's scene: no context, the world's state alone.
class StateOnlyScene final : public frame::SceneContext {
  public:
    void close() override {}
    bool open(frame::World& world) override {
        frame::initSceneState(world);
        return true;
    }
};

// Every frame's state step, its sound when asked for, then start-up again once
// for every re-creation of the window after it; a line for start-up and for
// every frame (with the terrain's hash where the landscape is new: the next
// match of a series, or a re-creation), or the report at the end. False, with
// the reason in `error`, when the sound cannot be written.
static bool runFrames(frame::World& world, frame::ReplayTape& tape,
                      const frame::FrameScript& script, const TraceOptions& options, Output& out,
                      std::string& error) {
    tools::SoundTrack sound;
    const bool withSound = !options.audioPath.empty();
    if (withSound && !sound.open(options.audioPath, error))
        return false;
    tools::MatchReport report;
    StateOnlyScene scene;
    scene.open(world);
    // A session's re-creations before its first frame (a window minimised at once).
    frame::recreateScene(world, frame::togglesAfter(script, 0), scene);
    if (!options.summary)
        writeLine(out, world, 0, frame::terrainHash(world.heightmap).c_str());
    for (std::int64_t frame = 1; frame <= script.frames && !out.failed; ++frame) {
        const frame::ScriptedStep step = frame::stepScriptedFrame(world, tape, script, frame);
        const bool nextMatch = step.nextMatch;
        if (withSound && !sound.addFrame(step.cues, error))
            return false;
        const int toggles = frame::togglesAfter(script, frame);
        frame::recreateScene(world, toggles, scene);
        if (options.summary) {
            tools::gatherReport(report, world.statistics);
        } else if (nextMatch || toggles > 0) {
            writeLine(out, world, frame, frame::terrainHash(world.heightmap).c_str());
        } else {
            writeLine(out, world, frame, nullptr);
        }
    }
    if (options.summary) {
        tools::writeReport(world, report, stdout);
        out.failed = out.failed || std::ferror(stdout) != 0;
    }
    flush(out);
    return !withSound || sound.finish(error);
}

int main(int argc, char** argv) {
    frame::useSystemFileCalls();
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
    TraceOptions options;
    std::string error;
    std::string sessionPath;
    int width = 0, height = 0;
    if (!frame::readFrameScript(parsed, script, error, false) ||
        !tools::takeSessionOption(script, sessionPath, error))
        return common::refuseArguments(kProgram, error);
    if (script.listTeams)
        return tools::listTeams(script, kProgram);
    if (sessionPath.empty() && !script.framesGiven)
        return common::refuseArguments(kProgram, "FRAMES is missing");
    if (!readTraceOptions(script, options, error) ||
        (!sessionPath.empty() &&
         !tools::loadSessionScript(sessionPath, script, width, height, error)))
        return common::refuseArguments(kProgram, error);
    const auto world = std::make_unique<frame::World>(frame::initialWorld());
    if (options.replays)
        script.matches.replays = true;
    if (!tools::startScriptMatches(*world, script, kProgram, error))
        return common::refuseArguments(kProgram, error);
    const auto tape = std::make_unique<frame::ReplayTape>();
    // The trace is the same file on every system: "\n" is written as LF.
    platform::useBinaryStandardOutput();
    Output out;
    out.buffer.resize(1 << 20);
    if (!runFrames(*world, *tape, script, options, out, error)) {
        std::fprintf(stderr, "%s: %s\n", kProgram, error.c_str());
        return 1;
    }
    if (out.failed || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "%s: cannot write the output: %s\n", kProgram, std::strerror(errno));
        return 1;
    }
    return 0;
}

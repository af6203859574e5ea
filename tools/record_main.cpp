// record_main.cpp -- football-record: the program's frames drawn offscreen, written as PNG
// files or a clip (animated WebP, MP4 or WebM), and replays of the default match's goals.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "common/command_line.h"
#include "frame/frame_script.h"
#include "frame/key_names.h"
#include "frame/replay.h"
#include "frame/system_file_calls.h"
#include "platform/host_system.h"
#include "tools/goal_search.h"
#include "tools/record_options.h"
#include "tools/record_run.h"
#include "tools/script_matches.h"
#include "tools/session_option.h"

static const char kProgram[] = "football-record";

// --help: this, the options, kHelpMiddle, the key names, then kHelpEnd.
static const char kHelpStart[] =
    "Usage: football-record FRAMES --out DIR [OPTION]...\n"
    "  or:  football-record FRAMES --clip FILE [OPTION]...\n"
    "  or:  football-record --goal N --clip FILE [--size WxH]\n"
    "  or:  football-record --session FILE --out DIR|--clip FILE [OPTION]...\n"
    "Run the football match from start-up without a window, draw its frames offscreen\n"
    "exactly as the program draws them, and write them as PNG pictures or as a clip,\n"
    "a picture every 33 ms as the match paces its frames: an animated WebP, or an\n"
    "MP4 or WebM video with a sound track (the match's sound, the same as\n"
    "football-trace --audio writes), whose width and height must be even.\n"
    "\n";

static const char kHelpMiddle[] =
    "\n"
    "Frames count from 1; frame 0 is start-up. Frames before the first picture are\n"
    "run without drawing, so a late picture comes quickly. Progress is shown on\n"
    "standard error when it is a terminal; the last line there names what was\n"
    "written. A goal is searched for within the first 1000000 frames.\n"
    "\n";

static const char kHelpEnd[] =
    "\n"
    "Exit status: 0 when done, 1 when a file cannot be written or the goal does not\n"
    "happen, 2 for bad arguments.\n"
    "\n"
    "Examples:\n"
    "  football-record 600 --clip match.webp --size 640x480\n"
    "      the first 600 frames (19.8 seconds) of the match as a clip\n"
    "  football-record 600 --clip match.mp4 --size 640x480\n"
    "      the same as an MP4 video (H.264, AAC sound)\n"
    "  football-record 900 --clip corner.webm --from 300 --view 5\n"
    "      frames 300 to 900 seen from beyond a corner\n"
    "  football-record --goal 1 --clip goal.webp --size 640x480\n"
    "      the replay of the first goal\n"
    "  football-record 500 --out shots --at 120,500 --hold O@200-260\n"
    "      two pictures, the camera flying forward in between\n"
    "  football-record --session watched.session --out shots --at 4500\n"
    "      frame 4500 of a session saved by football, at the window's size\n";

int main(int argc, char** argv) {
    frame::useSystemFileCalls();
    const std::vector<common::OptionRow> rows = tools::recordOptionRows();
    const unsigned system = platform::thisSystem();
    const common::ParsedArguments parsed = common::parseArguments(argc, argv, rows, system);
    if (parsed.request == common::Request::version)
        return common::printVersion(kProgram);
    if (parsed.request == common::Request::help) {
        return common::printHelp(kProgram, kHelpStart + common::optionsHelp(rows, system) +
                                               kHelpMiddle + frame::keyNamesHelp() + kHelpEnd);
    }
    frame::FrameScript script;
    tools::RecordOptions options;
    std::string error;
    if (!tools::readRecordCommandLine(parsed, script, options, error))
        return common::refuseArguments(kProgram, error);
    if (script.listTeams)
        return tools::listTeams(script, kProgram);
    if (!options.sessionPath.empty()) {
        // The session's frames, at the size its window had, unless --size says otherwise.
        int width = 0, height = 0;
        if (!tools::loadSessionScript(options.sessionPath, script, width, height, error))
            return common::refuseArguments(kProgram, error);
        if (!options.sizeGiven) {
            options.width = width;
            options.height = height;
        }
        if (!tools::checkRecordRequest(script, options, error))
            return common::refuseArguments(kProgram, error);
    }
    const bool progress = isatty(STDERR_FILENO) != 0;
    const auto world = std::make_unique<frame::World>(frame::initialWorld());
    // A goal is recorded as its replay, so the run replays the goals before it too.
    if (options.replays || options.goal > 0)
        script.matches.replays = true;
    if (!tools::startScriptMatches(*world, script, kProgram, error))
        return common::refuseArguments(kProgram, error);
    if (options.goal > 0) {
        if (progress)
            std::fprintf(stderr, "looking for goal %lld...\n",
                         static_cast<long long>(options.goal));
        tools::GoalFrames goal;
        if (tools::findGoalFromStart(*world, options.goal, tools::kGoalSearchFrames, goal, error) !=
            0) {
            std::fprintf(stderr, "football-record: %s\n", error.c_str());
            return 1;
        }
        // The replay's pictures: the award's frame, then the frames it holds the match.
        options.from = goal.award;
        script.frames = goal.award + frame::kReplayPictures - 1;
        if (progress) {
            std::fprintf(stderr,
                         "goal %lld: the ball crosses the line in frame %lld and the goal is "
                         "awarded in frame %lld; recording its replay, frames %lld to %lld\n",
                         static_cast<long long>(options.goal),
                         static_cast<long long>(goal.crossing), static_cast<long long>(goal.award),
                         static_cast<long long>(options.from),
                         static_cast<long long>(script.frames));
        }
    }
    tools::addViewHold(script, options.view);
    tools::RecordTally tally;
    if (tools::recordFrames(*world, script, options, progress, nullptr, nullptr, error, &tally) !=
        0) {
        std::fprintf(stderr, "football-record: %s\n", error.c_str());
        return 1;
    }
    std::fprintf(stderr, "football-record: %s\n", tools::recordedLine(options, tally).c_str());
    return 0;
}

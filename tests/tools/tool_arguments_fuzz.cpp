// tool_arguments_fuzz.cpp -- libFuzzer target for the tools' command lines: the
// command-line layer (getopt_long under the tools' tables, --help and --version),
// the frame script with its --hold key scripts, and football-record's own
// options and their combination, on any arguments; and the text of the
// sessions they read with --session. A refusal must be one line of text (the
// tools print it as their one line on standard error and exit with status 2);
// an accepted script must play back, and an accepted session reads back from
// the text written of it as the same session; and a teams file's text, whose
// clubs must come whole.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/command_line.h"
#include "frame/frame_script.h"
#include "frame/frame_step.h"
#include "frame/key_table.h"
#include "frame/session.h"
#include "frame/teams_file.h"
#include "tools/record_options.h"

// A refusal's message: not empty, and no line break or other control character
// that would split or garble the tool's one line.
static void checkRefusal(const std::string& error) {
    if (error.empty())
        std::abort();
    for (unsigned char c : error) {
        if (c < 0x20 || c == 0x7f)
            std::abort();
    }
}

// The frame script's look-ups for the first frames, as the tools run them.
static void playBack(const frame::FrameScript& script) {
    frame::KeyTable keys = {};
    const std::int64_t last = script.frames < 64 ? script.frames : 64;
    for (std::int64_t frame = 1; frame <= last; ++frame) {
        frame::applyKeyHolds(script, frame, keys);
        if (frame::togglesAfter(script, frame) < 0)
            std::abort();
    }
}

static void traceArguments(const std::vector<std::string>& args) {
    const std::vector<common::OptionRow> rows =
        frame::toolOptionRows({{"summary", 0, nullptr, "", 0}});
    const common::ParsedArguments parsed = common::parseArguments(args, rows, 0);
    if (parsed.request != common::Request::none)
        return;
    frame::FrameScript script;
    std::string error;
    if (!frame::readFrameScript(parsed, script, error)) {
        checkRefusal(error);
        return;
    }
    playBack(script);
}

static void recordArguments(const std::vector<std::string>& args) {
    const std::vector<common::OptionRow> rows = tools::recordOptionRows();
    const common::ParsedArguments parsed = common::parseArguments(args, rows, 0);
    if (parsed.request != common::Request::none)
        return;
    frame::FrameScript script;
    tools::RecordOptions options;
    std::string error;
    if (!tools::readRecordCommandLine(parsed, script, options, error)) {
        checkRefusal(error);
        return;
    }
    tools::addViewHold(script, options.view);
    playBack(script);
    for (std::int64_t frame = 1; frame <= 3; ++frame) {
        tools::isChosenFrame(options, frame);
        tools::framePath(options.outDir, frame);
    }
}

static void sessionText(const std::string& text) {
    frame::Session session;
    std::string error;
    if (!frame::readSessionText(text, session, error)) {
        checkRefusal(error);
        return;
    }
    playBack(frame::sessionScript(session));
    const std::string written = frame::sessionText(session);
    frame::Session again;
    if (!frame::readSessionText(written, again, error) || frame::sessionText(again) != written)
        std::abort();
}

static void teamsText(const std::string& text) {
    frame::ClubList clubs = frame::builtInClubs();
    std::string error;
    if (!frame::readTeamsText(text, clubs, error)) {
        checkRefusal(error);
        return;
    }
    for (const frame::Club& club : clubs) {
        if (club.name[0] == '\0' || club.squad[frame::kSquadSize - 1].number == 0)
            std::abort();
    }
}

// The first byte picks the tool, or with its bit 2 a session's text, with
// its bit 3 a teams file's (the rest); otherwise the rest are the tool's arguments, separated by
// NUL bytes (which no real argument holds).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    if ((data[0] & 2) != 0) {
        sessionText(rest);
        return 0;
    }
    if ((data[0] & 4) != 0) {
        teamsText(rest);
        return 0;
    }
    std::vector<std::string> args;
    std::string arg;
    for (std::size_t i = 1; i < size; ++i) {
        if (data[i] == 0) {
            args.push_back(arg);
            arg.clear();
        } else {
            arg.push_back(static_cast<char>(data[i]));
        }
    }
    if (size > 1)
        args.push_back(arg);
    if ((data[0] & 1) == 0)
        traceArguments(args);
    else
        recordArguments(args);
    return 0;
}

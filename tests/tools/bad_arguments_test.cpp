// bad_arguments_test.cpp -- every bad command line of football-trace and
// football-record, and every bad session file they are given: status 2, one
// line on standard error that starts with the tool's name and ends with the
// hint, nothing on standard output, no crash and no files written.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "tests/support/program_run.h"

namespace tools_test {

using test_support::ProgramRun;

enum class Tool { trace, record, both };

struct BadCall {
    Tool tool;
    std::vector<std::string> args;  // "DIR" stands for an empty directory
    std::string says = "";          // what the line says after "<tool>: ", when it matters
    std::string session = "";       // the text of the file "SESSION" stands for
};

// A good session's start, for the bad ones after it.
static const std::string kHead = "football-session 1\nseed designed\n";

// Bad frame scripts (both tools: football-record also gets "--out DIR"), then
// each tool's own options.
static const std::vector<BadCall> kBadCalls = {
    {Tool::both, {}},
    {Tool::both, {""}},
    {Tool::both, {"ten"}},
    {Tool::both, {"99999999999999999999"}},
    {Tool::both, {"9223372036854775808"}},
    {Tool::both, {"-1"}},
    {Tool::both, {"-"}},
    {Tool::both, {"1e3"}},
    {Tool::both, {" 5"}},
    {Tool::both,
     {"\x01"
      "6"}},  // control characters and line breaks are quoted
    {Tool::both, {"5", "--hold", "a\nb@1"}},
    {Tool::both, {"5", ""}},
    {Tool::both, {"5", "6"}},
    {Tool::both, {"5", "--fast"}, "unknown option '--fast'."},
    {Tool::both, {"5", "--", "6"}},
    {Tool::trace, {"5", "--hold"}, "option '--hold' needs a value."},
    {Tool::record, {"5", "--out", "DIR", "--hold"}, "option '--hold' needs a value."},
    {Tool::both, {"5", "--hold", ""}},
    {Tool::both, {"5", "--hold", "--help"}, "--hold"},  // an option's value is no help request
    {Tool::both, {"5", "--hold", "300@1"}},
    {Tool::both, {"5", "--hold", "0x100@1"}},
    {Tool::both, {"5", "--hold", "0xFFFFFFFFFFFFFFFFFF@1"}},
    {Tool::both, {"5", "--hold", "99999999999999999999@1"}},
    {Tool::both, {"5", "--hold", "49@4-2"}},
    {Tool::both, {"5", "--hold", "49@0"}},
    {Tool::both, {"5", "--hold", "65@99999999999999999999"}},
    {Tool::both, {"5", "--hold", "65@1-99999999999999999999"}},
    {Tool::both, {"5", "--hold", "65@"}},
    {Tool::both, {"5", "--hold", "65@1-"}},
    {Tool::both, {"5", "--hold", "65@-1"}},
    {Tool::both, {"5", "--hold", "65@@1"}},
    {Tool::both, {"5", "--hold", "-65@1"}},
    {Tool::both, {"5", "--toggle"}},
    {Tool::both, {"5", "--toggle", ""}},
    {Tool::both, {"5", "--toggle", "-1"}},
    {Tool::both, {"5", "--toggle", "0"}},
    {Tool::both, {"5", "--toggle", "x"}},
    {Tool::both, {"5", "--toggle", "1.5"}},
    {Tool::both, {"5", "--toggle", "99999999999999999999"}},
    {Tool::both,
     {"5", "--seed", "x"},
     "--seed needs a whole number from 0 to 4294967295, not 'x'."},
    {Tool::both, {"5", "--seed", "4294967296"}},
    {Tool::both, {"5", "--seed", "1", "--seed", "1"}},
    {Tool::both, {"5", "--random", "--seed=3"}, "--seed and --random cannot be used together."},
    {Tool::both, {"5", "--match-minutes", "0"}},
    {Tool::both, {"5", "--match-minutes", "10081"}},

    {Tool::trace, {"5", "--summary", "x"}},
    {Tool::trace, {"5", "--summary=x"}, "option '--summary' takes no value."},
    {Tool::trace, {"5", "--sum"}, "unknown option '--sum'."},  // no abbreviations

    {Tool::record, {"5"}},
    {Tool::record, {"abc", "--out", "DIR"}},
    {Tool::record, {"5", "--out"}},
    {Tool::record, {"5", "--out", ""}},
    {Tool::record, {"5", "--out", "DIR", "--out", "DIR"}},
    {Tool::record, {"5", "--out", "DIR", "--bogus"}},
    {Tool::record, {"5", "--out", "DIR", "--size", ""}},
    {Tool::record, {"5", "--out", "DIR", "--size", "x"}},
    {Tool::record, {"5", "--out", "DIR", "--size", "640"}},
    {Tool::record, {"5", "--out", "DIR", "--size", "0x0"}},
    {Tool::record, {"5", "--out", "DIR", "--size", "0x5"}},
    {Tool::record, {"5", "--out", "DIR", "--size", "-160x120"}},
    {Tool::record, {"5", "--out", "DIR", "--size", "160x-120"}},
    {Tool::record, {"5", "--out", "DIR", "--size", "160x120x2"}},
    {Tool::record, {"5", "--out", "DIR", "--size", "99999999999999999999x120"}},
    {Tool::record, {"5", "--out", "DIR", "--size", "4294967456x120"}},
    {Tool::record, {"5", "--out", "DIR", "--size", "8193x1"}},
    {Tool::record, {"5", "--out", "DIR", "--size", "9000x10"}},
    {Tool::record, {"5", "--out", "DIR", "--at", ""}},
    {Tool::record, {"5", "--out", "DIR", "--at", ","}},
    {Tool::record, {"5", "--out", "DIR", "--at", "1,"}},
    {Tool::record, {"5", "--out", "DIR", "--at", "1,,2"}},
    {Tool::record, {"5", "--out", "DIR", "--at", "0"}},
    {Tool::record, {"5", "--out", "DIR", "--at", "6"}},
    {Tool::record, {"5", "--out", "DIR", "--at", "99999999999999999999"}},
    {Tool::record, {"5", "--out", "DIR", "--every"}},
    {Tool::record, {"5", "--out", "DIR", "--every", ""}},
    {Tool::record, {"5", "--out", "DIR", "--every", "0"}},
    {Tool::record, {"5", "--out", "DIR", "--every", "-2"}},
    {Tool::record, {"5", "--out", "DIR", "--every", "99999999999999999999"}},
    {Tool::record, {"5", "--out", "DIR", "--hold", "0x34"}},

    {Tool::record, {"--clip", "DIR/a.webp"}},
    {Tool::record, {"5", "--clip"}},
    {Tool::record, {"5", "--clip", ""}},
    {Tool::record, {"5", "--clip", "DIR/a.png"}},
    {Tool::record, {"5", "--clip", "DIR/a\n.png"}},
    {Tool::record, {"5", "--clip", "DIR/.webp"}},
    {Tool::record, {"5", "--clip", "DIR/a.mkv"}, "--clip needs a file name ending in .webp, .mp4"},
    {Tool::record, {"5", "--clip", "DIR/.mp4"}},
    {Tool::record,
     {"5", "--clip", "DIR/a.webm", "--size", "64x47"},
     ".mp4 and .webm clips need an even width and height, not 64x47."},
    {Tool::record, {"--goal", "1", "--clip", "DIR/a.mp4", "--size", "63x48"}},
    {Tool::record, {"0", "--clip", "DIR/a.webp"}},
    {Tool::record, {"5", "--clip", "DIR/a.webp", "--clip", "DIR/b.webp"}},
    {Tool::record, {"5", "--clip", "DIR/a.webp", "--from", "6"}},
    {Tool::record, {"5", "--clip", "DIR/a.webp", "--from", "0"}},
    {Tool::record, {"5", "--clip", "DIR/a.webp", "--from", "2x"}},
    {Tool::record, {"5", "--out", "DIR/o", "--from", "2"}},
    {Tool::record, {"5", "--clip", "DIR/a.webp", "--at", "2"}},
    {Tool::record, {"5", "--clip", "DIR/a.webp", "--every", "2"}},
    {Tool::record, {"5", "--clip", "DIR/a.webp", "--view", "0"}},
    {Tool::record, {"5", "--clip", "DIR/a.webp", "--view", "7"}},
    {Tool::record, {"5", "--clip", "DIR/a.webp", "--view", "22"}},
    {Tool::record, {"5", "--clip", "DIR/a.webp", "--view", ""}},
    {Tool::record, {"5", "--clip", "DIR/a.webp", "--view", "3", "--view", "4"}},
    {Tool::record, {"--goal", "1"}},
    {Tool::record, {"--goal", "0", "--clip", "DIR/a.webp"}},
    {Tool::record, {"--goal", "-1", "--clip", "DIR/a.webp"}},
    {Tool::record, {"--goal", "one", "--clip", "DIR/a.webp"}},
    {Tool::record, {"5", "--goal", "1", "--clip", "DIR/a.webp"}},
    {Tool::record, {"--goal", "1", "--clip", "DIR/a.webp", "--from", "3"}},
    {Tool::record, {"--goal", "1", "--clip", "DIR/a.webp", "--hold", "0x31@2"}},
    {Tool::record, {"--goal", "1", "--clip", "DIR/a.webp", "--toggle", "3"}},
    {Tool::record, {"--goal", "1", "--clip", "DIR/a.webp", "--out", "DIR/o"}},
    {Tool::record, {"--goal", "1", "--clip", "DIR/a.webp", "--at", "5"}},
    {Tool::record, {"--goal", "1", "--clip", "DIR/a.webp", "--every", "5"}},
    {Tool::record, {"--goal", "1", "--goal", "2", "--clip", "DIR/a.webp"}},
    {Tool::record, {"--goal", "1", "--clip", "DIR/a.webp", "--view", "3"}, "--goal replays"},

    // Sessions: a bad file names its line; a session says what the script would.
    {Tool::both, {"--session", "SESSION"}, "session 'SESSION' line 1: the session is empty", ""},
    {Tool::both,
     {"--session", "SESSION"},
     "session 'SESSION' line 3: cut short: the last line has no line feed",
     kHead + "end 5"},
    {Tool::both,
     {"--session", "SESSION"},
     "session 'SESSION' line 4: cut short: no end line",
     kHead + "down 3 O\n"},
    {Tool::both,
     {"--session", "SESSION"},
     "session 'SESSION' line 5: O goes up while it is not held",
     kHead + "kept 3\nkept 4\nup 5 O\nend 9\n"},  // finished: a fault anywhere refuses it
    {Tool::both,
     {"--session", "SESSION"},
     "session 'SESSION' line 5: 'down' after the end line",
     kHead + "kept 3\nend 9\ndown 10 O\n"},
    {Tool::both,
     {"--session", "SESSION"},
     "session 'SESSION' line 3: replays must be on or off, not 'yes'",
     kHead + "option replays yes\nend 9\n"},
    {Tool::both,
     {"--session", "SESSION", "--replays"},
     "--session runs the session's own frames; --replays cannot go with it",
     kHead + "end 9\n"},
    {Tool::both,
     {"--session", "SESSION"},
     "session 'SESSION' line 1: version '2' is not known (this program reads 1)",
     "football-session 2\nseed designed\nend 5\n"},
    {Tool::both,
     {"--session", "SESSION"},
     "session 'SESSION' line 4: frame 3 comes after frame 5",
     kHead + "down 5 O\nup 3 O\nend 9\n"},
    {Tool::both,
     {"--session", "SESSION"},
     "session 'SESSION' line 3: the frame must be a whole number from 1 to 999999999999999999",
     kHead + "down 99999999999999999999 O\nend 9\n"},
    {Tool::both,
     {"--session", "SESSION"},
     "session 'SESSION' line 3: the width must be a whole number from 1 to 65535",
     kHead + "size 1 4294967296 768\nend 9\n"},
    {Tool::both,
     {"--session", "SESSION"},
     "session 'SESSION' line 3: unknown key 'SHOOT'",
     kHead + "down 2 SHOOT\nend 9\n"},
    {Tool::both,
     {"--session", "SESSION"},
     "session 'SESSION' line 3: 'down' needs FRAME KEY",
     kHead + "down 2\nend 9\n"},
    {Tool::both,
     {"--session", "SESSION"},
     "session 'SESSION' line 2: the frames begin before the seed line",
     "football-session 1\nend 9\n"},
    {Tool::both,
     {"--session", "SESSION"},
     "session 'SESSION' line 3: O goes up while it is not held",
     kHead + "up 2 O\nend 9\n"},
    {Tool::both, {"--session", "DIR"}, "cannot read the session 'DIR': it is a directory"},
    {Tool::both,
     {"5", "--session", "SESSION"},
     "--session runs the session's own frames; FRAMES cannot go with it",
     kHead + "end 9\n"},
    {Tool::record,
     {"--session", "SESSION", "--clip", "DIR/a.mp4", "--view", "2"},
     "--session runs the session's own frames; --view cannot go with it",
     kHead + "end 9\n"},
    {Tool::record,
     {"--session", "SESSION", "--out", "DIR", "--at", "10"},
     "--at frame 10 is beyond the last frame, 9",
     kHead + "end 9\n"},
};

static void expectRefused(const std::string& program, const std::string& name,
                          std::vector<std::string> args, const std::string& says) {
    std::string line = name;
    for (const std::string& arg : args)
        line += " '" + arg + "'";
    SCOPED_TRACE(line);
    const ProgramRun run = test_support::runProgram(program, args);
    ASSERT_TRUE(run.exited) << "ended by signal " << run.signal << ": " << run.err;
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind(name + ": " + says, 0), 0u) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    const std::string hint = " Try '" + name + " --help'.\n";
    EXPECT_EQ(run.err.compare(run.err.size() - hint.size(), hint.size(), hint), 0) << run.err;
}

static void replaceAll(std::string& text, const std::string& name, const std::string& by) {
    for (std::size_t at = text.find(name); at != std::string::npos;
         at = text.find(name, at + by.size()))
        text.replace(at, name.size(), by);
}

TEST(BadArguments, ExitTwoWithOneLineOnStandardErrorAndNoFiles) {
    const test_support::TempDir dir;
    const test_support::TempDir sessions;
    const std::string session = sessions.path() + "/bad.session";
    for (const BadCall& call : kBadCalls) {
        std::vector<std::string> args = call.args;
        std::string says = call.says;
        for (std::string& arg : args) {
            replaceAll(arg, "SESSION", session);
            replaceAll(arg, "DIR", dir.path());
        }
        replaceAll(says, "SESSION", session);
        replaceAll(says, "DIR", dir.path());
        std::ofstream(session, std::ios::binary | std::ios::trunc) << call.session;
        if (call.tool != Tool::record)
            expectRefused(FOOTBALL_TRACE_PATH, "football-trace", args, says);
        if (call.tool == Tool::both) {
            args.push_back("--out");
            args.push_back(dir.path());
        }
        if (call.tool != Tool::trace)
            expectRefused(FOOTBALL_RECORD_PATH, "football-record", args, says);
    }
    EXPECT_EQ(test_support::namesIn(dir.path()), std::vector<std::string>{})
        << "nothing is written after a bad argument";
}

}  // namespace tools_test

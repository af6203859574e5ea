// record_tool_test.cpp -- football-record: exit codes, files, the state it leaves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "frame/frame_script.h"
#include "frame/trace_line.h"
#include "frame/world.h"
#include "tests/support/program_run.h"
#include "tools/record_options.h"
#include "tools/record_run.h"
#include "tools/script_matches.h"

namespace tools_test {

using test_support::ProgramRun;
using test_support::TempDir;

static const std::string kRecord = FOOTBALL_RECORD_PATH;

TEST(RecordTool, UnwritableDirectoryIsNamedWithStatusOne) {
    const TempDir dir;
    const std::string file = dir.path() + "/plain-file";
    std::ofstream(file) << "x";
    for (const std::string& out : {file, file + "/below"}) {
        const ProgramRun r = test_support::runProgram(kRecord, {"2", "--out", out});
        EXPECT_EQ(r.status, 1) << out;
        EXPECT_NE(r.err.find("'" + out + "'"), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

// Width and height from a PNG file's header.
static bool pngSize(const std::string& path, unsigned& width, unsigned& height) {
    std::ifstream in(path, std::ios::binary);
    unsigned char header[24];
    if (!in.read(reinterpret_cast<char*>(header), sizeof header))
        return false;
    static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (std::memcmp(header, kSignature, 8) != 0 || std::memcmp(header + 12, "IHDR", 4) != 0)
        return false;
    width = (header[16] << 24) | (header[17] << 16) | (header[18] << 8) | header[19];
    height = (header[20] << 24) | (header[21] << 16) | (header[22] << 8) | header[23];
    return true;
}

TEST(RecordTool, WritesExactlyTheChosenFramesAndNamesThemOffATerminal) {
    const TempDir dir;
    const std::string out = dir.path() + "/new";  // made by the tool
    const ProgramRun r = test_support::runProgram(
        kRecord, {"6", "--out", out, "--at", "5,1", "--every", "4", "--size", "64x48"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "football-record: wrote 3 pictures of 64x48 in '" + out +
                         "': frame-00001.png to frame-00005.png\n")
        << "no progress when standard error is not a terminal, only what was written";
    EXPECT_EQ(r.out, "");
    const std::vector<std::string> expected = {"frame-00001.png", "frame-00004.png",
                                               "frame-00005.png"};
    EXPECT_EQ(test_support::namesIn(out), expected);
    for (const std::string& name : expected) {
        unsigned width = 0, height = 0;
        ASSERT_TRUE(pngSize(out + "/" + name, width, height)) << name;
        EXPECT_EQ(width, 64u);
        EXPECT_EQ(height, 48u);
    }
}

TEST(RecordTool, ChosenFramesAndFileNames) {
    tools::RecordOptions options;
    EXPECT_TRUE(tools::isChosenFrame(options, 1)) << "with neither option every frame is written";
    options.every = 3;
    options.at = {2};
    EXPECT_FALSE(tools::isChosenFrame(options, 1));
    EXPECT_TRUE(tools::isChosenFrame(options, 2));
    EXPECT_TRUE(tools::isChosenFrame(options, 6));
    EXPECT_EQ(tools::framePath("d", 42), "d/frame-00042.png");
    EXPECT_EQ(tools::framePath("d", 123456), "d/frame-123456.png");
}

// The trace lines of a recorded run, collected after start-up and every frame.
static void collectLine(const frame::World& world, std::int64_t frame, bool recreated, void* data) {
    char line[frame::kTraceLineMax];
    const bool withTerrain = frame == 0 || recreated;
    const std::string hash = withTerrain ? frame::terrainHash(world.heightmap) : std::string();
    const size_t n = frame::traceLine(world, frame, withTerrain ? hash.c_str() : nullptr, line);
    static_cast<std::string*>(data)->append(line, n);
}

TEST(RecordTool, RecordedRunLeavesTheStateTheTracePrints) {
    const std::string arguments =
        "2200 --hold 0x35@3-4 --hold 0x4F@5-30 --hold 0x31@140 --toggle 150 --hold 0x5A@200-205 "
        "--seed 7 --match-minutes 1";
    std::vector<std::string> args;
    for (size_t start = 0; start < arguments.size();) {
        const size_t end = arguments.find(' ', start);
        args.push_back(arguments.substr(start, end - start));
        start = end == std::string::npos ? arguments.size() : end + 1;
    }
    const ProgramRun trace = test_support::runProgram(FOOTBALL_TRACE_PATH, args);
    ASSERT_EQ(trace.status, 0) << trace.err;

    const auto world = std::make_unique<frame::World>(frame::initialWorld());
    const TempDir dir;
    args.push_back("--out");
    args.push_back(dir.path());
    args.push_back("--at");
    args.push_back("151");
    frame::FrameScript script;
    tools::RecordOptions options;
    std::string error;
    const std::vector<common::OptionRow> rows = tools::recordOptionRows();
    ASSERT_TRUE(frame::readFrameScript(common::parseArguments(args, rows, 0), script, error))
        << error;
    ASSERT_TRUE(tools::parseRecordOptions(script.extras, options, error)) << error;
    options.width = 320;
    options.height = 240;
    ASSERT_TRUE(tools::startScriptMatches(*world, script, "football-record", error)) << error;
    std::string recorded;
    ASSERT_EQ(tools::recordFrames(*world, script, options, false, collectLine, &recorded, error), 0)
        << error;
    EXPECT_TRUE(recorded == trace.out) << "the recorded run drifted from the trace";
    EXPECT_EQ(std::count(recorded.begin(), recorded.end(), '\n'), 2201);
}

}  // namespace tools_test

// help_version_test.cpp -- both tools' --help and --version: output, exit status,
// precedence over other arguments, and a failed write.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/program_run.h"

namespace tools_test {

using test_support::ProgramRun;
using test_support::runProgram;

static const std::string kRecord = FOOTBALL_RECORD_PATH;
static const std::string kTrace = FOOTBALL_TRACE_PATH;

struct ToolOptions {
    std::string path;
    std::string name;
    std::vector<std::string> options;
};

static const std::vector<ToolOptions> kTools = {
    {kRecord,
     "football-record",
     {"--out", "--at", "--every", "--clip", "--from", "--view", "--goal", "--size", "--hold",
      "--toggle", "--replays", "-h, --help", "--version"}},
    {kTrace,
     "football-trace",
     {"--hold", "--toggle", "--summary", "--replays", "-h, --help", "--version"}},
};

TEST(HelpAndVersion, HelpListsEveryOptionOnALineOfItsOwn) {
    for (const ToolOptions& tool : kTools) {
        const ProgramRun r = runProgram(tool.path, {"--help"});
        EXPECT_EQ(r.status, 0) << tool.name;
        EXPECT_EQ(r.err, "") << tool.name;
        EXPECT_EQ(r.out.rfind("Usage: " + tool.name + " ", 0), 0u) << r.out;
        EXPECT_NE(r.out.find("\nOptions:\n"), std::string::npos) << r.out;
        for (const std::string& option : tool.options) {
            EXPECT_NE(r.out.find("\n  " + option + " "), std::string::npos)
                << tool.name << " --help has no line for " << option;
        }
        for (const char* key : {"F1-F24", "ESCAPE", "SPACE", "PAUSE"})
            EXPECT_NE(r.out.find(std::string(" ") + key + ","), std::string::npos) << key;
        EXPECT_EQ(runProgram(tool.path, {"-h"}).out, r.out) << tool.name << " -h";
        // Lines fit a terminal of 100 columns.
        for (std::size_t start = 0, end; start < r.out.size(); start = end + 1) {
            end = r.out.find('\n', start);
            EXPECT_LE(end - start, 100u) << r.out.substr(start, end - start);
        }
    }
}

TEST(HelpAndVersion, VersionIsOneLineWithTheProgramsVersion) {
    for (const ToolOptions& tool : kTools) {
        const ProgramRun r = runProgram(tool.path, {"--version"});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out, tool.name + " " + FOOTBALL_VERSION + "\n");
    }
}

TEST(HelpAndVersion, TheFirstRequestWinsOverOtherArguments) {
    const ProgramRun help = runProgram(kRecord, {"5", "--bogus", "--help", "--version"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: football-record", 0), 0u);
    const ProgramRun version = runProgram(kTrace, {"abc", "--version", "--help"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("football-trace ") + FOOTBALL_VERSION + "\n");
}

TEST(HelpAndVersion, AFailedWriteIsReported) {
    for (const ToolOptions& tool : kTools) {
        for (const char* request : {"--help", "--version"}) {
            test_support::RunOptions toFullDevice;
            toFullDevice.outputPath = "/dev/full";
            const ProgramRun r = runProgram(tool.path, {request}, toFullDevice);
            EXPECT_EQ(r.status, 1) << tool.name << " " << request;
            EXPECT_EQ(r.err.rfind(tool.name + ": cannot write the output: ", 0), 0u) << r.err;
        }
    }
}

}  // namespace tools_test

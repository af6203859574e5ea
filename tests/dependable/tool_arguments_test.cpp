// tool_arguments_test.cpp -- bad command lines for football-trace and football-record:
// one line on standard error, status 2, nothing on standard output, no crash, no files.
#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/program_run.h"

namespace dependable_test {

using test_support::ProgramRun;

// Runs the program with exactly these arguments (no shell, so empty ones stay).
static ProgramRun runTool(const std::string& program, const std::vector<std::string>& args) {
    return test_support::runProgram(program, args);
}

static std::string joined(const std::vector<std::string>& args) {
    std::string text;
    for (const std::string& arg : args)
        text += "'" + arg + "' ";
    return text;
}

static void expectRefused(const std::string& program, const std::string& prefix,
                          const std::vector<std::string>& args) {
    const ProgramRun run = runTool(program, args);
    const std::string line = joined(args);
    ASSERT_TRUE(run.exited) << line << "crashed: " << run.err;
    EXPECT_EQ(run.status, 2) << line << run.err;
    EXPECT_EQ(run.out, "") << line;
    EXPECT_EQ(run.err.rfind(prefix, 0), 0u) << line << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << line << run.err;
}

// Bad shared arguments, refused alike by both tools.
static const std::vector<std::vector<std::string>> kBadFrameScripts = {
    {""},
    {"99999999999999999999"},
    {"9223372036854775808"},
    {"-1"},
    {"-"},
    {"1e3"},
    {" 5"},
    {"5", ""},
    {"5", "--hold"},
    {"5", "--hold", ""},
    {"5", "--hold", "0x100@1"},
    {"5", "--hold", "0xFFFFFFFFFFFFFFFFFF@1"},
    {"5", "--hold", "99999999999999999999@1"},
    {"5", "--hold", "65@5-4"},
    {"5", "--hold", "65@99999999999999999999"},
    {"5", "--hold", "65@1-99999999999999999999"},
    {"5", "--hold", "65@"},
    {"5", "--hold", "65@1-"},
    {"5", "--hold", "65@-1"},
    {"5", "--hold", "65@@1"},
    {"5", "--hold", "-65@1"},
    {"5", "--toggle"},
    {"5", "--toggle", ""},
    {"5", "--toggle", "-1"},
    {"5", "--toggle", "0"},
    {"5", "--toggle", "99999999999999999999"},
    {"5", "--toggle", "1.5"},
    {"5", "--", "6"},
    {"5", "--hold=65@1"},
};

TEST(ToolArguments, TraceRefusesBadArguments) {
    for (const auto& args : kBadFrameScripts)
        expectRefused(FOOTBALL_TRACE_PATH, "football-trace: ", args);
    expectRefused(FOOTBALL_TRACE_PATH, "football-trace: ", {"5", "--summary", "x"});
}

static int entriesIn(const std::string& dir) {
    DIR* d = opendir(dir.c_str());
    if (d == nullptr)
        return -1;
    int count = 0;
    while (const dirent* entry = readdir(d)) {
        const std::string name = entry->d_name;
        count += name != "." && name != ".." ? 1 : 0;
    }
    closedir(d);
    return count;
}

TEST(ToolArguments, RecordRefusesBadArgumentsAndWritesNothing) {
    char path[] = "/tmp/football-args-dir-XXXXXX";
    ASSERT_NE(mkdtemp(path), nullptr);
    const std::string dir = path;
    for (auto args : kBadFrameScripts) {
        args.push_back("--out");
        args.push_back(dir);
        expectRefused(FOOTBALL_RECORD_PATH, "football-record: ", args);
    }
    const std::vector<std::vector<std::string>> bad = {
        {"5", "--out"},
        {"5", "--out", ""},
        {"5", "--out", dir, "--size", ""},
        {"5", "--out", dir, "--size", "x"},
        {"5", "--out", dir, "--size", "0x0"},
        {"5", "--out", dir, "--size", "-160x120"},
        {"5", "--out", dir, "--size", "160x-120"},
        {"5", "--out", dir, "--size", "160x120x2"},
        {"5", "--out", dir, "--size", "99999999999999999999x120"},
        {"5", "--out", dir, "--size", "4294967456x120"},
        {"5", "--out", dir, "--size", "8193x1"},
        {"5", "--out", dir, "--at", ""},
        {"5", "--out", dir, "--at", ","},
        {"5", "--out", dir, "--at", "1,"},
        {"5", "--out", dir, "--at", "99999999999999999999"},
        {"5", "--out", dir, "--every", ""},
        {"5", "--out", dir, "--every", "99999999999999999999"},
        {"5", "--out", dir, "--every"},
    };
    for (const auto& args : bad)
        expectRefused(FOOTBALL_RECORD_PATH, "football-record: ", args);
    EXPECT_EQ(entriesIn(dir), 0) << "nothing is written after a bad argument";
    rmdir(dir.c_str());
}

}  // namespace dependable_test

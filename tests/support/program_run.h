// program_run.h -- test support: runs one of our programs and keeps its exit
// status, standard output and standard error. Used by the tool tests.
#pragma once

#include <string>
#include <vector>

namespace test_support {

struct ProgramRun {
    bool exited = false;  // false: ended by a signal (a crash)
    int status = -1;      // exit status, or -1 when it did not exit normally
    std::string out;
    std::string err;
};

// Runs `program` with exactly these arguments (no shell, so empty ones stay).
ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args);

// A whole file as bytes; empty when it cannot be read.
std::string readWholeFile(const std::string& path);

}  // namespace test_support

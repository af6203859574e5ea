// command_run.h -- test helper: runs a tool's command line and keeps its exit
// status, standard output and standard error; temporary directories.
#pragma once

#include <string>

namespace tools_test {

struct CommandResult {
    int status;  // exit status, or -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Runs `command` through the shell, with standard input from /dev/null.
CommandResult runCommand(const std::string& command);

// A new empty directory under /tmp; the caller removes it with removeTree.
std::string makeTempDir();

// Removes a directory and everything in it.
void removeTree(const std::string& path);

// The names in a directory, sorted; empty when it is missing.
std::string listDir(const std::string& dir);

// A whole file as bytes; empty when it cannot be read.
std::string readFile(const std::string& path);

}  // namespace tools_test

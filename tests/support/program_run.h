// program_run.h -- test support: runs one of our programs and keeps its exit
// status, standard output and standard error; temporary directories and whole
// files. Used by the tests of the tools and of the leak checker.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace test_support {

struct ProgramRun {
    bool exited = false;  // false: ended by a signal (a crash, or a signal sent on purpose)
    int status = -1;      // exit status, or -1 when it did not exit normally
    int signal = 0;       // the signal that ended it, or 0
    std::string out;
    std::string err;
};

struct RunOptions {
    // Standard output goes to this file instead of being caught (e.g. /dev/full).
    std::string outputPath;
    // NAME=value settings added to the program's environment.
    std::vector<std::string> environment;
    // Called with the program's process id once it is started; the run waits
    // for the program's end after it returns.
    std::function<void(int)> whileRunning;
};

// Runs `program` with exactly these arguments (no shell, so empty ones stay)
// and standard input from /dev/null.
ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args,
                      const RunOptions& options = {});

// A whole file as bytes; empty when it cannot be read.
std::string readWholeFile(const std::string& path);

// The names in a directory, sorted; empty when it is missing.
std::vector<std::string> namesIn(const std::string& dir);

// A new empty directory under the system's temporary directory, removed with
// everything in it when the object goes.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

}  // namespace test_support

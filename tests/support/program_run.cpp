// program_run.cpp -- runs a program with its output caught in temporary files.
#include "tests/support/program_run.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace test_support {

namespace fs = std::filesystem;

std::string readWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::vector<std::string> namesIn(const std::string& dir) {
    std::vector<std::string> names;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir, error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "football-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        ADD_FAILURE() << "cannot make a temporary directory";
    else
        path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code error;
    if (!path_.empty())
        fs::remove_all(path_, error);
}

// A new empty temporary file, open for writing; its path goes to `path`.
static int makeTempFile(std::string& path) {
    path = (fs::temp_directory_path() / "football-run-XXXXXX").string();
    return mkstemp(path.data());
}

// The child's side: standard streams in place, then the program.
[[noreturn]] static void startChild(const std::string& program, std::vector<std::string> args,
                                    const RunOptions& options, int outFile, int errFile) {
    const int input = open("/dev/null", O_RDONLY);
    const int output =
        options.outputPath.empty() ? outFile : open(options.outputPath.c_str(), O_WRONLY);
    if (input < 0 || output < 0 || dup2(input, 0) < 0 || dup2(output, 1) < 0 ||
        dup2(errFile, 2) < 0)
        _exit(127);
    for (const std::string& setting : options.environment) {
        const std::size_t equals = setting.find('=');
        setenv(setting.substr(0, equals).c_str(), setting.substr(equals + 1).c_str(), 1);
    }
    std::string name = program;
    std::vector<char*> argv{name.data()};
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
}

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args,
                      const RunOptions& options) {
    ProgramRun run;
    std::string outPath, errPath;
    const int outFile = makeTempFile(outPath);
    const int errFile = makeTempFile(errPath);
    if (outFile >= 0 && errFile >= 0) {
        const pid_t child = fork();
        if (child == 0)
            startChild(program, args, options, outFile, errFile);
        if (child > 0) {
            if (options.whileRunning)
                options.whileRunning(child);
            int status = 0;
            waitpid(child, &status, 0);
            run.exited = WIFEXITED(status);
            run.status = run.exited ? WEXITSTATUS(status) : -1;
            run.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
        } else {
            ADD_FAILURE() << "cannot start " << program;
        }
    } else {
        ADD_FAILURE() << "cannot create temporary files";
    }
    if (outFile >= 0) {
        close(outFile);
        run.out = readWholeFile(outPath);
        unlink(outPath.c_str());
    }
    if (errFile >= 0) {
        close(errFile);
        run.err = readWholeFile(errPath);
        unlink(errPath.c_str());
    }
    return run;
}

}  // namespace test_support

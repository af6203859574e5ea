// program_run.cpp -- runs a program with its output caught in temporary files.
#include "tests/support/program_run.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

namespace test_support {

std::string readWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args) {
    char outPath[] = "/tmp/football-run-out-XXXXXX";
    char errPath[] = "/tmp/football-run-err-XXXXXX";
    const int outFile = mkstemp(outPath);
    const int errFile = mkstemp(errPath);
    ProgramRun run;
    if (outFile < 0 || errFile < 0) {
        ADD_FAILURE() << "cannot create temporary files";
        if (outFile >= 0) {
            close(outFile);
            unlink(outPath);
        }
        if (errFile >= 0) {
            close(errFile);
            unlink(errPath);
        }
        return run;
    }
    const pid_t child = fork();
    if (child == 0) {
        dup2(outFile, 1);
        dup2(errFile, 2);
        std::vector<std::string> copies = args;
        std::string name = program;
        std::vector<char*> argv;
        argv.push_back(name.data());
        for (std::string& arg : copies)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    if (child > 0) {
        waitpid(child, &status, 0);
        run.exited = WIFEXITED(status);
        run.status = run.exited ? WEXITSTATUS(status) : -1;
    } else {
        ADD_FAILURE() << "cannot start " << program;
    }
    close(outFile);
    close(errFile);
    run.out = readWholeFile(outPath);
    run.err = readWholeFile(errPath);
    unlink(outPath);
    unlink(errPath);
    return run;
}

}  // namespace test_support

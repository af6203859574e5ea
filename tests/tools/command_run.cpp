// command_run.cpp -- running the tools from the tests, and temporary directories.
#include "tests/tools/command_run.h"

#include <dirent.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

namespace tools_test {

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

CommandResult runCommand(const std::string& command) {
    char outPath[] = "/tmp/tools-test-out-XXXXXX";
    char errPath[] = "/tmp/tools-test-err-XXXXXX";
    close(mkstemp(outPath));
    close(mkstemp(errPath));
    const std::string line = "(" + command + ") </dev/null >" + outPath + " 2>" + errPath;
    const int status = std::system(line.c_str());
    CommandResult result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(outPath),
                         readFile(errPath)};
    std::remove(outPath);
    std::remove(errPath);
    return result;
}

std::string makeTempDir() {
    char path[] = "/tmp/tools-test-XXXXXX";
    return mkdtemp(path);
}

void removeTree(const std::string& path) {
    std::system(("rm -rf '" + path + "'").c_str());
}

std::string listDir(const std::string& dir) {
    std::vector<std::string> names;
    if (DIR* d = opendir(dir.c_str())) {
        while (const dirent* entry = readdir(d)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..")
                names.push_back(name);
        }
        closedir(d);
    }
    std::sort(names.begin(), names.end());
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : " ") + name;
    return text;
}

}  // namespace tools_test

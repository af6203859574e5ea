// command_help.h -- --help and --version of the headless tools: finding them among
// the arguments and printing them. Called first thing by each tool's main.
#pragma once

#include <string>
#include <vector>

namespace tools {

enum class InfoRequest { none, help, version };

// The first --help (or -h) or --version among the arguments (without the program
// name), skipping the value that follows each of `valueOptions`, so that an
// option's value is never taken for a request. Found anywhere, it wins over
// every other argument, good or bad.
InfoRequest findInfoRequest(const std::vector<std::string>& args,
                            const std::vector<std::string>& valueOptions);

// Prints `help`, or the line "PROGRAM VERSION", to standard output. Returns the exit status: 0, or
// 1 after a one-line message on standard error when standard output cannot be written.
int printInfo(InfoRequest request, const char* program, const std::string& help);

// The version of the program and its tools, e.g. "0.1.0".
const char* programVersion();

}  // namespace tools

// command_help.cpp -- --help and --version of the headless tools.
#include "tools/command_help.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tools {

InfoRequest findInfoRequest(const std::vector<std::string>& args,
                            const std::vector<std::string>& valueOptions) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--help" || args[i] == "-h")
            return InfoRequest::help;
        if (args[i] == "--version")
            return InfoRequest::version;
        if (std::find(valueOptions.begin(), valueOptions.end(), args[i]) != valueOptions.end())
            ++i;
    }
    return InfoRequest::none;
}

const char* programVersion() {
    return FOOTBALL_VERSION;
}

int printInfo(InfoRequest request, const char* program, const std::string& help) {
    if (request == InfoRequest::help) {
        std::fputs(help.c_str(), stdout);
    } else {
        std::printf("%s %s\n", program, programVersion());
    }
    if (std::ferror(stdout) || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "%s: cannot write the output: %s\n", program, std::strerror(errno));
        return 1;
    }
    return 0;
}

}  // namespace tools

// win32/process.cpp -- background processes on Windows: none, since Windows has no recorder.
#include "platform/process.h"

namespace platform {

struct BackgroundProcess {};

std::string programBesideThisOne(const std::string&) {
    return std::string();
}

std::string writeTemporaryFile(const std::string&, const std::string&, std::string& error) {
    error = "no background program runs on Windows";
    return std::string();
}

BackgroundProcess* startBackgroundProcess(const std::string&, const std::vector<std::string>&,
                                          const std::string&, std::string& error) {
    error = "no background program runs on Windows";
    return nullptr;
}

bool backgroundProcessEnded(BackgroundProcess*, bool& succeeded, std::string& lastLine) {
    succeeded = false;
    lastLine.clear();
    return true;
}

void stopBackgroundProcess(BackgroundProcess*) {}

}  // namespace platform

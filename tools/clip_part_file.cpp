// clip_part_file.cpp -- removal of a clip's temporary file on an interrupt.
#include "tools/clip_part_file.h"

#include <unistd.h>

#include <csignal>
#include <cstring>

namespace tools {

// Ctrl+C, a terminal hang-up, a termination request. The handler may only
// read what is set before it is installed, so the path is a fixed buffer.
static constexpr int kCleanupSignals[] = {SIGINT, SIGTERM, SIGHUP};
static char interruptedPath[4096];
static struct sigaction previousActions[3];

static void removeOnSignal(int signal) {
    unlink(interruptedPath);
    for (std::size_t i = 0; i < 3; ++i) {
        if (kCleanupSignals[i] == signal)
            sigaction(signal, &previousActions[i], nullptr);
    }
    raise(signal);
}

void watchPartFile(const std::string& temporary) {
    if (temporary.size() >= sizeof interruptedPath)
        return;
    std::memcpy(interruptedPath, temporary.c_str(), temporary.size() + 1);
    struct sigaction action = {};
    action.sa_handler = removeOnSignal;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < 3; ++i) {
        sigaction(kCleanupSignals[i], nullptr, &previousActions[i]);
        if (previousActions[i].sa_handler != SIG_IGN)
            sigaction(kCleanupSignals[i], &action, nullptr);
    }
}

void unwatchPartFile() {
    if (interruptedPath[0] == '\0')
        return;
    for (std::size_t i = 0; i < 3; ++i)
        sigaction(kCleanupSignals[i], &previousActions[i], nullptr);
    interruptedPath[0] = '\0';
}

}  // namespace tools

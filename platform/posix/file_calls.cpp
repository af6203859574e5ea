// file_calls.cpp -- files on POSIX systems: the name's own bytes, fsync, and the interrupt that
// removes what is still being written.
#include "platform/file_calls.h"

#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>

namespace platform {

// The files being written, for the signal handler: it may only read memory
// and call async-signal-safe functions (unlink, sigaction, raise), so the
// paths are fixed buffers, each published by its slot's lock-free state.
static constexpr int kWatchedMost = 16;
static constexpr std::size_t kWatchedPathMost = 4096;
enum : int { kFree, kFilling, kWatched };
struct WatchedFile {
    std::atomic<int> state;
    char path[kWatchedPathMost];
};
static_assert(std::atomic<int>::is_always_lock_free, "the handler reads the slots' states");
static WatchedFile watchedFiles[kWatchedMost];

// Ctrl+C, a termination request, a terminal hang-up.
static constexpr int kInterrupts[] = {SIGINT, SIGTERM, SIGHUP};

static void removeWatchedAndEnd(int signal) {
    for (WatchedFile& watched : watchedFiles) {
        if (watched.state.load() == kWatched)
            unlink(watched.path);
    }
    struct sigaction fallback = {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    sigaction(signal, &fallback, nullptr);
    // Blocked until this handler returns, then acted on as the default: the
    // process ends as it would have without the handler, its status the same.
    raise(signal);
}

// Catches each interrupt whose action is still the default one, which would
// end the process with the file left. Once caught, it stays caught: with no
// file watched the handler ends the process as the default does.
static void catchInterrupts() {
    for (const int signal : kInterrupts) {
        struct sigaction current = {};
        if (sigaction(signal, nullptr, &current) != 0 || (current.sa_flags & SA_SIGINFO) != 0 ||
            current.sa_handler != SIG_DFL)
            continue;
        struct sigaction action = {};
        action.sa_handler = removeWatchedAndEnd;
        sigemptyset(&action.sa_mask);
        sigaction(signal, &action, nullptr);
    }
}

// The slot now watching `file`, or -1 when every slot is taken or the path is
// too long (the file is then written all the same, unwatched).
int removeOnInterrupt(const std::filesystem::path& file) {
    const std::string& bytes = file.native();
    if (bytes.size() >= kWatchedPathMost)
        return -1;
    for (int slot = 0; slot < kWatchedMost; ++slot) {
        int expected = kFree;
        WatchedFile& watched = watchedFiles[slot];
        if (!watched.state.compare_exchange_strong(expected, kFilling))
            continue;
        std::memcpy(watched.path, bytes.c_str(), bytes.size() + 1);
        watched.state.store(kWatched);
        catchInterrupts();
        return slot;
    }
    return -1;
}

void forgetOnInterrupt(int slot) {
    if (slot >= 0)
        watchedFiles[slot].state.store(kFree);
}

std::FILE* createFileForWriting(const std::filesystem::path& path) {
    return std::fopen(path.c_str(), "wb");
}

bool syncFileToDisk(std::FILE* file) {
    return fsync(fileno(file)) == 0 || errno == EINVAL;  // EINVAL: a pipe or device, no disk
}

}  // namespace platform

// replaced_file.cpp -- write, rename into place, remove on failure; and on POSIX systems the
// interrupt that removes what is still being written.
#include "common/replaced_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "common/file_path.h"

#ifndef _WIN32
#include <unistd.h>

#include <atomic>
#include <csignal>
#endif

namespace common {

#ifndef _WIN32

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
static int watch(const std::filesystem::path& file) {
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

static void unwatch(int slot) {
    if (slot >= 0)
        watchedFiles[slot].state.store(kFree);
}

static std::FILE* openForWriting(const std::filesystem::path& file) {
    return std::fopen(file.c_str(), "wb");
}

#else

static int watch(const std::filesystem::path&) {
    return -1;
}

static void unwatch(int) {}

// The wide name: any name, not only those in the ANSI code page.
static std::FILE* openForWriting(const std::filesystem::path& file) {
    return _wfopen(file.c_str(), L"wb");
}

#endif

std::string temporaryPathOf(const std::string& path) {
    return path + ".part";
}

static void removeFile(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove(filePath(path), ignored);
}

ReplacedFile::~ReplacedFile() {
    abandon();
}

bool ReplacedFile::open(const std::string& path, std::string& error) {
    abandon();
    const std::filesystem::path temporary = filePath(temporaryPathOf(path));
    if (temporary.empty() || filePath(path).empty()) {
        error = "the file name is not valid UTF-8";
        return false;
    }
    errno = 0;
    file_ = openForWriting(temporary);
    if (file_ == nullptr) {
        error = errno != 0 ? std::strerror(errno) : "cannot create the file";
        return false;
    }
    path_ = path;
    watch_ = watch(temporary);
    return true;
}

bool ReplacedFile::write(const void* bytes, std::size_t size, std::string& error) {
    if (file_ == nullptr) {
        error = "the file is not open";
        return false;
    }
    errno = 0;
    if (size > 0 && std::fwrite(bytes, 1, size, file_) != size) {
        error = errno != 0 ? std::strerror(errno) : "cannot write the file";
        abandon();
        return false;
    }
    return true;
}

bool ReplacedFile::commit(std::string& error) {
    if (file_ == nullptr) {
        error = "the file is not open";
        return false;
    }
    errno = 0;
    const bool flushed = std::fflush(file_) == 0 && std::ferror(file_) == 0;
    const int flushError = errno;
    errno = 0;
    const bool closed = std::fclose(file_) == 0;
    const int closeError = errno;
    file_ = nullptr;
    const std::string temporary = temporaryPathOf(path_);
    if (!flushed || !closed) {
        const int reason = !flushed ? flushError : closeError;
        error = reason != 0 ? std::strerror(reason) : "cannot write the file";
        removeFile(temporary);
        unwatch(watch_);
        watch_ = -1;
        return false;
    }
    // Replaces an existing file on every system (a plain rename does not on Windows).
    std::error_code renamed;
    std::filesystem::rename(filePath(temporary), filePath(path_), renamed);
    if (renamed) {
        error = "cannot put it in place: " + renamed.message();
        removeFile(temporary);
    }
    unwatch(watch_);
    watch_ = -1;
    return !renamed;
}

void ReplacedFile::abandon() {
    if (file_ == nullptr)
        return;
    std::fclose(file_);
    file_ = nullptr;
    removeFile(temporaryPathOf(path_));
    unwatch(watch_);
    watch_ = -1;
}

bool replaceFile(const std::string& path, const void* bytes, std::size_t size, std::string& error) {
    ReplacedFile file;
    return file.open(path, error) && file.write(bytes, size, error) && file.commit(error);
}

}  // namespace common

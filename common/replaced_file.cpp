// replaced_file.cpp -- write, rename into place, remove on failure or (through the system's
// calls) on an interrupt.
#include "common/replaced_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "common/file_path.h"
#include "common/file_system_calls.h"

namespace common {

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
    file_ = fileSystemCalls().createForWriting(temporary);
    if (file_ == nullptr) {
        error = errno != 0 ? std::strerror(errno) : "cannot create the file";
        return false;
    }
    path_ = path;
    watch_ = fileSystemCalls().removeOnInterrupt(temporary);
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
        fileSystemCalls().forgetOnInterrupt(watch_);
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
    fileSystemCalls().forgetOnInterrupt(watch_);
    watch_ = -1;
    return !renamed;
}

void ReplacedFile::abandon() {
    if (file_ == nullptr)
        return;
    std::fclose(file_);
    file_ = nullptr;
    removeFile(temporaryPathOf(path_));
    fileSystemCalls().forgetOnInterrupt(watch_);
    watch_ = -1;
}

bool replaceFile(const std::string& path, const void* bytes, std::size_t size, std::string& error) {
    ReplacedFile file;
    return file.open(path, error) && file.write(bytes, size, error) && file.commit(error);
}

}  // namespace common

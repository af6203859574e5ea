// appended_file.cpp -- appending, flushing to the system and syncing to the disk.
#include "common/appended_file.h"

#include <cerrno>
#include <cstring>

#include "common/file_path.h"
#include "common/file_system_calls.h"

namespace common {

static std::string systemReason() {
    return errno != 0 ? std::strerror(errno) : "an input or output error";
}

AppendedFile::~AppendedFile() {
    if (file_ != nullptr)
        std::fclose(file_);
}

bool AppendedFile::create(const std::string& path, std::string& error) {
    std::string ignored;
    close(ignored);
    const std::filesystem::path name = filePath(path);
    errno = 0;
    if (name.empty()) {
        error = "the name is not UTF-8";
        return false;
    }
    file_ = fileSystemCalls().createForWriting(name);
    if (file_ == nullptr) {
        error = systemReason();
        return false;
    }
    return true;
}

bool AppendedFile::append(const std::string& text, std::string& error) {
    if (file_ == nullptr) {
        error = "the file is not open";
        return false;
    }
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size() || std::fflush(file_) != 0 ||
        !fileSystemCalls().syncToDisk(file_)) {
        error = systemReason();
        return false;
    }
    return true;
}

bool AppendedFile::close(std::string& error) {
    if (file_ == nullptr)
        return true;
    errno = 0;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!closed)
        error = systemReason();
    return closed;
}

}  // namespace common

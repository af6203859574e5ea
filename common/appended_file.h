// appended_file.h -- a file written a piece at a time, each piece on the disk before the next
// begins, so that what was written survives a crash, a kill or a power cut.
#pragma once

#include <cstdio>
#include <string>

namespace common {

class AppendedFile {
  public:
    AppendedFile() = default;
    AppendedFile(const AppendedFile&) = delete;
    AppendedFile& operator=(const AppendedFile&) = delete;
    ~AppendedFile();

    // Makes the file at `path` (common::filePath), empty, replacing what is
    // there. False with the system's reason in `error`.
    bool create(const std::string& path, std::string& error);

    // Appends `text` and has the system put it on the disk before returning.
    // False with the reason in `error`; what was appended before stays.
    bool append(const std::string& text, std::string& error);

    // Closes the file; false when its last bytes could not be written.
    bool close(std::string& error);

    bool isOpen() const { return file_ != nullptr; }

  private:
    std::FILE* file_ = nullptr;
};

}  // namespace common

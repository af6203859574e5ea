// file_system_calls.h -- what the file writers (replaced_file.h, appended_file.h) need of the
// system, handed in by each program at start from its platform layer (platform/file_calls.h).
#pragma once

#include <cstdio>
#include <filesystem>

namespace common {

struct FileSystemCalls {
    // Creates or empties a file for writing bytes; null with errno set.
    std::FILE* (*createForWriting)(const std::filesystem::path& path);
    // Puts a flushed file's bytes on the disk.
    bool (*syncToDisk)(std::FILE* file);
    // Removes the file if an interrupt ends the process before forgetOnInterrupt(slot); -1: not
    // watched.
    int (*removeOnInterrupt)(const std::filesystem::path& path);
    void (*forgetOnInterrupt)(int slot);
};

// Called once by each program's entry before anything is written. Until
// then the writers open names by their bytes, sync nothing beyond flushing,
// and leave a temporary file to an interrupt: enough for the unit tests.
void useFileSystemCalls(const FileSystemCalls& calls);

const FileSystemCalls& fileSystemCalls();

}  // namespace common

// file_calls.h -- what writing a file needs of the system: opening any name, putting bytes on
// the disk, and removing a file still being written when an interrupt ends the process.
#pragma once

#include <cstdio>
#include <filesystem>

namespace platform {

// Creates (or empties) the file for writing bytes, by the file system's own
// name (the wide one on Windows, which reaches any name). Null with errno set.
std::FILE* createFileForWriting(const std::filesystem::path& path);

// Puts what was written through `file` (flushed already) on the disk, not
// only in the system's cache. True on a file with no disk under it (a pipe).
bool syncFileToDisk(std::FILE* file);

// Until forgetOnInterrupt(slot), an interrupt (SIGINT, SIGTERM, SIGHUP) whose
// action is still the default one removes the file and then ends the process
// as the default would; a program that handles them itself finishes its
// writes, and an ignored signal stays ignored. The slot, or -1 when the file
// cannot be watched (all slots taken, a path too long, or Windows, which
// removes no file a process holds open).
int removeOnInterrupt(const std::filesystem::path& path);
void forgetOnInterrupt(int slot);

}  // namespace platform

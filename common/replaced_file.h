// replaced_file.h -- a file written under a temporary name beside it and renamed over it once
// whole: its name holds the old file or the whole new one, never a part, and no temporary stays.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace common {

// The temporary name a file is written under: "PATH.part", beside it. A
// name whose temporary exists is taken (frame/moment_name.h).
std::string temporaryPathOf(const std::string& path);

// One file being written: open creates PATH.part, the writer writes and seeks
// through stream(), commit renames it over PATH. A failure, abandon or the
// destructor removes the temporary file, and PATH keeps what it held. Paths
// are the program's (UTF-8 on Windows), reached through common::filePath for
// every open, rename and remove.
//
// Until the file is committed or abandoned, on POSIX systems, SIGINT,
// SIGTERM or SIGHUP removes it and then ends the process as the signal's
// default action would, where that default is still in place: a program that
// handles them itself (the game turns them into a close) finishes its writes,
// and an ignored signal stays ignored. Windows removes no file a process
// holds open, so there an interrupt leaves the temporary file.
class ReplacedFile {
  public:
    ReplacedFile() = default;
    ~ReplacedFile();
    ReplacedFile(const ReplacedFile&) = delete;
    ReplacedFile& operator=(const ReplacedFile&) = delete;

    // Creates PATH.part for writing bytes, emptied if it was there (one
    // writer abandoned by a crash). False with the system's reason; an open
    // file is abandoned first.
    bool open(const std::string& path, std::string& error);

    // The open file; null before open and after commit or abandon.
    std::FILE* stream() const { return file_; }

    // Writes `size` bytes where the stream stands. False with the system's
    // reason, and the file abandoned.
    bool write(const void* bytes, std::size_t size, std::string& error);

    // Flushes and closes the file and renames it over PATH (replacing a file
    // there on every system). False with the reason, the temporary removed
    // and PATH as it was.
    bool commit(std::string& error);

    // Closes and removes the temporary file; nothing when none is open.
    void abandon();

  private:
    std::FILE* file_ = nullptr;
    std::string path_;
    int watch_ = -1;  // the slot that lets an interrupt remove the file, or -1
};

// Writes `size` bytes as the whole of the file at `path`, through a
// ReplacedFile. False with the reason, PATH as it was.
bool replaceFile(const std::string& path, const void* bytes, std::size_t size, std::string& error);

}  // namespace common

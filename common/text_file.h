// text_file.h -- a small text file read whole, in memory in proportion to it, with a limit.
#pragma once

#include <cstddef>
#include <string>

namespace common {

// Reads the file at `path` (common::filePath) into `text`. False with the
// reason in `reason` (no file name): "it is a directory", the system's
// reason, or "it is larger than N MiB" for a file over `mostBytes` (looked at
// before reading where the system tells the size; a device or a growing file
// is read no further than one piece past it).
bool readTextFile(const std::string& path, std::size_t mostBytes, std::string& text,
                  std::string& reason);

}  // namespace common

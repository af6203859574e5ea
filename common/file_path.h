// file_path.h -- the program's paths, held as std::string, as the file system's paths.
#pragma once

#include <filesystem>
#include <string>

namespace common {

// The program holds paths as std::string: on Windows in UTF-8 (as
// platform::picturesFolder gives them), elsewhere in the system's own bytes.
// As a std::filesystem::path they reach the file they name: on Windows
// through the system's wide calls, which take any name, where a narrow
// string would reach only names in the ANSI code page. Open, rename, remove
// and test files through it. Empty when the text is not UTF-8 on Windows.
std::filesystem::path filePath(const std::string& path);

}  // namespace common

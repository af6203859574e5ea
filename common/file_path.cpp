// file_path.cpp -- a UTF-8 string as a file system path: converted on Windows, kept as bytes
// elsewhere.
#include "common/file_path.h"

#include <system_error>

namespace common {

std::filesystem::path filePath(const std::string& path) {
    try {
        return std::filesystem::u8path(path);
    } catch (const std::system_error&) {
        return std::filesystem::path();  // not UTF-8: names no file
    }
}

}  // namespace common

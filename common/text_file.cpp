// text_file.cpp -- a text file read in pieces, refused when it is too large.
#include "common/text_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#include "common/file_path.h"

namespace common {

static std::string systemReason() {
    return errno != 0 ? std::strerror(errno) : "an input or output error";
}

bool readTextFile(const std::string& path, std::size_t mostBytes, std::string& text,
                  std::string& reason) {
    const std::string tooLarge = "it is larger than " + std::to_string(mostBytes >> 20) + " MiB";
    std::error_code ignored;
    if (std::filesystem::is_directory(filePath(path), ignored)) {
        reason = "it is a directory";
        return false;
    }
    const std::uintmax_t size = std::filesystem::file_size(filePath(path), ignored);
    if (size != static_cast<std::uintmax_t>(-1) && size > mostBytes) {
        reason = tooLarge;
        return false;
    }
    errno = 0;
    std::ifstream file(filePath(path), std::ios::binary);
    if (!file) {
        reason = systemReason();
        return false;
    }
    text.clear();
    char piece[1 << 16];
    while (file && text.size() <= mostBytes) {
        file.read(piece, sizeof piece);
        text.append(piece, static_cast<std::size_t>(file.gcount()));
    }
    if (file.bad()) {
        reason = systemReason();
        return false;
    }
    if (text.size() > mostBytes) {
        reason = tooLarge;
        return false;
    }
    return true;
}

}  // namespace common

// png_file.h -- writes an RGB picture as a PNG file (on zlib alone, so every build has it).
#pragma once

#include <string>
#include <vector>

namespace common {

// Writes width by height RGB pixels, top row first, to `path` (UTF-8 on
// Windows: common/file_path.h), whole or not at all (common/replaced_file.h).
// False on any failure, with the reason in `error`. Used by the program's
// screenshots and football-record.
bool writePng(const std::string& path, int width, int height, const std::vector<unsigned char>& rgb,
              std::string& error);

}  // namespace common

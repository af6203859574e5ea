// frame_sound.cpp -- a clip frame's sound.
#include "tools/frame_sound.h"

namespace tools {

std::vector<std::int16_t> frameSound(std::int64_t /*frame*/, int sampleFrames) {
    return std::vector<std::int16_t>(static_cast<std::size_t>(sampleFrames) * 2, 0);
}

}  // namespace tools

// script_matches.cpp -- the tools' seed and match length, applied before start-up.
#include "tools/script_matches.h"

#include <cstdio>

#include "frame/match_series.h"

namespace tools {

void startScriptMatches(frame::World& world, const frame::FrameScript& script,
                        const char* program) {
    const std::uint32_t seed = frame::chooseMatches(world, script.matches);
    if (script.matches.seedFromClock)
        std::fprintf(stderr, "%s: seed %lu\n", program, static_cast<unsigned long>(seed));
}

}  // namespace tools

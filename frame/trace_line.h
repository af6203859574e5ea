// trace_line.h -- one frame's state as the trace's compact JSON line; called by
// football-trace after start-up and after every frame, and by the page for football.state().
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "frame/world.h"

namespace frame {

// Longest line traceLine writes, newline included.
constexpr std::size_t kTraceLineMax = 2048;

// FNV-1a 64-bit over the height field, row by row, each float as its four
// little-endian IEEE-754 bytes; 16 lower-case hex digits.
std::string terrainHash(const render::Heightmap& heightmap);

// Writes the line for frame `frame` from the world (match, figure counters,
// camera, rain, generator, "replay":true when the frame held the match for a
// goal's replay, "halfTime":true while half time shows, and on frame 0 the
// clubs when they are not the designed pair), ending in '\n'. `terrain` is the
// hash to show after "rng", or nullptr for a line without it. Returns the
// number of chars written to `out`, which needs kTraceLineMax bytes.
std::size_t traceLine(const World& world, std::int64_t frame, const char* terrain, char* out);

}  // namespace frame

// number_format.h -- decimal text of numbers without printf, called by the trace line writer
// (frame/trace_line.h) for every field of every frame; and a hex digit's value.
#pragma once

#include <cstdint>

namespace common {

// Longest text either function writes, without a terminator.
constexpr int kNumberTextMax = 32;

// Writes the single-precision value widened to double exactly as printf "%.9g"
// does ("25", "-3.5", "0.300000012", "1e-05"); returns the number of chars
// written. No terminator. `out` needs kNumberTextMax bytes.
int formatFloat(float value, char* out);

// Writes a signed integer in decimal; returns the number of chars written.
int formatInteger(std::int64_t value, char* out);

// The value of a hex digit (0-9, a-f, A-F); -1 for any other character.
int hexDigitValue(char c);

}  // namespace common

// number_format.cpp -- the trace's numbers as text without printf: std::to_chars
// with nine significant digits writes exactly what printf "%.9g" writes for the
// float widened to double (the widening is exact), correctly rounded.
#include "tools/number_format.h"

#include <charconv>

namespace tools {

int formatFloat(float value, char* out) {
    const std::to_chars_result result =
        std::to_chars(out, out + kNumberTextMax, value, std::chars_format::general, 9);
    return static_cast<int>(result.ptr - out);
}

int formatInteger(std::int64_t value, char* out) {
    const std::to_chars_result result = std::to_chars(out, out + kNumberTextMax, value);
    return static_cast<int>(result.ptr - out);
}

}  // namespace tools

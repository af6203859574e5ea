// number_format.cpp -- the trace's numbers as text without printf: std::to_chars
// with nine significant digits writes exactly what printf "%.9g" writes for the
// float widened to double (the widening is exact), correctly rounded.
#include "common/number_format.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace common {

int formatFloat(float value, char* out) {
#if defined(_LIBCPP_VERSION)
    // libc++ (the page's) has no floating-point to_chars: printf writes the same.
    char text[kNumberTextMax + 1];
    const int length = std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    std::copy(text, text + length, out);
    return length;
#else
    const std::to_chars_result result =
        std::to_chars(out, out + kNumberTextMax, value, std::chars_format::general, 9);
    return static_cast<int>(result.ptr - out);
#endif
}

int formatInteger(std::int64_t value, char* out) {
    const std::to_chars_result result = std::to_chars(out, out + kNumberTextMax, value);
    return static_cast<int>(result.ptr - out);
}

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace common

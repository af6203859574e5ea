// number_format.cpp -- "%.9g" of a float without printf on the common path.
//
// A float is m * 2^e with a 24-bit m. For values that print in fixed notation
// or close to it, the nine significant digits are round-half-even of
// m * 2^e * 10^p for the right p, computed exactly in 128-bit integers, which
// is what the C library's correctly rounded printf gives. Everything else
// (zero's sign aside: subnormals, infinities, NaN, very large or very small
// magnitudes) goes to snprintf.
#include "tools/number_format.h"

#include <cstdio>
#include <cstring>

namespace tools {

using Wide = unsigned __int128;

static int viaPrintf(float value, char* out) {
    char text[kNumberTextMax + 8];
    const int length = std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    std::memcpy(out, text, static_cast<std::size_t>(length));
    return length;
}

static Wide powerOfTen(int exponent) {
    Wide result = 1;
    for (int i = 0; i < exponent; ++i)
        result *= 10;
    return result;
}

// 10^0 .. 10^24, built once.
struct PowersOfTen {
    Wide value[25];
};

static const PowersOfTen& powersOfTen() {
    static const PowersOfTen table = [] {
        PowersOfTen t = {};
        for (int i = 0; i < 25; ++i)
            t.value[i] = powerOfTen(i);
        return t;
    }();
    return table;
}

// round-half-even(m * 2^e * 10^p), with 0 <= p <= 24 and -64 <= e <= 7.
static std::uint64_t scaledDigits(std::uint64_t m, int e, int p) {
    const Wide scaled = static_cast<Wide>(m) * powersOfTen().value[p];
    if (e >= 0)
        return static_cast<std::uint64_t>(scaled << e);
    const int shift = -e;
    Wide quotient = scaled >> shift;
    const Wide remainder = scaled - (quotient << shift);
    const Wide half = static_cast<Wide>(1) << (shift - 1);
    if (remainder > half || (remainder == half && (quotient & 1) != 0))
        quotient += 1;
    return static_cast<std::uint64_t>(quotient);
}

static int writeDigits(std::uint64_t value, char* out) {
    char reversed[24];
    int count = 0;
    do {
        reversed[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    for (int i = 0; i < count; ++i)
        out[i] = reversed[count - 1 - i];
    return count;
}

int formatInteger(std::int64_t value, char* out) {
    if (value < 0) {
        out[0] = '-';
        return 1 + writeDigits(static_cast<std::uint64_t>(-(value + 1)) + 1, out + 1);
    }
    return writeDigits(static_cast<std::uint64_t>(value), out);
}

int formatFloat(float value, char* out) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    char* p = out;
    if ((bits & 0x80000000u) != 0)
        *p++ = '-';
    if ((bits & 0x7FFFFFFFu) == 0) {
        *p++ = '0';
        return static_cast<int>(p - out);
    }
    // Whole numbers below 2^24 print as integers.
    const float magnitude = value < 0.0f ? -value : value;
    if (magnitude < 16777216.0f) {
        const auto whole = static_cast<std::int32_t>(magnitude);
        if (static_cast<float>(whole) == magnitude) {
            return static_cast<int>(p - out) + writeDigits(static_cast<std::uint64_t>(whole), p);
        }
    }
    const int biased = static_cast<int>((bits >> 23) & 0xFFu);
    const int e = biased - 150;  // value = m * 2^e
    if (biased == 0 || biased == 0xFF || e < -64 || e > 7)
        return viaPrintf(value, out);
    const std::uint64_t m = (bits & 0x7FFFFFu) | 0x800000u;

    // Decimal exponent X of the rounded value: estimate from the binary
    // exponent (|value| lies in [2^(e+23), 2^(e+24))), then correct it until
    // the nine digits D satisfy 10^8 <= D < 10^9.
    int exponent = static_cast<int>((e + 23) * 0.30102999566398120 + (e + 23 < 0 ? -1.0 : 0.0));
    std::uint64_t digits = 0;
    for (;;) {
        const int scale = 8 - exponent;
        if (scale < 0 || scale > 24)
            return viaPrintf(value, out);
        digits = scaledDigits(m, e, scale);
        if (digits >= 1000000000u) {
            exponent += 1;
        } else if (digits < 100000000u) {
            exponent -= 1;
        } else {
            break;
        }
    }

    char text[9];
    writeDigits(digits, text);
    int significant = 9;
    while (significant > 1 && text[significant - 1] == '0')
        --significant;

    if (exponent < -4 || exponent >= 9) {
        *p++ = text[0];
        if (significant > 1) {
            *p++ = '.';
            for (int i = 1; i < significant; ++i)
                *p++ = text[i];
        }
        *p++ = 'e';
        *p++ = exponent < 0 ? '-' : '+';
        const int power = exponent < 0 ? -exponent : exponent;
        if (power < 10)
            *p++ = '0';
        p += writeDigits(static_cast<std::uint64_t>(power), p);
        return static_cast<int>(p - out);
    }
    if (exponent >= 0) {
        for (int i = 0; i <= exponent; ++i)
            *p++ = text[i];
        if (significant > exponent + 1) {
            *p++ = '.';
            for (int i = exponent + 1; i < significant; ++i)
                *p++ = text[i];
        }
        return static_cast<int>(p - out);
    }
    *p++ = '0';
    *p++ = '.';
    for (int i = 0; i < -exponent - 1; ++i)
        *p++ = '0';
    for (int i = 0; i < significant; ++i)
        *p++ = text[i];
    return static_cast<int>(p - out);
}

}  // namespace tools

// png_file.cpp -- PNG output, written whole or not at all: signature, header, one
// compressed data chunk, end.
#include "common/png_file.h"

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "common/replaced_file.h"

namespace common {

static void putBigEndian(std::vector<unsigned char>& out, std::uint32_t value) {
    out.push_back(static_cast<unsigned char>(value >> 24));
    out.push_back(static_cast<unsigned char>(value >> 16));
    out.push_back(static_cast<unsigned char>(value >> 8));
    out.push_back(static_cast<unsigned char>(value));
}

// A chunk: length, type, data, and the CRC of type and data.
static void putChunk(std::vector<unsigned char>& out, const char* type, const unsigned char* data,
                     std::size_t size) {
    putBigEndian(out, static_cast<std::uint32_t>(size));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    if (size > 0)
        out.insert(out.end(), data, data + size);
    const uLong crc = crc32(0L, out.data() + typeAt, static_cast<uInt>(size + 4));
    putBigEndian(out, static_cast<std::uint32_t>(crc));
}

static int paethPredictor(int left, int above, int upperLeft) {
    const int estimate = left + above - upperLeft;
    const int toLeft = std::abs(estimate - left);
    const int toAbove = std::abs(estimate - above);
    const int toUpperLeft = std::abs(estimate - upperLeft);
    if (toLeft <= toAbove && toLeft <= toUpperLeft)
        return left;
    return toAbove <= toUpperLeft ? above : upperLeft;
}

// Every row with the Paeth filter (type 4), which suits rendered pictures well.
static std::vector<unsigned char> filteredRows(int width, int height, const unsigned char* rgb) {
    const std::size_t stride = static_cast<std::size_t>(width) * 3;
    std::vector<unsigned char> rows((stride + 1) * static_cast<std::size_t>(height));
    unsigned char* out = rows.data();
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = rgb + stride * static_cast<std::size_t>(y);
        const unsigned char* prior = y > 0 ? row - stride : nullptr;
        *out++ = 4;
        for (std::size_t i = 0; i < stride; ++i) {
            const int left = i >= 3 ? row[i - 3] : 0;
            const int above = prior != nullptr ? prior[i] : 0;
            const int upperLeft = prior != nullptr && i >= 3 ? prior[i - 3] : 0;
            *out++ = static_cast<unsigned char>(row[i] - paethPredictor(left, above, upperLeft));
        }
    }
    return rows;
}

static bool encode(int width, int height, const unsigned char* rgb,
                   std::vector<unsigned char>& png) {
    static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    png.assign(kSignature, kSignature + 8);

    std::vector<unsigned char> header;
    putBigEndian(header, static_cast<std::uint32_t>(width));
    putBigEndian(header, static_cast<std::uint32_t>(height));
    // 8 bits per sample, colour type 2 (RGB), deflate, adaptive filtering, no interlace.
    const unsigned char rest[5] = {8, 2, 0, 0, 0};
    header.insert(header.end(), rest, rest + 5);
    putChunk(png, "IHDR", header.data(), header.size());

    const std::vector<unsigned char> rows = filteredRows(width, height, rgb);
    uLongf size = compressBound(static_cast<uLong>(rows.size()));
    std::vector<unsigned char> compressed(size);
    if (compress2(compressed.data(), &size, rows.data(), static_cast<uLong>(rows.size()),
                  Z_DEFAULT_COMPRESSION) != Z_OK) {
        return false;
    }
    putChunk(png, "IDAT", compressed.data(), size);
    putChunk(png, "IEND", nullptr, 0);
    return true;
}

bool writePng(const std::string& path, int width, int height, const std::vector<unsigned char>& rgb,
              std::string& error) {
    // The picture and its row filters must fit the chunk's 32-bit length.
    if (width <= 0 || height <= 0 || width > 16384 || height > 16384 ||
        rgb.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3) {
        error = "picture size does not match its pixels";
        return false;
    }
    std::vector<unsigned char> png;
    if (!encode(width, height, rgb.data(), png)) {
        error = "cannot encode the picture";
        return false;
    }
    return replaceFile(path, png.data(), png.size(), error);
}

}  // namespace common

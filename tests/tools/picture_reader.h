// picture_reader.h -- test helper: reads the record tool's animated WebP clips
// (libwebp's animation decoder) and PNG pictures (libpng) back.
#pragma once

#include <string>
#include <vector>

namespace tools_test {

struct DecodedClip {
    bool ok = false;
    int width = 0;
    int height = 0;
    int loopCount = -1;
    std::vector<int> endTimes;                     // per picture, milliseconds
    std::vector<std::vector<unsigned char>> rgba;  // per picture, the whole canvas
};

DecodedClip decodeClip(const std::string& path);

// A PNG file as RGB bytes, top row first; false when it cannot be read.
bool readPng(const std::string& path, int& width, int& height, std::vector<unsigned char>& rgb);

// The mean absolute difference per colour channel between an RGBA canvas and
// an RGB picture of the same size.
double meanDifference(const std::vector<unsigned char>& rgba,
                      const std::vector<unsigned char>& rgb);

}  // namespace tools_test

// picture_reader.cpp -- decoding the record tool's clips and pictures in the tests.
#include "tests/tools/picture_reader.h"

#include <png.h>
#include <webp/demux.h>

#include <cstdlib>

#include "tests/support/program_run.h"

namespace tools_test {

DecodedClip decodeClip(const std::string& path) {
    DecodedClip clip;
    const std::string bytes = test_support::readWholeFile(path);
    WebPData data = {reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
    WebPAnimDecoderOptions options;
    if (bytes.empty() || !WebPAnimDecoderOptionsInit(&options))
        return clip;
    options.color_mode = MODE_RGBA;
    WebPAnimDecoder* decoder = WebPAnimDecoderNew(&data, &options);
    if (decoder == nullptr)
        return clip;
    WebPAnimInfo info;
    if (WebPAnimDecoderGetInfo(decoder, &info)) {
        clip.width = static_cast<int>(info.canvas_width);
        clip.height = static_cast<int>(info.canvas_height);
        clip.loopCount = static_cast<int>(info.loop_count);
        clip.ok = true;
        const std::size_t size = static_cast<std::size_t>(clip.width) * clip.height * 4;
        while (WebPAnimDecoderHasMoreFrames(decoder)) {
            uint8_t* canvas = nullptr;
            int timestamp = 0;
            if (!WebPAnimDecoderGetNext(decoder, &canvas, &timestamp)) {
                clip.ok = false;
                break;
            }
            clip.endTimes.push_back(timestamp);
            clip.rgba.emplace_back(canvas, canvas + size);
        }
        clip.ok = clip.ok && clip.endTimes.size() == info.frame_count;
    }
    WebPAnimDecoderDelete(decoder);
    return clip;
}

bool readPng(const std::string& path, int& width, int& height, std::vector<unsigned char>& rgb) {
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return false;
    image.format = PNG_FORMAT_RGB;
    rgb.assign(PNG_IMAGE_SIZE(image), 0);
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    return true;
}

double meanDifference(const std::vector<unsigned char>& rgba,
                      const std::vector<unsigned char>& rgb) {
    const std::size_t pixels = rgb.size() / 3;
    if (pixels == 0 || rgba.size() != pixels * 4)
        return 1e9;
    double total = 0;
    for (std::size_t i = 0; i < pixels; ++i) {
        for (int c = 0; c < 3; ++c)
            total += std::abs(int(rgba[i * 4 + c]) - int(rgb[i * 3 + c]));
    }
    return total / static_cast<double>(pixels * 3);
}

}  // namespace tools_test

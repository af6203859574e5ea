// webp_clip.cpp -- animated WebP output for the record tool's clips.
#include "tools/webp_clip.h"

#include <webp/encode.h>
#include <webp/mux.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "tools/clip_pace.h"
#include "tools/clip_part_file.h"

namespace tools {

// Lossy pictures at this quality keep a match clip near 120 kilobytes a
// second at 640x480 while the players and lines stay clear.
static constexpr float kQuality = 75.0f;

struct WebpClip {
    std::string path;
    std::string temporary;
    FILE* file;
    WebPAnimEncoder* encoder;
    WebPConfig config;
    int width;
    int height;
    long long pictures;
};

int clipTimestamp(long long index) {
    return static_cast<int>(index * kClipPictureMilliseconds);
}

WebpClip* openWebpClip(const std::string& path, int width, int height, std::string& error) {
    WebPAnimEncoderOptions options;
    WebPConfig config;
    if (!WebPAnimEncoderOptionsInit(&options) || !WebPConfigInit(&config)) {
        error = "the WebP library does not match the one the program was built with";
        return nullptr;
    }
    config.quality = kQuality;
    config.method = 4;
    if (!WebPValidateConfig(&config)) {
        error = "the WebP encoder refuses its settings";
        return nullptr;
    }
    // No loop count: players loop the clip for ever.
    options.anim_params.loop_count = 0;
    const std::string temporary = path + ".part";
    FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        error = std::strerror(errno);
        return nullptr;
    }
    WebPAnimEncoder* encoder = WebPAnimEncoderNew(width, height, &options);
    if (encoder == nullptr) {
        std::fclose(file);
        std::remove(temporary.c_str());
        error = "cannot start a WebP animation of " + std::to_string(width) + "x" +
                std::to_string(height);
        return nullptr;
    }
    watchPartFile(temporary);
    return new WebpClip{path, temporary, file, encoder, config, width, height, 0};
}

bool addWebpFrame(WebpClip* clip, const std::vector<unsigned char>& rgb, std::string& error) {
    if (rgb.size() != static_cast<std::size_t>(clip->width) * clip->height * 3) {
        error = "picture size does not match the clip's";
        return false;
    }
    WebPPicture picture;
    if (!WebPPictureInit(&picture)) {
        error = "cannot prepare a WebP picture";
        return false;
    }
    picture.use_argb = 1;
    picture.width = clip->width;
    picture.height = clip->height;
    bool added = false;
    if (WebPPictureImportRGB(&picture, rgb.data(), clip->width * 3)) {
        added = WebPAnimEncoderAdd(clip->encoder, &picture, clipTimestamp(clip->pictures),
                                   &clip->config) != 0;
        if (!added)
            error =
                std::string("cannot encode a picture: ") + WebPAnimEncoderGetError(clip->encoder);
    } else {
        error = "out of memory for a WebP picture";
    }
    WebPPictureFree(&picture);
    if (added)
        clip->pictures += 1;
    return added;
}

// Writes the whole buffer and closes the file; false with the reason.
static bool writeAndClose(FILE* file, const WebPData& data, std::string& error) {
    const bool written = std::fwrite(data.bytes, 1, data.size, file) == data.size;
    const int writeErrno = errno;
    const bool flushed = std::fflush(file) == 0;
    const int flushErrno = errno;
    const bool closed = std::fclose(file) == 0;
    const int closeErrno = errno;
    if (!written || !flushed || !closed) {
        error = std::strerror(!written ? writeErrno : !flushed ? flushErrno : closeErrno);
        return false;
    }
    return true;
}

static void freeClip(WebpClip* clip) {
    unwatchPartFile();
    WebPAnimEncoderDelete(clip->encoder);
    delete clip;
}

bool finishWebpClip(WebpClip* clip, std::string& error) {
    WebPData data;
    WebPDataInit(&data);
    // The closing call gives the last picture its duration.
    const bool assembled =
        clip->pictures > 0 &&
        WebPAnimEncoderAdd(clip->encoder, nullptr, clipTimestamp(clip->pictures), nullptr) &&
        WebPAnimEncoderAssemble(clip->encoder, &data);
    if (!assembled) {
        error = clip->pictures == 0 ? "a clip needs at least one picture"
                                    : std::string("cannot assemble the animation: ") +
                                          WebPAnimEncoderGetError(clip->encoder);
        WebPDataClear(&data);
        abandonWebpClip(clip);
        return false;
    }
    const bool written = writeAndClose(clip->file, data, error);
    WebPDataClear(&data);
    bool done = written;
    if (written && std::rename(clip->temporary.c_str(), clip->path.c_str()) != 0) {
        error = std::strerror(errno);
        done = false;
    }
    if (!done)
        std::remove(clip->temporary.c_str());
    freeClip(clip);
    return done;
}

void abandonWebpClip(WebpClip* clip) {
    if (clip == nullptr)
        return;
    std::fclose(clip->file);
    std::remove(clip->temporary.c_str());
    freeClip(clip);
}

}  // namespace tools

// webp_clip.cpp -- animated WebP output for the record tool's clips.
#include "tools/webp_clip.h"

#include <webp/encode.h>
#include <webp/mux.h>

#include "common/replaced_file.h"
#include "tools/clip_pace.h"

namespace tools {

// Lossy pictures at this quality keep a match clip near 120 kilobytes a
// second at 640x480 while the players and lines stay clear.
static constexpr float kQuality = 75.0f;

struct WebpClip {
    common::ReplacedFile file;
    WebPAnimEncoder* encoder = nullptr;
    WebPConfig config;
    int width = 0;
    int height = 0;
    long long pictures = 0;

    ~WebpClip() { WebPAnimEncoderDelete(encoder); }  // an unfinished file is removed with it
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
    auto* clip = new WebpClip;
    clip->config = config;
    clip->width = width;
    clip->height = height;
    if (!clip->file.open(path, error)) {
        delete clip;
        return nullptr;
    }
    clip->encoder = WebPAnimEncoderNew(width, height, &options);
    if (clip->encoder == nullptr) {
        delete clip;
        error = "cannot start a WebP animation of " + std::to_string(width) + "x" +
                std::to_string(height);
        return nullptr;
    }
    return clip;
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
    const bool done = clip->file.write(data.bytes, data.size, error) && clip->file.commit(error);
    WebPDataClear(&data);
    delete clip;
    return done;
}

void abandonWebpClip(WebpClip* clip) {
    delete clip;  // null is ignored; the temporary file is removed with it
}

}  // namespace tools

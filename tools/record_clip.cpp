// record_clip.cpp -- the record tool's clip: a WebP animation or a video, chosen by name.
#include "tools/record_clip.h"

#include "tools/frame_sound.h"
#include "tools/video_clip.h"
#include "tools/webp_clip.h"

namespace tools {

// Exactly one of the two is in use.
struct RecordClip {
    WebpClip* webp = nullptr;
    VideoClip video;
};

RecordClip* openClip(const std::string& path, int width, int height, std::string& error) {
    auto* clip = new RecordClip;
    bool opened = false;
    if (VideoClip::writes(path)) {
        opened = clip->video.open(path, width, height, kClipPictureMilliseconds, kClipSampleRate);
        if (!opened)
            error = clip->video.error();
    } else {
        clip->webp = openWebpClip(path, width, height, error);
        opened = clip->webp != nullptr;
    }
    if (opened)
        return clip;
    delete clip;
    return nullptr;
}

bool clipHasSound(const RecordClip* clip) {
    return clip != nullptr && clip->webp == nullptr;
}

bool addClipFrame(RecordClip* clip, const std::vector<unsigned char>& rgb,
                  const std::vector<std::int16_t>& sound, std::string& error) {
    if (clip->webp != nullptr)
        return addWebpFrame(clip->webp, rgb, error);
    if (clip->video.addPicture(rgb) && clip->video.addSound(sound.data(), kSoundPerClipPicture))
        return true;
    error = clip->video.error();
    return false;
}

bool finishClip(RecordClip* clip, std::string& error) {
    bool done = true;
    if (clip->webp != nullptr) {
        done = finishWebpClip(clip->webp, error);
    } else if (!clip->video.finish()) {
        error = clip->video.error();
        done = false;
    }
    delete clip;
    return done;
}

void abandonClip(RecordClip* clip) {
    if (clip == nullptr)
        return;
    abandonWebpClip(clip->webp);
    delete clip;  // an unfinished video is abandoned with it
}

}  // namespace tools

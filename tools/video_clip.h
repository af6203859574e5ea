// video_clip.h -- an MP4 (H.264, AAC sound) or WebM (VP9, Opus sound) clip, written picture by
// picture with its sound through FFmpeg's libraries, whole or not at all.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tools {

// FFmpeg's side of a clip being written (video_clip.cpp).
struct VideoEncoding;

class VideoClip {
  public:
    VideoClip();
    // An unfinished clip is abandoned.
    ~VideoClip();
    VideoClip(const VideoClip&) = delete;
    VideoClip& operator=(const VideoClip&) = delete;

    // Whether `path` ends in an ending this class writes: ".mp4" or ".webm".
    static bool writes(const std::string& path);

    // Before the first frame is drawn: chooses the container and encoders by
    // the path's ending, starts them for width by height pictures, each shown
    // for `pictureMilliseconds`, and for stereo sound at `sampleRate`, and creates
    // "PATH.part" beside the clip, so that a place that cannot be written is
    // reported before any work. Both sides must be even: H.264 and VP9 store
    // colour at half the size each way, and a clip of another size would need
    // a picture that is not the program's, so odd sizes are refused. Until the
    // clip is finished or abandoned, an interrupt removes the temporary file
    // (common/replaced_file.h). False with the reason in error().
    bool open(const std::string& path, int width, int height, int pictureMilliseconds = 33,
              int sampleRate = 48000);

    // The next picture: width * height RGB bytes, top row first (as the
    // offscreen context reads them back), shown for one picture's time.
    bool addPicture(const std::vector<unsigned char>& rgb);

    // The next stretch of sound: `sampleFrames` frames of interleaved 16-bit
    // stereo at the open's sample rate. The sound is kept in step with the
    // pictures by its length alone: pictureMilliseconds of it a picture.
    bool addSound(const std::int16_t* interleavedStereo, int sampleFrames);

    // After the last picture and sound: empties the encoders, completes the
    // file and renames it into place. False with the reason, and no file left
    // behind. The clip is closed in every case.
    bool finish();

    // On a failure before the end: removes the temporary file, closes the clip.
    void abandon();

    // Why the last call failed, one line.
    const std::string& error() const { return error_; }

  private:
    bool closed();

    std::unique_ptr<VideoEncoding> encoding_;
    std::string error_;
};

}  // namespace tools

// record_clip.h -- the record tool's clip in whichever format its name asks for: an animated
// WebP (silent), or an MP4 or WebM video with sound.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tools {

// One clip being written, its writer chosen by the file's ending.
struct RecordClip;

// Before the first frame is drawn: starts the clip of width by height
// pictures (webp_clip.h, video_clip.h). Null with the reason in `error`.
RecordClip* openClip(const std::string& path, int width, int height, std::string& error);

// Whether the clip carries sound (a video does, a WebP animation does not).
bool clipHasSound(const RecordClip* clip);

// After each frame of the clip, in order: adds its picture (RGB, top row
// first) and, to a video, the frame's sound (frame_sound.h: 1,584 sample
// frames, 33 ms). False with the reason; the clip is then still to be abandoned.
bool addClipFrame(RecordClip* clip, const std::vector<unsigned char>& rgb,
                  const std::vector<std::int16_t>& sound, std::string& error);

// After the last frame: completes the file and puts it in place; frees the
// clip in every case. False with the reason, and no file left behind.
bool finishClip(RecordClip* clip, std::string& error);

// On a failure before the end: removes the temporary file, frees the clip.
// Null is ignored.
void abandonClip(RecordClip* clip);

}  // namespace tools

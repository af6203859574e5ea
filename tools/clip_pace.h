// clip_pace.h -- a clip's time base: one frame a picture, shown for 33 ms, the match's own pace.
#pragma once

namespace tools {

// The program paces a frame at 33 ms and its sound is 33 ms a frame (1,584
// sample frames at 48 kHz). A clip shows each frame for as long, 1000 / 33
// pictures a second: its pictures run at the match's pace, and its sound is
// the frames' own samples, the same bytes as football-trace --audio, with
// nothing resampled or stretched to fit another rate.
constexpr int kClipPictureMilliseconds = 33;

}  // namespace tools

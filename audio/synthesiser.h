// synthesiser.h -- the match's sound, made sample by sample from each frame's cues.
#pragma once

#include <cstdint>

#include "audio/crowd.h"
#include "audio/frame_cues.h"
#include "audio/kick.h"
#include "audio/output_stage.h"
#include "audio/rain_hiss.h"
#include "audio/sound_math.h"
#include "audio/whistle.h"

namespace audio {

// kSampleRate (48,000 a second) is in sound_math.h. A frame's sound offline:
// 33 ms, the designed pace of two frames every 66 ms (33 control blocks).
constexpr int kSamplesPerFrame = 1584;

// All of the sound's state in one plain value: copying it copies the sound,
// and two copies fed the same cues and calls give the same samples. Every
// member is four bytes wide, so the record has no padding and compares byte
// for byte.
struct Synthesiser {
    // The latest cues' lasting values, and the levels gliding towards them.
    float dangerGoal;
    float danger;
    float rainGoal;
    float rain;
    std::int32_t shotInFlight;
    std::int32_t celebrating;
    std::int32_t kickOffCued;  // the whistle cues as last seen: a call starts as its cue comes on
    std::int32_t finalCued;
    std::int32_t blockPosition;  // samples into the current control block
    std::int32_t nextKick;       // the kick voice the next kick takes
    Crowd crowd;                 // the supporters of both sides, the far murmur, a goal's roar
    Whistle whistle;
    Kick kicks[2];  // two, so a kick never cuts the last one off
    RainHiss rainHiss;
    OutputStage output;
};

// At program start: a quiet crowd, dry weather, no sounds under way, volume 100.
Synthesiser initialSynthesiser();

// Takes one frame's cues: levels to glide to (from the next control block on)
// and sounds to start (from the next sample). The whistles may be cued for one
// frame or held: a call is blown when its cue comes on. A pass and a shot in
// the same frame make one kick, the shot's. While `silent` holds, the sound
// fades out in 10 ms and then stands still, producing zeros, until a frame
// without it; sounds cued meanwhile start when it goes on.
void cueFrame(Synthesiser& synth, const FrameCues& cues);

// Renders the next `sampleFrames` samples (left, right, left, ...) into
// `interleavedStereo`. Any count, in any pieces: 1,584 at once or in pieces of
// any size give the same samples. A count of 0 or less writes nothing.
void synthesise(Synthesiser& synth, std::int16_t* interleavedStereo, int sampleFrames);

// The volume in percent, 0..100 (clamped): 0 mutes; 100, the start, is the
// designed level (about -20 dBFS over ordinary play). Changes glide in 20 ms.
void setVolume(Synthesiser& synth, int percent);

}  // namespace audio

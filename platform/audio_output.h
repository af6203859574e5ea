// audio_output.h -- the default sound device: 48,000 samples a second, 16-bit stereo, pulled
// through a callback on the device's own clock.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// A sound device opened for playing; each backend defines the record.
struct AudioOutput;

// The format every backend plays: the device (or the system's mixer) converts
// when its own differs.
constexpr int kAudioSampleRate = 48000;
constexpr int kAudioChannels = 2;

// Fills `sampleFrames` frames of interleaved stereo (left, right, left, ...)
// at `samples`. Called on the device's clock, as often and with as many
// frames as the device wants: on SDL and Win32 from a thread of the backend,
// in the browser from its event loop (the page's one thread), always with
// the device's lock held.
using AudioFill = void (*)(std::int16_t* samples, int sampleFrames, void* data);

// Called by the program's sound when the match starts to play: opens the
// system's default sound device and starts pulling samples through `fill`.
// Null when there is no device or it refuses (`error` says why in one line):
// no error for the program, which then plays in silence. A backend writes
// nothing on standard error itself. In the browser the device is held back
// until the page's first key, click or touch (the page says so meanwhile),
// and `fill` is called only from then on.
AudioOutput* openAudioOutput(AudioFill fill, void* data, std::string& error);

// Around every change to what `fill` reads, from any other thread: `fill` is
// not running while the lock is held. Keep it held for microseconds only.
void lockAudioOutput(AudioOutput* output);
void unlockAudioOutput(AudioOutput* output);

// Stops the device and frees it; `fill` is not called after this returns.
// Null is allowed and does nothing.
void closeAudioOutput(AudioOutput* output);

}  // namespace platform

// game_sound.h -- the game's sound: the synthesiser on the sound device, fed each frame's cues,
// and its controls (M, --mute, --volume, a screen saver's silence).
#pragma once

#include "audio/frame_cues.h"
#include "frame/world.h"

namespace app {

// What the command line (or the Windows screen saver's settings) asks of the sound.
struct SoundChoice {
    bool play = true;    // false: the device is never opened (a screen saver without --sound)
    bool muted = false;  // --mute: silent until M
    int volume = 100;    // --volume, 0..100
};

// Called by the entry before the game or the screen saver runs.
void chooseGameSound(const SoundChoice& choice);

// The sound device for the main loop's life: made when the loop starts (the
// window exists, no question waits), closed when it ends. Without a device
// the match plays in silence, and one line on standard error says why.
class GameSoundDevice {
  public:
    GameSoundDevice();
    ~GameSoundDevice();
    // Closes the device before its time: the sound stops with the window,
    // whatever the run still waits for.
    void close();
    GameSoundDevice(const GameSoundDevice&) = delete;
    GameSoundDevice& operator=(const GameSoundDevice&) = delete;
};

// Every live frame, right after its state step (the window's frame host):
// the synthesiser takes the frame's cues.
void cueGameSound(const audio::FrameCues& cues);

// The main loop, while the window is minimised and no frame runs: the match
// stands still, and so does its sound, until the next frame's cues.
void holdGameSound();

// Every live frame, with the world the frame drew: M mutes or unmutes, once
// per key-down, and the notice line names the new state for two
// seconds.
void muteOnKeyDown(frame::World& world);

}  // namespace app

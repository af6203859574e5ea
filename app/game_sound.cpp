// game_sound.cpp -- the game's synthesiser, played by the sound device's thread and cued by the
// frames on the main thread, with the device's lock between them.
#include "app/game_sound.h"

#include <cstdio>
#include <string>

#include "audio/synthesiser.h"
#include "frame/key_guide.h"
#include "frame/notice_line.h"
#include "frame/sound_cues.h"
#include "platform/audio_output.h"
#include "platform/time.h"

namespace app {

// The game's sound: one process-wide record, alive for the whole run. The
// synthesiser is shared with the device's thread: every change to it is made
// with the device locked. The rest belongs to the main thread.
struct GameSound {
    SoundChoice choice;
    audio::Synthesiser synth;
    platform::AudioOutput* output;  // null without a device, or before and after the main loop
    std::string missing;            // why there is no device, once opening failed
    bool muted;
    bool muteKeyWasDown;
    audio::FrameCues lastCues;  // the latest frame's, held while no frame runs
};

static GameSound gameSound = {SoundChoice{}, audio::initialSynthesiser(), nullptr, "", false,
                              false,         audio::FrameCues{}};

// The device's callback, on its thread, with its lock held.
static void fillFromSynthesiser(std::int16_t* samples, int sampleFrames, void*) {
    audio::synthesise(gameSound.synth, samples, sampleFrames);
}

// Holds the device's lock for as long as it lives; nothing without a device,
// when no other thread reads the synthesiser.
class DeviceLock {
  public:
    DeviceLock() : output_(gameSound.output) {
        if (output_ != nullptr)
            platform::lockAudioOutput(output_);
    }
    ~DeviceLock() {
        if (output_ != nullptr)
            platform::unlockAudioOutput(output_);
    }
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;

  private:
    platform::AudioOutput* output_;
};

static void applyVolume() {
    const DeviceLock lock;
    audio::setVolume(gameSound.synth, gameSound.muted ? 0 : gameSound.choice.volume);
}

void chooseGameSound(const SoundChoice& choice) {
    gameSound.choice = choice;
    gameSound.muted = choice.muted;
}

// The volume glides to a new value in 20 ms, from the start's 100 too: the
// samples of that glide go nowhere, so that a muted or quieter start is so
// from its first sample.
static void settleStartVolume() {
    if (!gameSound.muted && gameSound.choice.volume == 100)
        return;
    std::int16_t discarded[1024 * 2];
    audio::synthesise(gameSound.synth, discarded, 1024);
}

GameSoundDevice::GameSoundDevice() {
    if (!gameSound.choice.play || gameSound.output != nullptr)
        return;
    // Before the device's thread first reads the synthesiser.
    applyVolume();
    settleStartVolume();
    std::string error;
    gameSound.output = platform::openAudioOutput(fillFromSynthesiser, nullptr, error);
    if (gameSound.output == nullptr) {
        gameSound.missing = error;
        std::fprintf(stderr, "football: no sound: %s\n", error.c_str());
    }
}

GameSoundDevice::~GameSoundDevice() {
    close();
}

void GameSoundDevice::close() {
    platform::closeAudioOutput(gameSound.output);
    gameSound.output = nullptr;
}

void cueGameSound(const audio::FrameCues& cues) {
    gameSound.lastCues = cues;
    const DeviceLock lock;
    audio::cueFrame(gameSound.synth, cues);
}

void holdGameSound() {
    cueGameSound(frame::heldCues(gameSound.lastCues));
}

void muteOnKeyDown(frame::World& world) {
    const bool down = world.keys.held[frame::kKeySound];
    const bool pressed = down && !gameSound.muteKeyWasDown;
    gameSound.muteKeyWasDown = down;
    if (!pressed)
        return;
    gameSound.muted = !gameSound.muted;
    applyVolume();
    std::string line = gameSound.muted ? "Sound off" : "Sound on";
    if (gameSound.output == nullptr)
        line = gameSound.missing.empty() ? "No sound" : "No sound: " + gameSound.missing;
    frame::showNoticeLine(world.notice, line.c_str(), false, platform::getTickCount());
}

}  // namespace app

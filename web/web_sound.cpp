// web_sound.cpp -- the page's synthesiser: cued by the frames and played by Web Audio, both on
// the page's one thread, so no lock is needed between them.
#include "web/web_sound.h"

#include <string>

#include "audio/synthesiser.h"
#include "frame/notice_line.h"
#include "frame/sound_cues.h"
#include "platform/audio_output.h"
#include "platform/time.h"

namespace web {

// The page's sound, alive for the whole page.
struct PageSound {
    audio::Synthesiser synth;
    platform::AudioOutput* output;  // null when the page cannot play sound
    std::string missing;            // why, then
    bool muted;
    int volume;
    audio::FrameCues lastCues;  // the latest frame's, held while no frame runs
};

static PageSound sound = {};

static void fillFromSynthesiser(std::int16_t* samples, int sampleFrames, void*) {
    audio::synthesise(sound.synth, samples, sampleFrames);
}

void startPageSound(bool muted, int volume) {
    sound.synth = audio::initialSynthesiser();
    sound.muted = muted;
    sound.volume = volume;
    audio::setVolume(sound.synth, muted ? 0 : volume);
    // The volume glides there in 20 ms, from the start's 100 too: those
    // samples go nowhere, so that a muted start is silent from its first sample.
    if (muted || volume != 100) {
        std::int16_t discarded[1024 * 2];
        audio::synthesise(sound.synth, discarded, 1024);
    }
    sound.output = platform::openAudioOutput(fillFromSynthesiser, nullptr, sound.missing);
}

void cuePageSound(const audio::FrameCues& cues) {
    sound.lastCues = cues;
    audio::cueFrame(sound.synth, cues);
}

void holdPageSound() {
    cuePageSound(frame::heldCues(sound.lastCues));
}

void toggleSoundMute(frame::World& world) {
    sound.muted = !sound.muted;
    audio::setVolume(sound.synth, sound.muted ? 0 : sound.volume);
    const std::string line = sound.output == nullptr ? "No sound: " + sound.missing
                             : sound.muted           ? "Sound off"
                                                     : "Sound on";
    frame::showNoticeLine(world.notice, line.c_str(), false, platform::getTickCount());
}

}  // namespace web

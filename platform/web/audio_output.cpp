// web/audio_output.cpp -- the sound device in the browser: the program's side of Web Audio
// (audio_output.js), which asks for samples on the page's one thread.
#include "platform/audio_output.h"

#include <emscripten.h>

#include <vector>

extern "C" {
void football_audio_open();
void football_audio_close();
}

namespace platform {

struct AudioOutput {
    AudioFill fill;
    void* data;
    std::vector<std::int16_t> samples;  // the latest samples asked for, read by the script
};

// The one device the page's script pulls from.
static AudioOutput* pageOutput = nullptr;

}  // namespace platform

// Called by audio_output.js whenever Web Audio wants `frames` more frames:
// where they are in the program's memory, interleaved.
extern "C" EMSCRIPTEN_KEEPALIVE std::int16_t* football_audio_fill(int frames) {
    platform::AudioOutput* output = platform::pageOutput;
    if (output == nullptr || frames <= 0)
        return nullptr;
    output->samples.assign(static_cast<std::size_t>(frames) * platform::kAudioChannels, 0);
    output->fill(output->samples.data(), frames, output->data);
    return output->samples.data();
}

namespace platform {

AudioOutput* openAudioOutput(AudioFill fill, void* data, std::string& error) {
    if (pageOutput != nullptr) {
        error = "the page's sound is open already";
        return nullptr;
    }
    pageOutput = new AudioOutput{fill, data, {}};
    football_audio_open();
    return pageOutput;
}

// The script calls fill on the page's own thread, never during other code.
void lockAudioOutput(AudioOutput*) {}
void unlockAudioOutput(AudioOutput*) {}

void closeAudioOutput(AudioOutput* output) {
    if (output == nullptr)
        return;
    football_audio_close();
    pageOutput = nullptr;
    delete output;
}

}  // namespace platform

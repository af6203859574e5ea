// sdl/audio_output.cpp -- the sound device on SDL2's audio subsystem, with a callback on SDL's
// audio thread.
#include "platform/audio_output.h"

#include <SDL.h>
#include <dlfcn.h>

namespace platform {

struct AudioOutput {
    SDL_AudioDeviceID device;
    AudioFill fill;
    void* data;
};

// 1,024 frames are 21 ms: SDL keeps about two such buffers on their way, so
// the sound follows its cues by some 45 ms, well within a frame or two.
constexpr Uint16 kBufferFrames = 1024;

static void onAudio(void* userData, Uint8* stream, int length) {
    const auto* output = static_cast<const AudioOutput*>(userData);
    constexpr int kFrameBytes = kAudioChannels * static_cast<int>(sizeof(std::int16_t));
    output->fill(reinterpret_cast<std::int16_t*>(stream), length / kFrameBytes, output->data);
}

// ALSA's library reports a missing card with a dozen lines of its own on
// standard error; the program says it in one. Nothing is done when SDL has not
// loaded ALSA.
static void quietAlsaHandler(const char*, int, const char*, int, const char*, ...) {}

static void quietAlsa() {
    void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (alsa == nullptr)
        return;
    using SetHandler = int (*)(void (*)(const char*, int, const char*, int, const char*, ...));
    if (auto setHandler = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler")))
        setHandler(quietAlsaHandler);
    dlclose(alsa);  // SDL keeps it loaded
}

AudioOutput* openAudioOutput(AudioFill fill, void* data, std::string& error) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        error = SDL_GetError();
        return nullptr;
    }
    quietAlsa();
    auto* output = new AudioOutput{0, fill, data};
    SDL_AudioSpec wanted = {};
    wanted.freq = kAudioSampleRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = kAudioChannels;
    wanted.samples = kBufferFrames;
    wanted.callback = onAudio;
    wanted.userdata = output;
    SDL_AudioSpec obtained = {};
    // No changes allowed: SDL converts to whatever the device plays.
    output->device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (output->device == 0) {
        error = SDL_GetError();
        delete output;
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    SDL_PauseAudioDevice(output->device, 0);
    return output;
}

void lockAudioOutput(AudioOutput* output) {
    SDL_LockAudioDevice(output->device);
}

void unlockAudioOutput(AudioOutput* output) {
    SDL_UnlockAudioDevice(output->device);
}

void closeAudioOutput(AudioOutput* output) {
    if (output == nullptr)
        return;
    SDL_CloseAudioDevice(output->device);  // waits for the callback to return
    delete output;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace platform

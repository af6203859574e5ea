// win32/audio_output.cpp -- the sound device on waveOut: three buffers kept queued by a thread
// of its own that refills each one as the device finishes it.
#include "platform/win32/system.h"
// After windows.h, whose types it uses.
#include <mmsystem.h>

#include "platform/audio_output.h"

namespace platform {

// Three buffers of 1,024 frames (21 ms each): at most 64 ms of sound is
// queued ahead of the device, and two buffers still play while the third is
// refilled.
constexpr int kBuffers = 3;
constexpr int kBufferFrames = 1024;

struct AudioOutput {
    HWAVEOUT device;
    HANDLE bufferDone;  // auto-reset: the device finished a buffer (or opened, or was reset)
    HANDLE feeder;      // the thread that refills the buffers
    CRITICAL_SECTION lock;
    volatile LONG stopping;
    AudioFill fill;
    void* data;
    WAVEHDR headers[kBuffers];
    std::int16_t samples[kBuffers][kBufferFrames * kAudioChannels];
};

static void fillAndQueue(AudioOutput& output, WAVEHDR& header) {
    EnterCriticalSection(&output.lock);
    output.fill(reinterpret_cast<std::int16_t*>(header.lpData), kBufferFrames, output.data);
    LeaveCriticalSection(&output.lock);
    waveOutWrite(output.device, &header, sizeof header);
}

// The device signals the event whenever it finishes a buffer; waveOutWrite
// must not be called from the device's own callback, hence this thread.
static DWORD WINAPI feedDevice(LPVOID parameter) {
    AudioOutput& output = *static_cast<AudioOutput*>(parameter);
    for (;;) {
        WaitForSingleObject(output.bufferDone, INFINITE);
        if (InterlockedCompareExchange(&output.stopping, 0, 0) != 0)
            return 0;
        for (WAVEHDR& header : output.headers) {
            if ((header.dwFlags & WHDR_DONE) != 0)
                fillAndQueue(output, header);
        }
    }
}

static std::string deviceError(MMRESULT result) {
    char text[MAXERRORLENGTH] = "";
    waveOutGetErrorTextA(result, text, sizeof text);
    return std::string("waveOut: ") + text + " (error " + std::to_string(result) + ")";
}

AudioOutput* openAudioOutput(AudioFill fill, void* data, std::string& error) {
    auto* output = new AudioOutput{};
    output->fill = fill;
    output->data = data;
    output->bufferDone = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    WAVEFORMATEX format = {};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = kAudioChannels;
    format.nSamplesPerSec = kAudioSampleRate;
    format.wBitsPerSample = 16;
    format.nBlockAlign = kAudioChannels * sizeof(std::int16_t);
    format.nAvgBytesPerSec = kAudioSampleRate * format.nBlockAlign;
    const MMRESULT opened =
        output->bufferDone == nullptr
            ? MMSYSERR_NOMEM
            : waveOutOpen(&output->device, WAVE_MAPPER, &format,
                          reinterpret_cast<DWORD_PTR>(output->bufferDone), 0, CALLBACK_EVENT);
    if (opened != MMSYSERR_NOERROR) {
        error = deviceError(opened);
        if (output->bufferDone != nullptr)
            CloseHandle(output->bufferDone);
        delete output;
        return nullptr;
    }
    InitializeCriticalSection(&output->lock);
    for (int i = 0; i < kBuffers; ++i) {
        WAVEHDR& header = output->headers[i];
        header.lpData = reinterpret_cast<LPSTR>(output->samples[i]);
        header.dwBufferLength = sizeof output->samples[i];
        waveOutPrepareHeader(output->device, &header, sizeof header);
        fillAndQueue(*output, header);
    }
    output->feeder = CreateThread(nullptr, 0, feedDevice, output, 0, nullptr);
    if (output->feeder == nullptr) {
        error = "cannot start the sound's thread (error " + std::to_string(GetLastError()) + ")";
        closeAudioOutput(output);
        return nullptr;
    }
    // Late buffers are heard as clicks; the thread's work is a millisecond or so.
    SetThreadPriority(output->feeder, THREAD_PRIORITY_HIGHEST);
    return output;
}

void lockAudioOutput(AudioOutput* output) {
    EnterCriticalSection(&output->lock);
}

void unlockAudioOutput(AudioOutput* output) {
    LeaveCriticalSection(&output->lock);
}

void closeAudioOutput(AudioOutput* output) {
    if (output == nullptr)
        return;
    if (output->feeder != nullptr) {
        InterlockedExchange(&output->stopping, 1);
        SetEvent(output->bufferDone);
        WaitForSingleObject(output->feeder, INFINITE);
        CloseHandle(output->feeder);
    }
    waveOutReset(output->device);  // every buffer comes back, marked done
    for (WAVEHDR& header : output->headers)
        waveOutUnprepareHeader(output->device, &header, sizeof header);
    waveOutClose(output->device);
    DeleteCriticalSection(&output->lock);
    CloseHandle(output->bufferDone);
    delete output;
}

}  // namespace platform

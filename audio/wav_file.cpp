// wav_file.cpp -- the RIFF/WAVE container: a 44-byte header, then little-endian 16-bit samples.
#include "audio/wav_file.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "audio/sound_math.h"

namespace audio {

namespace {

constexpr std::uint32_t kChannels = 2;
constexpr std::uint32_t kBytesPerFrame = kChannels * 2;
constexpr std::uint32_t kHeaderBytes = 44;
// The RIFF size (everything after its first 8 bytes) must fit 32 bits.
constexpr std::uint32_t kMostSampleFrames = (0xFFFFFFFFu - (kHeaderBytes - 8)) / kBytesPerFrame;

void putLittleEndian(unsigned char* out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out[i] = static_cast<unsigned char>(value >> (8 * i));
}

// The header for `frames` sample frames: RIFF, the format chunk (PCM), the data chunk.
void makeHeader(unsigned char* header, std::uint32_t frames) {
    const std::uint32_t dataBytes = frames * kBytesPerFrame;
    std::memcpy(header, "RIFF", 4);
    putLittleEndian(header + 4, kHeaderBytes - 8 + dataBytes, 4);
    std::memcpy(header + 8, "WAVEfmt ", 8);
    putLittleEndian(header + 16, 16, 4);  // the format chunk's size
    putLittleEndian(header + 20, 1, 2);   // PCM
    putLittleEndian(header + 22, kChannels, 2);
    putLittleEndian(header + 24, kSampleRate, 4);
    putLittleEndian(header + 28, kSampleRate * kBytesPerFrame, 4);  // bytes a second
    putLittleEndian(header + 32, kBytesPerFrame, 2);                // one frame's bytes
    putLittleEndian(header + 34, 16, 2);                            // bits a sample
    std::memcpy(header + 36, "data", 4);
    putLittleEndian(header + 40, dataBytes, 4);
}

}  // namespace

bool WavWriter::open(const std::string& path, std::string& error) {
    path_ = path;
    sampleFrames_ = 0;
    std::string reason;
    if (!file_.open(path, reason)) {
        error = "cannot create " + common::temporaryPathOf(path) + ": " + reason;
        return false;
    }
    unsigned char header[kHeaderBytes];
    makeHeader(header, 0);
    if (!file_.write(header, kHeaderBytes, reason)) {
        error = "cannot write " + common::temporaryPathOf(path) + ": " + reason;
        return false;
    }
    return true;
}

bool WavWriter::append(const std::int16_t* interleavedStereo, int sampleFrames,
                       std::string& error) {
    if (file_.stream() == nullptr) {
        error = "the WAV file is not open";
        return false;
    }
    if (sampleFrames <= 0)
        return true;
    if (static_cast<std::uint32_t>(sampleFrames) > kMostSampleFrames - sampleFrames_) {
        error = "the sound is longer than a WAV file can hold (4 GiB): " + path_ + " not written";
        file_.abandon();
        return false;
    }
    // Little-endian whatever the machine.
    std::vector<unsigned char> bytes(static_cast<std::size_t>(sampleFrames) * kBytesPerFrame);
    for (std::size_t i = 0; i < bytes.size() / 2; ++i)
        putLittleEndian(&bytes[2 * i], static_cast<std::uint16_t>(interleavedStereo[i]), 2);
    std::string reason;
    if (!file_.write(bytes.data(), bytes.size(), reason)) {
        error = "cannot write " + common::temporaryPathOf(path_) + ": " + reason;
        return false;
    }
    sampleFrames_ += static_cast<std::uint32_t>(sampleFrames);
    return true;
}

bool WavWriter::finish(std::string& error) {
    if (file_.stream() == nullptr) {
        error = "the WAV file is not open";
        return false;
    }
    unsigned char header[kHeaderBytes];
    makeHeader(header, sampleFrames_);
    std::string reason = "cannot go back to the header";
    if (std::fseek(file_.stream(), 0, SEEK_SET) != 0 ||
        !file_.write(header, kHeaderBytes, reason) || !file_.commit(reason)) {
        file_.abandon();
        error = "cannot write " + common::temporaryPathOf(path_) + ": " + reason;
        return false;
    }
    return true;
}

}  // namespace audio

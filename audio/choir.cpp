// choir.cpp -- a group's voices: one buzz of many pitches through one vowel.
#include "audio/choir.h"

#include "audio/sound_math.h"

namespace audio {

namespace {

constexpr float kFormantRate = glideRate(0.02f);
constexpr float kScale = 0.35f;  // eight voices summed, about one talker's level each
constexpr float kDrift = 0.04f;  // a voice's pitch offset wanders this much a control block

}  // namespace

Choir initialChoir(std::uint32_t seed, float pan, float pitch) {
    Choir choir{};
    choir.noise = seed;
    choir.size = 1.05f;
    choir.pitch = choir.pitchGoal = pitch;
    choir.pitchRate = glideRate(0.05f);
    choir.levelRate = glideRate(0.05f);
    for (int i = 0; i < kChoirVoices; ++i) {
        choir.offsets[i] = -1.0f + 2.0f * (static_cast<float>(i) + 0.5f) / kChoirVoices;
        choir.voices[i] = initialGlottalSource(nextNoise(choir.noise), pitch);
    }
    choir.formants = initialFormants(kVowelA, choir.size);
    const PanGains gains = panGains(pan);
    choir.left = gains.left;
    choir.right = gains.right;
    return choir;
}

void steerChoir(Choir& choir) {
    glide(choir.envelope, choir.level, choir.levelRate);
    rampGain(choir.gain, choir.gainStep, choir.envelope * kScale);
    if (choir.gain == 0.0f && choir.gainStep == 0.0f)
        return;
    glide(choir.pitch, choir.pitchGoal, choir.pitchRate);
    // One voice a block wanders: over a second every voice has moved a little.
    const int wanderer = pick(choir.noise, kChoirVoices);
    float& offset = choir.offsets[wanderer];
    offset += kDrift * noiseSample(choir.noise);
    offset = offset > 1.0f ? 1.0f : (offset < -1.0f ? -1.0f : offset);
    for (int i = 0; i < kChoirVoices; ++i)
        setPitch(choir.voices[i], choir.pitch * (1.0f + choir.spread * choir.offsets[i]));
    steerFormants(choir.formants, kFormantRate);
}

void renderChoir(Choir& choir, float* left, float* right, int count) {
    if (choir.gain == 0.0f && choir.gainStep == 0.0f)
        return;
    float gain = choir.gain;
    for (int i = 0; i < count; ++i) {
        float buzz = choir.breath * noiseSample(choir.noise);
        for (GlottalSource& voice : choir.voices)
            buzz += glottalPulse(voice, choir.jitter);
        const float sound = shapeVowel(choir.formants, buzz) * gain;
        left[i] += sound * choir.left;
        right[i] += sound * choir.right;
        gain += choir.gainStep;
    }
    choir.gain = gain;
}

}  // namespace audio

// talker.cpp -- speech as a crowd hears it from afar: voiced syllables, gaps, pauses between
// phrases.
#include "audio/talker.h"

#include "audio/sound_math.h"

namespace audio {

namespace {

constexpr float kJitter = 0.012f;
constexpr float kAttackRate = glideRate(0.012f);
constexpr float kReleaseRate = glideRate(0.025f);
constexpr float kPitchRate = glideRate(0.04f);
constexpr float kFormantRate = glideRate(0.03f);
constexpr float kAirRate = lowPassRate(3000.0f);
constexpr Vowel kShoutVowels[] = {kVowelE, kVowelO, kVowelA, kVowelAe};

void startPhrase(Talker& talker) {
    talker.syllables = 3 + pick(talker.noise, 10);
    talker.pitch = talker.base * between(talker.noise, 0.93f, 1.07f);
    talker.intonation = between(talker.noise, 1.04f, 1.14f);
}

void startSyllable(Talker& talker) {
    --talker.syllables;
    talker.voiced = 1;
    talker.blocks = 90 + pick(talker.noise, 140);
    talker.level = between(talker.noise, 0.55f, 1.0f);
    talker.pitchGoal = talker.pitch * talker.intonation * between(talker.noise, 0.9f, 1.12f);
    talker.intonation *= 0.97f;
    aimFormants(talker.formants, static_cast<Vowel>(pick(talker.noise, kVowelCount)), talker.size);
}

}  // namespace

Talker initialTalker(std::uint32_t seed, float pan, float pitch) {
    Talker talker{};
    talker.noise = seed;
    talker.base = talker.pitch = talker.pitchGoal = pitch;
    // Higher voices come from smaller mouths: formants up to 20 % higher.
    talker.size = 1.0f + 0.2f * (pitch - 90.0f) / 210.0f;
    talker.source = initialGlottalSource(seed ^ 0x5BD1E995u, pitch);
    talker.formants = initialFormants(kVowelUh, talker.size);
    const PanGains gains = panGains(pan);
    talker.left = gains.left;
    talker.right = gains.right;
    talker.blocks = 1 + pick(talker.noise, 1500);  // people start talking at different times
    return talker;
}

void shout(Talker& talker, float strength) {
    if (talker.shouting > 0)
        return;
    talker.shouting = 350 + pick(talker.noise, 450);
    talker.shoutTurn = talker.shouting * 3 / 5;
    talker.voiced = 1;
    talker.level = strength;
    talker.pitchGoal = talker.pitch * between(talker.noise, 1.5f, 1.8f);
    aimFormants(talker.formants, kShoutVowels[pick(talker.noise, 4)], talker.size);
}

void steerTalker(Talker& talker, float loudness) {
    if (talker.shouting > 0) {
        if (--talker.shouting == talker.shoutTurn)
            talker.pitchGoal *= 0.78f;
        if (talker.shouting == 0) {
            talker.voiced = 0;
            talker.level = 0.0f;
            talker.blocks = 300 + pick(talker.noise, 900);
            talker.syllables = 0;
        }
    } else if (--talker.blocks <= 0) {
        if (talker.voiced != 0) {
            // A short gap between syllables; a pause after the phrase's last.
            talker.voiced = 0;
            talker.level = 0.0f;
            talker.blocks =
                talker.syllables > 0 ? 25 + pick(talker.noise, 50) : 300 + pick(talker.noise, 1900);
        } else {
            if (talker.syllables == 0)
                startPhrase(talker);
            startSyllable(talker);
        }
    }
    glide(talker.envelope, talker.level,
          talker.level > talker.envelope ? kAttackRate : kReleaseRate);
    if (talker.source.hertz != talker.pitchGoal) {
        float hertz = talker.source.hertz;
        glide(hertz, talker.pitchGoal, kPitchRate);
        setPitch(talker.source, hertz);
    }
    steerFormants(talker.formants, kFormantRate);
    rampGain(talker.gain, talker.gainStep, talker.envelope * loudness);
}

void renderTalker(Talker& talker, float* left, float* right, int count) {
    if (talker.gain == 0.0f && talker.gainStep == 0.0f)
        return;
    float gain = talker.gain;
    for (int i = 0; i < count; ++i) {
        const float voice = shapeVowel(talker.formants, glottalPulse(talker.source, kJitter));
        talker.air += (voice - talker.air) * kAirRate;
        left[i] += talker.air * gain * talker.left;
        right[i] += talker.air * gain * talker.right;
        gain += talker.gainStep;
    }
    talker.gain = gain;
}

}  // namespace audio

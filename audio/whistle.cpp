// whistle.cpp -- the pea whistle: a 3.1 kHz tone the pea rattles 34 times a second.
#include "audio/whistle.h"

#include "audio/sound_math.h"

namespace audio {

namespace {

struct Blast {
    int start;  // samples from the call's beginning
    int end;
};

// Kick-off: one firm blast. Final: a long one and two short ones.
constexpr Blast kKickOffBlasts[] = {{0, 26400}};
constexpr Blast kFinalBlasts[] = {{0, 60000}, {74400, 87840}, {99360, 112800}};

struct CallBlasts {
    const Blast* blasts;
    int count;
};

constexpr CallBlasts kCalls[] = {{kKickOffBlasts, 1}, {kFinalBlasts, 3}};

constexpr float kLevel = 0.4f;
constexpr float kAttackStep = 1.0f / 384.0f;    // 8 ms
constexpr float kReleaseStep = 1.0f / 1200.0f;  // 25 ms
constexpr float kPitchHertz = 3100.0f;
constexpr float kTrillHertz = 34.0f;
constexpr float kTrillDepthHertz = 260.0f;  // the pitch swings this far either way
constexpr float kBreathRate = lowPassRate(2500.0f);

bool blowing(const CallBlasts& call, int position) {
    for (int i = 0; i < call.count; ++i) {
        if (position >= call.blasts[i].start && position < call.blasts[i].end)
            return true;
    }
    return false;
}

}  // namespace

Whistle initialWhistle() {
    Whistle whistle{};
    whistle.call = kNoWhistle;
    whistle.breathNoise = 0x68E31DA4u;
    return whistle;
}

void blowWhistle(Whistle& whistle, WhistleCall call) {
    if (whistle.call == kNoWhistle) {
        whistle.phase = 0;  // a blast still sounding keeps its phase: no click
        whistle.trillPhase = 0;
    }
    whistle.call = call;
    whistle.position = 0;
}

void renderWhistle(Whistle& whistle, float* left, float* right, int count) {
    if (whistle.call == kNoWhistle)
        return;
    const CallBlasts& call = kCalls[whistle.call];
    const std::uint32_t pitchStep = phaseStep(kPitchHertz);
    const std::uint32_t trillStep = phaseStep(kTrillHertz);
    const float depthSteps = static_cast<float>(phaseStep(kTrillDepthHertz));
    const int lastEnd = call.blasts[call.count - 1].end;
    for (int i = 0; i < count; ++i) {
        if (blowing(call, whistle.position)) {
            whistle.level += kAttackStep;
            if (whistle.level > 1.0f)
                whistle.level = 1.0f;
        } else {
            whistle.level -= kReleaseStep;
            if (whistle.level <= 0.0f) {
                whistle.level = 0.0f;
                if (whistle.position >= lastEnd) {
                    whistle.call = kNoWhistle;  // the call is over, to the sample
                    return;
                }
            }
        }
        ++whistle.position;
        const float trill = sine(whistle.trillPhase);
        whistle.trillPhase += trillStep;
        whistle.phase +=
            pitchStep + static_cast<std::uint32_t>(static_cast<std::int32_t>(trill * depthSteps));
        // A little of the octave above, and the breath's hiss through the pea's chamber.
        const float tone = sine(whistle.phase) + 0.15f * sine(whistle.phase * 2u);
        const float breath = noiseSample(whistle.breathNoise);
        whistle.breathLowCut += (breath - whistle.breathLowCut) * kBreathRate;
        const float sound =
            tone * (0.75f + 0.25f * trill) + 0.06f * (breath - whistle.breathLowCut);
        const float sample = sound * whistle.level * kLevel;
        left[i] += sample;
        right[i] += sample;
    }
}

}  // namespace audio

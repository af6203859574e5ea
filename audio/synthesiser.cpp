// synthesiser.cpp -- cues into targets and sounds; control blocks; the mix of the voices.
#include "audio/synthesiser.h"

#include <algorithm>
#include <type_traits>

namespace audio {

// Four-byte members only, so no padding: copies compare byte for byte.
static_assert(std::is_trivially_copyable_v<Synthesiser> && alignof(Synthesiser) == 4);

namespace {

constexpr float kDangerRate = glideRate(0.6f);
constexpr float kShotDangerRate = glideRate(0.15f);  // a shot on its way lifts the crowd quickly
constexpr float kRainRate = glideRate(1.0f);

float panRange(float value) {
    return value > -1.0f ? (value < 1.0f ? value : 1.0f) : (value <= -1.0f ? -1.0f : 0.0f);
}

// Once a control block: the glides, then every voice's levels.
void steer(Synthesiser& synth) {
    glide(synth.danger, synth.dangerGoal, synth.shotInFlight != 0 ? kShotDangerRate : kDangerRate);
    glide(synth.rain, synth.rainGoal, kRainRate);
    steerCrowd(synth.crowd, synth.danger, synth.rain, synth.celebrating != 0);
    steerRainHiss(synth.rainHiss, synth.rain);
}

}  // namespace

Synthesiser initialSynthesiser() {
    Synthesiser synth{};
    synth.crowd = initialCrowd();
    synth.whistle = initialWhistle();
    synth.kicks[0] = initialKick(0x4CF5AD43u);
    synth.kicks[1] = initialKick(0x2545F491u);
    synth.rainHiss = initialRainHiss();
    synth.output = initialOutputStage();
    return synth;
}

void cueFrame(Synthesiser& synth, const FrameCues& cues) {
    synth.dangerGoal = unitRange(cues.danger);
    synth.rainGoal = unitRange(cues.rain);
    synth.shotInFlight = cues.shotInFlight ? 1 : 0;
    synth.celebrating = cues.celebrating ? 1 : 0;
    if (cues.ballTeam == 1 || cues.ballTeam == 2)
        synth.crowd.ballTeam = cues.ballTeam;
    if (cues.shot)
        crowdSeesShot(synth.crowd, cues.shootingTeam, cues.shotOnTarget);
    if (cues.save || cues.shotWide)
        crowdSeesMiss(synth.crowd, cues.shotWide);
    if (cues.goal)
        crowdSeesGoal(synth.crowd, cues.scoringTeam);
    if (cues.pass || cues.shot) {
        startKick(synth.kicks[synth.nextKick], cues.shot, panRange(cues.ballPan));
        synth.nextKick = 1 - synth.nextKick;
    }
    if (cues.finalWhistle && synth.finalCued == 0)
        blowWhistle(synth.whistle, kFinalCall);
    else if (cues.kickOffWhistle && synth.kickOffCued == 0)
        blowWhistle(synth.whistle, kKickOffCall);
    synth.finalCued = cues.finalWhistle ? 1 : 0;
    synth.kickOffCued = cues.kickOffWhistle ? 1 : 0;
    synth.output.silent = cues.silent ? 1 : 0;
}

void synthesise(Synthesiser& synth, std::int16_t* interleavedStereo, int sampleFrames) {
    float left[kControlBlock];
    float right[kControlBlock];
    while (sampleFrames > 0) {
        if (synth.blockPosition == 0) {
            if (silenced(synth.output)) {
                std::fill(interleavedStereo, interleavedStereo + 2 * sampleFrames, std::int16_t{0});
                return;
            }
            steer(synth);
        }
        const int count = std::min(sampleFrames, kControlBlock - synth.blockPosition);
        std::fill(left, left + count, 0.0f);
        std::fill(right, right + count, 0.0f);
        renderCrowd(synth.crowd, left, right, count);
        renderRainHiss(synth.rainHiss, left, right, count);
        renderWhistle(synth.whistle, left, right, count);
        renderKick(synth.kicks[0], left, right, count);
        renderKick(synth.kicks[1], left, right, count);
        finishSamples(synth.output, left, right, count, interleavedStereo);
        interleavedStereo += 2 * count;
        sampleFrames -= count;
        synth.blockPosition = (synth.blockPosition + count) % kControlBlock;
    }
}

void setVolume(Synthesiser& synth, int percent) {
    setOutputVolume(synth.output, percent);
}

}  // namespace audio

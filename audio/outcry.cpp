// outcry.cpp -- each outcry's vowel, pitch and level over its course, in control blocks.
#include "audio/outcry.h"

#include "audio/chant.h"
#include "audio/sound_math.h"

namespace audio {

namespace {

constexpr float kOohLevel = 0.7f;
constexpr float kRoarLevel = 2.5f;
constexpr float kGroanLevel = 0.6f;
constexpr float kBooLevel = 0.55f;
constexpr float kCheerLevel = 0.45f;
constexpr float kApplause = 1.2f;
constexpr float kRoarShout = 3.0f;  // a neighbour's yell in the roar, and at a save
constexpr float kSaveShout = 1.8f;

// The roar's course (control blocks since the goal).
constexpr std::int32_t kRoarHold = blocksIn(2.6f);
constexpr std::int32_t kRoarThinned = blocksIn(3.6f);
constexpr std::int32_t kRoarFades = blocksIn(9.0f);
constexpr std::int32_t kRoarOver = blocksIn(12.0f);
// The roar's height in each stage, and how fast it gets there.
constexpr float kThinning = 0.55f;
constexpr float kCheering = 0.06f;
constexpr std::int32_t kApplauseFrom = blocksIn(1.2f);
constexpr std::int32_t kApplauseFull = blocksIn(3.0f);
constexpr std::int32_t kApplauseOver = blocksIn(7.0f);
constexpr std::int32_t kSongAfterGoal = blocksIn(6.5f);

void voice(Choir& choir, Vowel vowel, float pitchGoal, float pitchSeconds, float spread,
           float breath) {
    aimFormants(choir.formants, vowel, choir.size);
    if (choir.envelope == 0.0f)  // silent: the new cry starts on its own pitch
        choir.pitch = pitchGoal * 0.75f;
    choir.pitchGoal = pitchGoal;
    choir.pitchRate = glideRate(pitchSeconds);
    choir.spread = spread;
    choir.jitter = 0.025f;
    choir.breath = breath;
}

void aimLevel(Choir& choir, float level, float seconds) {
    choir.level = level;
    choir.levelRate = glideRate(seconds);
}

// The scoring side's roar, cheering and applause, and their song after.
void steerGoalRoar(Supporters& supporters, const PlayView& view) {
    const std::int32_t t = supporters.outcryBlocks;
    Choir& choir = supporters.outcry;
    if (--supporters.surgeBlocks <= 0) {
        supporters.surgeGoal = between(supporters.choices, 0.8f, 1.15f);
        supporters.surgeBlocks = 250 + pick(supporters.choices, 450);
    }
    glide(supporters.surge, supporters.surgeGoal, glideRate(0.15f));
    if (t == blocksIn(0.6f))
        aimFormants(choir.formants, kVowelE, choir.size);  // "ah" to "yeah"
    if (t == blocksIn(1.7f))
        aimFormants(choir.formants, kVowelA, choir.size);
    float share = 0.0f;    // of the roar's full height
    float seconds = 1.0f;  // to get there
    if (t < kRoarHold || view.celebrating) {
        share = 1.0f;
        seconds = t < blocksIn(0.6f) ? 0.07f : 0.15f;
    } else if (t < kRoarThinned) {
        share = kThinning;
        seconds = 0.3f;
    } else if (t < kRoarFades) {
        share = kCheering;
        seconds = 2.5f;
        if (t == kRoarThinned)
            voice(choir, kVowelO, 260.0f, 1.0f, 0.45f, 0.5f);
    } else if (t >= kRoarOver) {
        supporters.outcryKind = kNoOutcry;
    }
    aimLevel(choir, share * kRoarLevel * supporters.surge, seconds);
    glide(supporters.roarMass, share * supporters.surge, glideRate(seconds));
    // Applause from 1.2 s, thinning out by the seventh second.
    Claps& claps = supporters.claps;
    claps.loudness = kApplause;
    if (t < kApplauseFrom || t >= kApplauseOver)
        claps.density = 0.0f;
    else if (t < kApplauseFull)
        claps.density = 70.0f;
    else
        claps.density =
            70.0f - 65.0f * static_cast<float>(t - kApplauseFull) / (kApplauseOver - kApplauseFull);
    if (t == blocksIn(0.3f) ||
        (t < kSongAfterGoal && noiseUnit(supporters.choices) * kControlBlocksPerSecond < 0.5f))
        shout(supporters.neighbour, kRoarShout);
    if (t == kSongAfterGoal)
        startChant(supporters, 8);
}

}  // namespace

void startOutcry(Supporters& supporters, Outcry kind, float strength) {
    supporters.outcryKind = kind;
    supporters.outcryBlocks = 0;
    supporters.outcryStrength = strength;
    supporters.claps.density = 0.0f;  // an earlier outcry's applause ends
    Choir& choir = supporters.outcry;
    switch (kind) {
        case kOoh:
            voice(choir, kVowelU, 290.0f, 0.35f, 0.25f, 0.25f);
            choir.pitch = 170.0f;
            aimLevel(choir, kOohLevel * strength, 0.25f);
            break;
        case kAww:
            voice(choir, kVowelA, 130.0f, 0.5f, 0.25f, 0.3f);
            aimLevel(choir, kOohLevel * strength, 0.1f);
            break;
        case kRoar:
            voice(choir, kVowelA, 310.0f, 0.25f, 0.35f, 0.6f);
            supporters.surgeBlocks = 0;
            aimLevel(choir, kRoarLevel, 0.07f);
            break;
        case kGroan:
            voice(choir, kVowelO, 120.0f, 0.6f, 0.3f, 0.3f);
            choir.pitch = 220.0f;
            aimLevel(choir, kGroanLevel, 0.15f);
            break;
        case kBoo:
            voice(choir, kVowelU, 118.0f, 0.3f, 0.15f, 0.2f);
            aimLevel(choir, kBooLevel, 0.12f);
            jeer(supporters.whistles, 1.6f);
            break;
        case kCheer:
            voice(choir, kVowelE, 280.0f, 0.3f, 0.3f, 0.4f);
            aimLevel(choir, kCheerLevel, 0.06f);
            shout(supporters.neighbour, kSaveShout);
            jeer(supporters.whistles, 1.0f);
            break;
        default:
            break;
    }
}

void steerOutcry(Supporters& supporters, const PlayView& view) {
    if (supporters.outcryKind == kNoOutcry) {
        glide(supporters.roarMass, 0.0f, glideRate(0.5f));
        return;
    }
    const std::int32_t t = ++supporters.outcryBlocks;
    Choir& choir = supporters.outcry;
    Claps& claps = supporters.claps;
    switch (supporters.outcryKind) {
        case kOoh:  // a shot that neither went in nor missed (a player took it): it falls away
            if (t > blocksIn(1.8f))
                startOutcry(supporters, kAww, supporters.outcryStrength);
            break;
        case kAww:
            if (t == blocksIn(0.25f)) {
                aimFormants(choir.formants, kVowelO, choir.size);
                aimLevel(choir, 0.0f, 0.5f);
            }
            if (t > blocksIn(2.5f))
                supporters.outcryKind = kNoOutcry;
            break;
        case kRoar:
            steerGoalRoar(supporters, view);
            break;
        case kGroan:
            if (t == blocksIn(0.7f))
                aimLevel(choir, 0.0f, 0.6f);
            if (t > blocksIn(2.5f))
                supporters.outcryKind = kNoOutcry;
            break;
        case kBoo:
            if (t == blocksIn(1.3f))
                aimLevel(choir, 0.0f, 0.3f);
            if (t > blocksIn(2.2f))
                supporters.outcryKind = kNoOutcry;
            break;
        case kCheer:
            claps.loudness = kApplause;
            claps.density = t < blocksIn(1.5f) ? 40.0f : 0.0f;
            if (t == blocksIn(0.5f))
                aimLevel(choir, 0.0f, 0.3f);
            if (t > blocksIn(1.8f))
                supporters.outcryKind = kNoOutcry;
            break;
        default:
            break;
    }
}

}  // namespace audio

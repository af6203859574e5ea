// supporters.cpp -- one side of the stadium: its people, who sits where, how loud they talk.
#include "audio/supporters.h"

#include "audio/chant.h"
#include "audio/outcry.h"
#include "audio/sound_math.h"

namespace audio {

namespace {

constexpr float kTalkLevel = 0.4f;
constexpr float kNeighbourTalk = 1.6f;
constexpr float kShoutStrength = 2.2f;
constexpr float kTalkRate = glideRate(0.3f);
// The people around them: where they sit (team 1's side; team 2's mirrored)
// and their speaking pitches, men, women and children.
constexpr float kTalkerPans[kTalkers] = {-0.95f, -0.8f, -0.65f, -0.5f, -0.35f, -0.2f};
constexpr float kTalkerPitches[kTalkers] = {100.0f, 125.0f, 150.0f, 185.0f, 220.0f, 265.0f};

// The talkers' loudness: hushed after conceding, quieter while they sing or
// roar, livelier as their team nears the goal.
float talkGoal(const Supporters& supporters, const PlayView& view) {
    float hush = 1.0f;
    if (supporters.quietBlocks > 0)
        hush = 0.3f;
    else if (chanting(supporters))
        hush = 0.25f;
    else if (view.otherSideChants)
        hush = 0.45f;
    else if (supporters.outcryKind == kRoar)
        hush = 0.5f;
    const float excitement = view.theirBall ? view.danger : 0.5f * view.danger;
    return kTalkLevel * hush * (0.85f + 0.5f * excitement);
}

}  // namespace

Supporters initialSupporters(int team) {
    Supporters supporters{};
    supporters.team = team;
    const float mirror = team == 1 ? 1.0f : -1.0f;
    const float voice = team == 1 ? 1.0f : 1.04f;
    const std::uint32_t seed = team == 1 ? 0x3C6EF372u : 0xA54FF53Au;
    supporters.choices = seed;
    for (int i = 0; i < kTalkers; ++i)
        supporters.talkers[i] = initialTalker(nextNoise(supporters.choices),
                                              mirror * kTalkerPans[i], voice * kTalkerPitches[i]);
    supporters.neighbour =
        initialTalker(nextNoise(supporters.choices), -0.4f * mirror, team == 1 ? 120.0f : 140.0f);
    supporters.chant = initialChoir(nextNoise(supporters.choices), -0.6f * mirror, 170.0f);
    supporters.outcry = initialChoir(nextNoise(supporters.choices), -0.35f * mirror, 200.0f);
    supporters.claps = initialClaps(nextNoise(supporters.choices), -0.6f * mirror);
    supporters.whistles = initialFanWhistles(nextNoise(supporters.choices), -0.7f * mirror);
    supporters.surge = supporters.surgeGoal = 1.0f;
    supporters.talk = kTalkLevel;
    supporters.chantRest = blocksIn(team == 1 ? 4.0f : 9.0f);
    return supporters;
}

void seeShot(Supporters& supporters, bool ours, bool onTarget) {
    if (ours)
        startOutcry(supporters, kOoh, onTarget ? 1.0f : 0.6f);
}

void seeMiss(Supporters& supporters, bool ours, bool wide) {
    if (ours) {
        if (supporters.outcryKind == kOoh)
            startOutcry(supporters, kAww, supporters.outcryStrength);
    } else {
        startOutcry(supporters, wide ? kBoo : kCheer, 1.0f);
    }
}

void seeGoal(Supporters& supporters, bool ours) {
    stopChant(supporters);
    startOutcry(supporters, ours ? kRoar : kGroan, 1.0f);
    if (!ours)
        supporters.quietBlocks = blocksIn(9.0f);
}

void steerSupporters(Supporters& supporters, const PlayView& view) {
    if (supporters.quietBlocks > 0)
        --supporters.quietBlocks;
    steerOutcry(supporters, view);
    steerChant(supporters, view);
    // The neighbour shouts now and then, more often as their team attacks.
    const float urge = 0.1f + 0.5f * view.danger * (view.theirBall ? 1.0f : 0.4f);
    if (supporters.quietBlocks == 0 && !chanting(supporters) && !view.otherSideChants &&
        noiseUnit(supporters.choices) * kControlBlocksPerSecond < urge)
        shout(supporters.neighbour, kShoutStrength);
    glide(supporters.talk, talkGoal(supporters, view), kTalkRate);
    for (Talker& talker : supporters.talkers)
        steerTalker(talker, supporters.talk);
    steerTalker(supporters.neighbour, kNeighbourTalk * supporters.talk);
    steerChoir(supporters.chant);
    steerChoir(supporters.outcry);
    steerClaps(supporters.claps);
    steerFanWhistles(supporters.whistles);
}

void renderSupporters(Supporters& supporters, float* left, float* right, int count) {
    for (Talker& talker : supporters.talkers)
        renderTalker(talker, left, right, count);
    renderTalker(supporters.neighbour, left, right, count);
    renderChoir(supporters.chant, left, right, count);
    renderChoir(supporters.outcry, left, right, count);
    renderClaps(supporters.claps, left, right, count);
    renderFanWhistles(supporters.whistles, left, right, count);
}

}  // namespace audio

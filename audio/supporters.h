// supporters.h -- one team's supporters: their talk and shouts, their chant and clapping, and
// what they cry out together at a shot, a miss and a goal.
#pragma once

#include <cstdint>

#include "audio/choir.h"
#include "audio/claps.h"
#include "audio/fan_whistles.h"
#include "audio/talker.h"

namespace audio {

constexpr int kTalkers = 6;

// What the supporters cry out together, one at a time.
enum Outcry : std::int32_t {
    kNoOutcry,
    kOoh,    // their side shoots: rising as the ball flies
    kAww,    // and misses: falling away
    kRoar,   // their side scores: the roar, then cheering and applause
    kGroan,  // the other side scores
    kBoo,    // the other side's shot goes wide: jeers
    kCheer,  // the other side's shot is saved: a cheer, and whistles at the shooters
};

// What the supporters see of the play, once a control block.
struct PlayView {
    float danger;          // 0..1, glided: how near the ball is to a goal
    bool theirBall;        // their team has the ball (or had it last)
    bool celebrating;      // a goal is being celebrated: a roar holds
    bool otherSideChants;  // the stadium takes turns
};

struct Supporters {
    Talker talkers[kTalkers];  // the people around them, talking
    Talker neighbour;          // one sitting close by: the shouts that stand out
    Choir chant;               // the team's song
    Choir outcry;              // what they cry out together
    Claps claps;
    FanWhistles whistles;
    std::int32_t team;  // 1 or 2
    // The outcry under way and the control blocks since it began.
    std::int32_t outcryKind;
    std::int32_t outcryBlocks;
    float outcryStrength;  // an on-target shot's "ooh" is fuller
    // The chant: bars left (0: none), the beat's length and where it stands.
    std::int32_t bars;
    std::int32_t beatBlocks;
    std::int32_t beatPosition;
    std::int32_t beat;         // of the bar's four
    float chantPitch;          // the song's key
    std::int32_t chantRest;    // control blocks before they may start another
    std::int32_t quietBlocks;  // control blocks of hush after conceding
    float talk;                // the talkers' loudness, glided
    float roarMass;            // the roar's breath (audio/roar.h) on their side, 0..1
    float surge;               // the roar's own swells
    float surgeGoal;
    std::int32_t surgeBlocks;
    std::uint32_t choices;
};

// Team 1's sit on the left, team 2's on the right.
Supporters initialSupporters(int team);

// Their side shoots (`ours`) or the other side does.
void seeShot(Supporters& supporters, bool ours, bool onTarget);

// A shot stopped or wide, theirs (`ours`) or the other side's.
void seeMiss(Supporters& supporters, bool ours, bool wide);

// A goal, theirs (`ours`) or the other side's.
void seeGoal(Supporters& supporters, bool ours);

// Once a control block: every voice's next targets.
void steerSupporters(Supporters& supporters, const PlayView& view);

// Adds `count` samples (at most a control block's worth) to each side.
void renderSupporters(Supporters& supporters, float* left, float* right, int count);

// True while their chant goes on.
inline bool chanting(const Supporters& supporters) {
    return supporters.bars > 0;
}

}  // namespace audio

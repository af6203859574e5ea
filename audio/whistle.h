// whistle.h -- the referee's pea whistle: a kick-off blast, half time's long one, and the final
// whistle's three.
#pragma once

#include <cstdint>

namespace audio {

enum WhistleCall : std::int32_t {
    kNoWhistle = -1,
    kKickOffCall = 0,   // one blast
    kFinalCall = 1,     // a long blast and two short ones
    kHalfTimeCall = 2,  // one long blast
};

struct Whistle {
    std::int32_t call;         // a WhistleCall: the blasts being blown
    std::int32_t position;     // samples since the call began
    float level;               // 0..1: the breath's envelope
    std::uint32_t phase;       // the tone
    std::uint32_t trillPhase;  // the pea's rattle, which bends the pitch and beats the level
    std::uint32_t breathNoise;
    float breathLowCut;
};

Whistle initialWhistle();

// Starts a call from its beginning (a call in progress is cut short).
void blowWhistle(Whistle& whistle, WhistleCall call);

// Adds `count` samples to both sides (the referee stands in the middle).
void renderWhistle(Whistle& whistle, float* left, float* right, int count);

}  // namespace audio

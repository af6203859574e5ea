// rain_field.h -- the rain's ten thousand drops and the weather clock (state only).
#pragma once

#include <cstdint>

#include "common/random.h"

namespace render {

constexpr int kRainDropCount = 10000;

// A drop's segment reaches from its y down to y - 5.5. A drop with y above -10
// is falling; at or below -10 it rests, unseen, until it is sent up again.
struct RainDrop {
    float x;
    float y;
    float z;
};

// One member of the world, alive for the whole run; match resets and window
// re-creation leave it alone.
struct RainField {
    RainDrop drops[kRainDropCount];  // all at (0, 0, 0) at start
    // The drops as the latest step found them, valid while `stepped`: a frame
    // draws its rain before the rain's step, and the world holds the frame's
    // state after all of its steps, so the picture reads them here.
    RainDrop before[kRainDropCount];
    std::uint8_t stepped;  // the frame's step moved drops: draw `before`
    std::uint8_t raining;  // 1: building up and pouring; 0: thinning out and dry
    int clock;             // frames since the last switch of `raining`; 200 at start
    int falling;           // drops falling now (y above -10); 10000 at start, kept by
                           // stepRain, so whoever else moves a drop must recount
};

// Puts the field as at program start: every drop at the origin, falling.
void resetRainField(RainField& field);

// True when the drop is falling, and so drawn in this frame.
inline bool isFalling(const RainDrop& drop) {
    return static_cast<double>(drop.y) > -10.0;
}

// The rain's state step for one frame, around the centre (centreX, centreZ):
// every falling drop moves 5 down; resting drops are sent up by the weather
// rules (three draws each, in drop order); then the clock advances and may
// switch the weather with one more draw. The frame's picture shows the drops
// as this step found them (dropsAsDrawn).
void stepRain(RainField& field, common::Random& random, float centreX, float centreZ);

// Called by the frame's state step before anything else: until the rain's step
// moves them, the frame shows the drops where they stand.
inline void beginRainFrame(RainField& field) {
    field.stepped = 0;
}

// The drops the frame's picture shows: as the frame's rain step found them.
inline const RainDrop* dropsAsDrawn(const RainField& field) {
    return field.stepped != 0 ? field.before : field.drops;
}

// Counts the falling drops one by one; stepRain keeps `falling` equal to it.
int countFallingDrops(const RainField& field);

}  // namespace render

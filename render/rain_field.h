// rain_field.h -- the rain's ten thousand drops and the weather clock (state only).
#pragma once

#include <cstdint>

namespace render {

constexpr int kRainDropCount = 10000;

// A drop's segment reaches from its y down to y - 5.5. A drop with y above -10
// is falling; at or below -10 it rests, unseen, until it is sent up again.
struct RainDrop {
    float x;
    float y;
    float z;
};

// One process-wide record alive for the whole run; match resets and window
// re-creation leave it alone.
struct RainField {
    RainDrop drops[kRainDropCount];  // all at (0, 0, 0) at start
    std::uint8_t raining;            // 1: building up and pouring; 0: thinning out and dry
    int clock;                       // frames since the last switch of `raining`; 200 at start
    int falling;                     // drops falling now (y above -10); 10000 at start, kept by
                                     // stepRain, so whoever else moves a drop must recount
};

extern RainField rainField;

RainField initialRainField();

// True when the drop is falling, and so drawn in this frame.
inline bool isFalling(const RainDrop& drop) {
    return static_cast<double>(drop.y) > -10.0;
}

// The rain's state step for one frame, around the centre (centreX, centreZ):
// every falling drop moves 5 down; resting drops are sent up by the weather
// rules (three draws each, in drop order); then the clock advances and may
// switch the weather with one more draw. Drawing happens before this step and
// shows the falling drops where they stand.
void stepRain(float centreX, float centreZ);

// The number of drops falling now, as stepRain left it (a constant-time read;
// the headless trace prints it after every frame).
int fallingDropCount();

// Counts the falling drops one by one; stepRain keeps `falling` equal to it.
int countFallingDrops();

}  // namespace render

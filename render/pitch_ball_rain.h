// pitch_ball_rain.h -- the pitch surface, the ball and the falling rain.
#pragma once

#include "render/rain_field.h"

namespace render {

// The grass: a base quad and 7000 unit squares in striped bands. Every frame,
// right after the fog set-up.
void drawPitch();

// The ball, a white cached sphere of radius 0.3 centred at (x, 1.25, z).
// Every frame, right after the pitch.
void drawBall(float x, float z);

// Every falling drop of the field as a segment from its y down 5.5, where the
// frame's rain step found it (dropsAsDrawn). Reads the field and changes
// nothing. Every frame, after the figures.
void drawRain(const RainField& field);

}  // namespace render

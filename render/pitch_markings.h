// pitch_markings.h -- the white lines, the two goals with their nets and the six flags.
#pragma once

namespace render {

// Every frame, after the terrain and before the figures. Leaves the line
// width at 2.0 and the current colour yellow.
void drawPitchMarkings();

}  // namespace render

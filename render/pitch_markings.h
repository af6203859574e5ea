// pitch_markings.h -- the white lines, the two goals with their nets and the six flags.
#pragma once

namespace render {

// Every frame, after the terrain and before the figures: the four groups
// below in their order. Leaves the line width at 2.0 and the current colour
// yellow.
void drawPitchMarkings();

// The groups on their own, for the benchmark's part-by-part costs.
void drawGroundLines();  // the 17 straight lines
void drawGoals();        // both goal frames, then both nets
void drawArcs();         // the centre circle and the two penalty arcs
void drawFlags();        // six poles with their pennants

}  // namespace render

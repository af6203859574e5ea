// figure_animation.h -- the counters that swing the figures' arms and legs.
#pragma once

namespace render {

// One member of the world, alive for the whole run. The stride counters advance
// once per simulation tick (the frame driver), the keeper counters once per
// frame in which the keepers are drawn. Match resets leave all four alone.
struct FigureAnimation {
    int strideTeam1;  // shared by all five team 1 outfield players; 1 at start
    int strideTeam2;  // 4 at start
    int keeperTeam1;  // 0 at start, so the first drawing uses 1
    int keeperTeam2;  // 2 at start
};

FigureAnimation initialFigureAnimation();

// Adds 1; past 10 the counter starts again at 1.
void advanceAnimationCounter(int& counter);

// The swing phase of a counter: 1..5 as it is, 6..10 as 11 minus it.
int animationPhase(int counter);

// The two stride counters, team 1 first: once per simulation tick.
void advanceStrideCounters(FigureAnimation& animation);

// The two keeper counters, team 1 first: once per frame, as drawing the keepers does.
void advanceKeeperCounters(FigureAnimation& animation);

}  // namespace render

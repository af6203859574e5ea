// figure_animation.cpp -- the figures' animation counters (state only, no drawing).
#include "render/figure_animation.h"

namespace render {

FigureAnimation initialFigureAnimation() {
    return FigureAnimation{1, 4, 0, 2};
}

void advanceAnimationCounter(int& counter) {
    counter += 1;
    if (counter > 10)
        counter = 1;
}

int animationPhase(int counter) {
    return counter <= 5 ? counter : 11 - counter;
}

void advanceStrideCounters(FigureAnimation& animation) {
    advanceAnimationCounter(animation.strideTeam1);
    advanceAnimationCounter(animation.strideTeam2);
}

void advanceKeeperCounters(FigureAnimation& animation) {
    advanceAnimationCounter(animation.keeperTeam1);
    advanceAnimationCounter(animation.keeperTeam2);
}

}  // namespace render

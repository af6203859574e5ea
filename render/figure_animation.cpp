// figure_animation.cpp -- the figures' animation counters (state only, no drawing).
#include "render/figure_animation.h"

namespace render {

FigureAnimation figureAnimation = initialFigureAnimation();

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

void advanceStrideCounters() {
    advanceAnimationCounter(figureAnimation.strideTeam1);
    advanceAnimationCounter(figureAnimation.strideTeam2);
}

void advanceKeeperCounters() {
    advanceAnimationCounter(figureAnimation.keeperTeam1);
    advanceAnimationCounter(figureAnimation.keeperTeam2);
}

}  // namespace render

// overlay.cpp -- PLACEHOLDER until the overlay lands.
#include "frame/overlay.h"

namespace frame {

unsigned int fontListBase = 0;

void createOverlayFont() {}
void deleteOverlayFont() {}
void beginOverlay() {}
void endOverlay() {}
void drawOverlayText(float, float, const char*, ...) {}
void drawScoreboard() {}
void drawGoalBanner() {}

}  // namespace frame

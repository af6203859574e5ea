// fake_scene.h -- stand-ins for the scene set-up, the overlay font and the frame's picture, linked
// into the shell tests.
#pragma once

#include <vector>

namespace app_test {

// What initScene returns (true unless a test says otherwise).
extern bool initSceneResult;
// How many frames drew their picture, and after how many the fake picture
// asks the loop to end (0: never).
extern int framesRun;
extern int quitAfterFrames;
// For every frame drawn, the virtual-key codes held in the key table as it saw them.
extern std::vector<std::vector<int>> keysSeenByFrame;

// Puts the fakes back to their start, and the game's world to program start.
void resetFakes();

}  // namespace app_test

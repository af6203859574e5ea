// run_frame.h -- one frame of the program: simulation gate, pacing, picture.
#pragma once

namespace frame {

// Called by the main loop whenever no message is waiting and the window is
// not minimised, with the rendering context current; the loop swaps the
// buffers right after, and between the two draws the labels a screenshot
// leaves out (drawFrameLabels). Runs the simulation gate, paces the frame
// against 66 ms (sleeping here), ages the screenshot notice, then draws the
// picture. Always true.
bool runFrame();

}  // namespace frame

// screenshot.h -- the picture on screen saved as a PNG file in the user's pictures folder.
#pragma once

#include <string>

namespace frame {

struct World;

// Reads the picture of the frame just drawn (the back buffer, before the main
// loop swaps it onto the screen, so exactly what is shown next) and writes it
// to the pictures folder as football-YYYYMMDD-HHMMSS-mmm.png, local time; a
// name already taken gets -2, -3, ... -999 before the extension (no file is
// ever written over). Called by the main loop when a screenshot key goes down.
// True with the file's path in `path`; false with the path tried (the folder
// when every name is taken) and the reason in `error`. Either way the
// notice line (notice_line.h) says so for two seconds.
bool saveScreenshot(World& world, std::string& path, std::string& error);

}  // namespace frame

// moment_name.h -- the name of a file the program saves at a moment: football-YYYYMMDD-HHMMSS-mmm,
// never one already taken.
#pragma once

#include <string>

namespace frame {

// A path in `folder` for a file saved now: football-YYYYMMDD-HHMMSS-mmm plus
// `ending` (".png", ".mp4"), local time; a name already taken (or whose
// ending plus ".part" is: a clip being written) gets -2, -3, ... -999 before
// the ending, so that no file is ever written over. Empty when every name for
// this moment is taken. Called for screenshots (F12) and clips (F9).
std::string freeMomentPath(const std::string& folder, const std::string& ending);

// Removes the temporary file of a clip at `path` (its ending plus ".part")
// that a recorder stopped short left behind; nothing when there is none.
void removeUnfinishedClip(const std::string& path);

}  // namespace frame

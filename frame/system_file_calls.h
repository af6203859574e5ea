// system_file_calls.h -- the file writers handed this system's calls: what every program that
// writes files (the game, its screen saver, the tools) does first.
#pragma once

namespace frame {

// Gives common's file writers (replaced_file.h, appended_file.h) the
// platform's calls (platform/file_calls.h): names reached whatever their
// characters, bytes put on the disk, temporary files removed by an interrupt.
void useSystemFileCalls();

}  // namespace frame

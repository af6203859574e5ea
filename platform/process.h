// process.h -- another of the program's executables run in the background at a lower priority
// (the recorder, for the game's F9 clips), found beside the running program.
#pragma once

#include <string>
#include <vector>

namespace platform {

// A program started by startBackgroundProcess, until it has ended and been
// looked at, or been stopped.
struct BackgroundProcess;

// The path of the executable `name` installed beside the running program's
// own (the same folder, or the tools/ folder in it, as in the build tree);
// empty when there is none. Always empty on Windows, which has no recorder.
std::string programBesideThisOne(const std::string& name);

// A new file in the system's temporary folder, named football-XXXXXX plus
// `suffix`, holding `bytes`, for a background process to read. Its path, or
// empty with the reason in `error`. Hand it to startBackgroundProcess, which
// removes it.
std::string writeTemporaryFile(const std::string& suffix, const std::string& bytes,
                               std::string& error);

// Starts `program` with `arguments` (not counting its name) at a lower
// priority (nice 10), in a process group of its own so that a terminal's
// Ctrl+C reaches only the program, which decides; standard input and output
// at the null device, standard error kept for backgroundProcessEnded.
// `temporaryFile` (writeTemporaryFile's, or empty) is the process's: removed
// once it has ended or been stopped, or at once when it cannot start. Null
// with the reason in `error`.
BackgroundProcess* startBackgroundProcess(const std::string& program,
                                          const std::vector<std::string>& arguments,
                                          const std::string& temporaryFile, std::string& error);

// Never waits: false while the process runs. Once it has ended: true, with
// whether it exited with status 0 and the last line it wrote to standard
// error; the process is then freed.
bool backgroundProcessEnded(BackgroundProcess* process, bool& succeeded, std::string& lastLine);

// Asks the process to end (a termination signal) and frees it, waiting a
// few seconds at most: one that does not end in two seconds is killed.
void stopBackgroundProcess(BackgroundProcess* process);

}  // namespace platform

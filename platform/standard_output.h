// standard_output.h -- standard output as a plain byte stream on every system.
#pragma once

namespace platform {

// Makes standard output write bytes as they are, with no line-end translation,
// so that a tool's output is the same file on every system. Called by
// football-trace before it writes anything.
void useBinaryStandardOutput();

}  // namespace platform

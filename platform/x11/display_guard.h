// x11/display_guard.h -- a process of its own that puts the display's own mode back when the
// program dies in full screen, by its own connection to the window system.
#pragma once

namespace platform {

// Called by the display-mode change when the display is about to leave its own
// mode: starts the guard, which records that mode before returning. Does
// nothing when a guard already runs or the window system has no modes to put
// back (only X11 does); says on standard error when the guard cannot start.
void startDisplayGuard();

// Called by the display-mode restore once the display is back in its own mode:
// the guard ends without touching the display.
void dismissDisplayGuard();

// Called by the crash handler: asks the guard to put the display's own mode
// back now and waits until it has. Safe in a signal handler (it only writes
// and reads a socket); does nothing when no guard runs. When the program dies
// without asking, killed outright, the guard does it after the death.
void restoreDisplayByGuard();

// The argument that makes the program's own executable run as the guard
// (dispatched first thing by the entry point, through runWindowSystemHelper).
extern const char kDisplayGuardArgument[];

// The descriptor on which the guard talks to the program.
constexpr int kDisplayGuardSocket = 3;

// The guard's messages: ready (the mode is recorded), restore now, restored,
// and dismissed.
constexpr char kGuardReady = 'G';
constexpr char kGuardRestore = 'R';
constexpr char kGuardRestored = 'A';
constexpr char kGuardDismiss = 'D';

}  // namespace platform

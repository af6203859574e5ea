// sdl/signals.h -- termination requests and crashes, shared by the SDL implementation files: the
// message queue takes a request, a message box lets one end the program.
#pragma once

namespace platform {

// The message queue, on every look: true once for each termination request
// (interrupt, termination, hang-up, quit) that has come since the last look.
bool takeTerminationRequest();

// True while a termination request waits for the message queue to take it.
bool terminationRequestPending();

// Around a message box, which no signal can interrupt: a termination request
// that is pending, or that comes while the box waits, ends the program at
// once, killed by that signal.
void beginModalWait();
void endModalWait();

}  // namespace platform

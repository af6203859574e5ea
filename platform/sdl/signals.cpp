// sdl/signals.cpp -- signals on SDL2: termination requests become close requests; a crash puts the
// display mode back before the program dies.
#include "platform/sdl/signals.h"

#include <SDL.h>
#include <pthread.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <csignal>

#include "platform/window.h"
#include "platform/x11/display_guard.h"

namespace platform {

// The signal of a termination request not yet taken by the message queue; 0
// when there is none. Set by the handler, cleared by the queue.
static volatile std::sig_atomic_t pendingRequest = 0;
// Nonzero while a message box waits for its answer.
static volatile std::sig_atomic_t modalWait = 0;

// The requests a user or the system makes to end the program, and the
// signals of a crash.
static const int kRequestSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
static const int kCrashSignals[] = {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL};

// A stack of its own for the crash handler, so that a stack overflow is
// handled too.
static char crashStack[64 * 1024];

// The signal the program is dying of, once it is.
static volatile std::sig_atomic_t fatalSignal = 0;

// Dies of the signal as its default action would.
[[noreturn]] static void raiseWithDefaultAction(int signal) {
    std::signal(signal, SIG_DFL);
    sigset_t unblock;
    sigemptyset(&unblock);
    sigaddset(&unblock, signal);
    sigprocmask(SIG_UNBLOCK, &unblock, nullptr);
    std::raise(signal);
    _exit(128 + signal);  // not reached: the default action of these signals ends the program
}

// The restore below has not come back in time: die of the original signal
// without waiting any longer.
static void onRestoreTimeout(int) {
    raiseWithDefaultAction(fatalSignal);
}

// Dies of the signal, after the display's own mode is back. The program's own
// window-system connection may be in the middle of a request when the signal
// comes (and the window system's calls are not safe here), so the display
// guard puts the mode back over a connection of its own; an alarm ends the
// wait if the guard does not answer.
[[noreturn]] static void dieOfSignal(int signal) {
    fatalSignal = signal;
    std::signal(SIGALRM, onRestoreTimeout);
    alarm(2);
    restoreDisplayByGuard();
    raiseWithDefaultAction(signal);
}

static void onRequest(int signal) {
    // A waiting message box cannot be interrupted: end now.
    if (modalWait != 0)
        dieOfSignal(signal);
    pendingRequest = signal;
}

static void onCrash(int signal) {
    dieOfSignal(signal);
}

// The program's process, for the processes it starts.
static pid_t programProcess = 0;

// In a process started while a message box waits: SDL shows the box from a
// child process of its own, which must not outlive the program when a
// request ends it.
static void onForkedChild() {
    if (modalWait == 0)
        return;
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != programProcess)
        _exit(1);  // the program ended before this process could ask to follow it
}

void installSignalHandlers() {
    programProcess = getpid();
    pthread_atfork(nullptr, nullptr, onForkedChild);

    // These handlers, not SDL's (SDL would turn only two of the requests into
    // its quit event, and never while a message box waits).
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");

    struct sigaction request = {};
    request.sa_handler = onRequest;
    sigemptyset(&request.sa_mask);
    request.sa_flags = SA_RESTART;
    for (const int signal : kRequestSignals)
        sigaction(signal, &request, nullptr);

    stack_t stack = {};
    stack.ss_sp = crashStack;
    stack.ss_size = sizeof crashStack;
    sigaltstack(&stack, nullptr);
    // Back to the default at once: a crash inside the handler ends the program.
    struct sigaction crash = {};
    crash.sa_handler = onCrash;
    sigemptyset(&crash.sa_mask);
    crash.sa_flags = SA_ONSTACK | SA_RESETHAND | SA_NODEFER;
    for (const int signal : kCrashSignals)
        sigaction(signal, &crash, nullptr);

    // Standard error carries only diagnostics: a reader that has gone away
    // (a closed pipe) must not end the match.
    std::signal(SIGPIPE, SIG_IGN);
}

bool takeTerminationRequest() {
    if (pendingRequest == 0)
        return false;
    pendingRequest = 0;
    return true;
}

bool terminationRequestPending() {
    return pendingRequest != 0;
}

void beginModalWait() {
    modalWait = 1;
    const int signal = pendingRequest;
    if (signal != 0)
        dieOfSignal(signal);
}

void endModalWait() {
    modalWait = 0;
}

}  // namespace platform

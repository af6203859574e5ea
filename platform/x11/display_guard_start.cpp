// x11/display_guard_start.cpp -- starting, asking and dismissing the display guard from the
// program.
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "platform/x11/display_guard.h"

extern char** environ;

namespace platform {

// The program's end of the socket to the running guard, and the guard's
// process; -1 and 0 while no guard runs. Read by the crash handler.
static volatile std::sig_atomic_t guardSocket = -1;
static pid_t guardProcess = 0;

// How long the program waits for a starting guard to record the mode.
static const int kGuardStartMilliseconds = 5000;

// A process forked without exec (SDL shows its message boxes from one) must
// not hold the socket open: the guard takes its closing for the program's end.
static void closeGuardSocketInChild() {
    if (guardSocket >= 0)
        close(guardSocket);
    guardSocket = -1;
}

static void endGuard(int socket) {
    close(socket);
    waitpid(guardProcess, nullptr, 0);
    guardProcess = 0;
}

// Starts the guard on the program's own executable, with its end of the socket
// as kDisplayGuardSocket; -1 when it cannot be started.
static pid_t spawnGuard(int guardEnd) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, guardEnd, kDisplayGuardSocket);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // Whatever the starting thread blocks or handles, the guard starts clean.
    sigset_t none;
    sigemptyset(&none);
    sigset_t all;
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    char name[] = "football";
    char argument[64];
    std::snprintf(argument, sizeof argument, "%s", kDisplayGuardArgument);
    char* arguments[] = {name, argument, nullptr};
    pid_t process = 0;
    const int error =
        posix_spawn(&process, "/proc/self/exe", &actions, &attributes, arguments, environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        std::fprintf(stderr, "football: cannot start the display guard: %s\n",
                     std::strerror(error));
        return -1;
    }
    return process;
}

void startDisplayGuard() {
    if (guardSocket >= 0)
        return;
    static bool forkHandlerInstalled = false;
    if (!forkHandlerInstalled) {
        pthread_atfork(nullptr, nullptr, closeGuardSocketInChild);
        forkHandlerInstalled = true;
    }

    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
        std::fprintf(stderr, "football: cannot start the display guard: %s\n",
                     std::strerror(errno));
        return;
    }
    // The guard's end must not already be the descriptor it is moved to: a
    // move onto itself would keep its close-on-exec flag.
    int guardEnd = ends[1];
    if (guardEnd == kDisplayGuardSocket) {
        guardEnd = fcntl(ends[1], F_DUPFD_CLOEXEC, kDisplayGuardSocket + 1);
        close(ends[1]);
    }
    const pid_t process = guardEnd >= 0 ? spawnGuard(guardEnd) : -1;
    if (guardEnd >= 0)
        close(guardEnd);
    if (process <= 0) {
        close(ends[0]);
        return;
    }
    guardProcess = process;

    // Wait until the guard has recorded the display's own mode.
    pollfd ready = {ends[0], POLLIN, 0};
    char answer = 0;
    int polled;
    do {
        polled = poll(&ready, 1, kGuardStartMilliseconds);
    } while (polled < 0 && errno == EINTR);
    if (polled != 1 || read(ends[0], &answer, 1) != 1 || answer != kGuardReady) {
        std::fprintf(stderr,
                     "football: the display guard did not start; a crash in full screen will "
                     "leave the display in the full-screen mode\n");
        kill(guardProcess, SIGKILL);
        endGuard(ends[0]);
        return;
    }
    guardSocket = ends[0];
}

void dismissDisplayGuard() {
    const int socket = guardSocket;
    if (socket < 0)
        return;
    guardSocket = -1;
    send(socket, &kGuardDismiss, 1, MSG_NOSIGNAL);
    endGuard(socket);
}

void restoreDisplayByGuard() {
    const int socket = guardSocket;
    if (socket < 0)
        return;
    if (send(socket, &kGuardRestore, 1, MSG_NOSIGNAL) != 1)
        return;
    char answer = 0;
    ssize_t got;
    do {
        got = read(socket, &answer, 1);
    } while (got < 0 && errno == EINTR);
}

}  // namespace platform

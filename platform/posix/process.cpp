// posix/process.cpp -- background processes on POSIX: fork, a lower priority, exec; standard
// error through a pipe read without waiting.
#include "platform/process.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>

namespace platform {

struct BackgroundProcess {
    pid_t pid;
    int errorPipe;              // read end of the child's standard error
    std::string output;         // what it has written there so far (the tail of it)
    std::string temporaryFile;  // removed with the process; empty for none
};

// The process's end: its pipe closed, its file removed, the record freed.
static void release(BackgroundProcess* process) {
    close(process->errorPipe);
    if (!process->temporaryFile.empty())
        unlink(process->temporaryFile.c_str());
    delete process;
}

// How much of the child's standard error is kept: its last lines.
static const std::size_t kKeptOutput = 4096;

static bool isExecutable(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           access(path.c_str(), X_OK) == 0;
}

std::string programBesideThisOne(const std::string& name) {
    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0)
        return std::string();
    const std::string exe(self, static_cast<std::size_t>(length));
    const std::string folder = exe.substr(0, exe.rfind('/') + 1);
    for (const std::string& path : {folder + name, folder + "tools/" + name}) {
        if (isExecutable(path))
            return path;
    }
    return std::string();
}

std::string writeTemporaryFile(const std::string& suffix, const std::string& bytes,
                               std::string& error) {
    const char* tmp = std::getenv("TMPDIR");
    std::string path =
        std::string(tmp != nullptr && tmp[0] == '/' ? tmp : "/tmp") + "/football-XXXXXX" + suffix;
    const int fd = mkstemps(&path[0], static_cast<int>(suffix.size()));
    if (fd < 0) {
        error = std::strerror(errno);
        return std::string();
    }
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = std::strerror(errno);
            close(fd);
            unlink(path.c_str());
            return std::string();
        }
        written += static_cast<std::size_t>(n);
    }
    if (close(fd) != 0) {
        error = std::strerror(errno);
        unlink(path.c_str());
        return std::string();
    }
    return path;
}

// In the child, between fork and exec: only calls that are safe there.
[[noreturn]] static void becomeChild(const char* program, char* const* argv, int errorWrite) {
    setpgid(0, 0);
    setpriority(PRIO_PROCESS, 0, 10);
    const int null = open("/dev/null", O_RDWR);
    if (null >= 0) {
        dup2(null, STDIN_FILENO);
        dup2(null, STDOUT_FILENO);
    }
    dup2(errorWrite, STDERR_FILENO);
    closefrom(3);
    // What the program set for itself is not the child's: default signals, none blocked.
    struct sigaction standard = {};
    standard.sa_handler = SIG_DFL;
    for (int signal = 1; signal < NSIG; ++signal)
        sigaction(signal, &standard, nullptr);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    execv(program, argv);
    const char message[] = "cannot start the program\n";
    (void)!write(STDERR_FILENO, message, sizeof message - 1);
    _exit(127);
}

BackgroundProcess* startBackgroundProcess(const std::string& program,
                                          const std::vector<std::string>& arguments,
                                          const std::string& temporaryFile, std::string& error) {
    std::vector<std::string> words = {program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(&word[0]);
    argv.push_back(nullptr);
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
        error = std::strerror(errno);
        if (!temporaryFile.empty())
            unlink(temporaryFile.c_str());
        return nullptr;
    }
    const pid_t pid = fork();
    if (pid == 0)
        becomeChild(program.c_str(), argv.data(), pipeEnds[1]);
    const int forkError = errno;
    close(pipeEnds[1]);
    BackgroundProcess* process =
        new BackgroundProcess{pid, pipeEnds[0], std::string(), temporaryFile};
    if (pid < 0) {
        release(process);
        error = std::strerror(forkError);
        return nullptr;
    }
    fcntl(pipeEnds[0], F_SETFL, fcntl(pipeEnds[0], F_GETFL) | O_NONBLOCK);
    return process;
}

// Takes what the child has written so far, keeping the tail.
static void drainOutput(BackgroundProcess* process) {
    char buffer[1024];
    while (true) {
        const ssize_t n = read(process->errorPipe, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        process->output.append(buffer, static_cast<std::size_t>(n));
        if (process->output.size() > kKeptOutput)
            process->output.erase(0, process->output.size() - kKeptOutput);
    }
}

static std::string lastLineOf(const std::string& text) {
    std::size_t end = text.find_last_not_of("\r\n");
    if (end == std::string::npos)
        return std::string();
    const std::size_t start = text.find_last_of("\r\n", end);
    return text.substr(start == std::string::npos ? 0 : start + 1,
                       end + 1 - (start == std::string::npos ? 0 : start + 1));
}

bool backgroundProcessEnded(BackgroundProcess* process, bool& succeeded, std::string& lastLine) {
    drainOutput(process);
    int status = 0;
    pid_t ended = waitpid(process->pid, &status, WNOHANG);
    while (ended < 0 && errno == EINTR)
        ended = waitpid(process->pid, &status, WNOHANG);
    if (ended == 0)
        return false;
    drainOutput(process);
    succeeded = ended == process->pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    lastLine = lastLineOf(process->output);
    release(process);
    return true;
}

// Whether the process has ended within `milliseconds`, looked at every 20 ms.
static bool endsWithin(pid_t pid, int milliseconds) {
    for (int waited = 0;; waited += 20) {
        int status = 0;
        const pid_t ended = waitpid(pid, &status, WNOHANG);
        if (ended == pid || (ended < 0 && errno != EINTR))
            return true;
        if (waited >= milliseconds)
            return false;
        usleep(20000);
    }
}

void stopBackgroundProcess(BackgroundProcess* process) {
    // A termination request lets it remove its own temporary files; one that
    // does not end soon after (a hung disk) is killed, and one that cannot
    // even be killed is left to the system rather than hanging this program.
    kill(process->pid, SIGTERM);
    if (!endsWithin(process->pid, 2000)) {
        kill(process->pid, SIGKILL);
        endsWithin(process->pid, 1000);
    }
    release(process);
}

}  // namespace platform

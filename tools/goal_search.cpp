// goal_search.cpp -- running the default match without pictures up to a goal.
#include "tools/goal_search.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "frame/frame_state.h"
#include "frame/key_table.h"
#include "sim/match_state.h"
#include "sim/tick_steps.h"

namespace tools {

// Where the goal check counts towards a goal: beyond either goal line,
// inside the goal mouth.
static bool ballInGoal(const sim::Ball& ball) {
    return (ball.lengthwise > 100 || ball.lengthwise < 0) && sim::insideGoalMouth(ball.lateral);
}

bool findGoal(std::int64_t goal, std::int64_t limit, GoalFrames& frames) {
    frame::keyTable = frame::KeyTable{};
    frame::initSceneState();
    std::int64_t goals = 0;
    std::int64_t inGoalSince = 0;  // first frame of the ball's stay in a goal; 0: not in one
    for (std::int64_t frame = 1; frame <= limit; ++frame) {
        const int before = sim::match.goalsTeam1 + sim::match.goalsTeam2;
        frame::advanceFrameState();
        if (sim::match.goalsTeam1 + sim::match.goalsTeam2 > before) {
            goals += 1;
            if (goals == goal) {
                // A ball that reached the goal in the awarding tick itself (an
                // earlier stay left the count nearly full) crossed in this frame.
                frames.crossing = inGoalSince != 0 ? inGoalSince : frame;
                frames.award = frame;
                return true;
            }
        }
        if (!ballInGoal(sim::match.ball)) {
            inGoalSince = 0;
        } else if (inGoalSince == 0) {
            inGoalSince = frame;
        }
    }
    return false;
}

// What the child process reports: found or not, and the two frames.
struct SearchAnswer {
    std::int64_t found;
    std::int64_t crossing;
    std::int64_t award;
};

static bool readAll(int fd, void* data, std::size_t size) {
    char* at = static_cast<char*>(data);
    while (size > 0) {
        const ssize_t n = read(fd, at, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        at += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

int findGoalFromStart(std::int64_t goal, std::int64_t limit, GoalFrames& frames,
                      std::string& error) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        error = std::string("cannot start the goal search: ") + std::strerror(errno);
        return 1;
    }
    const pid_t child = fork();
    if (child < 0) {
        error = std::string("cannot start the goal search: ") + std::strerror(errno);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        return 1;
    }
    if (child == 0) {
        close(pipeEnds[0]);
        GoalFrames found;
        SearchAnswer answer = {findGoal(goal, limit, found) ? 1 : 0, found.crossing, found.award};
        const bool sent = write(pipeEnds[1], &answer, sizeof answer) == sizeof answer;
        _exit(sent ? 0 : 1);
    }
    close(pipeEnds[1]);
    SearchAnswer answer = {};
    const bool received = readAll(pipeEnds[0], &answer, sizeof answer);
    close(pipeEnds[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!received || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        error = "the goal search ended without an answer";
        return 1;
    }
    if (answer.found == 0) {
        error = "goal " + std::to_string(goal) + " does not happen within the first " +
                std::to_string(limit) + " frames of the match";
        return 1;
    }
    frames.crossing = answer.crossing;
    frames.award = answer.award;
    return 0;
}

}  // namespace tools

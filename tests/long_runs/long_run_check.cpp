// long_run_check.cpp -- long-run-check: runs the program's frames headless under the
// invariant checker and reports the score, the weather's phases and the highest counts.
// Usage: long-run-check FRAMES [--keys SEED]; with --keys, random camera keys (and the
// restart key) are held for random spans. Status 0 when no fault was found, 1 otherwise,
// 2 for a bad command line.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>

#include "frame/frame_step.h"
#include "frame/key_table.h"
#include "frame/world.h"
#include "sim/match_state.h"
#include "tests/long_runs/match_invariants.h"

static bool parseCount(const char* text, long long& value) {
    char* end = nullptr;
    value = std::strtoll(text, &end, 10);
    return end != text && *end == '\0' && value >= 0 && value < 1000000000000LL;
}

static void printPhases(const long_runs_test::InvariantChecker& c) {
    std::printf("weather phases: dry from frame 0");
    std::size_t starts = 0, stops = 0;
    while (starts < c.rainStarts.size() || stops < c.rainStops.size()) {
        const bool startNext =
            stops >= c.rainStops.size() ||
            (starts < c.rainStarts.size() && c.rainStarts[starts] < c.rainStops[stops]);
        if (startNext) {
            std::printf(", rain from %lld", static_cast<long long>(c.rainStarts[starts++]));
        } else {
            std::printf(", thinning out from %lld", static_cast<long long>(c.rainStops[stops++]));
        }
    }
    std::printf("\n");
}

int main(int argc, char** argv) {
    long long frames = 0, seed = 0;
    const bool keys = argc == 4 && std::strcmp(argv[2], "--keys") == 0;
    if ((argc != 2 && !keys) || !parseCount(argv[1], frames) ||
        (keys && !parseCount(argv[3], seed))) {
        std::fprintf(stderr, "usage: long-run-check FRAMES [--keys SEED]\n");
        return 2;
    }
    long_runs_test::InvariantChecker checker;
    checker.checkBall = !keys;
    auto world = std::make_unique<frame::World>(frame::initialWorld());
    frame::initSceneState(*world);
    long_runs_test::startChecking(checker, *world);
    std::mt19937 random(static_cast<std::mt19937::result_type>(seed));
    const int cameraKeys[] = {0x4F, 0x4C, 0x4A, 0x4B, 0x49, 0x50, 0x55, 0x44, 0x48,
                              0x4E, 0x5A, 0x58, 0x30, 0x31, 0x32, 0x33, 0x34, 0x35};
    long long spanLeft = 0;
    for (long long f = 1; f <= frames; ++f) {
        if (keys && spanLeft-- == 0) {
            frame::KeyTable& keyTable = world->keys;
            keyTable = frame::KeyTable{};
            for (int n = static_cast<int>(random() % 6); n > 0; --n) {
                const int key = random() % 4 == 0 ? static_cast<int>(random() % 256)
                                                  : cameraKeys[random() % 18];
                keyTable.held[key] = true;
            }
            spanLeft = random() % (keyTable.held[0x31] ? 20 : 400);
        }
        frame::stepWorld(*world);
        long_runs_test::checkFrame(checker, *world, world->keys.held[0x31],
                                   world->pause.paused || world->replay.held);
    }
    std::printf("frames: %lld\n", frames);
    std::printf("final score: DYNAMO %d : %d SHAKHTAR\n", world->match.goalsTeam1,
                world->match.goalsTeam2);
    std::printf("goals awarded: %lld\n", static_cast<long long>(checker.goalsAwarded));
    std::printf("rain starts: %zu, thinning outs: %zu\n", checker.rainStarts.size(),
                checker.rainStops.size());
    printPhases(checker);
    std::printf("highest passWait %d, decisionTimer %d, possession.timer %d, rain clock %d\n",
                checker.maxPassWait, checker.maxDecisionTimer, checker.maxPossessionTimer,
                checker.maxRainClock);
    if (checker.faultCount > 0) {
        std::fprintf(stderr, "%s\n", long_runs_test::describeFaults(checker).c_str());
        return 1;
    }
    std::printf("no faults\n");
    return 0;
}

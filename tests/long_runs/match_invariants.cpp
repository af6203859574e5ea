// match_invariants.cpp -- the long-run checker's rules, one group of fields at a time.
#include "tests/long_runs/match_invariants.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "render/rain_field.h"

namespace long_runs_test {

static void fault(InvariantChecker& checker, const std::string& what) {
    ++checker.faultCount;
    if (checker.faults.size() < kMaxFaults)
        checker.faults.push_back("frame " + std::to_string(checker.frame) + ": " + what);
}

static void expectFinite(InvariantChecker& checker, float value, const char* name) {
    if (!std::isfinite(value))
        fault(checker, std::string(name) + " is not finite");
}

static void expectRange(InvariantChecker& checker, double value, double low, double high,
                        const std::string& name) {
    if (!(value >= low && value <= high)) {  // a NaN fails too
        char text[160];
        std::snprintf(text, sizeof text, "%s = %.9g outside %g..%g", name.c_str(), value, low,
                      high);
        fault(checker, text);
    }
}

// A counter that runs up by one per tick and returns to 0 (warm-up frames
// run no tick and leave it alone).
static void expectCountOrZero(InvariantChecker& checker, int before, int after,
                              const std::string& name) {
    if (after != before && after != before + 1 && after != 0)
        fault(checker,
              name + " went from " + std::to_string(before) + " to " + std::to_string(after));
}

// The zones of players 1..5, team 1; team 2's are them turned about the centre spot.
struct Zone {
    float lateralMin, lateralMax, lengthwiseMin, lengthwiseMax;
};
static const Zone kTeam1Zones[5] = {
    {0, 35, 0, 60}, {-15, 15, 0, 50}, {-35, 0, 0, 60}, {5, 35, 40, 95}, {-35, -5, 40, 95}};

static Zone zoneOf(int team, int index) {
    const Zone& z = kTeam1Zones[index];
    if (team == 1)
        return z;
    return Zone{-z.lateralMax, -z.lateralMin, 100.0f - z.lengthwiseMax, 100.0f - z.lengthwiseMin};
}

// A kick-off leaves the kicking side's two centre players on the halfway
// line at lateral 1 and -3, outside their zones until the next tick.
static bool atKickOffSpot(const sim::OutfieldPlayer& p) {
    return p.lengthwise == 50.0f && (p.lateral == 1.0f || p.lateral == -3.0f);
}

// `kickedOff`: the latest kick-off's places may still stand.
static void checkPlayers(InvariantChecker& checker, const sim::MatchState& m, bool kickedOff) {
    const sim::Team* teams[2] = {&m.team1, &m.team2};
    const sim::Team* before[2] = {&checker.previous.team1, &checker.previous.team2};
    for (int t = 0; t < 2; ++t) {
        const std::string team = "team " + std::to_string(t + 1);
        for (int i = 0; i < 5; ++i) {
            const sim::OutfieldPlayer& p = teams[t]->outfield[i];
            const std::string name = team + " player " + std::to_string(i + 1);
            expectFinite(checker, p.lateral, (name + " lateral").c_str());
            expectFinite(checker, p.lengthwise, (name + " lengthwise").c_str());
            expectFinite(checker, p.heading, (name + " heading").c_str());
            const Zone z = zoneOf(t + 1, i);
            const bool inside = p.lateral >= z.lateralMin && p.lateral <= z.lateralMax &&
                                p.lengthwise >= z.lengthwiseMin && p.lengthwise <= z.lengthwiseMax;
            if (!inside && !(kickedOff && atKickOffSpot(p))) {
                char text[160];
                std::snprintf(text, sizeof text, "%s at (%.9g, %.9g) outside its zone",
                              name.c_str(), p.lateral, p.lengthwise);
                fault(checker, text);
            }
            expectCountOrZero(checker, before[t]->outfield[i].decisionTimer, p.decisionTimer,
                              name + " decisionTimer");
            expectRange(checker, p.decisionTimer, 0, 1e9, name + " decisionTimer");
            if (p.decisionTimer > checker.maxDecisionTimer)
                checker.maxDecisionTimer = p.decisionTimer;
        }
        expectRange(checker, teams[t]->keeperLateral, -3.5, 3.5, team + " keeperLateral");
    }
}

static void checkFlight(InvariantChecker& checker, const sim::BallFlight& f, const char* name) {
    expectRange(checker, f.active, 0, 1, std::string(name) + ".active");
    expectRange(checker, f.ticks, 0, 14, std::string(name) + ".ticks");
    expectFinite(checker, f.speed, name);
    expectFinite(checker, f.direction, name);
    expectRange(checker, f.speed, 0.0, 10.0, std::string(name) + ".speed");
}

// Goals only grow, by one at a time and one side at a time, on the tick
// after a celebration of 41; a reset puts both back to 0.
static void checkGoals(InvariantChecker& checker, const sim::MatchState& m, bool restarted,
                       bool& awarded) {
    const sim::MatchState& p = checker.previous;
    const int grew1 = m.goalsTeam1 - p.goalsTeam1;
    const int grew2 = m.goalsTeam2 - p.goalsTeam2;
    awarded = false;
    if (restarted) {
        if (m.goalsTeam1 != 0 || m.goalsTeam2 != 0)
            fault(checker, "a reset left the goals at " + std::to_string(m.goalsTeam1) + ":" +
                               std::to_string(m.goalsTeam2));
        return;
    }
    if (grew1 < 0 || grew2 < 0 || grew1 > 1 || grew2 > 1 || grew1 + grew2 > 1) {
        fault(checker, "goals went from " + std::to_string(p.goalsTeam1) + ":" +
                           std::to_string(p.goalsTeam2) + " to " + std::to_string(m.goalsTeam1) +
                           ":" + std::to_string(m.goalsTeam2));
        return;
    }
    if (grew1 + grew2 == 1) {
        awarded = true;
        ++checker.goalsAwarded;
        if (p.goalCelebration != 41 || m.goalCelebration != 0)
            fault(checker,
                  "a goal was awarded after a celebration of " + std::to_string(p.goalCelebration));
    }
}

static void checkMatch(InvariantChecker& checker, const sim::MatchState& m, bool restarted) {
    const sim::MatchState& p = checker.previous;
    bool awarded = false;
    checkGoals(checker, m, restarted, awarded);
    // The gate ran a tick in this frame when the warm-up was over at its start.
    if (p.warmUpFrames > 100)
        checker.kickOffStanding = false;
    if (restarted || awarded)
        checker.kickOffStanding = true;
    checkPlayers(checker, m, checker.kickOffStanding);

    expectFinite(checker, m.ball.lateral, "ball lateral");
    expectFinite(checker, m.ball.lengthwise, "ball lengthwise");
    if (checker.checkBall && !checker.restartedSinceStart) {
        expectRange(checker, m.ball.lateral, -35.5, 35.5, "ball lateral");
        expectRange(checker, m.ball.lengthwise, -1.5, 101.5, "ball lengthwise");
    }

    expectRange(checker, m.possession.team, 0, 2, "possession.team");
    expectRange(checker, m.possession.holder, 0, 5, "possession.holder");
    expectRange(checker, m.possession.timer, 0, 1e9, "possession.timer");
    expectCountOrZero(checker, p.possession.timer, m.possession.timer, "possession.timer");
    checkFlight(checker, m.pass, "pass");
    checkFlight(checker, m.shot, "shot");
    // passWait counts to 11 before a pass may start, and on through the 15
    // ticks of a pass (which end it at 0).
    expectRange(checker, m.passWait, 0, 26, "passWait");
    expectRange(checker, m.goalCelebration, 0, 41, "goalCelebration");
    expectRange(checker, m.goalKickTimer, 0, 41, "goalKickTimer");
    expectRange(checker, m.warmUpFrames, 0, 101, "warmUpFrames");
    expectRange(checker, m.goalsTeam1, 0, 1e9, "goalsTeam1");
    expectRange(checker, m.goalsTeam2, 0, 1e9, "goalsTeam2");

    if (m.passWait > checker.maxPassWait)
        checker.maxPassWait = m.passWait;
    if (m.possession.timer > checker.maxPossessionTimer)
        checker.maxPossessionTimer = m.possession.timer;
}

static void checkCamera(InvariantChecker& checker, const frame::Camera& c) {
    expectFinite(checker, c.translateX, "camera translateX");
    expectFinite(checker, c.translateZ, "camera translateZ");
    expectRange(checker, c.translateY, -50.0, -2.0, "camera translateY");
    expectRange(checker, c.pitch, -90.0, 90.0, "camera pitch");
    expectRange(checker, c.fieldOfView, 25.0, 65.0, "camera fieldOfView");
    if (!(c.yaw >= 0.0f && c.yaw < 360.0f))
        fault(checker, "camera yaw " + std::to_string(c.yaw) + " outside [0, 360)");
}

static void checkAnimation(InvariantChecker& checker, const render::FigureAnimation& a) {
    expectRange(checker, a.strideTeam1, 1, 10, "strideTeam1");
    expectRange(checker, a.strideTeam2, 1, 10, "strideTeam2");
    expectRange(checker, a.keeperTeam1, 1, 10, "keeperTeam1");
    expectRange(checker, a.keeperTeam2, 1, 10, "keeperTeam2");
}

// The weather clock counts frames and returns to 0 only when the weather
// switches, which needs it above 1000; a tenth of the drops are looked at in
// each frame, in turn, and the falling count is recounted now and then.
static void checkRain(InvariantChecker& checker, const render::RainField& r, bool paused) {
    expectRange(checker, r.raining, 0, 1, "raining");
    expectRange(checker, r.falling, 0, render::kRainDropCount, "falling");
    const bool switched = r.raining != checker.previousRaining;
    if (switched) {
        if (r.clock != 0 || checker.previousClock + 1 <= 1000)
            fault(checker, "the weather switched with the clock at " +
                               std::to_string(checker.previousClock));
        (r.raining ? checker.rainStarts : checker.rainStops).push_back(checker.frame);
    } else if (r.clock != checker.previousClock + (paused ? 0 : 1)) {
        fault(checker, "the rain clock went from " + std::to_string(checker.previousClock) +
                           " to " + std::to_string(r.clock));
    }
    if (r.clock > checker.maxRainClock)
        checker.maxRainClock = r.clock;
    for (int i = static_cast<int>(checker.frame % 10); i < render::kRainDropCount; i += 10) {
        const render::RainDrop& d = r.drops[i];
        if (!std::isfinite(d.x) || !std::isfinite(d.y) || !std::isfinite(d.z))
            fault(checker, "rain drop " + std::to_string(i) + " is not finite");
    }
    if (checker.frame % 1000 == 0 && r.falling != render::countFallingDrops(r))
        fault(checker, "falling count " + std::to_string(r.falling) + " but " +
                           std::to_string(render::countFallingDrops(r)) + " drops fall");
}

static void remember(InvariantChecker& checker, const frame::World& world) {
    checker.previous = world.match;
    checker.previousCamera = world.camera;
    checker.previousAnimation = world.animation;
    checker.previousRaining = world.rain.raining;
    checker.previousClock = world.rain.clock;
}

void startChecking(InvariantChecker& checker, const frame::World& world) {
    checker.frame = 0;
    checker.kickOffStanding = true;  // start-up has just kicked off
    remember(checker, world);
}

// A frame run wholly in the pause (Pause or Space), or held for a goal's
// replay, changes nothing of the match, the figure counters or the rain; only
// the camera moves.
static void checkPausedFrame(InvariantChecker& checker, const frame::World& world) {
    if (std::memcmp(&world.match, &checker.previous, sizeof checker.previous) != 0)
        fault(checker, "the match changed while paused");
    if (std::memcmp(&world.animation, &checker.previousAnimation,
                    sizeof checker.previousAnimation) != 0)
        fault(checker, "the figure counters changed while paused");
    if (world.rain.clock != checker.previousClock || world.rain.raining != checker.previousRaining)
        fault(checker, "the rain clock moved while paused");
}

void checkFrame(InvariantChecker& checker, const frame::World& world, bool restarted, bool paused) {
    ++checker.frame;
    if (restarted)
        checker.restartedSinceStart = true;
    if (paused && !restarted) {
        checkPausedFrame(checker, world);
        checkCamera(checker, world.camera);
        remember(checker, world);
        return;
    }
    checkMatch(checker, world.match, restarted);
    checkCamera(checker, world.camera);
    checkAnimation(checker, world.animation);
    checkRain(checker, world.rain, paused);
    remember(checker, world);
}

std::string describeFaults(const InvariantChecker& checker) {
    std::string text = std::to_string(checker.faultCount) + " faults";
    for (const std::string& f : checker.faults)
        text += "\n  " + f;
    return text;
}

}  // namespace long_runs_test

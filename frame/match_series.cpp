// match_series.cpp -- matches one after another: seeds, length, clubs, half time, final score,
// the next match.
#include "frame/match_series.h"

#include "common/match_seed.h"
#include "frame/frame_step.h"
#include "frame/world.h"

namespace frame {

MatchSeries initialMatchSeries() {
    return MatchSeries{false, common::kDesignedSeed, common::kDesignedSeed, 0, 0, 0, 0, 0, false,
                       1};
}

void seedMatches(World& world, std::uint32_t seed) {
    world.series.seeded = true;
    world.series.firstSeed = seed;
    world.series.seed = seed;
    world.random.state = seed;
}

void rewindMatchSeries(World& world) {
    world.series.seed = world.series.firstSeed;
    world.series.finalScoreFrames = 0;
    world.series.nextMatches = 0;
    world.series.halfTimeFrames = 0;
    world.series.secondHalf = false;
    world.random.state = world.series.firstSeed;
}

void setMatchMinutes(MatchSeries& series, int minutes, bool halves) {
    const std::int64_t milliseconds = static_cast<std::int64_t>(minutes) * 60000;
    series.matchFrames = (milliseconds + kFrameMilliseconds - 1) / kFrameMilliseconds;
    series.halfFrames =
        halves ? (milliseconds / 2 + kFrameMilliseconds - 1) / kFrameMilliseconds : 0;
}

std::uint32_t chooseMatches(World& world, const common::MatchChoice& choice,
                            const MatchClubs& clubs) {
    if (choice.seedGiven)
        seedMatches(world, choice.seed);
    else if (choice.seedFromClock)
        seedMatches(world, common::seedFromClock());
    setMatchMinutes(world.series, choice.minutes, choice.halves);
    world.replay.enabled = choice.replays;
    world.clubs = clubs;
    return world.random.state;
}

bool runMatchSeries(World& world) {
    MatchSeries& series = world.series;
    if (series.halfTimeFrames > 0) {
        series.halfTimeFrames -= 1;
        if (series.halfTimeFrames > 0)
            return false;
        world.panel.halfTime = false;
        sim::kickOff(world.match, 3 - series.firstKickOff);
        return true;
    }
    if (series.finalScoreFrames == 0)
        return true;
    series.finalScoreFrames -= 1;
    if (series.finalScoreFrames > 0)
        return false;
    if (series.seeded) {
        series.seed = common::nextSeed(series.seed);
        world.random.state = series.seed;
    }
    initSceneState(world);
    series.nextMatches += 1;
    return true;
}

// Nothing in the air and the ball on the pitch: no goal or goal kick is
// under way that half time would cut off.
static bool ballAtRest(const sim::MatchState& match) {
    return match.pass.active == 0 && match.shot.active == 0 && match.ball.lengthwise >= 0.0f &&
           match.ball.lengthwise <= 100.0f;
}

void blowWhistleAtLength(World& world) {
    MatchSeries& series = world.series;
    if (series.matchFrames == 0)
        return;
    if (world.statistics.matchFrames >= series.matchFrames) {
        series.finalScoreFrames = kFinalScoreFrames;
        world.panel.finalScore = true;
    } else if (series.halfFrames > 0 && !series.secondHalf &&
               world.statistics.matchFrames >= series.halfFrames && ballAtRest(world.match)) {
        series.secondHalf = true;
        series.halfTimeFrames = kHalfTimeFrames;
        world.panel.halfTime = true;
    }
}

void beginMatch(World& world) {
    world.series.finalScoreFrames = 0;
    world.series.halfTimeFrames = 0;
    world.series.secondHalf = false;
    world.series.firstKickOff = world.match.possession.team;
    world.panel.finalScore = false;
    world.panel.halfTime = false;
}

}  // namespace frame

// match_series.cpp -- matches one after another: seeds, length, final score, the next match.
#include "frame/match_series.h"

#include "common/match_seed.h"
#include "frame/frame_step.h"
#include "frame/world.h"

namespace frame {

MatchSeries initialMatchSeries() {
    return MatchSeries{false, common::kDesignedSeed, common::kDesignedSeed, 0, 0, 0};
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
    world.random.state = world.series.firstSeed;
}

void setMatchMinutes(MatchSeries& series, int minutes) {
    const std::int64_t milliseconds = static_cast<std::int64_t>(minutes) * 60000;
    series.matchFrames = (milliseconds + kFrameMilliseconds - 1) / kFrameMilliseconds;
}

std::uint32_t chooseMatches(World& world, const common::MatchChoice& choice) {
    if (choice.seedGiven)
        seedMatches(world, choice.seed);
    else if (choice.seedFromClock)
        seedMatches(world, common::seedFromClock());
    setMatchMinutes(world.series, choice.minutes);
    world.replay.enabled = choice.replays;
    return world.random.state;
}

bool runMatchSeries(World& world) {
    MatchSeries& series = world.series;
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

void blowWhistleAtLength(World& world) {
    if (world.series.matchFrames > 0 && world.statistics.matchFrames >= world.series.matchFrames) {
        world.series.finalScoreFrames = kFinalScoreFrames;
        world.panel.finalScore = true;
    }
}

void endFinalScore(World& world) {
    world.series.finalScoreFrames = 0;
    world.panel.finalScore = false;
}

}  // namespace frame

// match_series.cpp -- matches one after another: seeds, length, final score, the next match.
#include "frame/match_series.h"

#include "common/match_seed.h"
#include "common/random.h"
#include "frame/frame_state.h"
#include "frame/match_panel.h"

namespace frame {

MatchSeries matchSeries = initialMatchSeries();

MatchSeries initialMatchSeries() {
    return MatchSeries{false, common::kDesignedSeed, common::kDesignedSeed, 0, 0, 0};
}

void seedMatches(std::uint32_t seed) {
    matchSeries.seeded = true;
    matchSeries.firstSeed = seed;
    matchSeries.seed = seed;
    common::setRandomState(seed);
}

void rewindMatchSeries() {
    matchSeries.seed = matchSeries.firstSeed;
    matchSeries.finalScoreFrames = 0;
    matchSeries.nextMatches = 0;
    common::setRandomState(matchSeries.firstSeed);
}

void setMatchMinutes(int minutes) {
    const std::int64_t milliseconds = static_cast<std::int64_t>(minutes) * 60000;
    matchSeries.matchFrames = (milliseconds + kFrameMilliseconds - 1) / kFrameMilliseconds;
}

std::uint32_t chooseMatches(const common::MatchChoice& choice) {
    if (choice.seedGiven)
        seedMatches(choice.seed);
    else if (choice.seedFromClock)
        seedMatches(common::seedFromClock());
    setMatchMinutes(choice.minutes);
    return common::randomState();
}

bool runMatchSeries() {
    if (matchSeries.finalScoreFrames == 0)
        return true;
    matchSeries.finalScoreFrames -= 1;
    if (matchSeries.finalScoreFrames > 0)
        return false;
    if (matchSeries.seeded) {
        matchSeries.seed = common::nextSeed(matchSeries.seed);
        common::setRandomState(matchSeries.seed);
    }
    initSceneState();
    matchSeries.nextMatches += 1;
    return true;
}

void blowWhistleAtLength() {
    if (matchSeries.matchFrames > 0 && matchStatistics.matchFrames >= matchSeries.matchFrames) {
        matchSeries.finalScoreFrames = kFinalScoreFrames;
        showFinalScore(true);
    }
}

void endFinalScore() {
    matchSeries.finalScoreFrames = 0;
    showFinalScore(false);
}

}  // namespace frame

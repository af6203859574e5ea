// crowd.h -- the stadium: both teams' supporters, each on their side, over the far crowd's murmur.
#pragma once

#include <cstdint>

#include "audio/murmur.h"
#include "audio/roar.h"
#include "audio/supporters.h"

namespace audio {

struct Crowd {
    Murmur murmur;
    Supporters sides[2];        // team 1's on the left, team 2's on the right
    Roar roar;                  // the breath of a goal's roar, on the scorers' side
    std::int32_t ballTeam;      // the side seen last with the ball (0: none yet)
    std::int32_t shootingTeam;  // the side whose shot is on its way, or flew last
};

Crowd initialCrowd();

// A shot by team 1 or 2; `onTarget` when it would go in between the posts.
void crowdSeesShot(Crowd& crowd, int team, bool onTarget);

// The last shot stopped, or gone wide.
void crowdSeesMiss(Crowd& crowd, bool wide);

// A goal for team 1 or 2; 0 when unknown: both sides cheer.
void crowdSeesGoal(Crowd& crowd, int team);

// Once a control block: what the supporters see, every voice's next targets.
void steerCrowd(Crowd& crowd, float danger, float rain, bool celebrating);

// Adds `count` samples (at most a control block's worth) to each side.
void renderCrowd(Crowd& crowd, float* left, float* right, int count);

}  // namespace audio

// outfield_players.cpp -- the ten outfield players: heading decisions, running and zones.
#include <cmath>

#include "common/numeric.h"
#include "common/random.h"
#include "sim/tick_steps.h"

namespace sim {

// The rectangle a player is held in, bounds inclusive.
struct PlayerZone {
    float lateralMin, lateralMax;
    float lengthwiseMin, lengthwiseMax;
};

// Players 1..5 of each team; team 2's are team 1's turned about the centre spot.
static constexpr PlayerZone kZones[2][5] = {
    {{0, 35, 0, 60}, {-15, 15, 0, 50}, {-35, 0, 0, 60}, {5, 35, 40, 95}, {-35, -5, 40, 95}},
    {{-35, 0, 40, 100}, {-15, 15, 50, 100}, {0, 35, 40, 100}, {-35, -5, 5, 60}, {5, 35, 5, 60}},
};

// Players run 0.3 a tick, the single-precision 0.3 taken as a double.
static constexpr double kRunStep = 0.30000001192092896;

// A new heading from the team's attack cone: 330..359 or 0..29 for team 1,
// 151..209 for team 2.
float TickSteps::attackConeHeading(int team) {
    const int d = r(60);
    if (team == 1) {
        const int heading = d - 30;
        return static_cast<float>(heading < 0 ? heading + 360 : heading);
    }
    if (d == 0)
        return static_cast<float>(180 - r(30));
    return static_cast<float>(d + 150);
}

// The draws of the other team's cone, made and discarded by a player who
// chases the ball instead.
void TickSteps::discardOtherConeDraws(int team) {
    if (team == 1) {
        if (r(60) == 0)
            r(30);
    } else {
        r(60);
    }
}

void TickSteps::decideHeading(OutfieldPlayer& player, int team) {
    if (r(10) != 5)
        return;
    player.decisionTimer = 0;
    r(100);
    if (match.possession.team == team) {
        player.heading = attackConeHeading(team);
    } else {
        discardOtherConeDraws(team);
        player.heading = bearingTo(player.lateral, player.lengthwise, match.ball.lateral,
                                   match.ball.lengthwise, player.heading);
    }
}

static void clampToZone(OutfieldPlayer& player, const PlayerZone& zone) {
    if (player.lateral > zone.lateralMax) {
        player.lateral = zone.lateralMax;
        player.heading = 270.0f;
    }
    if (player.lateral < zone.lateralMin) {
        player.lateral = zone.lateralMin;
        player.heading = 90.0f;
    }
    if (player.lengthwise < zone.lengthwiseMin) {
        player.lengthwise = zone.lengthwiseMin;
        player.heading = 0.0f;
    }
    if (player.lengthwise > zone.lengthwiseMax) {
        player.lengthwise = zone.lengthwiseMax;
        player.heading = 180.0f;
    }
}

void TickSteps::moveOutfieldPlayer(int team, int number) {
    OutfieldPlayer& player = teamRecord(team).outfield[number - 1];
    player.decisionTimer += 1;
    if (player.decisionTimer > 30 || match.possession.team == 0)
        decideHeading(player, team);

    const double angle = common::simulationRadians(player.heading);
    player.lateral = common::toSingle(player.lateral + kRunStep * std::sin(angle));
    player.lengthwise = common::toSingle(player.lengthwise + kRunStep * std::cos(angle));
    clampToZone(player, kZones[team - 1][number - 1]);
}

}  // namespace sim

// crowd.cpp -- the match as both sides of the stadium see it, and their voices mixed.
#include "audio/crowd.h"

#include "audio/sound_math.h"

namespace audio {

namespace {

constexpr float kMurmurLevel = 0.75f;
// The roar's breath carries across the stadium: some of it on the far side.
constexpr float kRoarAcross = 0.6f;

bool isTeam(int team) {
    return team == 1 || team == 2;
}

}  // namespace

Crowd initialCrowd() {
    Crowd crowd{};
    crowd.murmur = initialMurmur();
    crowd.sides[0] = initialSupporters(1);
    crowd.sides[1] = initialSupporters(2);
    crowd.roar = initialRoar();
    return crowd;
}

void crowdSeesShot(Crowd& crowd, int team, bool onTarget) {
    if (!isTeam(team))
        return;
    crowd.shootingTeam = team;
    for (Supporters& side : crowd.sides)
        seeShot(side, side.team == team, onTarget);
}

void crowdSeesMiss(Crowd& crowd, bool wide) {
    if (!isTeam(crowd.shootingTeam))
        return;
    for (Supporters& side : crowd.sides)
        seeMiss(side, side.team == crowd.shootingTeam, wide);
}

void crowdSeesGoal(Crowd& crowd, int team) {
    for (Supporters& side : crowd.sides)
        seeGoal(side, !isTeam(team) || side.team == team);
}

void steerCrowd(Crowd& crowd, float danger, float rain, bool celebrating) {
    float murmur[2];
    for (int i = 0; i < 2; ++i) {
        Supporters& side = crowd.sides[i];
        const PlayView view{danger, crowd.ballTeam == side.team, celebrating,
                            chanting(crowd.sides[1 - i])};
        steerSupporters(side, view);
        murmur[i] = kMurmurLevel * side.talk;
    }
    steerMurmur(crowd.murmur, danger, rain, murmur);
    const float roar[2] = {crowd.sides[0].roarMass + kRoarAcross * crowd.sides[1].roarMass,
                           crowd.sides[1].roarMass + kRoarAcross * crowd.sides[0].roarMass};
    steerRoar(crowd.roar, roar);
}

void renderCrowd(Crowd& crowd, float* left, float* right, int count) {
    renderMurmur(crowd.murmur, left, right, count);
    for (Supporters& side : crowd.sides)
        renderSupporters(side, left, right, count);
    renderRoar(crowd.roar, left, right, count);
}

}  // namespace audio

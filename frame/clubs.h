// clubs.h -- the clubs a match is played between: their names, kits and squads, the built-in
// list and a teams file's (docs/teams.md), and the pair a match is chosen with.
#pragma once

#include <string>
#include <vector>

#include "common/match_seed.h"
#include "render/kit.h"

namespace frame {

// The score bar holds two names of this many letters as designed.
constexpr int kClubNameLetters = 9;
// The players of a side: the keeper, then outfield players 1..5, as the match numbers them.
constexpr int kSquadSize = 6;
constexpr int kPlayerNameLetters = 12;

struct SquadPlayer {
    int number;                         // on the shirt, 1..99
    char name[kPlayerNameLetters + 1];  // capitals, NUL-terminated
};

// What a side wears: the outfield players' kit and the keeper's.
struct ClubKit {
    render::Kit outfield;
    render::Kit keeper;
};

// Plain fixed-size data, so that a chosen pair can live in the world.
struct Club {
    char name[kClubNameLetters + 1];  // capitals, NUL-terminated
    ClubKit kits[2];                  // the home kit, then the second kit
    SquadPlayer squad[kSquadSize];    // the match's holder numbers: 0 the keeper, 1..5
};

using ClubList = std::vector<Club>;

// The built-in clubs, the designed pair first: DYNAMO, then SHAKHTAR.
const ClubList& builtInClubs();

// The club of that name (capitals or not) in `clubs`; null when there is none.
const Club* findClub(const ClubList& clubs, const std::string& name);

// The pair a match is played between, as the world keeps it: team 1 (the
// home side) and team 2, each in the kit it wears.
struct MatchSide {
    char name[kClubNameLetters + 1];
    ClubKit kit;
    SquadPlayer squad[kSquadSize];
};

struct MatchClubs {
    MatchSide sides[2];
    bool designed;  // DYNAMO against SHAKHTAR, as designed
};

// DYNAMO in white against SHAKHTAR in orange, as designed.
MatchClubs designedClubs();

// Whether two kits are too alike to tell apart on the pitch: their shirts, or
// one side's shirt and the other's shorts, are close in colour.
bool kitsClash(const render::Kit& home, const render::Kit& away);

// The clubs `choice` names (empty: the designed side) found among `known`,
// each in its home kit unless the kits clash, when the away side wears its
// second. The names in `choice` become the clubs' own (capitals). False, with
// one line in `error`, for a name not known or both sides the same club.
// Called by every host before chooseMatches, once its clubs are known.
bool resolveClubs(const ClubList& known, common::MatchChoice& choice, MatchClubs& clubs,
                  std::string& error);

// The club a session names for side 0 (home) or 1 (away): the name chosen,
// or empty when it is the designed side's, which a session leaves unsaid.
std::string chosenClubName(const common::MatchChoice& choice, int side);

// --list-teams: one line a club, its name first, then its kits and squad.
std::string clubListText(const ClubList& clubs);

}  // namespace frame

// built_in_clubs.cpp -- the clubs every program knows: the designed pair, then the others,
// written as a teams file is (docs/teams.md). Every club and player here is made up.
#include <cstring>

#include "frame/clubs.h"
#include "frame/teams_file.h"

namespace frame {

// The designed pair in their designed colours (bare legs, black keepers),
// which a teams file's six hex digits cannot all give (0.3 is no whole
// level), so they are written out; their second kits keep the bare legs.
static Club designedClub(const char* name, const render::Kit& home, const render::Kit& away,
                         const SquadPlayer (&squad)[kSquadSize]) {
    Club club = {};
    std::strncpy(club.name, name, kClubNameLetters);
    club.kits[0] = ClubKit{home, render::kGoalkeeperKit};
    club.kits[1] = ClubKit{away, render::kGoalkeeperKit};
    std::memcpy(club.squad, squad, sizeof club.squad);
    return club;
}

static const SquadPlayer kDynamoSquad[kSquadSize] = {
    {1, "LUKIN"}, {3, "VOROBEY"}, {4, "SAVCHUK"}, {5, "TKACH"}, {7, "PETROV"}, {9, "MAKARENKO"}};
static const SquadPlayer kShakhtarSquad[kSquadSize] = {{1, "BONDAR"},  {2, "KRAVETS"},
                                                       {4, "RUDENKO"}, {6, "SHEVCHIK"},
                                                       {8, "MOROZOV"}, {10, "HRYTSAI"}};

// The others: home and away are SHIRT SHORTS BOOTS KEEPER; the players the
// keeper first, then the three defenders and the two forwards.
static const char kOtherClubs[] = R"(
club HARBOUR
home 1F3A93 FFFFFF 000000 2E8B57
away 87CEEB 1F3A93 000000 FFD700
player 1 WHITLOCK
player 2 PENROSE
player 5 CALDER
player 6 MARLOWE
player 9 FINNEGAN
player 11 TREVASKIS

club MILLSIDE
home 800020 FFFFFF 000000 228B22
away FFFFFF 800020 000000 444444
player 1 ASHWORTH
player 3 BRAITHWAITE
player 4 HOLROYD
player 6 PICKLES
player 8 SUTCLIFFE
player 10 GREENHALGH

club NORTHGATE
home 1E8C3A FFFFFF 000000 FFA500
away F2D024 1E8C3A 000000 6A0DAD
player 1 DUNMORE
player 2 KERSHAW
player 4 MCALLISTER
player 5 FAIRBURN
player 7 LINDQVIST
player 9 OKONKWO

club REDCLIFF
home D7263D FFFFFF 000000 1E90FF
away 202020 D7263D 000000 32CD32
player 1 SORENSEN
player 2 TALBOT
player 3 VARGA
player 6 ELLERBY
player 7 QUINTANA
player 9 ROWLEY

club IRONVALE
home 7D7D7D 111111 000000 FF8C00
away ADD8E6 7D7D7D 000000 8B0000
player 1 HALVORSEN
player 3 BRENNAN
player 4 KOVAC
player 5 ADEYEMI
player 10 STRACHAN
player 11 MOLINA

club KESTREL
home 8B5A2B F5DEB3 000000 00CED1
away F5DEB3 8B5A2B 000000 2F4F4F
player 1 PARDOE
player 2 HEWSON
player 5 NAKAMURA
player 6 BELLAMY
player 8 OYELARAN
player 9 DRISCOLL

club LANTERN
home FFBF00 000000 000000 4169E1
away 1A1A1A FFBF00 000000 FFFFFF
player 1 FAIRCLOUGH
player 2 DEVLIN
player 4 ESPINOZA
player 5 MERRICK
player 7 TOIVONEN
player 11 ABERNETHY

club OAKMOOR
home 0B4F2E D4AF37 000000 C71585
away D4AF37 0B4F2E 000000 4682B4
player 1 GRANGER
player 3 HOLLIS
player 4 PRZYBYL
player 6 LACROIX
player 9 MWANGI
player 10 CAVENDISH

club SALTMARSH
home 008080 FFFFFF FFFFFF FF4500
away FF7F50 008080 000000 191970
player 1 TREGEAR
player 2 BOSWORTH
player 5 NILSSON
player 6 KEARNEY
player 7 DA-SILVA
player 9 PEMBERTON

club COPPERTON
home B87333 000000 000000 00BFFF
away FFFFFF B87333 000000 2E8B57
player 1 GALLAGHER
player 3 RUSZKOWSKI
player 4 ODUYA
player 5 HARTIGAN
player 8 VESELY
player 10 CORRIGAN

club WESTERLY
home 6CABDD 1C2C5B 000000 FFD700
away 1C2C5B 6CABDD 000000 F08080
player 1 MACLEOD
player 2 IVERSEN
player 4 BAPTISTE
player 6 RENWICK
player 9 TAKAHASHI
player 11 OLUWOLE

club GRANITE
home 36454F FFFFFF 000000 ADFF2F
away FFB6C1 36454F 000000 000080
player 1 STRAND
player 3 ABERCROMBY
player 5 DUARTE
player 6 KILBRIDE
player 7 NOWAKOWSKI
player 9 FERRIS

club BRAMBLE
home 5B2A86 FFFFFF 000000 FFFF00
away 9ACD32 5B2A86 000000 FF69B4
player 1 HOPKIRK
player 2 SZABO
player 4 ELDRIDGE
player 5 MBATHA
player 8 VALLANCE
player 10 CORCORAN

club TIDEWATER
home 1CA3AF 1C2C5B 000000 FF6347
away FFFFFF 1C2C5B 000000 9932CC
player 1 PRENDERGAST
player 2 LOWRY
player 5 AKINOLA
player 6 HEGARTY
player 9 SANDOVAL
player 11 WESTGARTH

club FERNHILL
home 7CB518 000000 000000 8A2BE2
away 111111 7CB518 000000 FFA07A
player 1 BRADSHAW
player 3 OKAFOR
player 4 LINDGREN
player 6 MCCREADY
player 7 FONSECA
player 9 THORNE

club STARLING
home F9E300 0047AB 000000 DC143C
away 0047AB F9E300 000000 00A86B
player 1 KAVANAGH
player 2 DESMOND
player 5 HALLORAN
player 6 ZIELINSKI
player 10 MENDOZA
player 11 ASHCROFT
)";

static ClubList makeBuiltInClubs() {
    const render::Kit dynamoAway = {{0.3, 0.3, 1.0}, {1.0, 1.0, 1.0}, false, {0.0, 0.0, 0.0}};
    const render::Kit shakhtarAway = {{0.0, 0.0, 0.0}, {1.0, 0.5, 0.0}, false, {0.0, 0.0, 0.0}};
    ClubList clubs = {designedClub("DYNAMO", render::kTeam1Kit, dynamoAway, kDynamoSquad),
                      designedClub("SHAKHTAR", render::kTeam2Kit, shakhtarAway, kShakhtarSquad)};
    std::string error;
    // The text is this file's own: a test reads it, so it cannot be refused.
    readTeamsText(kOtherClubs, clubs, error);
    return clubs;
}

const ClubList& builtInClubs() {
    static const ClubList clubs = makeBuiltInClubs();
    return clubs;
}

}  // namespace frame

// clubs.cpp -- finding clubs by name, the pair a match is played between and its kits, and the
// list --list-teams prints.
#include "frame/clubs.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <tuple>

#include "common/command_line.h"

namespace frame {

static bool sameName(const char* name, const std::string& text) {
    if (std::strlen(name) != text.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i] >= 'a' && text[i] <= 'z' ? static_cast<char>(text[i] - 32) : text[i];
        if (c != name[i])
            return false;
    }
    return true;
}

const Club* findClub(const ClubList& clubs, const std::string& name) {
    for (const Club& club : clubs) {
        if (sameName(club.name, name))
            return &club;
    }
    return nullptr;
}

static MatchSide sideOf(const Club& club, int kit) {
    MatchSide side = {};
    std::memcpy(side.name, club.name, sizeof side.name);
    side.kit = club.kits[kit];
    std::memcpy(side.squad, club.squad, sizeof side.squad);
    return side;
}

MatchClubs designedClubs() {
    const ClubList& clubs = builtInClubs();
    return MatchClubs{{sideOf(clubs[0], 0), sideOf(clubs[1], 0)}, true};
}

static double distance(const double a[3], const double b[3]) {
    double sum = 0.0;
    for (int i = 0; i < 3; ++i)
        sum += (a[i] - b[i]) * (a[i] - b[i]);
    return std::sqrt(sum);
}

bool kitsClash(const render::Kit& home, const render::Kit& away) {
    // Half a unit in RGB: red and orange clash, white and yellow do not.
    return distance(home.shirt, away.shirt) < 0.5;
}

bool resolveClubs(const ClubList& known, common::MatchChoice& choice, MatchClubs& clubs,
                  std::string& error) {
    const Club* home = choice.home.empty() ? &builtInClubs()[0] : findClub(known, choice.home);
    const Club* away = choice.away.empty() ? &builtInClubs()[1] : findClub(known, choice.away);
    for (const auto& [club, name, side] :
         {std::tuple{home, &choice.home, "home"}, std::tuple{away, &choice.away, "away"}}) {
        if (club == nullptr) {
            error = "no club " + common::quoted(*name) + " is known for the " + side +
                    " side (--list-teams names them; a teams file's clubs need its --teams-file)";
            return false;
        }
    }
    if (std::strcmp(home->name, away->name) == 0) {
        error = std::string("the home and away sides are the same club, ") + home->name +
                ": choose another for one of them (--home, --away)";
        return false;
    }
    choice.home = choice.home.empty() ? std::string() : home->name;
    choice.away = choice.away.empty() ? std::string() : away->name;
    const int awayKit = kitsClash(home->kits[0].outfield, away->kits[0].outfield) ? 1 : 0;
    // Clubs are known by name: a teams file cannot take a built-in one's.
    const ClubList& builtIn = builtInClubs();
    clubs = MatchClubs{{sideOf(*home, 0), sideOf(*away, awayKit)},
                       std::strcmp(home->name, builtIn[0].name) == 0 &&
                           std::strcmp(away->name, builtIn[1].name) == 0};
    return true;
}

std::string chosenClubName(const common::MatchChoice& choice, int side) {
    const std::string& name = side == 0 ? choice.home : choice.away;
    return name == builtInClubs()[side].name ? std::string() : name;
}

// A colour as six hex digits, each channel rounded to its nearest level.
static std::string hex(const double colour[3]) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X",
                  static_cast<unsigned>(std::lround(colour[0] * 255.0)),
                  static_cast<unsigned>(std::lround(colour[1] * 255.0)),
                  static_cast<unsigned>(std::lround(colour[2] * 255.0)));
    return text;
}

static std::string kitText(const ClubKit& kit) {
    return hex(kit.outfield.shirt) + " " +
           (kit.outfield.shorts ? hex(kit.outfield.shortsColour) : std::string("------")) + " " +
           hex(kit.outfield.boots) + " " + hex(kit.keeper.shirt);
}

std::string clubListText(const ClubList& clubs) {
    std::string text;
    for (const Club& club : clubs) {
        char name[16];
        std::snprintf(name, sizeof name, "%-*s", kClubNameLetters, club.name);
        text += std::string(name) + "  home " + kitText(club.kits[0]) + "  away " +
                kitText(club.kits[1]) + " ";
        for (const SquadPlayer& player : club.squad)
            text += " " + std::to_string(player.number) + " " + player.name;
        text += "\n";
    }
    return text;
}

}  // namespace frame

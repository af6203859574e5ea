// match_options.cpp -- --seed, --random, --match-minutes, --home and --away: their rows and
// their values; the rows of --teams-file and --list-teams.
#include "common/match_options.h"

#include <cstring>

namespace common {

const std::vector<OptionRow>& matchOptionRows() {
    static const std::vector<OptionRow> rows = {
        {"seed", 0, "N",
         "start from seed N (0 to 4294967295): another landscape and\nmatch, the same again for "
         "the same N; 1 is the designed match",
         0},
        {"random", 0, nullptr, "start from a seed taken from the clock, and print it", 0},
        {"match-minutes", 0, "M",
         "end every match after M minutes of match time (1 to 10080);\nits final score shows for "
         "five seconds, then a new match begins\n(with --seed or --random from the next seed); "
         "half time comes\nhalfway, for ten seconds",
         0},
        {"home", 0, "NAME",
         "the home club, team 1, by its name (--list-teams names them);\nDYNAMO unless given", 0},
        {"away", 0, "NAME",
         "the away club, team 2; SHAKHTAR unless given. Where its kit\nclashes with the home "
         "club's it wears its second kit",
         0},
    };
    return rows;
}

const std::vector<OptionRow>& teamsOptionRows() {
    static const std::vector<OptionRow> rows = {
        {"teams-file", 0, "FILE",
         "more clubs for --home and --away, from FILE (its format:\ndocs/teams.md); a session "
         "of those clubs needs it too",
         0},
        {"list-teams", 0, nullptr, "print the clubs known, one a line, its name first, and exit",
         0},
    };
    return rows;
}

static bool named(const OptionRow* option, const char* name) {
    return option != nullptr && option->longName != nullptr &&
           std::strcmp(option->longName, name) == 0;
}

bool isMatchOption(const OptionRow* option) {
    return named(option, "seed") || named(option, "random") || named(option, "match-minutes") ||
           named(option, "home") || named(option, "away");
}

static const char kSeedOrRandom[] = "--seed and --random cannot be used together";

bool readMatchOption(const Argument& argument, MatchChoice& choice, std::string& error) {
    std::uint64_t value = 0;
    if (named(argument.option, "random")) {
        if (choice.seedGiven) {
            error = kSeedOrRandom;
            return false;
        }
        choice.seedFromClock = true;
    } else if (named(argument.option, "seed")) {
        if (!parseNumber(argument.value, 0xFFFFFFFFu, value)) {
            error =
                "--seed needs a whole number from 0 to 4294967295, not " + quoted(argument.value);
            return false;
        }
        if (choice.seedFromClock || choice.seedGiven) {
            error = choice.seedGiven ? "--seed is given twice" : kSeedOrRandom;
            return false;
        }
        choice.seedGiven = true;
        choice.seed = static_cast<std::uint32_t>(value);
    } else if (named(argument.option, "home") || named(argument.option, "away")) {
        const bool home = named(argument.option, "home");
        std::string& name = home ? choice.home : choice.away;
        if (!name.empty()) {
            error = std::string(home ? "--home" : "--away") + " is given twice";
            return false;
        }
        if (argument.value.empty()) {
            error = std::string(home ? "--home" : "--away") + " needs a club's name";
            return false;
        }
        name = argument.value;
    } else {
        if (!parseNumber(argument.value, kMaxMatchMinutes, value) || value == 0) {
            error = "--match-minutes needs a whole number from 1 to " +
                    std::to_string(kMaxMatchMinutes) + ", not " + quoted(argument.value);
            return false;
        }
        choice.minutes = static_cast<int>(value);
        choice.halves = true;
    }
    return true;
}

}  // namespace common

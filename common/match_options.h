// match_options.h -- the options that choose the matches (--seed, --random, --match-minutes,
// --home, --away) and the clubs known (--teams-file, --list-teams), rows of the program's and
// both tools' tables, and the reading of their values.
#pragma once

#include <string>
#include <vector>

#include "common/command_line.h"
#include "common/match_seed.h"

namespace common {

// The five rows, in the order the help lists them.
const std::vector<OptionRow>& matchOptionRows();

// --teams-file FILE and --list-teams, which every program reads itself.
const std::vector<OptionRow>& teamsOptionRows();

// Whether `option` is one of matchOptionRows() (by its long name).
bool isMatchOption(const OptionRow* option);

// Records one of them, with its value, in `choice`. False with a one-line
// message in `error` for a value out of range, --seed, --home or --away
// given twice, or --seed together with --random. A club's name is found later
// (frame/clubs.h), among the clubs known then.
bool readMatchOption(const Argument& argument, MatchChoice& choice, std::string& error);

}  // namespace common

// teams_file.cpp -- a teams file read: club, home, away and player lines, each checked.
#include "frame/teams_file.h"

#include <cstring>

#include "common/command_line.h"
#include "common/number_format.h"

namespace frame {

// The reader's place: the line being read, the club being filled.
struct TeamsReader {
    ClubList added;
    std::int64_t lineNumber = 0;
    std::vector<std::string> fields;
    // The club of the latest club line: what it has so far, and its line.
    bool inClub = false;
    std::int64_t clubLine = 0;
    bool kitGiven[2] = {};
    int players = 0;
    std::string error;
};

static bool fail(TeamsReader& reader, std::int64_t line, const std::string& what) {
    reader.error = "line " + std::to_string(line) + ": " + what;
    return false;
}

static bool fail(TeamsReader& reader, const std::string& what) {
    return fail(reader, reader.lineNumber, what);
}

// Text from the file in a message: quoted, and cut, so the message stays one short line.
static std::string shown(const std::string& text) {
    return text.size() <= 24 ? common::quoted(text) : common::quoted(text.substr(0, 24)) + "...";
}

static std::vector<std::string> splitFields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t at = 0;
    while ((at = line.find_first_not_of(" \t", at)) != std::string::npos) {
        const std::size_t end = line.find_first_of(" \t", at);
        fields.push_back(line.substr(at, end - at));
        at = end;
    }
    return fields;
}

// A name of 1..`most` letters A-Z in either case (and, for players, inner
// hyphens), in capitals. False when it is not one.
static bool capitalName(const std::string& text, std::size_t most, bool hyphens, char* out) {
    if (text.empty() || text.size() > most)
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool inner = i > 0 && i + 1 < text.size();
        if (c >= 'a' && c <= 'z')
            out[i] = static_cast<char>(c - 'a' + 'A');
        else if ((c >= 'A' && c <= 'Z') || (hyphens && inner && c == '-'))
            out[i] = c;
        else
            return false;
    }
    out[text.size()] = '\0';
    return true;
}

static bool fieldCount(TeamsReader& reader, std::size_t count, const char* form) {
    if (reader.fields.size() == count)
        return true;
    return fail(reader, common::quoted(reader.fields[0]) +
                            (reader.fields.size() < count ? " needs " : " takes only ") + form);
}

// The club the latest club line began: it is whole, or the reader fails at its line.
static bool finishClub(TeamsReader& reader) {
    if (!reader.inClub)
        return true;
    const char* missing = !reader.kitGiven[0]           ? "its home kit"
                          : !reader.kitGiven[1]         ? "its away kit"
                          : reader.players < kSquadSize ? "six players"
                                                        : nullptr;
    reader.inClub = false;
    if (missing == nullptr)
        return true;
    return fail(reader, reader.clubLine,
                "club " + common::quoted(reader.added.back().name) + " lacks " + missing +
                    " (a club has a home line, an away line and six player lines)");
}

static bool readClub(TeamsReader& reader, const ClubList& known) {
    if (!fieldCount(reader, 2, "a name") || !finishClub(reader))
        return false;
    Club club = {};
    if (!capitalName(reader.fields[1], kClubNameLetters, false, club.name))
        return fail(reader, "a club's name is 1 to " + std::to_string(kClubNameLetters) +
                                " letters A to Z, not " + shown(reader.fields[1]));
    if (findClub(known, club.name) != nullptr || findClub(reader.added, club.name) != nullptr)
        return fail(reader, "club " + common::quoted(club.name) + " is known already");
    reader.added.push_back(club);
    reader.inClub = true;
    reader.clubLine = reader.lineNumber;
    reader.kitGiven[0] = reader.kitGiven[1] = false;
    reader.players = 0;
    return true;
}

static bool inClub(TeamsReader& reader) {
    if (reader.inClub)
        return true;
    return fail(reader, common::quoted(reader.fields[0]) + " before the first club line");
}

// RRGGBB, or #RRGGBB: six hex digits.
static bool colour(TeamsReader& reader, std::size_t field, double out[3]) {
    std::string text = reader.fields[field];
    if (!text.empty() && text[0] == '#')
        text.erase(0, 1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.size() != 6 || common::hexDigitValue(text[i]) < 0)
            break;
        if (i % 2 == 1)
            out[i / 2] =
                (common::hexDigitValue(text[i - 1]) * 16 + common::hexDigitValue(text[i])) / 255.0;
        if (i == 5)
            return true;
    }
    return fail(reader, "a colour is six hex digits RRGGBB, not " + shown(reader.fields[field]));
}

// home|away SHIRT SHORTS BOOTS KEEPER: the keeper wears the kit's shorts and black boots.
static bool readKit(TeamsReader& reader, int which) {
    if (!inClub(reader) || !fieldCount(reader, 5, "four colours: SHIRT SHORTS BOOTS KEEPER"))
        return false;
    Club& club = reader.added.back();
    if (reader.kitGiven[which])
        return fail(reader, "club " + common::quoted(club.name) + " has its " + reader.fields[0] +
                                " kit already");
    ClubKit kit = {};
    kit.outfield.shorts = true;
    if (!colour(reader, 1, kit.outfield.shirt) || !colour(reader, 2, kit.outfield.shortsColour) ||
        !colour(reader, 3, kit.outfield.boots) || !colour(reader, 4, kit.keeper.shirt))
        return false;
    kit.keeper.shorts = true;
    std::memcpy(kit.keeper.shortsColour, kit.outfield.shortsColour, sizeof kit.keeper.shortsColour);
    club.kits[which] = kit;
    reader.kitGiven[which] = true;
    return true;
}

// player NUMBER NAME: the keeper first, then outfield players 1 to 5.
static bool readPlayer(TeamsReader& reader) {
    if (!inClub(reader) || !fieldCount(reader, 3, "a number and a name"))
        return false;
    Club& club = reader.added.back();
    if (reader.players == kSquadSize)
        return fail(reader, "club " + common::quoted(club.name) + " has six players already");
    std::uint64_t number = 0;
    if (!common::parseNumber(reader.fields[1], 99, number) || number == 0 ||
        reader.fields[1].size() > 2)
        return fail(reader, "a player's number is 1 to 99, not " + shown(reader.fields[1]));
    for (int i = 0; i < reader.players; ++i) {
        if (club.squad[i].number == static_cast<int>(number))
            return fail(reader, "number " + reader.fields[1] + " is taken twice in club " +
                                    common::quoted(club.name));
    }
    SquadPlayer& player = club.squad[reader.players];
    if (!capitalName(reader.fields[2], kPlayerNameLetters, true, player.name))
        return fail(reader, "a player's name is 1 to " + std::to_string(kPlayerNameLetters) +
                                " letters A to Z (hyphens within), not " + shown(reader.fields[2]));
    player.number = static_cast<int>(number);
    reader.players += 1;
    return true;
}

static bool readLine(TeamsReader& reader, const std::string& line, const ClubList& known) {
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t') || byte >= 0x7f)
            return fail(reader, "a character other than printable ASCII");
    }
    reader.fields = splitFields(line);
    if (reader.fields.empty() || reader.fields[0][0] == '#')
        return true;  // a blank line or a comment
    const std::string& record = reader.fields[0];
    if (record == "club")
        return readClub(reader, known);
    if (record == "home" || record == "away")
        return readKit(reader, record == "home" ? 0 : 1);
    if (record == "player")
        return readPlayer(reader);
    return fail(reader, "unknown record " + shown(record) + " (club, home, away or player)");
}

bool readTeamsText(const std::string& text, ClubList& clubs, std::string& error) {
    TeamsReader reader;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        start = end + 1;
        reader.lineNumber += 1;
        if (!readLine(reader, line, clubs)) {
            error = reader.error;
            return false;
        }
    }
    if (!finishClub(reader)) {
        error = reader.error;
        return false;
    }
    clubs.insert(clubs.end(), reader.added.begin(), reader.added.end());
    return true;
}

}  // namespace frame

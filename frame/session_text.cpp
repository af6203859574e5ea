// session_text.cpp -- a session as text and back: one record a line, every frame in order.
#include <bitset>
#include <cstdio>

#include "common/command_line.h"
#include "frame/key_names.h"
#include "frame/session.h"

namespace frame {

// Text from the file in a message: quoted, and cut, so the message stays a short line.
static std::string quoted(const std::string& text) {
    const std::size_t most = 40;
    return text.size() <= most ? common::quoted(text)
                               : common::quoted(text.substr(0, most)) + " and more";
}

static const char kMagic[] = "football-session";

std::string sessionKeyName(int key) {
    const std::string name = keyNameForCode(key);
    if (!name.empty())
        return name;
    char code[8];
    std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned>(key) & 0xFF);
    return code;
}

static std::string eventLine(const SessionEvent& event) {
    const std::string frame = std::to_string(event.frame);
    switch (event.kind) {
        case SessionEventKind::size:
            return "size " + frame + " " + std::to_string(event.width) + " " +
                   std::to_string(event.height);
        case SessionEventKind::down:
            return "down " + frame + " " + sessionKeyName(event.key);
        case SessionEventKind::up:
            return "up " + frame + " " + sessionKeyName(event.key);
        case SessionEventKind::recreate:
            return "recreate " + frame;
    }
    return std::string();
}

std::string sessionHeadText(const Session& session) {
    std::string text = std::string(kMagic) + " " + std::to_string(kSessionVersion) + "\n";
    text += session.matches.seedGiven ? "seed " + std::to_string(session.matches.seed) + "\n"
                                      : std::string("seed designed\n");
    text += "option match-minutes " + std::to_string(session.matches.minutes) + "\n";
    // Written only when on, so that a session without replays stays readable
    // by a reader that knows no such option.
    if (session.matches.replays)
        text += "option replays on\n";
    return text;
}

std::string sessionEventsText(const Session& session, std::size_t firstEvent) {
    std::string text;
    for (std::size_t n = firstEvent; n < session.events.size(); ++n)
        text += eventLine(session.events[n]) + "\n";
    return text;
}

std::string sessionText(const Session& session) {
    return sessionHeadText(session) + sessionEventsText(session, 0) + "end " +
           std::to_string(session.frames) + "\n";
}

// ---- reading ----

// The reader's place: the line being read, what came before it.
struct SessionReader {
    Session session;
    std::int64_t lineNumber = 0;
    std::vector<std::string> fields;
    bool seedRead = false;
    bool minutesRead = false;
    bool replaysRead = false;
    bool framesBegun = false;  // a frame's record has come: no more seed or options
    bool ended = false;
    // The latest kept line: its frame, and the events read before it; -1: none.
    std::int64_t keptFrames = -1;
    std::size_t keptEvents = 0;
    std::int64_t lastFrame = 0;
    std::bitset<256> held;
    std::int64_t changedIn[256] = {};  // the frame of each key's latest down or up
    std::string error;
};

static bool fail(SessionReader& reader, const std::string& what) {
    reader.error = "line " + std::to_string(reader.lineNumber) + ": " + what;
    return false;
}

// A line's fields, split at runs of spaces and tabs.
static std::vector<std::string> splitFields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t at = 0;
    while (true) {
        at = line.find_first_not_of(" \t", at);
        if (at == std::string::npos)
            return fields;
        const std::size_t end = line.find_first_of(" \t", at);
        fields.push_back(line.substr(at, end - at));
        at = end;
    }
}

static bool fieldCount(SessionReader& reader, std::size_t count, const char* form) {
    if (reader.fields.size() == count)
        return true;
    const std::string& record = reader.fields[0];
    return fail(reader, (reader.fields.size() < count ? quoted(record) + " needs "
                                                      : quoted(record) + " takes only ") +
                            form);
}

static bool number(SessionReader& reader, const std::string& what, std::size_t field,
                   std::uint64_t least, std::uint64_t most, std::uint64_t& value) {
    const std::string& text = reader.fields[field];
    if (common::parseNumber(text, most, value) && value >= least)
        return true;
    return fail(reader, what + " must be a whole number from " + std::to_string(least) + " to " +
                            std::to_string(most) + ", not " + quoted(text));
}

// The frame of a frame's record: in order with the records before it.
static bool frameField(SessionReader& reader, std::uint64_t least, std::int64_t& frame) {
    std::uint64_t value = 0;
    if (!number(reader, "the frame", 1, least, kMaxFrameNumber, value))
        return false;
    frame = static_cast<std::int64_t>(value);
    if (frame < reader.lastFrame) {
        return fail(reader, "frame " + std::to_string(frame) + " comes after frame " +
                                std::to_string(reader.lastFrame) + ": frames must be in order");
    }
    if (!reader.seedRead)
        return fail(reader, "the frames begin before the seed line");
    reader.lastFrame = frame;
    reader.framesBegun = true;
    return true;
}

static bool readSeed(SessionReader& reader) {
    if (!fieldCount(reader, 2, "designed or a seed"))
        return false;
    if (reader.seedRead || reader.framesBegun)
        return fail(reader, reader.seedRead ? "a second seed line" : "the seed after the frames");
    reader.seedRead = true;
    if (reader.fields[1] == "designed")
        return true;
    std::uint64_t seed = 0;
    if (!number(reader, "the seed ('designed' or a number)", 1, 0, 0xFFFFFFFFu, seed))
        return false;
    reader.session.matches.seedGiven = true;
    reader.session.matches.seed = static_cast<std::uint32_t>(seed);
    return true;
}

// "option NAME VALUE": the options that change the frames. A new option is a
// new row here; an older reader names it as unknown.
static bool readOption(SessionReader& reader) {
    if (reader.fields.size() < 2)
        return fail(reader, "'option' needs a name");
    if (reader.framesBegun)
        return fail(reader, "an option after the frames");
    const std::string& name = reader.fields[1];
    if (name == "match-minutes") {
        std::uint64_t minutes = 0;
        if (!fieldCount(reader, 3, "match-minutes M") ||
            !number(reader, "match-minutes", 2, 0, common::kMaxMatchMinutes, minutes))
            return false;
        if (reader.minutesRead)
            return fail(reader, "match-minutes given twice");
        reader.minutesRead = true;
        reader.session.matches.minutes = static_cast<int>(minutes);
        return true;
    }
    if (name == "replays") {
        if (!fieldCount(reader, 3, "replays on or off"))
            return false;
        const std::string& value = reader.fields[2];
        if (value != "on" && value != "off")
            return fail(reader, "replays must be on or off, not " + quoted(value));
        if (reader.replaysRead)
            return fail(reader, "replays given twice");
        reader.replaysRead = true;
        reader.session.matches.replays = value == "on";
        return true;
    }
    return fail(reader, "unknown option " + quoted(name));
}

static bool readSize(SessionReader& reader) {
    SessionEvent event = {SessionEventKind::size, 0, 0, 0, 0};
    std::uint64_t width = 0, height = 0;
    if (!fieldCount(reader, 4, "FRAME WIDTH HEIGHT") || !frameField(reader, 1, event.frame) ||
        !number(reader, "the width", 2, 1, kMaxSessionSide, width) ||
        !number(reader, "the height", 3, 1, kMaxSessionSide, height))
        return false;
    event.width = static_cast<int>(width);
    event.height = static_cast<int>(height);
    reader.session.events.push_back(event);
    return true;
}

// A key: a name (O, F12, ESCAPE) or a code of two or more digits, as --hold takes it.
static bool keyField(SessionReader& reader, int& key) {
    const std::string& text = reader.fields[2];
    std::uint64_t code = 0;
    if (text.size() >= 2 && common::parseNumber(text, 255, code)) {
        key = static_cast<int>(code);
        return true;
    }
    if (keyCodeForName(text, key))
        return true;
    return fail(reader, "unknown key " + quoted(text));
}

static bool readKey(SessionReader& reader, bool down) {
    SessionEvent event = {down ? SessionEventKind::down : SessionEventKind::up, 0, 0, 0, 0};
    if (!fieldCount(reader, 3, "FRAME KEY") || !frameField(reader, 1, event.frame) ||
        !keyField(reader, event.key))
        return false;
    const std::string name = sessionKeyName(event.key);
    if (down && reader.held[event.key])
        return fail(reader, name + " goes down while it is held");
    if (!down && !reader.held[event.key])
        return fail(reader, name + " goes up while it is not held");
    // A frame sees a key one way: down or up, not both.
    if (reader.changedIn[event.key] == event.frame)
        return fail(reader, name + " goes down and up in frame " + std::to_string(event.frame));
    reader.held[event.key] = down;
    reader.changedIn[event.key] = event.frame;
    reader.session.events.push_back(event);
    return true;
}

static bool readRecreate(SessionReader& reader) {
    SessionEvent event = {SessionEventKind::recreate, 0, 0, 0, 0};
    if (!fieldCount(reader, 2, "FRAME") || !frameField(reader, 0, event.frame))
        return false;
    reader.session.events.push_back(event);
    return true;
}

static bool readEnd(SessionReader& reader) {
    std::int64_t frames = 0;
    if (!fieldCount(reader, 2, "FRAMES") || !frameField(reader, 0, frames))
        return false;
    reader.session.frames = frames;
    reader.ended = true;
    return true;
}

static bool readKept(SessionReader& reader) {
    std::int64_t frames = 0;
    if (!fieldCount(reader, 2, "FRAMES") || !frameField(reader, 0, frames))
        return false;
    reader.keptFrames = frames;
    reader.keptEvents = reader.session.events.size();
    return true;
}

static bool readHeader(SessionReader& reader, const std::string& line) {
    const std::vector<std::string> fields = splitFields(line);
    if (fields.size() != 2 || fields[0] != kMagic)
        return fail(reader, "not a session: it must begin with '" + std::string(kMagic) + " " +
                                std::to_string(kSessionVersion) + "'");
    std::uint64_t version = 0;
    if (!common::parseNumber(fields[1], 0xFFFFFFFFu, version) || version != kSessionVersion)
        return fail(reader, "version " + quoted(fields[1]) + " is not known (this program reads " +
                                std::to_string(kSessionVersion) + ")");
    return true;
}

static bool readLine(SessionReader& reader, const std::string& line) {
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t') || byte == 0x7f)
            return fail(reader, "a control character in " + quoted(line));
    }
    if (reader.lineNumber == 1)
        return readHeader(reader, line);
    reader.fields = splitFields(line);
    if (reader.fields.empty() || reader.fields[0][0] == '#')
        return true;  // a blank line or a comment
    if (reader.ended)
        return fail(reader, quoted(reader.fields[0]) + " after the end line");
    const std::string& record = reader.fields[0];
    if (record == "seed")
        return readSeed(reader);
    if (record == "option")
        return readOption(reader);
    if (record == "size")
        return readSize(reader);
    if (record == "down" || record == "up")
        return readKey(reader, record == "down");
    if (record == "recreate")
        return readRecreate(reader);
    if (record == "kept")
        return readKept(reader);
    if (record == "end")
        return readEnd(reader);
    return fail(reader, "unknown record " + quoted(record));
}

// Whether the text ends with a whole end line: the file was finished.
static bool endsWithEndLine(const std::string& text) {
    if (text.size() < 2 || text.back() != '\n')
        return false;
    const std::size_t feed = text.rfind('\n', text.size() - 2);
    const std::size_t start = feed == std::string::npos ? 0 : feed + 1;
    const std::vector<std::string> fields = splitFields(text.substr(start));
    return !fields.empty() && fields[0] == "end";
}

bool readSessionText(const std::string& text, Session& session, std::string& error) {
    SessionReader reader;
    reader.lineNumber = 1;
    if (text.empty()) {
        error = "line 1: the session is empty";
        return false;
    }
    if (text.size() > kMaxSessionBytes) {
        error =
            "line 1: the session is larger than " + std::to_string(kMaxSessionBytes >> 20) + " MiB";
        return false;
    }
    std::size_t at = 0;
    bool whole = true;
    for (; at < text.size() && whole; ++reader.lineNumber) {
        const std::size_t feed = text.find('\n', at);
        if (feed == std::string::npos) {
            reader.error = "line " + std::to_string(reader.lineNumber) +
                           ": cut short: the last line has no line feed";
            whole = false;
            break;
        }
        std::size_t end = feed;
        if (end > at && text[end - 1] == '\r')
            end -= 1;  // a line ended as on Windows
        whole = readLine(reader, text.substr(at, end - at));
        at = feed + 1;
    }
    if (whole && !reader.ended)
        reader.error = "line " + std::to_string(reader.lineNumber) + ": cut short: no end line";
    if (!whole || !reader.ended) {
        // A file that stopped as it grew (a crash, a kill, a power cut) has
        // no end line: it replays to its last kept line, and what follows that
        // line, being written when the file stopped, is left out. A file with
        // an end line is read whole, and a fault anywhere refuses it.
        if (reader.ended || endsWithEndLine(text) || reader.keptFrames < 0) {
            error = reader.error;
            return false;
        }
        reader.session.events.resize(reader.keptEvents);
        reader.session.frames = reader.keptFrames;
    }
    session = reader.session;
    return true;
}

}  // namespace frame

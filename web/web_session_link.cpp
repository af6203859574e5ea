// web_session_link.cpp -- a session as unsigned varints in base64url, and back.
#include "web/web_session_link.h"

#include <vector>

#include "frame/clubs.h"

namespace web {

// The event codes after a frame's delta: a key's code toggles the key (down
// when it was up); the size is followed by its fields. Replays on at the
// start is an event of frame 0 before any other, a code an older reader
// refuses as unknown rather than playing the link without its replays.
constexpr std::uint64_t kSizeCode = 256;      // then width, height
constexpr std::uint64_t kRecreateCode = 257;  // no fields
constexpr std::uint64_t kReplaysCode = 258;   // no fields; delta 0, first
// The clubs other than the designed ones, each an event of frame 0 before
// any key or size: the name's length, then its letters' codes.
constexpr std::uint64_t kHomeCode = 259;
constexpr std::uint64_t kAwayCode = 260;
// Half time in a match with a length, as replays: no fields, at frame 0.
constexpr std::uint64_t kHalvesCode = 261;

static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

static void putVarint(std::vector<unsigned char>& bytes, std::uint64_t value) {
    while (value >= 0x80) {
        bytes.push_back(static_cast<unsigned char>(value | 0x80));
        value >>= 7;
    }
    bytes.push_back(static_cast<unsigned char>(value));
}

static std::string base64url(const std::vector<unsigned char>& bytes) {
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        std::uint32_t group = bytes[i] << 16;
        if (i + 1 < bytes.size())
            group |= bytes[i + 1] << 8;
        if (i + 2 < bytes.size())
            group |= bytes[i + 2];
        const std::size_t chars = bytes.size() - i >= 3 ? 4 : bytes.size() - i + 1;
        for (std::size_t c = 0; c < chars; ++c)
            text += kAlphabet[(group >> (18 - 6 * c)) & 63];
    }
    return text;
}

std::string sessionLinkText(const frame::Session& session, std::int64_t firstShown) {
    std::vector<unsigned char> bytes;
    putVarint(bytes, frame::kSessionVersion);
    putVarint(bytes, session.matches.seedGiven ? std::uint64_t{session.matches.seed} + 1 : 0);
    putVarint(bytes, static_cast<std::uint64_t>(session.matches.minutes));
    putVarint(bytes, static_cast<std::uint64_t>(session.frames));
    putVarint(bytes, static_cast<std::uint64_t>(session.frames + 1 - firstShown));
    if (session.matches.replays) {
        putVarint(bytes, 0);
        putVarint(bytes, kReplaysCode);
    }
    if (session.matches.halves && session.matches.minutes > 0) {
        putVarint(bytes, 0);
        putVarint(bytes, kHalvesCode);
    }
    for (int side = 0; side < 2; ++side) {
        const std::string name = frame::chosenClubName(session.matches, side);
        if (name.empty())
            continue;
        putVarint(bytes, 0);
        putVarint(bytes, side == 0 ? kHomeCode : kAwayCode);
        putVarint(bytes, name.size());
        for (const char c : name)
            putVarint(bytes, static_cast<unsigned char>(c));
    }
    std::int64_t last = 0;
    for (const frame::SessionEvent& event : session.events) {
        putVarint(bytes, static_cast<std::uint64_t>(event.frame - last));
        last = event.frame;
        switch (event.kind) {
            case frame::SessionEventKind::down:
            case frame::SessionEventKind::up:
                putVarint(bytes, static_cast<std::uint64_t>(event.key));
                break;
            case frame::SessionEventKind::size:
                putVarint(bytes, kSizeCode);
                putVarint(bytes, static_cast<std::uint64_t>(event.width));
                putVarint(bytes, static_cast<std::uint64_t>(event.height));
                break;
            case frame::SessionEventKind::recreate:
                putVarint(bytes, kRecreateCode);
                break;
        }
    }
    return base64url(bytes);
}

// The link's bytes, read one varint at a time; false once it runs out or
// meets a number longer than nine bytes (63 bits).
struct VarintReader {
    std::vector<unsigned char> bytes;
    std::size_t at = 0;
    bool next(std::uint64_t& value) {
        value = 0;
        for (int shift = 0; shift < 63; shift += 7) {
            if (at >= bytes.size())
                return false;
            const unsigned char byte = bytes[at++];
            value |= std::uint64_t{byte & 0x7fu} << shift;
            if ((byte & 0x80) == 0)
                return true;
        }
        return false;
    }
};

static bool decodeBase64url(const std::string& text, std::vector<unsigned char>& bytes) {
    if (text.size() % 4 == 1)
        return false;
    std::uint32_t bits = 0;
    int count = 0;
    for (const char c : text) {
        int value = -1;
        for (int i = 0; i < 64; ++i)
            value = kAlphabet[i] == c ? i : value;
        if (value < 0)
            return false;
        bits = (bits << 6) | static_cast<std::uint32_t>(value);
        count += 6;
        if (count >= 8) {
            count -= 8;
            bytes.push_back(static_cast<unsigned char>(bits >> count));
        }
    }
    return true;
}

static bool fail(const std::string& why, SessionLink& link, std::string& error) {
    link = SessionLink{};
    error = why;
    return false;
}

bool readSessionLink(const std::string& text, SessionLink& link, std::string& error) {
    link = SessionLink{};
    VarintReader in;
    if (!decodeBase64url(text, in.bytes))
        return fail("not a session link (letters, digits, - and _ only)", link, error);
    std::uint64_t version = 0, seed = 0, minutes = 0, frames = 0, shownBack = 0;
    if (!in.next(version) || !in.next(seed) || !in.next(minutes) || !in.next(frames) ||
        !in.next(shownBack))
        return fail("the session link is cut short", link, error);
    if (version != frame::kSessionVersion)
        return fail("a session link of version " + std::to_string(version) + ", not " +
                        std::to_string(frame::kSessionVersion),
                    link, error);
    if (frames > static_cast<std::uint64_t>(kLatestLinkFrame))
        return fail("the session link runs " + std::to_string(frames) + " frames, more than the " +
                        std::to_string(kLatestLinkFrame) + " a link may",
                    link, error);
    if (seed > 4294967296u || minutes > common::kMaxMatchMinutes || shownBack > frames)
        return fail("the session link's numbers are out of range", link, error);
    frame::Session session;
    session.matches.seedGiven = seed > 0;
    session.matches.seed = seed > 0 ? static_cast<std::uint32_t>(seed - 1) : 0;
    session.matches.minutes = static_cast<int>(minutes);
    session.frames = static_cast<std::int64_t>(frames);
    bool held[256] = {};
    std::uint64_t frame = 0, delta = 0, code = 0;
    while (in.at < in.bytes.size()) {
        if (!in.next(delta) || !in.next(code) || delta > frames - frame)
            return fail("the session link is cut short or its frames run past its end", link,
                        error);
        frame += delta;
        frame::SessionEvent event{frame::SessionEventKind::recreate,
                                  static_cast<std::int64_t>(frame), 0, 0, 0};
        std::uint64_t width = 0, height = 0;
        if (code < 256) {
            event.kind = held[code] ? frame::SessionEventKind::up : frame::SessionEventKind::down;
            event.key = static_cast<int>(code);
            held[code] = !held[code];
        } else if (code == kSizeCode) {
            if (!in.next(width) || !in.next(height) || width > frame::kMaxSessionSide ||
                height > frame::kMaxSessionSide)
                return fail("the session link's window size is cut short or too large", link,
                            error);
            event.kind = frame::SessionEventKind::size;
            event.width = static_cast<int>(width);
            event.height = static_cast<int>(height);
        } else if (code == kReplaysCode) {
            if (frame != 0 || !session.events.empty() || session.matches.replays)
                return fail("the session link turns replays on other than once at its start", link,
                            error);
            session.matches.replays = true;
            continue;
        } else if (code == kHalvesCode) {
            if (frame != 0 || !session.events.empty() || session.matches.halves)
                return fail("the session link turns half time on other than once at its start",
                            link, error);
            session.matches.halves = true;
            continue;
        } else if (code == kHomeCode || code == kAwayCode) {
            std::string& name = code == kHomeCode ? session.matches.home : session.matches.away;
            std::uint64_t length = 0, letter = 0;
            if (frame != 0 || !session.events.empty() || !name.empty() || !in.next(length) ||
                length == 0 || length > frame::kClubNameLetters)
                return fail("the session link names a club other than once at its start", link,
                            error);
            for (std::uint64_t i = 0; i < length; ++i) {
                if (!in.next(letter) || letter > 127)
                    return fail("the session link's club is cut short", link, error);
                name += static_cast<char>(letter);
            }
            continue;
        } else if (code != kRecreateCode) {
            return fail("the session link has an unknown record " + std::to_string(code), link,
                        error);
        }
        session.events.push_back(event);
    }
    // What a session file would be refused for (a key both ways in a frame,
    // a size of 0) is refused here too: the text is read as a file would be.
    std::string why;
    if (!frame::readSessionText(frame::sessionText(session), link.session, why))
        return fail("the session link's session is refused: " + why, link, error);
    link.firstShown = static_cast<std::int64_t>(frames + 1 - shownBack);
    return true;
}

}  // namespace web

// web_link.cpp -- reading the page address's link to a moment.
#include "web/web_link.h"

#include <vector>

#include "common/number_format.h"
#include "frame/views.h"

namespace web {

// Form decoding: "+" is a space and "%XX" a byte; a broken escape stays as written.
static std::string decoded(const std::string& text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            result += ' ';
        } else if (text[i] == '%' && i + 2 < text.size() &&
                   common::hexDigitValue(text[i + 1]) >= 0 &&
                   common::hexDigitValue(text[i + 2]) >= 0) {
            result += static_cast<char>(common::hexDigitValue(text[i + 1]) * 16 +
                                        common::hexDigitValue(text[i + 2]));
            i += 2;
        } else {
            result += text[i];
        }
    }
    return result;
}

static bool fail(const std::string& name, const std::string& value, const std::string& why,
                 MomentLink& link, std::string& error) {
    link = MomentLink{};
    error = name + "=" + value + ": " + why;
    return false;
}

bool parseMomentLink(const std::string& query, MomentLink& link, std::string& error) {
    link = MomentLink{};
    std::size_t start = !query.empty() && query[0] == '?' ? 1 : 0;
    std::vector<std::string> holds;
    bool atGiven = false;
    bool viewGiven = false;
    while (start < query.size()) {
        std::size_t end = query.find('&', start);
        if (end == std::string::npos)
            end = query.size();
        const std::string pair = query.substr(start, end - start);
        start = end + 1;
        const std::size_t equals = pair.find('=');
        const std::string name = decoded(pair.substr(0, equals));
        const std::string value =
            equals == std::string::npos ? std::string() : decoded(pair.substr(equals + 1));
        const std::string shown = common::quoted(value);
        if (name == "at") {
            std::uint64_t frame = 0;
            if (atGiven)
                return fail(name, value, "given twice", link, error);
            if (!common::parseNumber(value, static_cast<std::uint64_t>(kLatestLinkFrame), frame) ||
                frame < 1)
                return fail(name, value,
                            "the frame must be a whole number from 1 to " +
                                std::to_string(kLatestLinkFrame) + ", not " + shown,
                            link, error);
            link.at = static_cast<std::int64_t>(frame);
            atGiven = true;
        } else if (name == "view") {
            if (viewGiven)
                return fail(name, value, "given twice", link, error);
            std::uint64_t view = 0;
            if (!common::parseNumber(value, frame::kLastView, view) || view < frame::kFirstView)
                return fail(name, value, "the view must be 1 to 6, not " + shown, link, error);
            link.view = static_cast<int>(view);
            viewGiven = true;
        } else if (name == "seed") {
            std::uint64_t seed = 0;
            if (link.script.matches.seedGiven)
                return fail(name, value, "given twice", link, error);
            if (!common::parseNumber(value, 4294967295u, seed))
                return fail(name, value, "the seed must be 0 to 4294967295, not " + shown, link,
                            error);
            link.script.matches.seedGiven = true;
            link.script.matches.seed = static_cast<std::uint32_t>(seed);
        } else if (name == "session") {
            std::string why;
            const std::string start = value.size() > 12 ? value.substr(0, 12) + "..." : value;
            if (link.sessionGiven)
                return fail(name, start, "given twice", link, error);
            if (!readSessionLink(value, link.session, why))
                return fail(name, start, why, link, error);
            for (const frame::SessionEvent& event : link.session.session.events) {
                if (event.kind == frame::SessionEventKind::recreate)
                    return fail(name, start, "re-creates the window, which the page never does",
                                link, error);
            }
            link.sessionGiven = true;
        } else if (name == "home" || name == "away") {
            std::string& club =
                name == "home" ? link.script.matches.home : link.script.matches.away;
            if (!club.empty())
                return fail(name, value, "given twice", link, error);
            if (value.empty())
                return fail(name, value, "a club's name is needed", link, error);
            club = value;
        } else if (name == "hold") {
            holds.push_back(value);
        } else if (name == "mute") {
            link.mute = value != "0";
        } else if (name == "volume") {
            std::uint64_t volume = 0;
            if (!common::parseNumber(value, 100, volume))
                return fail(name, value, "the volume must be 0 to 100, not " + shown, link, error);
            link.volume = static_cast<int>(volume);
        }
    }
    for (const std::string& hold : holds) {
        frame::FrameScript one;
        std::string why;
        if (!frame::parseFrameScript({"0", "--hold", hold}, {}, one, why))
            return fail("hold", hold, why.substr(why.find(' ') + 1), link, error);
        link.script.holds.push_back(one.holds.front());
    }
    if (link.sessionGiven) {
        const common::MatchChoice& matches = link.script.matches;
        if (atGiven || viewGiven || !holds.empty() || matches.seedGiven || !matches.home.empty() ||
            !matches.away.empty())
            return fail("session", "...", "not with at, view, hold, seed, home or away", link,
                        error);
        link.script.matches = link.session.session.matches;
        return true;
    }
    link.script.frames = link.at;
    link.script.framesGiven = atGiven;
    return true;
}

}  // namespace web

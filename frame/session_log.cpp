// session_log.cpp -- a live run's session, frame by frame.
#include "frame/session_log.h"

namespace frame {

void startSessionLog(SessionLog& log, const common::MatchChoice& matches, std::uint32_t firstSeed) {
    log = SessionLog{};
    log.session.matches = matches;
    if (matches.seedFromClock) {
        log.session.matches.seedFromClock = false;
        log.session.matches.seedGiven = true;
        log.session.matches.seed = firstSeed;
    }
}

void logFrame(SessionLog& log, const World& world) {
    Session& session = log.session;
    const std::int64_t frame = ++session.frames;
    const ViewportSize size = world.viewport;
    const bool drawable = size.width > 0 && size.height > 0;
    if (drawable && (size.width != log.size.width || size.height != log.size.height)) {
        log.size = size;
        session.events.push_back(
            SessionEvent{SessionEventKind::size, frame, 0, log.size.width, log.size.height});
    }
    for (int key = 0; key < 256; ++key) {
        if (world.keys.held[key] == log.held[key])
            continue;
        log.held[key] = world.keys.held[key];
        const SessionEventKind kind = log.held[key] ? SessionEventKind::down : SessionEventKind::up;
        session.events.push_back(SessionEvent{kind, frame, key, 0, 0});
    }
}

void logRecreation(SessionLog& log) {
    log.session.events.push_back(
        SessionEvent{SessionEventKind::recreate, log.session.frames, 0, 0, 0});
}

}  // namespace frame

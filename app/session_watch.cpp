// session_watch.cpp -- the session of the frames run, a saved session played in their place, and
// F9's clip, for the main loop.
#include "app/session_watch.h"

#include <cstdio>

#include "common/command_line.h"
#include "frame/key_table.h"
#include "frame/notice_line.h"
#include "frame/session_file.h"
#include "platform/key_codes.h"
#include "platform/time.h"

namespace app {

int prepareWatch(const CommandLine& commandLine, const frame::ClubList& known,
                 common::MatchChoice& matches, frame::MatchClubs& clubs, WatchChoice& choice) {
    choice.savePath = commandLine.saveSession;
    std::string error;
    if (!commandLine.playSession.empty()) {
        frame::Session session;
        if (!frame::loadSessionFile(commandLine.playSession, session, error))
            return common::refuseArguments("football", error);
        choice.play = true;
        choice.playScript = frame::sessionScript(session);
        matches = session.matches;
    }
    if (!frame::resolveClubs(known, matches, clubs, error)) {
        // xscreensaver's two lists may name one club twice: a screen saver
        // shows the designed pair then, rather than nothing.
        if (commandLine.display != DisplayChoice::screenSaver)
            return common::refuseArguments("football", error);
        std::fprintf(stderr, "football: %s: the designed clubs play\n", error.c_str());
        matches.home.clear();
        matches.away.clear();
        clubs = frame::designedClubs();
    }
    if (!choice.savePath.empty()) {
        choice.saveFile = std::make_shared<frame::SessionFileWriter>();
        if (!choice.saveFile->create(choice.savePath, error)) {
            std::fprintf(stderr, "football: cannot write the session '%s': %s\n",
                         choice.savePath.c_str(), error.c_str());
            return 1;
        }
    }
    return -1;
}

SessionWatch::SessionWatch(const WatchChoice& choice) : choice_(choice), userKeys_() {
    frame::startSessionLog(log_, choice.matches, choice.firstSeed);
    playing_ = choice.play;
    keepSaved();  // the header: the file replays (no frames) from the start
}

void SessionWatch::keepSaved() {
    keptAt_ = platform::getTickCount();
    if (choice_.saveFile == nullptr || !saveError_.empty())
        return;
    if (!choice_.saveFile->keep(log_.session, saveError_)) {
        std::fprintf(stderr, "football: cannot write the session '%s': %s\n",
                     choice_.savePath.c_str(), saveError_.c_str());
        std::fflush(stderr);
    }
}

void SessionWatch::beforeFrame(frame::World& world) {
    frame_ += 1;
    if (playing_) {
        userKeys_ = world.keys;
        world.keys = frame::KeyTable{};
        frame::applyKeyHolds(choice_.playScript, frame_, world.keys);
    }
    frame::logFrame(log_, world);
}

void SessionWatch::afterFrame(frame::World& world) {
    const bool clipKey = world.keys.held[platform::kVkF9];
    if (clipKey && !clipKeyWasDown_)
        clip_.start(log_.session, world, choice_.teamsFile);
    clipKeyWasDown_ = clipKey;
    if (playing_)
        world.keys = userKeys_;
    clip_.poll(world);
    if (platform::getTickCount() - keptAt_ >= kSessionKeepMs)
        keepSaved();
}

int SessionWatch::recreations(frame::World& world) {
    int count = 0;
    if (!playing_) {
        count = world.keys.held[platform::kVkF1] ? 1 : 0;
    } else if (recreatedAfter_ != frame_) {
        // Once after each frame the session ran (and before its first).
        recreatedAfter_ = frame_;
        count = frame::togglesAfter(choice_.playScript, frame_);
        if (frame_ >= choice_.playScript.frames) {
            playing_ = false;
            std::printf("football: the session has ended after frame %lld; playing on live\n",
                        static_cast<long long>(frame_));
            std::fflush(stdout);
            frame::showNoticeLine(world.notice, "The session has ended: playing on live", false,
                                  platform::getTickCount());
        }
    }
    // The user's F1 acts only live; a session's re-creations are its own.
    frame::clearKey(world.keys, platform::kVkF1);
    for (int n = 0; n < count; ++n)
        frame::logRecreation(log_);
    return count;
}

bool SessionWatch::finish() {
    clip_.finish();
    if (choice_.saveFile == nullptr)
        return true;
    // A file that failed on the way has said so; what it kept still replays.
    if (!saveError_.empty())
        return false;
    if (!choice_.saveFile->finish(log_.session, saveError_)) {
        std::fprintf(stderr, "football: cannot write the session '%s': %s\n",
                     choice_.savePath.c_str(), saveError_.c_str());
        return false;
    }
    return true;
}

}  // namespace app

// session_watch.h -- what the main loop keeps of the frames it runs: the session since start-up
// (--save-session, F9's clip), and a saved session played in place of the user's keys
// (--play-session).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/command_line.h"
#include "app/last_clip.h"
#include "common/match_seed.h"
#include "frame/clubs.h"
#include "frame/frame_script.h"
#include "frame/session_file.h"
#include "frame/session_log.h"
#include "frame/world.h"

namespace app {

// The sessions a run was asked for, read before start-up.
struct WatchChoice {
    std::string savePath;  // --save-session FILE; empty: none
    // With savePath: its file, made before start-up and written as the run goes.
    std::shared_ptr<frame::SessionFileWriter> saveFile;
    bool play = false;              // --play-session FILE was given
    frame::FrameScript playScript;  // with play: the session's frames (frame::sessionScript)
    common::MatchChoice matches;    // the matches as chosen (a played session's own)
    std::string teamsFile;          // --teams-file FILE, which F9's recorder needs too
    std::uint32_t firstSeed = common::kDesignedSeed;  // what frame::chooseMatches gave
};

// Called by main before the matches are chosen: reads --play-session's file
// (its matches replace `matches`), finds the clubs `matches` names among
// `known` (frame::resolveClubs) into `clubs`, and makes --save-session's
// file, empty, so that a place that cannot be written is found before the
// match. Returns -1 to go on, else the exit status after one line on standard
// error: 2 for a bad session file or clubs refused (a screen saver shows the
// designed pair instead, saying so), 1 for a file that cannot be written.
int prepareWatch(const CommandLine& commandLine, const frame::ClubList& known,
                 common::MatchChoice& matches, frame::MatchClubs& clubs, WatchChoice& choice);

// Owned by the main loop for the whole run, over every window re-creation.
class SessionWatch {
  public:
    explicit SessionWatch(const WatchChoice& choice);

    // Right before each live frame: while a session plays, its keys for the
    // frame stand in the key table in place of the user's (kept aside); then
    // the frame is logged as its state step will see it.
    void beforeFrame(frame::World& world);

    // Right after it: F9 going down starts the clip; the user's keys come
    // back; after the played session's last frame, a line says so and the
    // user's keys act from then on; the clip being made is looked at; the
    // session's file gets what was logged since it last did, at least once
    // a second.
    void afterFrame(frame::World& world);

    // After each pass of the main loop, before markKeysSeen: how many window
    // re-creations follow now: F1 held (its entry cleared), or while a session
    // plays, the session's after the frame just run (the user's F1 cleared
    // and ignored). Each is logged.
    int recreations(frame::World& world);

    // At the end of the run, the window and the sound gone: a clip being
    // made is waited for (a few seconds at most), and --save-session's file
    // finished with its end line. False when that file could not be written
    // (a line on standard error says why).
    bool finish();

  private:
    // What was logged since the file last got a piece, and a kept line.
    void keepSaved();

    WatchChoice choice_;
    frame::SessionLog log_;
    frame::KeyTable userKeys_;          // the user's keys while a session's stand in the table
    std::int64_t frame_ = 0;            // frames run
    bool playing_ = false;              // a session plays and has frames left
    std::int64_t recreatedAfter_ = -1;  // the frame whose session re-creations are done
    bool clipKeyWasDown_ = false;
    LastClip clip_;
    std::uint32_t keptAt_ = 0;  // the tick count when the file last got a piece
    std::string saveError_;     // why the file stopped being written; empty: it is
};

// While frames run, the session's file gets what was logged this often: a
// crash, a kill or a power cut loses less than a second of it.
constexpr std::uint32_t kSessionKeepMs = 900;

}  // namespace app

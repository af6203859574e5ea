// last_clip.h -- F9: the last 30 seconds as an MP4 video with sound, made by the recorder in the
// background from the session since start-up; where there is no recorder, that session saved to
// make the clip from.
#pragma once

#include <cstdint>
#include <string>

#include "frame/session.h"
#include "frame/world.h"
#include "platform/process.h"

namespace app {

// The pictures a clip shows at most: 29.7 seconds, 33 ms a picture (the match's pace).
constexpr std::int64_t kLastClipFrames = 900;

// The clip's picture size for a window of width by height: the same, or
// scaled down to fit 1920 by 1080 keeping its shape; both sides even (the
// video's colour is kept at half the size each way), at least 2.
void lastClipSize(int width, int height, int& clipWidth, int& clipHeight);

// One clip at a time, owned by the main loop's session watch.
class LastClip {
  public:
    LastClip() = default;
    LastClip(const LastClip&) = delete;
    LastClip& operator=(const LastClip&) = delete;
    ~LastClip();

    // F9 went down in the frame `session` ends with: with the recorder beside
    // the program, starts it in the background on the session (written to a
    // temporary file) for the latest kLastClipFrames frames, into the videos
    // folder under a name never taken; without one, saves the session there
    // and says how to make the clip from it. The notice line says which.
    // A session of a teams file's clubs (`teamsFile` not empty) needs the file:
    // the recorder is given it too, and so is the command named.
    void start(const frame::Session& session, frame::World& world,
               const std::string& teamsFile = std::string());

    // After every frame: looks at the recorder without waiting, keeps the
    // notice line up while it works, and once it has ended names the clip
    // (its path on standard output) or the error (on standard error).
    void poll(frame::World& world);

    // At the end of the run, with no window left and no sound: waits for a
    // clip being made, saying so on standard error, for five seconds at most;
    // then, or at a termination request, stops it, removes its temporary
    // file, and says that the clip was not finished.
    void finish();

  private:
    void show(frame::World& world, const std::string& text, bool failed, std::uint32_t forMs);
    void saveSession(const frame::Session& session, std::int64_t from, const std::string& teamsFile,
                     frame::World& world);
    void recorderEnded(bool succeeded, const std::string& lastLine);

    platform::BackgroundProcess* recorder_ = nullptr;
    std::string clipPath_;
    // The line this clip keeps up (over the notice's own two seconds): while
    // the recorder works, or for noticeMs_ from noticeSince_.
    std::string notice_;
    bool noticeFailed_ = false;
    std::uint32_t noticeSince_ = 0;
    std::uint32_t noticeMs_ = 0;
};

}  // namespace app

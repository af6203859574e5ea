// last_clip.cpp -- F9's clip: the recorder started in the background, watched each frame, and
// waited for at the end; or the session saved where no recorder is.
#include "app/last_clip.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "frame/moment_name.h"
#include "frame/notice_line.h"
#include "frame/session_file.h"
#include "platform/messages.h"
#include "platform/time.h"
#include "platform/user_files.h"

namespace app {

// How long the line saying where a session went stays: long enough to read the command in it.
static const std::uint32_t kSessionNoticeMs = 10000;

// How long the end of the run waits for a clip still being made.
static const std::uint32_t kFinishingMs = 5000;

void lastClipSize(int width, int height, int& clipWidth, int& clipHeight) {
    const std::int64_t w = std::max(width, 1), h = std::max(height, 1);
    std::int64_t fitW = w, fitH = h;
    if (w * 1080 > h * 1920) {
        fitW = std::min<std::int64_t>(w, 1920);
        fitH = h * fitW / w;
    } else {
        fitH = std::min<std::int64_t>(h, 1080);
        fitW = w * fitH / h;
    }
    clipWidth = static_cast<int>(std::max<std::int64_t>(2, fitW & ~std::int64_t{1}));
    clipHeight = static_cast<int>(std::max<std::int64_t>(2, fitH & ~std::int64_t{1}));
}

LastClip::~LastClip() {
    if (recorder_ != nullptr) {
        platform::stopBackgroundProcess(recorder_);
        frame::removeUnfinishedClip(clipPath_);
    }
}

void LastClip::show(frame::World& world, const std::string& text, bool failed,
                    std::uint32_t forMs) {
    notice_ = text;
    noticeFailed_ = failed;
    noticeSince_ = platform::getTickCount();
    noticeMs_ = forMs;
    frame::showNoticeLine(world.notice, text.c_str(), failed, noticeSince_);
}

// Where no recorder is: the whole session (a clip needs every frame's state
// before it) in the videos folder, and the command that makes the clip.
void LastClip::saveSession(const frame::Session& session, std::int64_t from,
                           const std::string& teamsFile, frame::World& world) {
    const std::string folder = platform::videosFolder();
    const std::string path = frame::freeMomentPath(folder, ".session");
    std::string error = "every name for this moment is taken";
    if (path.empty() || !frame::saveSessionFile(path, session, error)) {
        std::fprintf(stderr, "football: cannot save the session '%s': %s\n",
                     path.empty() ? folder.c_str() : path.c_str(), error.c_str());
        show(world, "Session not saved: " + (path.empty() ? folder : path) + ": " + error, true,
             frame::kNoticeLineMs);
        return;
    }
    std::printf("%s\n", path.c_str());
    std::fflush(stdout);
    const std::string name = path.substr(path.find_last_of("/\\") + 1);
    show(world,
         "Session saved: " + path + " - on Linux, make the clip: football-record --session " +
             name + (teamsFile.empty() ? std::string() : " --teams-file " + teamsFile) +
             " --from " + std::to_string(from) + " --clip clip.mp4",
         false, kSessionNoticeMs);
}

void LastClip::start(const frame::Session& session, frame::World& world,
                     const std::string& teamsFile) {
    const std::int64_t from = std::max<std::int64_t>(1, session.frames - kLastClipFrames + 1);
    if (recorder_ != nullptr) {
        const std::string busy = "A clip is being made already: " + clipPath_;
        frame::showNoticeLine(world.notice, busy.c_str(), false, platform::getTickCount());
        return;
    }
    const std::string recorder = platform::programBesideThisOne("football-record");
    if (recorder.empty()) {
        saveSession(session, from, teamsFile, world);
        return;
    }
    const std::string folder = platform::videosFolder();
    const std::string path = frame::freeMomentPath(folder, ".mp4");
    std::string error = "every name for this moment is taken";
    std::string sessionPath;
    if (!path.empty())
        sessionPath = platform::writeTemporaryFile(".session", frame::sessionText(session), error);
    int width = 0, height = 0;
    lastClipSize(world.viewport.width, world.viewport.height, width, height);
    if (!sessionPath.empty()) {
        std::vector<std::string> arguments = {
            "--session", sessionPath,
            "--from",    std::to_string(from),
            "--clip",    path,
            "--size",    std::to_string(width) + "x" + std::to_string(height)};
        if (!teamsFile.empty()) {
            arguments.push_back("--teams-file");
            arguments.push_back(teamsFile);
        }
        recorder_ = platform::startBackgroundProcess(recorder, arguments, sessionPath, error);
    }
    if (recorder_ == nullptr) {
        const std::string where = path.empty() ? folder : path;
        std::fprintf(stderr, "football: cannot save the clip '%s': %s\n", where.c_str(),
                     error.c_str());
        show(world, "Clip not saved: " + where + ": " + error, true, frame::kNoticeLineMs);
        return;
    }
    clipPath_ = path;
    // The clip's length in whole seconds, rounded up: 33 ms a picture.
    const std::int64_t seconds = ((session.frames - from + 1) * 33 + 999) / 1000;
    show(world, "Making the clip of the last " + std::to_string(seconds) + " seconds: " + clipPath_,
         false, 0);
}

void LastClip::recorderEnded(bool succeeded, const std::string& lastLine) {
    recorder_ = nullptr;
    if (succeeded) {
        std::printf("%s\n", clipPath_.c_str());
        std::fflush(stdout);
        notice_ = "Clip saved: " + clipPath_;
    } else {
        // The recorder's line, without its name: what went wrong.
        const std::string prefix = "football-record: ";
        std::string reason = lastLine.compare(0, prefix.size(), prefix) == 0
                                 ? lastLine.substr(prefix.size())
                                 : lastLine;
        if (reason.empty())
            reason = "the recorder ended without a word";
        std::fprintf(stderr, "football: cannot save the clip '%s': %s\n", clipPath_.c_str(),
                     reason.c_str());
        notice_ = "Clip not saved: " + clipPath_ + ": " + reason;
    }
    noticeFailed_ = !succeeded;
}

void LastClip::poll(frame::World& world) {
    const std::uint32_t now = platform::getTickCount();
    bool succeeded = false;
    std::string lastLine;
    if (recorder_ != nullptr && platform::backgroundProcessEnded(recorder_, succeeded, lastLine)) {
        recorderEnded(succeeded, lastLine);
        show(world, notice_, noticeFailed_, frame::kNoticeLineMs);
        return;
    }
    if (notice_.empty())
        return;
    // The notice's own two seconds are its last.
    if (recorder_ == nullptr && now - noticeSince_ + frame::kNoticeLineMs >= noticeMs_) {
        notice_.clear();
        return;
    }
    // Kept up over the notice's own two seconds, unless another line (a
    // screenshot's) has taken its place: then after that one.
    const std::string shown = world.notice.text;
    if (shown.empty() || shown == notice_.substr(0, sizeof world.notice.text - 1))
        frame::showNoticeLine(world.notice, notice_.c_str(), noticeFailed_, now);
}

void LastClip::finish() {
    if (recorder_ == nullptr)
        return;
    std::fprintf(stderr, "football: finishing the clip '%s'...\n", clipPath_.c_str());
    bool succeeded = false;
    std::string lastLine;
    platform::Message message = {};
    const std::uint32_t start = platform::getTickCount();
    while (!platform::backgroundProcessEnded(recorder_, succeeded, lastLine)) {
        // A termination request (Ctrl+C, the session ending) does not wait
        // for it, and nothing waits long: a hung disk must not hang the exit.
        bool quit = false;
        while (!quit && platform::peekMessage(&message))
            quit = message.message == platform::kWmQuit;
        if (quit || platform::getTickCount() - start >= kFinishingMs) {
            platform::stopBackgroundProcess(recorder_);
            recorder_ = nullptr;
            frame::removeUnfinishedClip(clipPath_);
            std::fprintf(stderr, "football: the clip '%s' was not finished: stopped%s\n",
                         clipPath_.c_str(), quit ? "" : " after waiting 5 seconds");
            return;
        }
        platform::sleepMilliseconds(100);
    }
    recorderEnded(succeeded, lastLine);
}

}  // namespace app

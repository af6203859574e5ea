// record_run.cpp -- the record tool's run: start-up, frames, window re-creations, PNG and
// clip output.
#include "tools/record_run.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "common/png_file.h"
#include "frame/frame_picture.h"
#include "frame/replay_picture.h"
#include "frame/replay_tape.h"
#include "platform/offscreen_context.h"
#include "render/gl_errors.h"
#include "tools/clip_pace.h"
#include "tools/frame_sound.h"
#include "tools/offscreen_scene.h"
#include "tools/record_clip.h"
#include "tools/sound_track.h"

namespace tools {

// Creates the directory when it is missing (its parent must exist) and checks
// that files can be made in it.
static bool prepareDirectory(const std::string& dir, std::string& error) {
    if (mkdir(dir.c_str(), 0777) != 0 && errno != EEXIST) {
        error = std::strerror(errno);
        return false;
    }
    struct stat info;
    if (stat(dir.c_str(), &info) != 0) {
        error = std::strerror(errno);
        return false;
    }
    if (!S_ISDIR(info.st_mode)) {
        error = "not a directory";
        return false;
    }
    if (access(dir.c_str(), W_OK | X_OK) != 0) {
        error = std::strerror(errno);
        return false;
    }
    return true;
}

// Drains the context's error flags; false, with the errors named in `error`,
// when any was set. A frame drawn with an error may be wrong, so the run stops.
static bool glErrorFree(const std::string& where, std::string& error) {
    const std::string errors = render::drainGlErrors();
    if (errors.empty())
        return true;
    error = "OpenGL error " + where + ": " + errors;
    return false;
}

// The progress line on a terminal, redrawn at most ten times a second and
// after the last frame. The rate counts the frames drawn: those run without a
// picture before a clip take next to no time.
struct Progress {
    bool shown;
    std::chrono::steady_clock::time_point start;
    std::chrono::steady_clock::time_point last;
    std::int64_t drawn;
};

static void showProgress(Progress& progress, std::int64_t frame, std::int64_t frames) {
    const auto now = std::chrono::steady_clock::now();
    if (!progress.shown || (frame < frames && now - progress.last < std::chrono::milliseconds(100)))
        return;
    progress.last = now;
    const double seconds = std::chrono::duration<double>(now - progress.start).count();
    std::fprintf(stderr, "\rframe %lld of %lld, %.1f frames drawn per second",
                 static_cast<long long>(frame), static_cast<long long>(frames),
                 seconds > 0.0 ? static_cast<double>(progress.drawn) / seconds : 0.0);
    if (frame == frames)
        std::fputc('\n', stderr);
}

// Ends a progress line cut short by a failure, so the message starts a line.
static void breakProgress(const Progress& progress) {
    if (progress.shown)
        std::fputc('\n', stderr);
}

// What becomes of a frame's picture.
struct FrameOutputs {
    bool draw;
    bool png;
    bool clip;
};

static FrameOutputs pictureOutputs(const RecordOptions& options, std::int64_t frame) {
    const std::int64_t firstClipFrame = options.from > 0 ? options.from : 1;
    const bool clip = !options.clipPath.empty() && frame >= firstClipFrame;
    const bool png = !options.outDir.empty() && isChosenFrame(options, frame);
    return FrameOutputs{png || clip, png, clip};
}

// Drawing changes no state, so a frame without a picture runs only its state
// steps. One piece of OpenGL state does pass from a frame's drawing to the
// next: the current normal, which the last figure's shapes leave and the next
// frame's pitch is lit with before any shape sets one. It is the same after
// every drawn frame, and everything else the drawing uses it sets in every
// frame. So before the first picture in a context the frame before it is
// drawn too, unless a window re-creation comes between them: a new context
// starts from OpenGL's defaults, as the program's does.
static FrameOutputs frameOutputs(const frame::FrameScript& script, const RecordOptions& options,
                                 std::int64_t frame, bool drawnInContext) {
    FrameOutputs outputs = pictureOutputs(options, frame);
    if (!outputs.draw && !drawnInContext && frame < script.frames &&
        frame::togglesAfter(script, frame) == 0)
        outputs.draw = pictureOutputs(options, frame + 1).draw;
    return outputs;
}

// Writes the frame's picture where it goes; false with the message in `error`.
static bool writeFrame(platform::OffscreenContext* context, const RecordOptions& options,
                       std::int64_t frame, FrameOutputs outputs, RecordClip* clip,
                       const std::vector<std::int16_t>& sound, std::vector<unsigned char>& rgb,
                       std::string& error) {
    platform::readOffscreenPixels(context, rgb);
    std::string reason;
    if (outputs.png) {
        const std::string path = framePath(options.outDir, frame);
        if (!common::writePng(path, options.width, options.height, rgb, reason)) {
            error = "cannot write '" + path + "': " + reason;
            return false;
        }
    }
    if (outputs.clip && !addClipFrame(clip, rgb, sound, reason)) {
        error = "cannot write '" + options.clipPath + "': " + reason;
        return false;
    }
    return true;
}

static void count(std::int64_t frame, std::int64_t& pictures, std::int64_t& first,
                  std::int64_t& last) {
    if (pictures == 0)
        first = frame;
    last = frame;
    pictures += 1;
}

int recordFrames(frame::World& world, const frame::FrameScript& script,
                 const RecordOptions& options, bool progress, FrameObserver observer, void* data,
                 std::string& error, RecordTally* tally) {
    RecordTally written;
    std::string reason;
    if (!options.outDir.empty() && !prepareDirectory(options.outDir, reason)) {
        error = "cannot write to directory '" + options.outDir + "': " + reason;
        return 1;
    }
    RecordClip* clip = nullptr;
    if (!options.clipPath.empty()) {
        clip = openClip(options.clipPath, options.width, options.height, reason);
        if (clip == nullptr) {
            error = "cannot write '" + options.clipPath + "': " + reason;
            return 1;
        }
    }
    platform::OffscreenContext* context = openOffscreenScene(world, options.width, options.height);
    if (context == nullptr) {
        abandonClip(clip);
        error = "cannot create a " + std::to_string(options.width) + "x" +
                std::to_string(options.height) + " offscreen OpenGL context";
        return 1;
    }
    // A session's re-creations before its first frame (a window minimised at once).
    context = reopenOffscreenScene(world, context, options.width, options.height,
                                   frame::togglesAfter(script, 0));
    if (context == nullptr) {
        abandonClip(clip);
        error = "cannot re-create the offscreen OpenGL context";
        return 1;
    }
    if (!glErrorFree("at start-up", error)) {
        abandonClip(clip);
        closeOffscreenScene(context);
        return 1;
    }
    if (observer != nullptr)
        observer(world, 0, false, data);
    const auto start = std::chrono::steady_clock::now();
    Progress shown = {progress, start, start, 0};
    std::vector<unsigned char> rgb;
    bool drawnInContext = false;
    ClipSound clipSound;
    SoundTrack soundTrack;
    const bool withClipSound = clipHasSound(clip);
    const bool withSoundTrack = !options.audioPath.empty();
    if (withSoundTrack && !soundTrack.open(options.audioPath, error)) {
        abandonClip(clip);
        closeOffscreenScene(context);
        return 1;
    }
    // What the run keeps beside its world for the goal replays.
    const auto tape = std::make_unique<frame::ReplayTape>();
    for (std::int64_t frame = 1; frame <= script.frames; ++frame) {
        const frame::ScriptedStep step = frame::stepScriptedFrame(world, *tape, script, frame);
        const bool nextMatch = step.nextMatch;
        if (withClipSound)
            clipSound.addFrame(step.cues);
        if (withSoundTrack && !soundTrack.addFrame(step.cues, error)) {
            breakProgress(shown);
            abandonClip(clip);
            closeOffscreenScene(context);
            return 1;
        }
        const FrameOutputs outputs = frameOutputs(script, options, frame, drawnInContext);
        drawnInContext = drawnInContext || outputs.draw;
        if (outputs.draw) {
            frame::drawFrame(world, *tape);
            shown.drawn += 1;
            // A frame drawn with an OpenGL error may be wrong: stop before writing it.
            if (!glErrorFree("in frame " + std::to_string(frame), error) ||
                ((outputs.png || outputs.clip) &&
                 !writeFrame(context, options, frame, outputs, clip, clipSound.samples(), rgb,
                             error))) {
                breakProgress(shown);
                abandonClip(clip);
                closeOffscreenScene(context);
                return 1;
            }
            if (outputs.png)
                count(frame, written.pictures, written.firstPicture, written.lastPicture);
            if (outputs.clip)
                count(frame, written.clipPictures, written.firstClipFrame, written.lastClipFrame);
        }
        const int toggles = frame::togglesAfter(script, frame);
        drawnInContext = drawnInContext && toggles == 0;
        context = reopenOffscreenScene(world, context, options.width, options.height, toggles);
        if (context == nullptr) {
            breakProgress(shown);
            abandonClip(clip);
            error = "cannot re-create the offscreen OpenGL context";
            return 1;
        }
        if (toggles > 0 &&
            !glErrorFree("re-creating the context after frame " + std::to_string(frame), error)) {
            breakProgress(shown);
            abandonClip(clip);
            closeOffscreenScene(context);
            return 1;
        }
        if (observer != nullptr)
            observer(world, frame, toggles > 0 || nextMatch, data);
        showProgress(shown, frame, script.frames);
    }
    closeOffscreenScene(context);
    if (clip != nullptr && !finishClip(clip, reason)) {
        error = "cannot write '" + options.clipPath + "': " + reason;
        return 1;
    }
    if (withSoundTrack && !soundTrack.finish(error))
        return 1;
    if (tally != nullptr)
        *tally = written;
    return 0;
}

std::string recordedLine(const RecordOptions& options, const RecordTally& tally) {
    const std::string size = std::to_string(options.width) + "x" + std::to_string(options.height);
    const auto name = [](std::int64_t frame) {
        const std::string path = framePath("", frame);
        return path.substr(1);  // without the leading slash
    };
    std::string line;
    if (!options.outDir.empty()) {
        const std::string dir = "'" + options.outDir + "'";
        if (tally.pictures == 0) {
            line = "wrote no pictures in " + dir + ": no chosen frame was run";
        } else if (tally.pictures == 1) {
            line = "wrote 1 picture of " + size + " in " + dir + ": " + name(tally.firstPicture);
        } else {
            line = "wrote " + std::to_string(tally.pictures) + " pictures of " + size + " in " +
                   dir + ": " + name(tally.firstPicture) + " to " + name(tally.lastPicture);
        }
    }
    if (!options.clipPath.empty()) {
        line += line.empty() ? "wrote '" : "; wrote '";
        line += options.clipPath + "': " + std::to_string(tally.clipPictures) + " pictures of " +
                size + ", frames " + std::to_string(tally.firstClipFrame) + " to " +
                std::to_string(tally.lastClipFrame) + ", one every " +
                std::to_string(kClipPictureMilliseconds) + " ms";
    }
    return line;
}

}  // namespace tools

// clip_tool_test.cpp -- football-record's clips: the clip read
// back, the run leaving the state the trace prints, a view that moves only the
// camera, and files that cannot be written.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "frame/camera.h"
#include "frame/frame_script.h"
#include "frame/trace_line.h"
#include "frame/views.h"
#include "frame/world.h"
#include "tests/support/program_run.h"
#include "tests/tools/picture_reader.h"
#include "tools/record_options.h"
#include "tools/record_run.h"
#include "tools/webp_clip.h"

namespace tools_test {

static const std::string kRecord = FOOTBALL_RECORD_PATH;
static const std::string kTrace = FOOTBALL_TRACE_PATH;

using test_support::namesIn;
using test_support::ProgramRun;
using test_support::runProgram;
using test_support::TempDir;

TEST(ClipTool, ClipHoldsOnePictureForEachFrameEveryThirtyThreeMilliseconds) {
    const TempDir temp;
    const std::string& dir = temp.path();
    // One run writes the clip and two of its frames as PNG files to compare.
    const ProgramRun r =
        runProgram(kRecord, {"130", "--clip", dir + "/c.webp", "--from", "111", "--size", "64x48",
                             "--out", dir + "/png", "--at", "111,130"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "football-record: wrote 2 pictures of 64x48 in '" + dir +
                         "/png': frame-00111.png to frame-00130.png; wrote '" + dir +
                         "/c.webp': 20 pictures of 64x48, frames 111 to 130, one every 33 ms\n")
        << "no progress when standard error is not a terminal, only what was written";
    EXPECT_EQ(namesIn(dir), (std::vector<std::string>{"c.webp", "png"}))
        << "no temporary file is left";

    const DecodedClip clip = decodeClip(dir + "/c.webp");
    ASSERT_TRUE(clip.ok);
    EXPECT_EQ(clip.width, 64);
    EXPECT_EQ(clip.height, 48);
    EXPECT_EQ(clip.loopCount, 0) << "the clip loops for ever";
    ASSERT_EQ(clip.endTimes.size(), 20u) << "frames 111 to 130, one picture each";
    for (std::size_t i = 0; i < clip.endTimes.size(); ++i)
        EXPECT_EQ(clip.endTimes[i], tools::clipTimestamp(static_cast<long long>(i) + 1)) << i;
    EXPECT_EQ(clip.endTimes.back(), 660) << "the match's pace: 33 ms a frame";

    // The clip's first and last pictures are frames 111 and 130, up to the
    // loss of the encoding.
    for (const auto& [index, frame] : {std::pair<int, int>{0, 111}, {19, 130}}) {
        int width = 0, height = 0;
        std::vector<unsigned char> rgb;
        ASSERT_TRUE(readPng(tools::framePath(dir + "/png", frame), width, height, rgb));
        // Lossy encoding at this size is some 13 levels off; an upside-down or
        // blank picture is far beyond 25.
        EXPECT_LT(meanDifference(clip.rgba[index], rgb), 25.0) << "frame " << frame;
    }
}

// A stream's length from ffprobe's flat output: MP4 gives it in seconds,
// WebM as a tag "HH:MM:SS.fraction".
static double probedSeconds(const std::string& out, int stream) {
    const std::string name = "streams.stream." + std::to_string(stream) + ".";
    const std::size_t tag = out.find(name + "tags.DURATION=\"00:00:");
    if (tag != std::string::npos)
        return std::stod(out.substr(tag + name.size() + 21));
    return std::stod(out.substr(out.find(name + "duration=\"") + name.size() + 10));
}

// The decoded frames of a clip's stream ("v" or "a"), as ffprobe times them:
// each one's start and length in seconds.
struct StreamTimes {
    std::vector<double> starts;
    std::vector<double> lengths;
};

static StreamTimes probedFrames(const std::string& clip, const char* stream) {
    // One of the two length fields is there, as the FFmpeg release names it.
    const ProgramRun probe =
        runProgram(FOOTBALL_FFPROBE,
                   {"-v", "error", "-select_streams", stream, "-show_entries",
                    "frame=pts_time,duration_time,pkt_duration_time", "-of", "csv=p=0", clip});
    EXPECT_EQ(probe.status, 0) << probe.err;
    StreamTimes times;
    std::istringstream lines(probe.out);
    // A frame's side data may end its line early; a length may be "N/A".
    for (std::string line; std::getline(lines, line);) {
        if (line.empty())
            continue;
        times.starts.push_back(std::strtod(line.c_str(), nullptr));
        const std::size_t comma = line.find(',');
        times.lengths.push_back(
            comma == std::string::npos ? 0.0 : std::strtod(line.c_str() + comma + 1, nullptr));
    }
    return times;
}

TEST(ClipTool, VideoClipsShowEachPictureWithItsFramesSound) {
    const TempDir temp;
    const std::string& dir = temp.path();
    for (const auto& [name, video, sound] :
         {std::array<std::string, 3>{"c.mp4", "h264", "aac"}, {"c.webm", "vp9", "opus"}}) {
        SCOPED_TRACE(name);
        const std::string clip = dir + "/" + name;
        // 629 pictures, over 20 s: the sound ends in most of an encoder's
        // frame (AAC's 1,024, Opus's 960), which must not be lost.
        const int pictures = 629;
        const ProgramRun r = runProgram(kRecord, {"698", "--clip", clip, "--from", "70", "--size",
                                                  "64x48", "--out", dir + "/png", "--at", "70"});
        ASSERT_EQ(r.status, 0) << r.err;
        const ProgramRun probe = runProgram(
            FOOTBALL_FFPROBE, {"-v", "error", "-count_packets", "-of", "flat", "-show_entries",
                               "stream=codec_type,codec_name,width,height,channels,sample_rate,"
                               "duration,nb_read_packets:stream_tags=DURATION",
                               clip});
        ASSERT_EQ(probe.status, 0) << probe.err;
        for (const std::string& line : std::vector<std::string>{
                 "0.codec_type=\"video\"", "0.codec_name=\"" + video + "\"", "0.width=64",
                 "0.height=48", "0.nb_read_packets=\"629\"", "1.codec_type=\"audio\"",
                 "1.codec_name=\"" + sound + "\"", "1.sample_rate=\"48000\"", "1.channels=2"})
            EXPECT_NE(probe.out.find("streams.stream." + line + "\n"), std::string::npos) << line;
        EXPECT_EQ(probe.out.find("streams.stream.2."), std::string::npos) << "two streams only";
        for (int stream : {0, 1})
            EXPECT_NEAR(probedSeconds(probe.out, stream), pictures * 0.033, 0.01) << stream;

        // Frame n's sound is the n-th 33 ms of the sound (1,584 sample frames,
        // as football-trace --audio writes it), and picture n shows while it
        // is heard, within 20 ms, at the start and at the end of the clip.
        const StreamTimes shown = probedFrames(clip, "v");
        const StreamTimes heard = probedFrames(clip, "a");
        ASSERT_EQ(shown.starts.size(), static_cast<std::size_t>(pictures));
        ASSERT_FALSE(heard.starts.empty());
        const double soundStart = heard.starts.front();
        EXPECT_NEAR(heard.starts.back() + heard.lengths.back() - soundStart, pictures * 0.033,
                    0.002)
            << "the frames' sound, 33 ms each";
        EXPECT_NEAR(shown.starts.front(), soundStart, 0.02) << "picture 1";
        EXPECT_NEAR(shown.starts.back(), soundStart + (pictures - 1) * 0.033, 0.02)
            << "picture " << pictures;

        // The first picture is frame 70, the right way up, up to the loss of
        // the encoding (colour kept at half size: some 14 levels here).
        const ProgramRun first =
            runProgram(FOOTBALL_FFMPEG, {"-v", "error", "-i", clip, "-frames:v", "1", "-f",
                                         "rawvideo", "-pix_fmt", "rgba", "-"});
        int width = 0, height = 0;
        std::vector<unsigned char> rgb;
        ASSERT_TRUE(readPng(tools::framePath(dir + "/png", 70), width, height, rgb));
        ASSERT_EQ(first.out.size(), 64u * 48 * 4) << first.err;
        EXPECT_LT(meanDifference({first.out.begin(), first.out.end()}, rgb), 25.0);
    }
    EXPECT_EQ(namesIn(dir), (std::vector<std::string>{"c.mp4", "c.webm", "png"}))
        << "no temporary file is left";
}

TEST(ClipTool, AlikePicturesAreKeptOnceForTheTimeOfBoth) {
    // In the warm-up nothing but the keepers' arms and the rain moves; at 8x6
    // pixels many pictures are alike, and the encoder keeps each run of them
    // as one picture shown for as long as the run.
    const TempDir dir;
    const ProgramRun r =
        runProgram(kRecord, {"30", "--clip", dir.path() + "/w.webp", "--size", "8x6"});
    ASSERT_EQ(r.status, 0) << r.err;
    const DecodedClip clip = decodeClip(dir.path() + "/w.webp");
    ASSERT_TRUE(clip.ok);
    ASSERT_FALSE(clip.endTimes.empty());
    EXPECT_LT(clip.endTimes.size(), 30u);
    EXPECT_EQ(clip.endTimes.back(), tools::clipTimestamp(30)) << "the clip lasts 30 frames";
    long long frame = 0;
    for (int end : clip.endTimes) {
        // Every picture ends where one of the frames ends.
        while (frame < 30 && tools::clipTimestamp(frame) < end)
            ++frame;
        EXPECT_EQ(tools::clipTimestamp(frame), end);
    }
}

// The trace lines of a recorded run, collected after start-up and every frame.
static void collectLine(const frame::World& world, std::int64_t frame, bool recreated, void* data) {
    char line[frame::kTraceLineMax];
    const bool withTerrain = frame == 0 || recreated;
    const std::string hash = withTerrain ? frame::terrainHash(world.heightmap) : std::string();
    const std::size_t n =
        frame::traceLine(world, frame, withTerrain ? hash.c_str() : nullptr, line);
    static_cast<std::string*>(data)->append(line, n);
}

// The trace with every line's "camera":[...], field taken out.
static std::string withoutCamera(const std::string& trace) {
    std::string rest = trace;
    for (std::size_t at = rest.find("\"camera\":["); at != std::string::npos;
         at = rest.find("\"camera\":[", at)) {
        const std::size_t end = rest.find("],", at);
        if (end == std::string::npos)
            break;
        rest.erase(at, end + 2 - at);
    }
    return rest;
}

TEST(ClipTool, ClipWithAViewLeavesTheStateTheTracePrints) {
    // Frames before the clip run without pictures; the view holds preset 2.
    const auto world = std::make_unique<frame::World>(frame::initialWorld());
    frame::FrameScript script;
    script.frames = 150;
    script.framesGiven = true;
    tools::RecordOptions options;
    const TempDir dir;
    options.clipPath = dir.path() + "/v.webp";
    options.from = 141;
    options.view = 2;
    options.width = 64;
    options.height = 48;
    std::string error;
    ASSERT_TRUE(tools::checkRecordRequest(script, options, error)) << error;
    tools::addViewHold(script, options.view);
    std::string recorded;
    ASSERT_EQ(tools::recordFrames(*world, script, options, false, collectLine, &recorded, error), 0)
        << error;
    EXPECT_EQ(decodeClip(options.clipPath).endTimes.size(), 10u);

    const ProgramRun held = runProgram(kTrace, {"150", "--hold", "0x32@1-150"});
    ASSERT_EQ(held.status, 0);
    EXPECT_TRUE(recorded == held.out) << "the recorded run drifted from the trace";
    EXPECT_NE(recorded.find("\"frame\":150,"), std::string::npos);
    EXPECT_NE(recorded.find("\"camera\":[70,-50,-50,45,90,45]"), std::string::npos)
        << "preset view 2 is held";

    // Seen from anywhere, the match is the same.
    const ProgramRun plain = runProgram(kTrace, {"150"});
    ASSERT_EQ(plain.status, 0);
    EXPECT_NE(withoutCamera(plain.out), plain.out);
    EXPECT_TRUE(withoutCamera(plain.out) == withoutCamera(held.out))
        << "a preset view changed more than the camera";
}

TEST(ClipTool, EveryPresetViewMovesOnlyTheCamera) {
    const ProgramRun plain = runProgram(kTrace, {"600"});
    ASSERT_EQ(plain.status, 0);
    for (int view = 3; view <= 5; ++view) {
        const ProgramRun held =
            runProgram(kTrace, {"600", "--hold", std::to_string(frame::viewKey(view)) + "@1-600"});
        ASSERT_EQ(held.status, 0);
        EXPECT_NE(held.out, plain.out);
        EXPECT_TRUE(withoutCamera(plain.out) == withoutCamera(held.out)) << "view " << view;
    }
}

TEST(ClipTool, AClipThatCannotBeWrittenIsNamedAndLeavesNothing) {
    const TempDir temp;
    const std::string& dir = temp.path();
    // A missing directory is found before any frame; a directory in the
    // clip's place only when the finished clip is put there.
    std::filesystem::create_directory(dir + "/taken.webp");
    std::filesystem::create_directory(dir + "/taken.webm");
    for (const std::string& clip : {dir + "/missing/c.webp", dir + "/taken.webp",
                                    dir + "/missing/c.mp4", dir + "/taken.webm"}) {
        const ProgramRun r = runProgram(kRecord, {"3", "--size", "16x16", "--clip", clip});
        EXPECT_EQ(r.status, 1) << clip;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind("football-record: cannot write '" + clip + "': ", 0), 0u) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    EXPECT_EQ(namesIn(dir), (std::vector<std::string>{"taken.webm", "taken.webp"}))
        << "no temporary file is left";
    EXPECT_TRUE(namesIn(dir + "/taken.webp").empty());
    EXPECT_TRUE(namesIn(dir + "/taken.webm").empty());
}

TEST(ClipTool, AnInterruptedClipLeavesNoFile) {
    const TempDir dir;
    for (const std::string& clip : {dir.path() + "/i.webp", dir.path() + "/i.mp4"}) {
        // Terminated once its temporary files are there (the sound's comes
        // last, or after 30 s), it ends by the signal.
        const std::string sound = clip + ".wav";
        test_support::RunOptions options;
        options.whileRunning = [&sound](int pid) {
            for (int wait = 0; wait < 600 && !std::filesystem::exists(sound + ".part"); ++wait)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            kill(pid, SIGTERM);
        };
        const ProgramRun r = runProgram(
            kRecord, {"100000", "--size", "16x16", "--clip", clip, "--audio", sound}, options);
        EXPECT_EQ(r.signal, SIGTERM) << clip << r.err;
    }
    EXPECT_TRUE(namesIn(dir.path()).empty());
}

}  // namespace tools_test

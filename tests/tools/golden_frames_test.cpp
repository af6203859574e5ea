// golden_frames_test.cpp -- football-record's pictures of a fixed set of frames against
// the committed golden pictures in tests/data/golden.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "platform/glyphs.h"
#include "tests/support/program_run.h"
#include "tests/tools/picture_reader.h"

namespace tools_test {

static const std::string kRecord = FOOTBALL_RECORD_PATH;
static const std::string kGoldenDir = FOOTBALL_GOLDEN_DIR;

// One run of the recorder from start-up gives every golden frame. Keys: X
// narrows and D tilts the view (frames 600-620), 0 resets it, 2 to 5 jump to
// the preset views, one frame each.
//   1      start-up view, warm-up
//   430    the GOAL banner (the first goal's celebration starts at 418)
//   620    zoomed in and tilted down
//   2000   dry, default view; 2001-2004 dry from presets 2, 3, 4, 5
//   3600   full rain (it starts at 2948), default view; 3601-3604 presets 2-5
//   3606   the first frame after the window's re-creation, default view
//   10000  late in the match, 8 : 8
//   30000  two-digit scores, 30 : 27
static const char kGoldenScript[] =
    "30000 --at 1,430,620,2000,2001,2002,2003,2004,3600,3601,3602,3603,3604,3606,10000,30000"
    " --hold 0x58@600-620 --hold 0x44@600-612 --hold 0x30@621"
    " --hold 0x32@2001 --hold 0x33@2002 --hold 0x34@2003 --hold 0x35@2004"
    " --hold 0x30@3600 --hold 0x32@3601 --hold 0x33@3602 --hold 0x34@3603 --hold 0x35@3604"
    " --toggle 3605 --hold 0x30@3606";

// The script's words, split at spaces.
static std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string word; in >> word;)
        result.push_back(word);
    return result;
}
static const int kGoldenFrames[] = {1,    430,  620,  2000, 2001, 2002, 2003,  2004,
                                    3600, 3601, 3602, 3603, 3604, 3606, 10000, 30000};

static std::string frameName(int frame) {
    char name[32];
    std::snprintf(name, sizeof name, "frame-%05d.png", frame);
    return name;
}

// How a picture differs from its golden one.
struct PictureDifference {
    int largest = 0;           // the largest difference of one channel, in levels
    long differingPixels = 0;  // pixels with any channel different
    int firstLargeX = -1;      // the first pixel (top row first) differing by more than 1
    int firstLargeY = -1;
};

static PictureDifference compare(const std::vector<unsigned char>& golden,
                                 const std::vector<unsigned char>& picture, int width) {
    PictureDifference d;
    for (std::size_t p = 0; p * 3 < golden.size(); ++p) {
        int largest = 0;
        for (int c = 0; c < 3; ++c)
            largest = std::max(largest, std::abs(int(golden[p * 3 + c]) - int(picture[p * 3 + c])));
        if (largest > 0)
            ++d.differingPixels;
        if (largest > 1 && d.firstLargeX < 0) {
            d.firstLargeX = static_cast<int>(p % width);
            d.firstLargeY = static_cast<int>(p / width);
        }
        d.largest = std::max(d.largest, largest);
    }
    return d;
}

// Every pixel within one level per channel of the golden picture, and at most
// 1% of the pixels different at all: the renderer may round a colour
// differently where its batching of vertices changes, never more.
TEST(GoldenFrames, RecordedFramesMatchTheGoldenPictures) {
    const test_support::TempDir temp;
    const std::string dir = temp.path();
    std::vector<std::string> args = words(kGoldenScript);
    args.insert(args.end(), {"--out", dir});
    const test_support::ProgramRun r = test_support::runProgram(kRecord, args);
    ASSERT_EQ(r.status, 0) << r.err;
    for (const int frame : kGoldenFrames) {
        SCOPED_TRACE("frame " + std::to_string(frame));
        int gw = 0, gh = 0, w = 0, h = 0;
        std::vector<unsigned char> golden, picture;
        ASSERT_TRUE(readPng(kGoldenDir + "/" + frameName(frame), gw, gh, golden));
        ASSERT_TRUE(readPng(dir + "/" + frameName(frame), w, h, picture));
        ASSERT_EQ(w, gw);
        ASSERT_EQ(h, gh);
        const PictureDifference d = compare(golden, picture, w);
        EXPECT_LE(d.largest, 1) << "first pixel off by more than one level at (" << d.firstLargeX
                                << ", " << d.firstLargeY << ") from the top left";
        EXPECT_LE(d.differingPixels, static_cast<long>(w) * h / 100);
        std::printf("frame %d: %ld pixels differ, by at most %d\n", frame, d.differingPixels,
                    d.largest);
    }
}

// The columns (first, last) of a text's ink drawn from (x, baseline 15) if
// every pixel of it has the colour `rgb` in the picture, or (-1, -1).
static std::pair<int, int> inkAt(const std::vector<unsigned char>& picture, int width,
                                 const std::string& text, int x, const unsigned char (&rgb)[3]) {
    std::pair<int, int> columns{-1, -1};
    for (unsigned char code : text) {
        const platform::Glyph& glyph = platform::overlayGlyph(code);
        const int bytes = (glyph.width + 7) / 8;
        for (int row = 0; row < glyph.height; ++row) {
            for (int col = 0; col < glyph.width; ++col) {
                if ((glyph.rows[row * bytes + col / 8] & (0x80 >> (col % 8))) == 0)
                    continue;
                const int px = x - static_cast<int>(glyph.xorig) + col;
                const int py = 15 - 1 + static_cast<int>(glyph.yorig) - row;
                for (int c = 0; c < 3; ++c) {
                    if (std::abs(picture[(py * width + px) * 3 + c] - rgb[c]) > 1)
                        return {-1, -1};
                }
                columns.first = columns.first < 0 ? px : std::min(columns.first, px);
                columns.second = std::max(columns.second, px);
            }
        }
        x += static_cast<int>(glyph.advance);
    }
    return columns;
}

// The recorder's score bar from start-up at two- and three-digit scores: the
// three texts read in order, with at least a blank's width of clear columns
// between them (the designed gaps are wider), centred in the bar.
TEST(GoldenFrames, LongScoresStandApartInTheBar) {
    const unsigned char white[3] = {255, 255, 255}, orange[3] = {255, 179, 51};
    const struct {
        int frame;
        const char *first, *second;
    } rows[] = {{10000, "DYNAMO 11", " : 11"},
                {30000, "DYNAMO 42", " : 23"},
                {81300, "DYNAMO 100", " : 84"}};
    const test_support::TempDir temp;
    const test_support::ProgramRun r = test_support::runProgram(
        kRecord, {"81300", "--at", "10000,30000,81300", "--out", temp.path()});
    ASSERT_EQ(r.status, 0) << r.err;
    const int blank = static_cast<int>(platform::overlayGlyph(' ').advance);
    for (const auto& row : rows) {
        SCOPED_TRACE("frame " + std::to_string(row.frame));
        int w = 0, h = 0;
        std::vector<unsigned char> picture;
        ASSERT_TRUE(readPng(temp.path() + "/" + frameName(row.frame), w, h, picture));
        const struct {
            const char* text;
            const unsigned char (&rgb)[3];
        } texts[] = {{row.first, white}, {row.second, orange}, {" SHAKHTAR", orange}};
        int lastColumn = -1, firstColumn = -1;
        for (const auto& text : texts) {
            std::pair<int, int> columns{-1, -1};
            for (int x = lastColumn < 0 ? 380 : lastColumn - 14; x < 640 && columns.first < 0; ++x)
                columns = inkAt(picture, w, text.text, x, text.rgb);
            ASSERT_GE(columns.first, 0)
                << "'" << text.text << "' not found after column " << lastColumn;
            EXPECT_GE(columns.first, lastColumn + 1 + blank) << text.text;
            firstColumn = firstColumn < 0 ? columns.first : firstColumn;
            lastColumn = columns.second;
        }
        EXPECT_LE(std::abs(firstColumn + lastColumn - 1024), 16)
            << firstColumn << ".." << lastColumn;
        EXPECT_GE(firstColumn, 412 + 8);
        EXPECT_LE(lastColumn, 611 - 8);
    }
}

}  // namespace tools_test

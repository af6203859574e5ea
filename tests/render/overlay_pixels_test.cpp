// overlay_pixels_test.cpp -- score bar and its text, goal banner and shadow, text formatting.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "frame/clubs.h"
#include "frame/match_panel.h"
#include "frame/match_pause.h"
#include "frame/overlay.h"
#include "frame/scene_start.h"
#include "platform/glyphs.h"
#include "sim/match_state.h"
#include "tests/render/offscreen_scene_fixture.h"

namespace render_test {

using OverlayProbe = OffscreenScene;

static bool isBlack(Rgb c) {
    return c.r == 0 && c.g == 0 && c.b == 0;
}
static bool isWhite(Rgb c) {
    return c.r == 255 && c.g == 255 && c.b == 255;
}
// (1, 0.7, 0.2) in bytes.
static bool isOrange(Rgb c) {
    return c.r == 255 && (c.g == 178 || c.g == 179) && c.b == 51;
}
static bool isRed(Rgb c) {
    return c.r == 255 && c.g == 0 && c.b == 0;
}

// The pixels (x, y from the top) that the glyph table sets for `text` drawn
// from overlay position (x, baseline) in a window `height` pixels high.
static std::set<std::pair<int, int>> textPixels(const std::string& text, int x, int baseline,
                                                int height) {
    std::set<std::pair<int, int>> pixels;
    int pen = x;
    const int windowBaseline = height - baseline;  // bottom-up row of the baseline
    for (unsigned char code : text) {
        const platform::Glyph& glyph = platform::overlayGlyph(code);
        const int left = pen - static_cast<int>(glyph.xorig);
        const int bottom = windowBaseline - static_cast<int>(glyph.yorig);
        const int bytes = (glyph.width + 7) / 8;
        for (int row = 0; row < glyph.height; ++row) {
            for (int col = 0; col < glyph.width; ++col) {
                const unsigned char bits = glyph.rows[row * bytes + col / 8];
                if (bits & (0x80 >> (col % 8))) {
                    pixels.insert({left + col, height - 1 - (bottom + row)});
                }
            }
        }
        pen += static_cast<int>(glyph.advance);
    }
    return pixels;
}

// The designed clubs, and two names of nine letters, which the designed bar holds.
TEST_F(OverlayProbe, ScoreBarIsBlackAtTheTopCentreWithWhiteAndOrangeText) {
    struct Bar {
        const char *home, *away, *first, *second, *third;
        int goals2;
        int at[3];  // where the three texts start
    };
    for (const Bar& bar :
         {Bar{"", "", "DYNAMO 3", " : 12", " SHAKHTAR", 12, {430, 489, 524}},
          Bar{"copperton", "SALTMARSH", "COPPERTON 3", " : 1", " SALTMARSH", 1, {419, 499, 527}}}) {
        SCOPED_TRACE(bar.first);
        common::MatchChoice choice;
        choice.home = bar.home;
        choice.away = bar.away;
        std::string error;
        ASSERT_TRUE(frame::resolveClubs(frame::builtInClubs(), choice, world->clubs, error))
            << error;
        world->match.goalsTeam1 = 3;
        world->match.goalsTeam2 = bar.goals2;
        runFrame();
        capture();

        std::set<std::pair<int, int>> white = textPixels(bar.first, bar.at[0], 15, kHeight);
        std::set<std::pair<int, int>> orange = textPixels(bar.second, bar.at[1], 15, kHeight);
        const std::set<std::pair<int, int>> name = textPixels(bar.third, bar.at[2], 15, kHeight);
        orange.insert(name.begin(), name.end());
        ASSERT_GT(white.size(), 40u);
        ASSERT_GT(orange.size(), 60u);

        EXPECT_TRUE(isBlack(pixel(512, 1)));
        EXPECT_TRUE(isBlack(pixel(412, 29)));
        EXPECT_TRUE(isBlack(pixel(611, 0)));
        EXPECT_FALSE(isBlack(pixel(411, 5))) << "the bar starts at x 412";
        EXPECT_FALSE(isBlack(pixel(612, 5))) << "the bar ends before x 612";
        EXPECT_FALSE(isBlack(pixel(512, 30))) << "the bar is 30 pixels high";

        // Inside the bar every pixel is exactly what the glyph table says.
        int mismatches = 0;
        for (int y = 0; y < 30; ++y) {
            for (int x = 412; x < 612; ++x) {
                const Rgb c = pixel(x, y);
                bool expected;
                if (white.count({x, y})) {
                    expected = isWhite(c);
                } else if (orange.count({x, y})) {
                    expected = isOrange(c);
                } else {
                    expected = isBlack(c);
                }
                if (!expected && ++mismatches <= 5) {
                    ADD_FAILURE() << "pixel " << x << "," << y << " is " << c.r << " " << c.g << " "
                                  << c.b;
                }
            }
        }
        EXPECT_EQ(mismatches, 0);
    }
}

TEST_F(OverlayProbe, GoalBannerIsRedWithItsBlackShadowFivePixelsDownAndRight) {
    runFrame();
    capture();
    EXPECT_FALSE(isRed(pixel(807, 300))) << "no banner while no goal is celebrated";

    world->match.goalCelebration = 1;
    runFrame();
    capture();
    // The exclamation bar: face x 800..815, y 220..470; shadow x 805..820, y 225..475.
    EXPECT_TRUE(isRed(pixel(800, 220)));
    EXPECT_TRUE(isRed(pixel(814, 469)));
    for (int x = 815; x < 820; ++x)
        EXPECT_TRUE(isBlack(pixel(x, 300))) << x;
    EXPECT_FALSE(isBlack(pixel(820, 300)));
    EXPECT_FALSE(isBlack(pixel(816, 224))) << "the shadow starts 5 pixels lower";
    EXPECT_TRUE(isBlack(pixel(816, 225)));
    for (int y = 470; y < 475; ++y)
        EXPECT_TRUE(isBlack(pixel(810, y))) << y;
    EXPECT_FALSE(isBlack(pixel(810, 476)));
    // G's top bar: the shadow shows below it and right of it, never above or left.
    EXPECT_TRUE(isRed(pixel(171, 221)));
    EXPECT_TRUE(isBlack(pixel(200, 232)));
    EXPECT_TRUE(isBlack(pixel(303, 226)));
    EXPECT_FALSE(isBlack(pixel(200, 219)));
    // A's crossbar and L's foot are red too.
    EXPECT_TRUE(isRed(pixel(570, 355)));
    EXPECT_TRUE(isRed(pixel(720, 495)));
    // The score bar stays on top meanwhile.
    EXPECT_TRUE(isBlack(pixel(512, 1)));
}

TEST_F(OverlayProbe, PausedStandsUnderTheScoreBarOnlyWhilePaused) {
    runFrame();
    capture();
    EXPECT_FALSE(isBlack(pixel(512, 40))) << "no notice while the match plays";

    world->pause.paused = true;
    runFrame();
    capture();
    // A black box 70 by 20 under the bar, "PAUSED" in white centred in it.
    const std::set<std::pair<int, int>> white = textPixels("PAUSED", 491, 44, kHeight);
    ASSERT_GT(white.size(), 30u);
    int mismatches = 0;
    for (int y = 30; y < 50; ++y) {
        for (int x = 477; x < 547; ++x) {
            const Rgb c = pixel(x, y);
            if (!(white.count({x, y}) ? isWhite(c) : isBlack(c)))
                ++mismatches;
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_FALSE(isBlack(pixel(476, 40)));
    EXPECT_FALSE(isBlack(pixel(547, 40)));
    EXPECT_FALSE(isBlack(pixel(512, 50)));

    // Tab's match panel stands in black below the notice, its heading in orange.
    world->panel.shown = true;
    runFrame();
    capture();
    EXPECT_TRUE(!isBlack(pixel(512, 50)) && isBlack(pixel(512, 60)));
    int orange = 0;
    for (int at = 0; at < 200 * 24; ++at)
        orange += isOrange(pixel(412 + at % 200, 58 + at / 200));
    EXPECT_GT(orange, 40);
}

// At 640x480 (the lower left of the 1024x768 buffer, whose rows 288..767 it
// covers) the banner scales with the canvas and the bar keeps the 200 by 30
// pixels that hold its text, centred at the top.
TEST_F(OverlayProbe, AtSixFortyByFourEightyTheBannerScalesAndTheBarStaysCentredAndWhole) {
    constexpr int kTop = kHeight - 480;
    frame::resizeScene(*world, 640, 480);
    world->match.goalsTeam1 = 3;
    world->match.goalsTeam2 = 12;
    world->match.goalCelebration = 1;
    world->pause.paused = true;
    runFrame();
    capture();

    std::set<std::pair<int, int>> white = textPixels("DYNAMO 3", 238, 15, 480);
    const std::set<std::pair<int, int>> paused = textPixels("PAUSED", 299, 44, 480);
    white.insert(paused.begin(), paused.end());
    std::set<std::pair<int, int>> orange = textPixels(" : 12", 297, 15, 480);
    const std::set<std::pair<int, int>> name = textPixels(" SHAKHTAR", 332, 15, 480);
    orange.insert(name.begin(), name.end());
    int mismatches = 0;
    for (int y = 0; y < 50; ++y) {
        for (int x = 220; x < 420; ++x) {
            if (y >= 30 && (x < 285 || x >= 355))
                continue;  // beside the notice
            const Rgb c = pixel(x, kTop + y);
            const bool expected = white.count({x, y})    ? isWhite(c)
                                  : orange.count({x, y}) ? isOrange(c)
                                                         : isBlack(c);
            if (!expected && ++mismatches <= 5)
                ADD_FAILURE() << "pixel " << x << "," << y;
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_FALSE(isBlack(pixel(219, kTop + 5)));
    EXPECT_FALSE(isBlack(pixel(420, kTop + 5)));

    // The banner at 0.625: the exclamation bar's face spans x 500..509.4 and
    // y 137.5..293.75, its shadow 3.125 further right and down.
    EXPECT_TRUE(isRed(pixel(501, kTop + 139)));
    EXPECT_TRUE(isRed(pixel(508, kTop + 292)));
    EXPECT_FALSE(isRed(pixel(511, kTop + 200)));
    EXPECT_TRUE(isBlack(pixel(511, kTop + 200)));
    EXPECT_FALSE(isBlack(pixel(514, kTop + 200)));
    // G's left bar starts at 106.25: the whole banner is inside the picture.
    EXPECT_TRUE(isRed(pixel(107, kTop + 200)));
    EXPECT_FALSE(isRed(pixel(105, kTop + 200)));
}

// A text starting left of the picture still shows the glyphs that fall
// inside, each where it belongs.
TEST_F(OverlayProbe, TextStartingOutsideThePictureShowsItsVisiblePart) {
    frame::beginOverlay(world->viewport);
    glColor3f(1.0f, 1.0f, 1.0f);
    frame::drawOverlayText(-10.0f, 100.0f, "MIX");
    frame::endOverlay();
    capture();
    const std::set<std::pair<int, int>> white = textPixels("MIX", -10, 100, kHeight);
    int inside = 0;
    for (int y = 85; y < 105; ++y) {
        for (int x = 0; x < 20; ++x) {
            inside += white.count({x, y}) ? 1 : 0;
            EXPECT_EQ(isWhite(pixel(x, y)), white.count({x, y}) == 1) << x << "," << y;
        }
    }
    EXPECT_GT(inside, 10);
}

// The current raster position after drawing shows how many glyphs were drawn:
// each moves it on by its advance of 7 pixels.
static float rasterAdvance(const frame::ViewportSize& size, float x, const char* format,
                           const char* argument) {
    frame::beginOverlay(size);
    glRasterPos2f(0.0f, 50.0f);
    frame::drawOverlayText(x, 50.0f, format, argument);
    GLfloat position[4];
    glGetFloatv(GL_CURRENT_RASTER_POSITION, position);
    frame::endOverlay();
    return position[0] - x;
}

TEST_F(OverlayProbe, OverlayTextTruncatesAndSkipsCodesWithoutGlyphs) {
    ASSERT_EQ(platform::overlayGlyph('A').advance, 7.0f);
    EXPECT_EQ(rasterAdvance(world->viewport, 10.0f, "%s", "DYNAMO"), 6 * 7.0f);
    // A 400-character text is cut to the 255 that fit the buffer.
    const std::string longText(400, 'W');
    EXPECT_EQ(rasterAdvance(world->viewport, 10.0f, "%s", longText.c_str()), 255 * 7.0f);
    // Codes outside 32..127 draw nothing and do not advance.
    EXPECT_EQ(rasterAdvance(world->viewport, 10.0f, "%s",
                            "A\x01\x1f\x80\xff"
                            "B"),
              2 * 7.0f);
    EXPECT_EQ(rasterAdvance(world->viewport, 10.0f, "%s", "\x7f"), 7.0f);
    // A null format draws nothing: the raster position stays where it was set.
    frame::beginOverlay(world->viewport);
    glRasterPos2f(10.0f, 50.0f);
    frame::drawOverlayText(30.0f, 50.0f, nullptr);
    GLfloat position[4];
    glGetFloatv(GL_CURRENT_RASTER_POSITION, position);
    frame::endOverlay();
    EXPECT_EQ(position[0], 10.0f);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(OverlayProbe, FontIsBuiltAnewForEveryContext) {
    runFrame();
    capture();
    const std::set<std::pair<int, int>> white = textPixels("DYNAMO 0", 433, 15, kHeight);
    for (const auto& p : white)
        ASSERT_TRUE(isWhite(pixel(p.first, p.second)));
    recreateContext();
    runFrame();
    capture();
    for (const auto& p : white)
        ASSERT_TRUE(isWhite(pixel(p.first, p.second)));
}

}  // namespace render_test

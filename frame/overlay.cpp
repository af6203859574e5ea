// overlay.cpp -- the overlay's pixel projection, the score bar and the GOAL! banner.
#include "frame/overlay.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace frame {

static OverlaySize overlaySize = {0.0, 0.0, 1};

const OverlaySize& overlayPictureSize() {
    return overlaySize;
}

void beginOverlay(const ViewportSize& size) {
    overlaySize = overlaySizeOf(size);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, static_cast<double>(size.width), static_cast<double>(size.height), 0.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    // Overlay pixels onto device pixels: whole numbers stay whole, so the
    // magnified glyphs land on the pixel grid as the plain ones do.
    if (overlaySize.unit != 1)
        glScaled(overlaySize.unit, overlaySize.unit, 1.0);
}

void endOverlay() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
}

// Where the score's three texts start, in pixels from the bar's centre, and
// how far the bar must reach either side of the centre to hold them.
struct ScoreRow {
    double first, second, third;
    double halfWidth;
};

// With both scores below ten the texts start 79 pixels left of the centre, 20
// left and 8 right of it: "DYNAMO N" (56 pixels) ends 3 pixels before " : N"
// starts, which (28 pixels) ends where " SHAKHTAR" starts, and the blank that
// opens each keeps its ink apart from the text before. A longer score pushes
// the texts after it on by its extra width, so every gap stays as designed
// (the fixed positions would run "23" into "SHAKHTAR"); the row stays centred
// as it was, 4 pixels left of the bar's centre, and the bar widens only when
// the row would come within 8 pixels of its ends.
static ScoreRow scoreRow(double width1, double width2, double width3, double designedHalf) {
    const double firstToSecond = std::max(59.0, width1 + 3.0);
    const double secondToThird = std::max(28.0, width2);
    const double row = firstToSecond + secondToThird + width3;
    const double first = -std::floor(row / 2.0) - 4.0;
    const double needed = std::floor(row / 2.0) + 4.0 + 8.0;
    return ScoreRow{first, first + firstToSecond, first + firstToSecond + secondToThird,
                    std::max(designedHalf, needed)};
}

// The bar and the notice are drawn in pixels around the bar's centre: their
// boxes scale with the bar, their glyphs cannot, so the texts keep their
// pixel spacing from the centre (at 1024x768: the bar spans 412..612).
void drawScoreboard(const OverlayLayout& layout, int goalsTeam1, int goalsTeam2) {
    char first[32];
    char second[32];
    static const char kThird[] = " SHAKHTAR";
    std::snprintf(first, sizeof first, "DYNAMO %i", goalsTeam1);
    std::snprintf(second, sizeof second, " : %i", goalsTeam2);
    const ScoreRow row = scoreRow(overlayTextWidth(first), overlayTextWidth(second),
                                  overlayTextWidth(kThird), 100.0 * layout.barScale);

    const double centre = layout.barCentre;
    const double half = row.halfWidth;
    const double bottom = 30.0 * layout.barScale;
    glBegin(GL_POLYGON);
    glColor3d(0.0, 0.0, 0.0);
    glVertex2d(centre - half, 0.0);
    glVertex2d(centre + half, 0.0);
    glVertex2d(centre + half, bottom);
    glVertex2d(centre - half, bottom);
    glEnd();

    const float baseline = static_cast<float>(15.0 * layout.barScale);
    glColor3f(1.0f, 1.0f, 1.0f);
    drawOverlayText(static_cast<float>(centre + row.first), baseline, "%s", first);
    glColor3f(1.0f, 0.7f, 0.2f);
    drawOverlayText(static_cast<float>(centre + row.second), baseline, "%s", second);
    drawOverlayText(static_cast<float>(centre + row.third), baseline, "%s", kThird);
}

// A word of six glyphs in a black box under the score bar.
static void drawBarNotice(const OverlayLayout& layout, const char* word) {
    const double centre = layout.barCentre;
    const double half = 35.0 * layout.barScale;
    const double top = 30.0 * layout.barScale;
    const double bottom = 50.0 * layout.barScale;
    glBegin(GL_POLYGON);
    glColor3d(0.0, 0.0, 0.0);
    glVertex2d(centre - half, top);
    glVertex2d(centre + half, top);
    glVertex2d(centre + half, bottom);
    glVertex2d(centre - half, bottom);
    glEnd();

    // Six glyphs of 7 pixels, centred; the baseline 4 pixels below the box's middle.
    glColor3f(1.0f, 1.0f, 1.0f);
    drawOverlayText(static_cast<float>(centre - 21.0),
                    static_cast<float>((top + bottom) / 2.0 + 4.0), "%s", word);
}

void drawPauseNotice(const OverlayLayout& layout) {
    drawBarNotice(layout, "PAUSED");
}

void drawReplayNotice(const OverlayLayout& layout) {
    drawBarNotice(layout, "REPLAY");
}

void drawNoticeLine(const char* text, bool failed) {
    const double width = static_cast<double>(overlaySize.width);
    const double height = static_cast<double>(overlaySize.height);
    const double room = width - 16.0;
    const bool cut = overlayTextWidth(text) > room;
    if (cut) {
        const double dots = overlayTextWidth("...");
        while (*text != '\0' && overlayTextWidth(text) + dots > room)
            ++text;
    }
    const double textWidth = overlayTextWidth(text) + (cut ? overlayTextWidth("...") : 0.0);
    glBegin(GL_POLYGON);
    glColor3d(0.0, 0.0, 0.0);
    glVertex2d(0.0, height - 22.0);
    glVertex2d(width, height - 22.0);
    glVertex2d(width, height);
    glVertex2d(0.0, height);
    glEnd();
    if (failed) {
        glColor3f(1.0f, 0.7f, 0.2f);
    } else {
        glColor3f(1.0f, 1.0f, 1.0f);
    }
    drawOverlayText(static_cast<float>(std::floor((width - textWidth) / 2.0)),
                    static_cast<float>(height - 7.0), "%s%s", cut ? "..." : "", text);
}

// The face of the banner's sixteen strokes, each four vertices in drawing order.
static const double kBannerStrokes[16][4][2] = {
    {{300, 220}, {300, 230}, {170, 230}, {170, 220}},  // G, top bar
    {{180, 500}, {170, 500}, {170, 230}, {180, 230}},  // G, left bar
    {{180, 500}, {180, 490}, {300, 490}, {300, 500}},  // G, bottom bar
    {{290, 380}, {300, 380}, {300, 490}, {290, 490}},  // G, right lower bar
    {{290, 380}, {290, 390}, {250, 390}, {250, 380}},  // G, inner bar
    {{330, 220}, {340, 220}, {340, 500}, {330, 500}},  // O, left bar
    {{340, 220}, {340, 230}, {470, 230}, {470, 220}},  // O, top bar
    {{480, 220}, {480, 500}, {470, 500}, {470, 220}},  // O, right bar
    {{340, 490}, {340, 500}, {470, 500}, {470, 490}},  // O, bottom bar
    {{510, 500}, {510, 460}, {570, 220}, {570, 260}},  // A, left leg
    {{630, 500}, {630, 460}, {570, 220}, {570, 260}},  // A, right leg
    {{540, 350}, {545, 360}, {605, 360}, {600, 350}},  // A, crossbar
    {{660, 220}, {660, 500}, {670, 500}, {670, 220}},  // L, upright
    {{770, 490}, {770, 500}, {670, 500}, {670, 490}},  // L, foot
    {{800, 220}, {800, 470}, {815, 470}, {815, 220}},  // !, bar
    {{800, 500}, {800, 480}, {815, 480}, {815, 500}},  // !, dot
};

static void drawBannerStrokes(double dx, double dy) {
    for (const auto& stroke : kBannerStrokes) {
        glBegin(GL_POLYGON);
        for (const auto& vertex : stroke)
            glVertex2d(vertex[0] + dx, vertex[1] + dy);
        glEnd();
    }
}

void drawGoalBanner(const OverlayLayout& layout) {
    // Polygons scale with the canvas; at 1024x768 the transform is left out.
    const bool fitted = layout.scale != 1.0 || layout.left != 0.0;
    if (fitted) {
        glPushMatrix();
        glTranslated(layout.left, 0.0, 0.0);
        glScaled(layout.scale, layout.scale, 1.0);
    }
    glColor3f(0.0f, 0.0f, 0.0f);
    drawBannerStrokes(5.0, 5.0);
    glColor3f(1.0f, 0.0f, 0.0f);
    drawBannerStrokes(0.0, 0.0);
    if (fitted)
        glPopMatrix();
}

}  // namespace frame

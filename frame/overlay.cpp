// overlay.cpp -- the overlay's pixel projection, the score bar and the GOAL! banner.
#include "frame/overlay.h"

#include <GL/gl.h>

#include "frame/viewport_size.h"

namespace frame {

void beginOverlay() {
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, static_cast<double>(viewportSize.width), static_cast<double>(viewportSize.height),
            0.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
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

void drawScoreboard(int goalsTeam1, int goalsTeam2) {
    glBegin(GL_POLYGON);
    glColor3d(0.0, 0.0, 0.0);
    glVertex2d(412.0, 0.0);
    glVertex2d(612.0, 0.0);
    glVertex2d(612.0, 30.0);
    glVertex2d(412.0, 30.0);
    glEnd();

    glColor3f(1.0f, 1.0f, 1.0f);
    drawOverlayText(433.0f, 15.0f, "DYNAMO %i", goalsTeam1);
    glColor3f(1.0f, 0.7f, 0.2f);
    drawOverlayText(492.0f, 15.0f, " : %i", goalsTeam2);
    drawOverlayText(520.0f, 15.0f, " SHAKHTAR");
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

void drawGoalBanner() {
    glColor3f(0.0f, 0.0f, 0.0f);
    drawBannerStrokes(5.0, 5.0);
    glColor3f(1.0f, 0.0f, 0.0f);
    drawBannerStrokes(0.0, 0.0);
}

}  // namespace frame

// pitch_markings.cpp -- pitch lines, arcs, goal frames, nets and corner flags in immediate mode.
#include "render/pitch_markings.h"

#include <GL/gl.h>

#include <cmath>

namespace render {

static void white() {
    glColor3d(1.0, 1.0, 1.0);
}
static void netBlue() {
    glColor3d(0.2, 0.2, 1.0);
}

// A ground line at y 1.1 from (x0, z0) to (x1, z1), white; inside a GL_LINES block.
static void groundLine(double x0, double z0, double x1, double z1) {
    white();
    glVertex3d(x0, 1.1, z0);
    glVertex3d(x1, 1.1, z1);
}

void drawGroundLines() {
    static const double kLines[17][4] = {
        {-35, 0, 35, 0},       {-35, 100, 35, 100},   {-35, 0, -35, 100},  {35, 0, 35, 100},
        {-35, 50, 35, 50},     {-20, 16.5, 20, 16.5}, {-20, 16.5, -20, 0}, {20, 16.5, 20, 0},
        {-20, 83.5, 20, 83.5}, {-20, 83.5, -20, 100}, {20, 83.5, 20, 100}, {-9, 5.5, 9, 5.5},
        {-9, 5.5, -9, 0},      {9, 5.5, 9, 0},        {-9, 94.5, 9, 94.5}, {-9, 94.5, -9, 100},
        {9, 94.5, 9, 100},
    };
    glLineWidth(2.0f);
    glBegin(GL_LINES);
    for (const auto& line : kLines)
        groundLine(line[0], line[1], line[2], line[3]);
    glEnd();
}

static void drawGoalFrame(double z, float width) {
    glLineWidth(width);
    glBegin(GL_LINES);
    white();
    glVertex3d(-3.5, 1.0, z);
    glVertex3d(-3.5, 3.44, z);
    white();
    glVertex3d(3.5, 1.0, z);
    glVertex3d(3.5, 3.44, z);
    white();
    glVertex3d(-3.5, 3.44, z);
    glVertex3d(3.5, 3.44, z);
    glEnd();
}

static void netLine(double x0, double y0, double z0, double x1, double y1, double z1) {
    netBlue();
    glVertex3d(x0, y0, z0);
    glVertex3d(x1, y1, z1);
}

// The net behind the goal line at goalZ, reaching 3 deep in the direction
// `outwards` (-1 behind the near goal, +1 behind the far goal).
static void drawNet(double goalZ, double outwards) {
    const double backZ = goalZ + 3.0 * outwards;
    glLineWidth(1.0f);
    glBegin(GL_LINES);
    for (int n = 1; n <= 15; ++n) {
        const double x = (n - 1) * 0.5 - 3.5;
        netLine(x, 3.44, goalZ, x, 3.44, backZ);
        netLine(x, 3.44, backZ, x, 1.0, backZ);
    }
    for (int n = 1; n <= 6; ++n) {
        const double z = (outwards < 0.0) ? -0.5 * n : 0.5 * n + 100.0;
        netLine(-3.5, 3.44, z, 3.5, 3.44, z);
        netLine(-3.5, 3.44, z, -3.5, 1.0, z);
        netLine(3.5, 3.44, z, 3.5, 1.0, z);
    }
    for (int n = 1; n <= 5; ++n) {
        const double y = (n - 1) * 0.5 + 1.0;
        netLine(-3.5, y, backZ, 3.5, y, backZ);
        netLine(-3.5, y, goalZ, -3.5, y, backZ);
        netLine(3.5, y, goalZ, 3.5, y, backZ);
    }
    glEnd();
}

// One coordinate of an arc point: the float sine or cosine times 9.15, rounded to float.
static double arcOffset(double trigonometric) {
    return static_cast<double>(
        static_cast<float>(static_cast<double>(static_cast<float>(trigonometric)) * 9.15));
}

static void arcPoint(int step, double centreZ) {
    const double angle = step * 1.0 / 100;
    glVertex3d(arcOffset(std::cos(angle)), 1.1, centreZ + arcOffset(std::sin(angle)));
}

// Segments from step first to step last + 1, each in a block of its own.
static void drawArc(double centreZ, int first, int last) {
    for (int s = first; s <= last; ++s) {
        glLineWidth(2.0f);
        glBegin(GL_LINES);
        white();
        arcPoint(s, centreZ);
        arcPoint(s + 1, centreZ);
        glEnd();
    }
}

void drawGoals() {
    drawGoalFrame(0.0, 5.0f);
    drawGoalFrame(100.0, 3.0f);
    drawNet(0.0, -1.0);
    drawNet(100.0, 1.0);
}

void drawArcs() {
    drawArc(50.0, 0, 627);
    drawArc(11.0, 65, 248);
    drawArc(89.0, 379, 562);
}

static void drawFlag(double x, double z) {
    glLineWidth(2.0f);
    glBegin(GL_LINES);
    white();
    glVertex3d(x, 1.0, z);
    glVertex3d(x, 2.0, z);
    glEnd();

    const double tipX = (x < 0.0) ? -36.0 : 36.0;
    glBegin(GL_POLYGON);
    glColor3d(1.0, 1.0, 0.0);
    glVertex3d(x, 2.0, z);
    glVertex3d(x, 2.5, z);
    glVertex3d(tipX, 2.75, z);
    glEnd();
}

void drawFlags() {
    static const double kFlags[6][2] = {{-35, 0},  {35, 0},   {-35, 100},
                                        {35, 100}, {-35, 50}, {35, 50}};
    for (const auto& flag : kFlags)
        drawFlag(flag[0], flag[1]);
}

void drawPitchMarkings() {
    drawGroundLines();
    drawGoals();
    drawArcs();
    drawFlags();
}

}  // namespace render

// figures.cpp -- goalkeeper and outfield figures: ten placed parts each, swung by a phase.
#include "render/figures.h"

#include <GL/gl.h>

#include "render/figure_animation.h"
#include "render/shape_cache.h"

namespace render {

static const double kSkin[3] = {0.9, 0.9, 0.7};
static const double kHair[3] = {0.0, 0.0, 0.0};

static void setColour(const double colour[3]) {
    glColor3d(colour[0], colour[1], colour[2]);
}

// The black square on top of the head, in the figure's frame shifted by (dx, dz).
static void drawHair(double dx, double dz) {
    setColour(kHair);
    glBegin(GL_POLYGON);
    glVertex3d(dx - 0.1, 3.4, dz - 0.1);
    glVertex3d(dx - 0.1, 3.4, dz + 0.1);
    glVertex3d(dx + 0.1, 3.4, dz + 0.1);
    glVertex3d(dx + 0.1, 3.4, dz - 0.1);
    glEnd();
}

// Trunk, chest and head, each between a push and a pop, at offset (dx, dz).
static void drawUpperBody(double dx, double dz, const double shirt[3]) {
    setColour(shirt);
    glPushMatrix();
    glTranslated(dx, 2.0, dz);
    solidCylinder(0.5, 1.0);
    glPopMatrix();

    glPushMatrix();
    glTranslated(dx, 2.3, dz);
    solidSphere(0.5);
    glPopMatrix();

    setColour(kSkin);
    glPushMatrix();
    glTranslated(dx, 3.1, dz);
    solidSphere(0.3);
    glPopMatrix();
}

static void placedCylinder(double x, double y, double z) {
    glPushMatrix();
    glTranslated(x, y, z);
    solidCylinder(0.1, 0.9);
    glPopMatrix();
}

// Shorts: a wider tube over the top 0.6 of a leg placed at (x, y, z), the
// leg's own place; the leg spans heights y + 0.1 to y + 1.
static void placedShorts(const Kit& kit, double x, double y, double z) {
    if (!kit.shorts)
        return;
    setColour(kit.shortsColour);
    glPushMatrix();
    glTranslated(x, y, z);
    solidCylinder(0.14, 0.6);
    glPopMatrix();
}

static void placedBoot(double x, double y, double z) {
    glPushMatrix();
    glTranslated(x, y, z);
    solidSphere(0.2);
    glPopMatrix();
}

void drawGoalkeeper(float x, float z, int keeperCounter, const Kit& kit) {
    const int d = animationPhase(keeperCounter);
    const double px = static_cast<double>(x);
    const double pz = static_cast<double>(z);

    drawUpperBody(px, pz, kit.shirt);
    drawHair(px, pz);

    setColour(kSkin);
    glPushMatrix();
    glTranslated(px + 0.3, 3.1, pz);
    glRotated(static_cast<double>(5 * d - 150), 0.0, 0.0, 1.0);
    solidCylinder(0.1, 0.9);
    glPopMatrix();

    glPushMatrix();
    glTranslated(px - 0.3, 3.1, pz);
    glRotated(static_cast<double>(150 - 5 * d), 0.0, 0.0, 1.0);
    solidCylinder(0.1, 0.9);
    glPopMatrix();

    const double spread = 0.2 + 0.02 * d;
    placedCylinder(px - spread, 1.2, pz);
    placedCylinder(px + spread, 1.2, pz);
    placedShorts(kit, px - spread, 1.2, pz);
    placedShorts(kit, px + spread, 1.2, pz);

    setColour(kit.boots);
    placedBoot(px - spread, 1.1, pz);
    placedBoot(px + spread, 1.1, pz);
}

void drawOutfieldPlayer(float x, float z, float heading, const Kit& kit, int strideCounter) {
    const int d = animationPhase(strideCounter);

    glPushMatrix();
    glTranslated(static_cast<double>(x), 0.0, static_cast<double>(z));
    glPushMatrix();
    glRotated(static_cast<double>(heading), 0.0, 1.0, 0.0);
    glPushMatrix();

    drawUpperBody(0.0, 0.0, kit.shirt);
    drawHair(0.0, 0.0);

    setColour(kSkin);
    glPushMatrix();
    glTranslated(0.3, 3.1, 0.0);
    glRotated(static_cast<double>(10 * d - 25), 1.0, 0.0, 0.0);
    glRotated(-150.0, 0.0, 0.0, 1.0);
    solidCylinder(0.1, 0.9);
    glPopMatrix();

    glPushMatrix();
    glTranslated(-0.3, 3.1, 0.0);
    glRotated(static_cast<double>(25 - 10 * d), 1.0, 0.0, 0.0);
    glRotated(150.0, 0.0, 0.0, 1.0);
    solidCylinder(0.1, 0.9);
    glPopMatrix();

    placedCylinder(-0.2, 1.2, 0.075 - 0.05 * d);
    placedCylinder(0.2, 1.2, 0.05 * d - 0.125);
    placedShorts(kit, -0.2, 1.2, 0.075 - 0.05 * d);
    placedShorts(kit, 0.2, 1.2, 0.05 * d - 0.125);

    setColour(kit.boots);
    placedBoot(-0.2, 1.1, 0.125 - 0.05 * d);
    placedBoot(0.2, 1.1, 0.05 * d - 0.125);

    glPopMatrix();
    glPopMatrix();
    glPopMatrix();
}

}  // namespace render

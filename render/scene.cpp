// scene.cpp -- scene set-up: lights, fog and projection.
#include "render/scene.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

#include "common/numeric.h"

namespace render {

static const float ambientLightColor[4] = {0.3f, 0.3f, 0.3f, 1.0f};
const float ambientLightPosition[4] = {0.0f, 0.0f, 0.0f, 1.0f};

void setupSceneLighting() {
    // The names say light 1, but they configure the spot light GL_LIGHT2.
    const GLfloat light1_diffuse[4] = {0.4f, 0.7f, 0.2f, 1.0f};
    const GLfloat light1_position[4] = {100.0f, 100.0f, 100.0f, 1.0f};
    const GLfloat light1_spot_direction[3] = {-10.0f, -5.0f, -10.0f};

    glShadeModel(GL_SMOOTH);
    glClearColor(0.6f, 0.6f, 1.0f, 1.0f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glLightfv(GL_LIGHT1, GL_AMBIENT, ambientLightColor);
    glEnable(GL_LIGHT1);
    glEnable(GL_LIGHTING);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_LIGHT2);
    glLightfv(GL_LIGHT2, GL_DIFFUSE, light1_diffuse);
    // The model-view matrix is the identity here (setProjection just loaded
    // it), so the spot light is fixed relative to the viewer.
    glLightfv(GL_LIGHT2, GL_POSITION, light1_position);
    glLightf(GL_LIGHT2, GL_SPOT_CUTOFF, 30.0f);
    glLightfv(GL_LIGHT2, GL_SPOT_DIRECTION, light1_spot_direction);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
}

// The picture was designed 4:3. A narrower one (a phone held upright) keeps
// the designed picture's width of view, so the pitch is seen across, and
// shows more above and below it: its vertical field of view widens.
static double verticalFieldOfView(double fieldOfView, double aspect) {
    constexpr double kDesignedAspect = 4.0 / 3.0;
    if (aspect >= kDesignedAspect)
        return fieldOfView;
    const double half = std::tan(fieldOfView * common::kPi / 360.0) * kDesignedAspect / aspect;
    return std::atan(half) * 360.0 / common::kPi;
}

static bool uprightFraming = false;

void frameUprightPictures(bool on) {
    uprightFraming = on;
}

// The upright framing, found by eye on a 390x844 phone: the field of view
// holds twice the 4:3 picture's height per unit of width (the start view's
// pitch across the whole picture), and the eye moves 15 up and 5 on and tilts
// 20 degrees down: the pitch fills half the picture, the sky a few rows.
constexpr double kUprightAspect = 3.0 / 4.0;
constexpr double kUprightWidth = 2.0;
constexpr double kUprightTilt = 20.0;
constexpr double kUprightRise = 15.0;
constexpr double kUprightNearer = 5.0;

static void uprightPerspective(double fieldOfView, double aspect) {
    const double half = std::tan(fieldOfView * common::kPi / 360.0) * kUprightWidth;
    gluPerspective(std::atan(half) * 360.0 / common::kPi, aspect, 0.5, 600.0);
    glRotated(kUprightTilt, 1.0, 0.0, 0.0);
    glTranslated(0.0, -kUprightRise, kUprightNearer);
}

void setProjection(int width, int height, float fieldOfView) {
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const double aspect = static_cast<double>(width) / static_cast<double>(height);
    if (uprightFraming && aspect < kUprightAspect)
        uprightPerspective(static_cast<double>(fieldOfView), aspect);
    else
        gluPerspective(verticalFieldOfView(static_cast<double>(fieldOfView), aspect), aspect, 0.5,
                       600.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void setupFog() {
    const GLint fogMode[3] = {GL_EXP, GL_EXP2, GL_LINEAR};
    const GLfloat fogColor[4] = {0.5f, 0.5f, 0.6f, 1.0f};
    glEnable(GL_FOG);
    glFogi(GL_FOG_MODE, fogMode[2]);
    glFogfv(GL_FOG_COLOR, fogColor);
    glFogf(GL_FOG_DENSITY, 0.05f);
    glHint(GL_FOG_HINT, GL_DONT_CARE);
    glFogf(GL_FOG_START, 200.0f);
    glFogf(GL_FOG_END, 500.0f);
}

}  // namespace render

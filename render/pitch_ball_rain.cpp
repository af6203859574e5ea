// pitch_ball_rain.cpp -- drawing of the pitch surface, the ball and the rain drops.
#include "render/pitch_ball_rain.h"

#include <GL/gl.h>

#include "render/rain_field.h"
#include "render/shape_cache.h"

namespace render {

// Every square in a block of its own: one block of all quads fills a few
// pixels along some edges differently, so the squares stay apart.
void drawPitch() {
    glBegin(GL_QUADS);
    glColor3ub(0, 200, 0);
    glVertex3f(-35.0f, 0.5f, 0.0f);
    glVertex3f(-35.0f, 0.5f, 100.0f);
    glVertex3f(35.0f, 0.5f, 100.0f);
    glVertex3f(35.0f, 0.5f, 0.0f);
    glEnd();

    for (int band = 1; band <= 10; ++band) {
        const int bandGreen = (band % 2 == 1) ? 255 : 200;
        for (int j = -35; j <= 34; ++j) {
            for (int k = 0; k <= 9; ++k) {
                const int green = ((j + k + 35) % 2 != 0) ? bandGreen - 10 : bandGreen;
                const float x0 = static_cast<float>(j);
                const float x1 = static_cast<float>(j + 1);
                const float z0 = static_cast<float>(10 * (band - 1) + k);
                const float z1 = z0 + 1.0f;
                glBegin(GL_QUADS);
                glColor3ub(0, static_cast<GLubyte>(green), 0);
                glVertex3f(x0, 1.0f, z0);
                glVertex3f(x0, 1.0f, z1);
                glVertex3f(x1, 1.0f, z1);
                glVertex3f(x1, 1.0f, z0);
                glEnd();
            }
        }
    }
}

void drawBall(float x, float z) {
    glPushMatrix();
    glColor3f(1.0f, 1.0f, 1.0f);
    glTranslated(static_cast<double>(x), 1.25, static_cast<double>(z));
    solidSphere(0.3);
    glPopMatrix();
}

// All falling drops go in one block of lines, each its own segment. The line
// width is set before the block, and only when a drop is drawn at all.
void drawRain(const RainField& field) {
    bool drawing = false;
    const RainDrop* const drops = dropsAsDrawn(field);
    for (int index = 0; index < kRainDropCount; ++index) {
        const RainDrop& drop = drops[index];
        if (!isFalling(drop))
            continue;
        if (!drawing) {
            glLineWidth(1.0f);
            glBegin(GL_LINES);
            drawing = true;
        }
        const double x = static_cast<double>(drop.x);
        const double y = static_cast<double>(drop.y);
        const double z = static_cast<double>(drop.z);
        glColor3d(1.28, 2.5, 2.5);
        glVertex3d(x, y, z);
        glVertex3d(x, y - 5.5, z);
    }
    if (drawing)
        glEnd();
}

}  // namespace render

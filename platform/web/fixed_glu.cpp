// fixed_glu.cpp -- the GLU calls the drawing makes: the perspective projection and the smooth
// solid sphere and cylinder, issued vertex by vertex in the order GLU issues them.
#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <new>

#include "platform/web/fixed_gl.h"

// The quadric's settings. Only filled, smooth-normalled shapes are drawn here
// (the drawing asks for nothing else); other styles draw the same shapes.
class GLUquadric {
  public:
    GLenum drawStyle = GLU_FILL;
    GLenum normals = GLU_SMOOTH;
};

namespace fixedgl {

void perspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar) {
    const double radians = fovy / 2.0 * M_PI / 180.0;
    const double sine = std::sin(radians);
    const double depth = zFar - zNear;
    if (depth == 0.0 || sine == 0.0 || aspect == 0.0)
        return;
    const double f = std::cos(radians) / sine;
    GLdouble m[16] = {};
    m[0] = f / aspect;
    m[5] = f;
    m[10] = -(zFar + zNear) / depth;
    m[11] = -1.0;
    m[14] = -2.0 * zNear * zFar / depth;
    multMatrixd(m);
}

GLUquadric* newQuadric() {
    return new (std::nothrow) GLUquadric;
}

void deleteQuadric(GLUquadric* quadric) {
    delete quadric;
}

void quadricDrawStyle(GLUquadric* quadric, GLenum style) {
    if (quadric != nullptr)
        quadric->drawStyle = style;
}

void quadricNormals(GLUquadric* quadric, GLenum normals) {
    if (quadric != nullptr)
        quadric->normals = normals;
}

static void shapeNormal(const GLUquadric* quadric, double x, double y, double z) {
    if (quadric->normals != GLU_NONE)
        normal3f(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
}

// The sphere's point at polar angle rho (from +z) and azimuth theta.
static void spherePoint(const GLUquadric* quadric, double radius, double rho, double theta) {
    const double x = -std::sin(theta) * std::sin(rho);
    const double y = std::cos(theta) * std::sin(rho);
    const double z = std::cos(rho);
    shapeNormal(quadric, x, y, z);
    vertex3f(static_cast<float>(x * radius), static_cast<float>(y * radius),
             static_cast<float>(z * radius));
}

// Around the z axis: the fans at the poles first, then a quad strip for
// every stack between, from the top down; the top fan turns one way, the
// bottom fan and the strips the other. The last normal issued is the current
// normal that the next frame's pitch is lit with.
void sphere(GLUquadric* quadric, GLdouble radius, GLint slices, GLint stacks) {
    if (quadric == nullptr || slices < 2 || stacks < 2)
        return;
    const double dRho = M_PI / stacks;
    const double dTheta = 2.0 * M_PI / slices;

    begin(GL_TRIANGLE_FAN);
    shapeNormal(quadric, 0.0, 0.0, 1.0);
    vertex3f(0.0f, 0.0f, static_cast<float>(radius));
    for (int j = 0; j <= slices; ++j)
        spherePoint(quadric, radius, dRho, j == slices ? 0.0 : j * dTheta);
    end();

    begin(GL_TRIANGLE_FAN);
    shapeNormal(quadric, 0.0, 0.0, -1.0);
    vertex3f(0.0f, 0.0f, static_cast<float>(-radius));
    for (int j = slices; j >= 0; --j)
        spherePoint(quadric, radius, M_PI - dRho, j == slices ? 0.0 : j * dTheta);
    end();

    for (int i = 1; i < stacks - 1; ++i) {
        begin(GL_QUAD_STRIP);
        for (int j = 0; j <= slices; ++j) {
            const double theta = j == 0 ? 0.0 : (slices - j) * dTheta;
            spherePoint(quadric, radius, (i + 1) * dRho, theta);
            spherePoint(quadric, radius, i * dRho, theta);
        }
        end();
    }
}

// Along +z from 0 to height: a quad strip per stack, each round the axis from +y.
void cylinder(GLUquadric* quadric, GLdouble base, GLdouble top, GLdouble height, GLint slices,
              GLint stacks) {
    if (quadric == nullptr || slices < 2 || stacks < 1)
        return;
    const double slope = height != 0.0 ? (base - top) / height : 0.0;
    const double normalScale = 1.0 / std::sqrt(1.0 + slope * slope);
    for (int i = 0; i < stacks; ++i) {
        const double z0 = height * i / stacks;
        const double z1 = height * (i + 1) / stacks;
        const double r0 = base + (top - base) * i / stacks;
        const double r1 = base + (top - base) * (i + 1) / stacks;
        begin(GL_QUAD_STRIP);
        for (int j = 0; j <= slices; ++j) {
            const double theta = j == slices ? 0.0 : 2.0 * M_PI * j / slices;
            const double s = std::sin(theta);
            const double c = std::cos(theta);
            shapeNormal(quadric, s * normalScale, c * normalScale, slope * normalScale);
            vertex3f(static_cast<float>(s * r0), static_cast<float>(c * r0),
                     static_cast<float>(z0));
            shapeNormal(quadric, s * normalScale, c * normalScale, slope * normalScale);
            vertex3f(static_cast<float>(s * r1), static_cast<float>(c * r1),
                     static_cast<float>(z1));
        }
        end();
    }
}

}  // namespace fixedgl

// fixed_matrices.cpp -- the model-view and projection matrix stacks, and the matrices the vertex
// shader takes from them: the clip transform and the normals' matrix.
#include <GL/gl.h>

#include <cmath>
#include <cstring>

#include "platform/web/fixed_context.h"
#include "platform/web/fixed_gl.h"

namespace fixedgl {

// ---- Matrices ----

static std::vector<Matrix>& currentStack() {
    return context.matrixMode == GL_PROJECTION ? context.projection : context.modelView;
}

static void matrixChanged() {
    context.transformDirty = true;
    context.transformSerial += 1;
}

// top = top x m, in single precision as the matrices are kept.
static void multiplyCurrent(const float* m) {
    float* top = currentStack().back().m;
    float result[16];
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            float sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += top[k * 4 + row] * m[column * 4 + k];
            result[column * 4 + row] = sum;
        }
    }
    std::memcpy(top, result, sizeof result);
    matrixChanged();
}

void matrixMode(GLenum mode) {
    if (compiledOnly(ListOp::matrixMode, mode) || insideBegin())
        return;
    if (mode != GL_MODELVIEW && mode != GL_PROJECTION) {
        setError(GL_INVALID_ENUM);
        return;
    }
    context.matrixMode = mode;
}

void loadIdentity() {
    if (compiledOnly(ListOp::loadIdentity) || insideBegin())
        return;
    currentStack().back() = kIdentity;
    matrixChanged();
}

void pushMatrix() {
    if (compiledOnly(ListOp::pushMatrix) || insideBegin())
        return;
    std::vector<Matrix>& stack = currentStack();
    if (static_cast<int>(stack.size()) >= kStackDepth) {
        setError(GL_STACK_OVERFLOW);
        return;
    }
    stack.push_back(stack.back());
}

void popMatrix() {
    if (compiledOnly(ListOp::popMatrix) || insideBegin())
        return;
    std::vector<Matrix>& stack = currentStack();
    if (stack.size() <= 1) {
        setError(GL_STACK_UNDERFLOW);
        return;
    }
    stack.pop_back();
    matrixChanged();
}

void translated(GLdouble x, GLdouble y, GLdouble z) {
    translatef(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
}

void translatef(GLfloat x, GLfloat y, GLfloat z) {
    if (compiledOnly(ListOp::translate, 0, x, y, z) || insideBegin())
        return;
    const float m[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, x, y, z, 1};
    multiplyCurrent(m);
}

void rotated(GLdouble angle, GLdouble x, GLdouble y, GLdouble z) {
    rotatef(static_cast<float>(angle), static_cast<float>(x), static_cast<float>(y),
            static_cast<float>(z));
}

void rotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
    if (compiledOnly(ListOp::rotate, 0, angle, x, y, z) || insideBegin())
        return;
    const double length = std::sqrt(static_cast<double>(x) * x + static_cast<double>(y) * y +
                                    static_cast<double>(z) * z);
    if (length == 0.0)
        return;
    const double radians = static_cast<double>(angle) * M_PI / 180.0;
    const float s = static_cast<float>(std::sin(radians));
    const float c = static_cast<float>(std::cos(radians));
    const float ax = static_cast<float>(x / length);
    const float ay = static_cast<float>(y / length);
    const float az = static_cast<float>(z / length);
    const float t = 1.0f - c;
    const float m[16] = {ax * ax * t + c,
                         ay * ax * t + az * s,
                         ax * az * t - ay * s,
                         0,
                         ax * ay * t - az * s,
                         ay * ay * t + c,
                         ay * az * t + ax * s,
                         0,
                         ax * az * t + ay * s,
                         ay * az * t - ax * s,
                         az * az * t + c,
                         0,
                         0,
                         0,
                         0,
                         1};
    multiplyCurrent(m);
}

void scaled(GLdouble x, GLdouble y, GLdouble z) {
    if (compiledOnly(ListOp::scale, 0, x, y, z) || insideBegin())
        return;
    const float m[16] = {static_cast<float>(x),
                         0,
                         0,
                         0,
                         0,
                         static_cast<float>(y),
                         0,
                         0,
                         0,
                         0,
                         static_cast<float>(z),
                         0,
                         0,
                         0,
                         0,
                         1};
    multiplyCurrent(m);
}

void multMatrixd(const GLdouble* values) {
    if (insideBegin())
        return;
    float m[16];
    for (int i = 0; i < 16; ++i)
        m[i] = static_cast<float>(values[i]);
    multiplyCurrent(m);
}

void ortho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear,
           GLdouble zFar) {
    if (left == right || bottom == top || zNear == zFar) {
        setError(GL_INVALID_VALUE);
        return;
    }
    GLdouble m[16] = {};
    m[0] = 2.0 / (right - left);
    m[5] = 2.0 / (top - bottom);
    m[10] = -2.0 / (zFar - zNear);
    m[12] = -(right + left) / (right - left);
    m[13] = -(top + bottom) / (top - bottom);
    m[14] = -(zFar + zNear) / (zFar - zNear);
    m[15] = 1.0;
    multMatrixd(m);
}

void getDoublev(GLenum name, GLdouble* values) {
    const float* m = nullptr;
    if (name == GL_MODELVIEW_MATRIX) {
        m = context.modelView.back().m;
    } else if (name == GL_PROJECTION_MATRIX) {
        m = context.projection.back().m;
    } else {
        setError(GL_INVALID_ENUM);
        return;
    }
    for (int i = 0; i < 16; ++i)
        values[i] = m[i];
}

// The inverse transpose of the model-view's upper 3x3 (the cofactors over the
// determinant), which carries normals into eye coordinates; column-major.
static void makeNormalMatrix(const float* m, float* n) {
    const auto a = [m](int row, int column) { return m[column * 4 + row]; };
    float cofactor[3][3];
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const int r0 = (row + 1) % 3, r1 = (row + 2) % 3;
            const int c0 = (column + 1) % 3, c1 = (column + 2) % 3;
            cofactor[row][column] = a(r0, c0) * a(r1, c1) - a(r0, c1) * a(r1, c0);
        }
    }
    const float determinant =
        a(0, 0) * cofactor[0][0] + a(0, 1) * cofactor[0][1] + a(0, 2) * cofactor[0][2];
    const float inverse = determinant != 0.0f ? 1.0f / determinant : 0.0f;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            n[column * 3 + row] = cofactor[row][column] * inverse;
    }
}

// The clip position comes from the product of the projection and model-view
// matrices, rounded as OpenGL keeps it, so that edges fall on the same pixels.
const TransformState& transformState() {
    TransformState& t = context.transform;
    if (!context.transformDirty)
        return t;
    const float* p = context.projection.back().m;
    const float* mv = context.modelView.back().m;
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            float sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += p[k * 4 + row] * mv[column * 4 + k];
            t.mvp[column * 4 + row] = sum;
        }
    }
    std::memcpy(t.modelView, mv, sizeof t.modelView);
    makeNormalMatrix(mv, t.normalMatrix);
    context.transformDirty = false;
    return t;
}

}  // namespace fixedgl

// fixed_gl.h -- the OpenGL 1.x fixed-function entry points the drawing calls: state, matrices,
// primitive assembly, display lists and bitmaps kept here, and handed to a RasterSink whose
// vertex shader transforms and lights. gl_names.h maps the GL names onto these for the browser
// build.
#pragma once

#include <GL/gl.h>
#include <GL/glu.h>

namespace fixedgl {

// Back to the state of a new context: every matrix the identity, every light,
// list and switch at its default, no error. Called when a context is made.
void resetContext();

void begin(GLenum mode);
void end();
void vertex2d(GLdouble x, GLdouble y);
void vertex3d(GLdouble x, GLdouble y, GLdouble z);
void vertex3f(GLfloat x, GLfloat y, GLfloat z);
void color3d(GLdouble r, GLdouble g, GLdouble b);
void color3f(GLfloat r, GLfloat g, GLfloat b);
void color3ub(GLubyte r, GLubyte g, GLubyte b);
void normal3f(GLfloat x, GLfloat y, GLfloat z);

void matrixMode(GLenum mode);
void loadIdentity();
void pushMatrix();
void popMatrix();
void translated(GLdouble x, GLdouble y, GLdouble z);
void translatef(GLfloat x, GLfloat y, GLfloat z);
void rotated(GLdouble angle, GLdouble x, GLdouble y, GLdouble z);
void rotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z);
void scaled(GLdouble x, GLdouble y, GLdouble z);
void multMatrixd(const GLdouble* m);
void ortho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear,
           GLdouble zFar);
void getDoublev(GLenum name, GLdouble* values);

void enable(GLenum cap);
void disable(GLenum cap);
void lightfv(GLenum light, GLenum name, const GLfloat* values);
void lightf(GLenum light, GLenum name, GLfloat value);
void colorMaterial(GLenum face, GLenum mode);
void fogf(GLenum name, GLfloat value);
void fogi(GLenum name, GLint value);
void fogfv(GLenum name, const GLfloat* values);
void hint(GLenum target, GLenum mode);
void shadeModel(GLenum mode);
void lineWidth(GLfloat width);
void depthFunc(GLenum func);
void clearColor(GLfloat r, GLfloat g, GLfloat b, GLfloat a);
void clearDepth(GLdouble depth);
void clear(GLbitfield mask);
void viewport(GLint x, GLint y, GLsizei width, GLsizei height);
GLenum getError();

void pixelStorei(GLenum name, GLint value);
void pushClientAttrib(GLbitfield mask);
void popClientAttrib();
void pushAttrib(GLbitfield mask);
void popAttrib();
void rasterPos2f(GLfloat x, GLfloat y);
void bitmap(GLsizei width, GLsizei height, GLfloat xorig, GLfloat yorig, GLfloat xmove,
            GLfloat ymove, const GLubyte* bits);

void enableClientState(GLenum array);
void disableClientState(GLenum array);
void vertexPointer(GLint size, GLenum type, GLsizei stride, const void* pointer);
void colorPointer(GLint size, GLenum type, GLsizei stride, const void* pointer);
void drawElements(GLenum mode, GLsizei count, GLenum type, const void* indices);

GLuint genLists(GLsizei range);
void newList(GLuint list, GLenum mode);
void endList();
void callList(GLuint list);
void callLists(GLsizei n, GLenum type, const void* lists);
void listBase(GLuint base);
void deleteLists(GLuint list, GLsizei range);

void perspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar);
GLUquadric* newQuadric();
void deleteQuadric(GLUquadric* quadric);
void quadricDrawStyle(GLUquadric* quadric, GLenum style);
void quadricNormals(GLUquadric* quadric, GLenum normals);
void sphere(GLUquadric* quadric, GLdouble radius, GLint slices, GLint stacks);
void cylinder(GLUquadric* quadric, GLdouble base, GLdouble top, GLdouble height, GLint slices,
              GLint stacks);

}  // namespace fixedgl

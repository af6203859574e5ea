// gl_names.h -- force-included into the drawing when it is built for the browser: the OpenGL
// and GLU names it calls, mapped onto the fixed-function layer of fixed_gl.h. The drawing's
// own includes of GL/gl.h and GL/glu.h then add nothing.
#pragma once

#include "platform/web/fixed_gl.h"

#define glBegin fixedgl::begin
#define glEnd fixedgl::end
#define glVertex2d fixedgl::vertex2d
#define glVertex3d fixedgl::vertex3d
#define glVertex3f fixedgl::vertex3f
#define glColor3d fixedgl::color3d
#define glColor3f fixedgl::color3f
#define glColor3ub fixedgl::color3ub
#define glNormal3f fixedgl::normal3f
#define glMatrixMode fixedgl::matrixMode
#define glLoadIdentity fixedgl::loadIdentity
#define glPushMatrix fixedgl::pushMatrix
#define glPopMatrix fixedgl::popMatrix
#define glTranslated fixedgl::translated
#define glTranslatef fixedgl::translatef
#define glRotated fixedgl::rotated
#define glRotatef fixedgl::rotatef
#define glScaled fixedgl::scaled
#define glMultMatrixd fixedgl::multMatrixd
#define glOrtho fixedgl::ortho
#define glGetDoublev fixedgl::getDoublev
#define glEnable fixedgl::enable
#define glDisable fixedgl::disable
#define glLightfv fixedgl::lightfv
#define glLightf fixedgl::lightf
#define glColorMaterial fixedgl::colorMaterial
#define glFogf fixedgl::fogf
#define glFogi fixedgl::fogi
#define glFogfv fixedgl::fogfv
#define glHint fixedgl::hint
#define glShadeModel fixedgl::shadeModel
#define glLineWidth fixedgl::lineWidth
#define glDepthFunc fixedgl::depthFunc
#define glClearColor fixedgl::clearColor
#define glClearDepth fixedgl::clearDepth
#define glClear fixedgl::clear
#define glViewport fixedgl::viewport
#define glGetError fixedgl::getError
#define glPixelStorei fixedgl::pixelStorei
#define glPushClientAttrib fixedgl::pushClientAttrib
#define glPopClientAttrib fixedgl::popClientAttrib
#define glPushAttrib fixedgl::pushAttrib
#define glPopAttrib fixedgl::popAttrib
#define glRasterPos2f fixedgl::rasterPos2f
#define glBitmap fixedgl::bitmap
#define glEnableClientState fixedgl::enableClientState
#define glDisableClientState fixedgl::disableClientState
#define glVertexPointer fixedgl::vertexPointer
#define glColorPointer fixedgl::colorPointer
#define glDrawElements fixedgl::drawElements
#define glGenLists fixedgl::genLists
#define glNewList fixedgl::newList
#define glEndList fixedgl::endList
#define glCallList fixedgl::callList
#define glCallLists fixedgl::callLists
#define glListBase fixedgl::listBase
#define glDeleteLists fixedgl::deleteLists
#define gluPerspective fixedgl::perspective
#define gluNewQuadric fixedgl::newQuadric
#define gluDeleteQuadric fixedgl::deleteQuadric
#define gluQuadricDrawStyle fixedgl::quadricDrawStyle
#define gluQuadricNormals fixedgl::quadricNormals
#define gluSphere fixedgl::sphere
#define gluCylinder fixedgl::cylinder

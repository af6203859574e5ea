// fixed_lists.cpp -- display lists of the pitch markings, goals and flags, per rendering context.
#include "render/fixed_lists.h"

#include <GL/gl.h>

namespace render {

// The list names in the current context, 0 where none is compiled yet. Alive
// for the whole run; emptied for every new rendering context.
static GLuint fixedLists[static_cast<int>(FixedList::count)];

void drawFixedList(FixedList which, void (*issue)()) {
    GLuint& list = fixedLists[static_cast<int>(which)];
    if (list == 0) {
        list = glGenLists(1);
        if (list == 0) {
            issue();
            return;
        }
        // Compiled, then called: every frame, the first included, draws the list.
        glNewList(list, GL_COMPILE);
        issue();
        glEndList();
    }
    glCallList(list);
}

void forgetFixedLists() {
    for (GLuint& list : fixedLists)
        list = 0;
}

}  // namespace render

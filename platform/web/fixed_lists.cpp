// fixed_lists.cpp -- display lists: names, compiling (calls recorded, triangle blocks kept as
// vertices for the GPU), calling, deleting.
#include <GL/gl.h>

#include "platform/web/fixed_context.h"
#include "platform/web/fixed_gl.h"

namespace fixedgl {

void runListBitmap(const ListCommand& command, const DisplayList& list);

// A kept part drawn under the current state; it leaves the colour and normal it sets.
static void drawListPart(const DisplayList& list, const ListPart& part) {
    if (rasterSink != nullptr) {
        rasterSink->drawKept(list.kept, static_cast<int>(part.first), static_cast<int>(part.count),
                             currentValues(part.currentColour, part.currentNormal), drawState());
    }
    if (part.leavesColour)
        setColour(part.colour[0], part.colour[1], part.colour[2]);
    if (part.leavesNormal)
        normal3f(part.normal[0], part.normal[1], part.normal[2]);
}

// Nested calls deeper than this are ignored, as GL's list nesting limit does.
constexpr int kMaxListNesting = 64;

bool recordCommand(ListOp op, std::uint32_t data, double a0, double a1, double a2, double a3,
                   double a4, double a5) {
    context.compiling.commands.push_back(ListCommand{op, {a0, a1, a2, a3, a4, a5}, data});
    return !context.compileAndExecute;
}

GLuint genLists(GLsizei range) {
    if (range < 0) {
        setError(GL_INVALID_VALUE);
        return 0;
    }
    if (range == 0)
        return 0;
    std::vector<bool>& named = context.listNamed;
    // The first run of `range` free names.
    std::size_t start = 0, run = 0;
    for (std::size_t i = 0; i < named.size() && run < static_cast<std::size_t>(range); ++i) {
        if (named[i]) {
            run = 0;
            start = i + 1;
        } else {
            run += 1;
        }
    }
    const std::size_t end = start + static_cast<std::size_t>(range);
    if (named.size() < end) {
        named.resize(end, false);
        context.lists.resize(end);
    }
    for (std::size_t i = start; i < end; ++i) {
        named[i] = true;
        context.lists[i] = DisplayList{};
    }
    return static_cast<GLuint>(start + 1);
}

void newList(GLuint list, GLenum mode) {
    if (list == 0) {
        setError(GL_INVALID_VALUE);
        return;
    }
    if (mode != GL_COMPILE && mode != GL_COMPILE_AND_EXECUTE) {
        setError(GL_INVALID_ENUM);
        return;
    }
    if (context.compilingList != 0 || context.primitiveMode != kNoBlock) {
        setError(GL_INVALID_OPERATION);
        return;
    }
    context.compilingList = list;
    context.compileAndExecute = mode == GL_COMPILE_AND_EXECUTE;
    context.compiling = DisplayList{};
}

void endList() {
    if (context.compilingList == 0 || context.primitiveMode != kNoBlock) {
        setError(GL_INVALID_OPERATION);
        return;
    }
    const std::size_t index = context.compilingList - 1;
    if (context.lists.size() <= index) {
        context.lists.resize(index + 1);
        context.listNamed.resize(index + 1, false);
    }
    compileListGeometry(context.compiling);
    context.lists[index] = std::move(context.compiling);
    context.listNamed[index] = true;
    context.compiling = DisplayList{};
    context.compilingList = 0;
}

static void runCommand(const ListCommand& c, const DisplayList& list) {
    const double* a = c.a;
    const auto f = [a](int i) { return static_cast<float>(a[i]); };
    switch (c.op) {
        case ListOp::begin:
            begin(c.data);
            break;
        case ListOp::end:
            end();
            break;
        case ListOp::vertex:
            vertex3f(f(0), f(1), f(2));
            break;
        case ListOp::color:
            color3f(f(0), f(1), f(2));
            break;
        case ListOp::normal:
            normal3f(f(0), f(1), f(2));
            break;
        case ListOp::matrixMode:
            matrixMode(c.data);
            break;
        case ListOp::loadIdentity:
            loadIdentity();
            break;
        case ListOp::pushMatrix:
            pushMatrix();
            break;
        case ListOp::popMatrix:
            popMatrix();
            break;
        case ListOp::translate:
            translatef(f(0), f(1), f(2));
            break;
        case ListOp::rotate:
            rotatef(f(0), f(1), f(2), f(3));
            break;
        case ListOp::scale:
            scaled(a[0], a[1], a[2]);
            break;
        case ListOp::enable:
            enable(c.data);
            break;
        case ListOp::disable:
            disable(c.data);
            break;
        case ListOp::lineWidth:
            lineWidth(f(0));
            break;
        case ListOp::rasterPos:
            rasterPos2f(f(0), f(1));
            break;
        case ListOp::bitmap:
            runListBitmap(c, list);
            break;
        case ListOp::callList:
            runList(c.data);
            break;
        case ListOp::listBase:
            listBase(c.data);
            break;
        case ListOp::shadeModel:
            shadeModel(c.data);
            break;
        case ListOp::depthFunc:
            depthFunc(c.data);
            break;
    }
}

void runList(GLuint name) {
    if (name == 0 || name > context.lists.size() || !context.listNamed[name - 1] ||
        context.replayDepth >= kMaxListNesting)
        return;
    // Lists hold no call that makes or deletes lists, so the list stays where
    // it is while it runs.
    const DisplayList& list = context.lists[name - 1];
    context.replayDepth += 1;
    for (const ListItem& item : list.items) {
        if (item.part)
            drawListPart(list, list.parts[item.index]);
        else
            runCommand(list.commands[item.index], list);
    }
    context.replayDepth -= 1;
}

void callList(GLuint list) {
    if (compiledOnly(ListOp::callList, list))
        return;
    runList(list);
}

void callLists(GLsizei n, GLenum type, const void* lists) {
    if (n < 0) {
        setError(GL_INVALID_VALUE);
        return;
    }
    if (type != GL_UNSIGNED_BYTE && type != GL_UNSIGNED_INT) {
        setError(GL_INVALID_ENUM);
        return;
    }
    for (GLsizei i = 0; i < n; ++i) {
        const GLuint offset = type == GL_UNSIGNED_BYTE ? static_cast<const GLubyte*>(lists)[i]
                                                       : static_cast<const GLuint*>(lists)[i];
        callList(context.listBase + offset);
    }
}

void listBase(GLuint base) {
    if (compiledOnly(ListOp::listBase, base))
        return;
    context.listBase = base;
}

void deleteLists(GLuint list, GLsizei range) {
    if (range < 0) {
        setError(GL_INVALID_VALUE);
        return;
    }
    for (GLsizei i = 0; i < range; ++i) {
        const std::size_t index = static_cast<std::size_t>(list) + static_cast<std::size_t>(i);
        if (index == 0 || index > context.lists.size())
            continue;
        context.lists[index - 1] = DisplayList{};
        context.listNamed[index - 1] = false;
    }
}

}  // namespace fixedgl

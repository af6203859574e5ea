// fixed_list_geometry.cpp -- a display list's triangle blocks made, once, into vertices and
// indices the rasteriser keeps in GPU memory: runs of blocks become parts drawn as one under
// the state current at the call; every other call stays recorded and runs as it was made.
#include <GL/gl.h>

#include <cstring>

#include "platform/web/fixed_assembly.h"
#include "platform/web/fixed_context.h"

namespace fixedgl {

// The colour and normal a list has set so far; unknown ones are the caller's.
struct KnownValues {
    bool colourKnown = false;
    bool normalKnown = false;
    float colour[4] = {0, 0, 0, 1};
    float normal[3] = {0, 0, 0};

    // A colour or normal command; false for any other.
    bool take(const ListCommand& c) {
        const float a0 = static_cast<float>(c.a[0]), a1 = static_cast<float>(c.a[1]),
                    a2 = static_cast<float>(c.a[2]);
        if (c.op == ListOp::color) {
            setFour(colour, a0, a1, a2, 1.0f);
            colourKnown = true;
            return true;
        }
        if (c.op == ListOp::normal) {
            normal[0] = a0;
            normal[1] = a1;
            normal[2] = a2;
            normalKnown = true;
            return true;
        }
        return false;
    }
};

static bool insideBlock(ListOp op) {
    return op == ListOp::vertex || op == ListOp::color || op == ListOp::normal;
}

// The list's state while its commands are walked.
struct Compiler {
    DisplayList& list;
    KnownValues known;
    bool partOpen = false;
    std::vector<ShadedVertex> block;

    // Commands [begin, end] as one triangle block in a part; false (nothing
    // changed) when its vertices would not all take the caller's colour or
    // normal alike.
    bool compileBlock(std::size_t begin, std::size_t end) {
        const std::vector<ListCommand>& commands = list.commands;
        KnownValues values = known;
        block.clear();
        bool takesColour = !known.colourKnown, takesNormal = !known.normalKnown;
        bool setsColour = false, setsNormal = false;
        for (std::size_t i = begin + 1; i < end; ++i) {
            const ListCommand& c = commands[i];
            if (values.take(c)) {
                setsColour = setsColour || c.op == ListOp::color;
                setsNormal = setsNormal || c.op == ListOp::normal;
                continue;
            }
            if (block.empty()) {
                takesColour = !values.colourKnown;
                takesNormal = !values.normalKnown;
            } else if (takesColour != !values.colourKnown || takesNormal != !values.normalKnown) {
                return false;
            }
            const float* colour = values.colour;
            const float* normal = values.normal;
            block.push_back(ShadedVertex{static_cast<float>(c.a[0]), static_cast<float>(c.a[1]),
                                         static_cast<float>(c.a[2]), colour[0], colour[1],
                                         colour[2], colour[3], normal[0], normal[1], normal[2]});
        }
        if (partOpen && block.empty()) {
            takesColour = list.parts.back().currentColour;
            takesNormal = list.parts.back().currentNormal;
        }
        KeptVertices& kept = *list.kept;
        if (!partOpen || list.parts.back().currentColour != takesColour ||
            list.parts.back().currentNormal != takesNormal) {
            const auto first = static_cast<std::uint32_t>(kept.indices.size());
            list.parts.push_back(
                ListPart{first, 0, takesColour, takesNormal, false, false, {}, {}});
            list.items.push_back(ListItem{true, static_cast<std::uint32_t>(list.parts.size() - 1)});
            partOpen = true;
        }
        const GLenum mode = commands[begin].data;
        const int n = static_cast<int>(block.size());
        const auto base = static_cast<std::uint32_t>(kept.vertices.size());
        kept.vertices.insert(kept.vertices.end(), block.begin(), block.end());
        forEachTriangle(mode, n, [base, &kept](int a, int b, int c) {
            for (const int v : {a, b, c})
                kept.indices.push_back(base + static_cast<std::uint32_t>(v));
        });
        ListPart& part = list.parts.back();
        part.count = static_cast<std::uint32_t>(kept.indices.size()) - part.first;
        known = values;
        if (setsColour)
            leaveColour(part);
        if (setsNormal)
            leaveNormal(part);
        return true;
    }

    void leaveColour(ListPart& part) {
        part.leavesColour = true;
        std::memcpy(part.colour, known.colour, sizeof part.colour);
    }

    void leaveNormal(ListPart& part) {
        part.leavesNormal = true;
        std::memcpy(part.normal, known.normal, sizeof part.normal);
    }

    void run() {
        const std::vector<ListCommand>& commands = list.commands;
        for (std::size_t i = 0; i < commands.size(); ++i) {
            const ListCommand& c = commands[i];
            if (c.op == ListOp::begin && isTriangleMode(c.data)) {
                std::size_t end = i + 1;
                while (end < commands.size() && insideBlock(commands[end].op))
                    ++end;
                if (end < commands.size() && commands[end].op == ListOp::end &&
                    compileBlock(i, end)) {
                    i = end;
                    continue;
                }
            }
            // Between blocks a colour or normal only changes what the
            // part's later vertices take and leave.
            if (known.take(c) && partOpen) {
                if (c.op == ListOp::color)
                    leaveColour(list.parts.back());
                else
                    leaveNormal(list.parts.back());
                continue;
            }
            partOpen = false;
            list.items.push_back(ListItem{false, static_cast<std::uint32_t>(i)});
            if (c.op == ListOp::callList)
                known = KnownValues{};  // whatever the called list leaves
        }
    }
};

void compileListGeometry(DisplayList& list) {
    list.items.clear();
    list.parts.clear();
    list.kept = std::make_shared<KeptVertices>();
    Compiler{list, {}, false, {}}.run();
    list.kept->vertices.shrink_to_fit();
    list.kept->indices.shrink_to_fit();
}

}  // namespace fixedgl

// shape_cache.cpp -- display-list cache of the GLU solid sphere and solid cylinder.
#include "render/shape_cache.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <memory>
#include <new>

namespace render {

// One cached shape: a display list and the parameters it was compiled for.
struct ShapeCacheEntry {
    GLuint list;
    std::unique_ptr<ShapeCacheEntry> next;
    int count;                             // 1 for the sphere, 2 for the cylinder
    std::unique_ptr<double[]> parameters;  // sphere: radius; cylinder: radius, height
};

// One list of entries per shape kind, newest first. Alive for the whole run;
// emptied for every new rendering context (forgetShapeCache).
struct ShapeCache {
    std::unique_ptr<ShapeCacheEntry> spheres;
    std::unique_ptr<ShapeCacheEntry> cylinders;
};

static ShapeCache shapeCache;

// Exact comparison of every parameter; a NaN matches nothing.
static bool matches(const ShapeCacheEntry& entry, const double* key, int count) {
    if (entry.count != count)
        return false;
    for (int i = 0; i < count; ++i) {
        if (!(entry.parameters[i] == key[i]))
            return false;
    }
    return true;
}

static void issueSphere(const double* key) {
    GLUquadric* quadric = gluNewQuadric();
    if (quadric == nullptr)
        return;
    gluQuadricDrawStyle(quadric, GLU_FILL);
    gluQuadricNormals(quadric, GLU_SMOOTH);
    gluSphere(quadric, key[0], 16, 16);
    gluDeleteQuadric(quadric);
}

static void issueCylinder(const double* key) {
    glPushMatrix();
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
    glTranslatef(0.0f, 0.0f, -1.0f);
    GLUquadric* quadric = gluNewQuadric();
    if (quadric != nullptr) {
        gluQuadricDrawStyle(quadric, GLU_FILL);
        gluQuadricNormals(quadric, GLU_SMOOTH);
        gluCylinder(quadric, key[0], key[0], key[1], 12, 2);
        gluDeleteQuadric(quadric);
    }
    glPopMatrix();
}

// Looks the key up in one kind's list; replays the match, or compiles a new
// list in compile-and-execute mode. Without memory or a list name the shape
// is drawn directly and nothing is cached, so a later call tries again.
static void drawCached(std::unique_ptr<ShapeCacheEntry>& head, const double* values, int count,
                       void (*issue)(const double*)) {
    for (const ShapeCacheEntry* entry = head.get(); entry != nullptr; entry = entry->next.get()) {
        if (matches(*entry, values, count)) {
            glCallList(entry->list);
            return;
        }
    }
    std::unique_ptr<double[]> key(new (std::nothrow) double[count]);
    if (!key)
        return;
    for (int i = 0; i < count; ++i)
        key[i] = values[i];

    std::unique_ptr<ShapeCacheEntry> entry(new (std::nothrow) ShapeCacheEntry);
    const GLuint list = entry ? glGenLists(1) : 0;
    if (list == 0) {
        issue(key.get());
        return;
    }
    entry->list = list;
    entry->count = count;
    entry->parameters = std::move(key);
    glNewList(list, GL_COMPILE_AND_EXECUTE);
    issue(entry->parameters.get());
    glEndList();
    entry->next = std::move(head);
    head = std::move(entry);
}

void solidSphere(double radius) {
    const double key[1] = {radius};
    drawCached(shapeCache.spheres, key, 1, issueSphere);
}

void solidCylinder(double radius, double height) {
    const double key[2] = {radius, height};
    drawCached(shapeCache.cylinders, key, 2, issueCylinder);
}

// Unlinks a list iteratively, so a long list cannot exhaust the stack.
static void clearKind(std::unique_ptr<ShapeCacheEntry>& head) {
    while (head)
        head = std::move(head->next);
}

void forgetShapeCache() {
    clearKind(shapeCache.spheres);
    clearKind(shapeCache.cylinders);
}

static int countKind(const ShapeCacheEntry* entry) {
    int count = 0;
    for (; entry != nullptr; entry = entry->next.get())
        ++count;
    return count;
}

int shapeCacheSize() {
    return countKind(shapeCache.spheres.get()) + countKind(shapeCache.cylinders.get());
}

}  // namespace render

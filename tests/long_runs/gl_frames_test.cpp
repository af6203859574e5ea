// gl_frames_test.cpp -- many frames drawn offscreen with every camera key and window
// re-creations: no OpenGL error, the matrix and attribute stacks back where they were
// after each frame, and the display lists the same in number from context to context.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "frame/frame_picture.h"
#include "frame/frame_step.h"
#include "frame/key_table.h"
#include "frame/overlay_layout.h"
#include "frame/world.h"
#include "platform/glyphs.h"
#include "platform/offscreen_context.h"
#include "render/gl_errors.h"
#include "render/shape_cache.h"
#include "tests/long_runs/match_invariants.h"
#include "tools/offscreen_scene.h"

namespace long_runs_test {

#ifdef FOOTBALL_SANITIZED_BUILD
constexpr std::int64_t kDrawnFrames = 300;
#else
constexpr std::int64_t kDrawnFrames = 2000;
#endif
constexpr int kWidth = 160;
constexpr int kHeight = 120;

static GLint integerState(GLenum name) {
    GLint value = -1;
    glGetIntegerv(name, &value);
    return value;
}

// The font's lists: its glyphs at every overlay unit.
constexpr int kFontLists = platform::kGlyphCount * frame::kLargestOverlayUnit;

// Display-list names a context hands out start at 1; the font's and the
// cached shapes lie far below this bound.
static int liveDisplayLists() {
    int count = 0;
    for (GLuint name = 1; name <= 4096; ++name)
        count += glIsList(name) == GL_TRUE ? 1 : 0;
    return count;
}

// The camera keys, each held for its own stretch of the run, some together.
static void holdScheduledKeys(std::int64_t f, frame::KeyTable& keys) {
    static const int kKeys[] = {0x4F, 0x4C, 0x4A, 0x4B, 0x49, 0x50, 0x55, 0x44, 0x48,
                                0x4E, 0x5A, 0x58, 0x30, 0x31, 0x32, 0x33, 0x34, 0x35};
    constexpr std::int64_t kCount = sizeof kKeys / sizeof kKeys[0];
    keys = frame::KeyTable{};
    const std::int64_t stretch = kDrawnFrames / (kCount + 2);
    const std::int64_t slot = f / stretch;
    if (slot < kCount)
        keys.held[kKeys[slot]] = true;
    if (slot + 3 < kCount && f % 3 == 0)
        keys.held[kKeys[slot + 3]] = true;
    if (f % 97 == 0)
        keys.held[0x31] = true;  // a restart now and then
}

TEST(GlFrames, ManyFramesWithEveryCameraKeyAndToggles) {
    auto world = std::make_unique<frame::World>(frame::initialWorld());
    platform::OffscreenContext* context = tools::openOffscreenScene(*world, kWidth, kHeight);
    ASSERT_NE(context, nullptr);
    ASSERT_EQ(render::drainGlErrors(), "") << "at start-up";
    const GLint modelDepth = integerState(GL_MODELVIEW_STACK_DEPTH);
    const GLint projectionDepth = integerState(GL_PROJECTION_STACK_DEPTH);
    const GLint attribDepth = integerState(GL_ATTRIB_STACK_DEPTH);
    const GLint clientAttribDepth = integerState(GL_CLIENT_ATTRIB_STACK_DEPTH);

    InvariantChecker checker;
    checker.checkBall = false;
    startChecking(checker, *world);
    int listsAfterFirstFrame = -1;
    int shapesAfterFirstFrame = -1;
    int contexts = 1;
    bool recreated = false;
    for (std::int64_t f = 1; f <= kDrawnFrames; ++f) {
        holdScheduledKeys(f, world->keys);
        frame::stepWorld(*world);
        frame::drawFrame(*world);
        ASSERT_EQ(render::drainGlErrors(), "") << "frame " << f;
        ASSERT_EQ(integerState(GL_MODELVIEW_STACK_DEPTH), modelDepth) << "frame " << f;
        ASSERT_EQ(integerState(GL_PROJECTION_STACK_DEPTH), projectionDepth) << "frame " << f;
        ASSERT_EQ(integerState(GL_ATTRIB_STACK_DEPTH), attribDepth) << "frame " << f;
        ASSERT_EQ(integerState(GL_CLIENT_ATTRIB_STACK_DEPTH), clientAttribDepth) << "frame " << f;
        ASSERT_EQ(integerState(GL_MATRIX_MODE), GL_MODELVIEW) << "frame " << f;

        // Every context holds the same lists once a frame is drawn in it: the
        // font's and one per cached shape; nothing piles up over frames
        // or carries over from the context before.
        if (listsAfterFirstFrame < 0) {
            listsAfterFirstFrame = liveDisplayLists();
            shapesAfterFirstFrame = render::shapeCacheSize();
            EXPECT_EQ(listsAfterFirstFrame, kFontLists + shapesAfterFirstFrame);
        } else if (recreated || f % 250 == 0) {
            EXPECT_EQ(liveDisplayLists(), listsAfterFirstFrame) << "frame " << f;
            EXPECT_EQ(render::shapeCacheSize(), shapesAfterFirstFrame) << "frame " << f;
        }
        recreated = false;

        const bool paused = world->pause.paused || world->replay.held;
        const bool toggle = f % 400 == 200;
        if (toggle) {
            context = tools::reopenOffscreenScene(*world, context, kWidth, kHeight);
            ASSERT_NE(context, nullptr);
            ASSERT_EQ(render::drainGlErrors(), "") << "re-creation after frame " << f;
            EXPECT_EQ(render::shapeCacheSize(), 0) << "the cache starts empty in a new context";
            EXPECT_EQ(liveDisplayLists(), kFontLists) << "only the font before the first frame";
            ++contexts;
            recreated = true;
        }
        checkFrame(checker, *world, toggle || world->keys.held[0x31], paused);
    }
    tools::closeOffscreenScene(context);
    EXPECT_GE(contexts, 2);
    EXPECT_EQ(checker.faultCount, 0) << describeFaults(checker);
}

// The drain empties every flag and names what it found.
TEST(GlFrames, ErrorDrainNamesAndClearsTheErrors) {
    platform::OffscreenContext* context = platform::createOffscreenContext(8, 8);
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(render::drainGlErrors(), "");
    // Mesa keeps only the first error until it is read, others may keep one
    // flag of each kind: either way the first is named and all are cleared.
    glEnable(0x1234);  // not a capability
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();  // nothing pushed
    const std::string errors = render::drainGlErrors();
    EXPECT_EQ(errors.rfind("GL_INVALID_ENUM", 0), 0u) << errors;
    EXPECT_EQ(render::drainGlErrors(), "");
    glPopMatrix();
    EXPECT_EQ(render::drainGlErrors(), "GL_STACK_UNDERFLOW");
    EXPECT_EQ(render::drainGlErrors(), "");
    EXPECT_EQ(render::glErrorName(0x9999), "GL error 0x9999");
    platform::destroyOffscreenContext(context);
}

}  // namespace long_runs_test

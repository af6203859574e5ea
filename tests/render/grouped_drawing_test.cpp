// grouped_drawing_test.cpp -- grouped terrain and rain fill the pixels of one block per item.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

#include "common/random.h"
#include "frame/camera.h"
#include "frame/frame_picture.h"
#include "frame/scene_start.h"
#include "frame/world.h"
#include "render/heightmap.h"
#include "render/pitch_ball_rain.h"
#include "render/rain_field.h"
#include "render/terrain_drawing.h"
#include "tests/render/offscreen_scene_fixture.h"

namespace render_test {

using GroupedDrawing = OffscreenScene;

// The plain forms: every cell and drop in a begin-end pair of its own.

static void terrainVertex(const render::Heightmap& heightmap, int i, int j) {
    const float h = heightmap.height[i][j];
    render::terrainColor(h);
    glVertex3d(10 * i - 1000, render::terrainLevel(h) * 0.5, 1000 - 10 * j);
}

static void terrainCellByCell(const frame::World& world) {
    for (int i = 0; i < render::kTerrainSize - 1; ++i) {
        for (int j = 0; j < render::kTerrainSize - 1; ++j) {
            glBegin(GL_POLYGON);
            terrainVertex(world.heightmap, i, j);
            terrainVertex(world.heightmap, i, j + 1);
            terrainVertex(world.heightmap, i + 1, j + 1);
            terrainVertex(world.heightmap, i + 1, j);
            glEnd();
        }
    }
}

// The drops as the frame's rain step found them.
static void rainDropByDrop(const frame::World& world) {
    const render::RainDrop* const drops = render::dropsAsDrawn(world.rain);
    for (int index = 0; index < render::kRainDropCount; ++index) {
        const render::RainDrop& drop = drops[index];
        if (!(static_cast<double>(drop.y) > -10.0))
            continue;
        glLineWidth(1.0f);
        glBegin(GL_LINES);
        glColor3d(1.28, 2.5, 2.5);
        glVertex3d(drop.x, drop.y, drop.z);
        glVertex3d(drop.x, drop.y - 5.5, drop.z);
        glEnd();
    }
}

using Drawing = void (*)(const frame::World&);

struct View {
    float x, y, z, pitch, yaw;
};

// The start view, preset 5, high behind the far goal, down onto the hills,
// and from inside the rain looking up.
static const View kViews[] = {
    {0.0f, -20.0f, 25.0f, 15.0f, 180.0f}, {50.0f, -30.0f, 35.0f, 20.0f, 145.0f},
    {0.0f, -50.0f, -135.0f, 20.0f, 0.0f}, {200.0f, -50.0f, 300.0f, 60.0f, 30.0f},
    {0.0f, -2.0f, 0.0f, -30.0f, 90.0f},
};

static std::vector<unsigned char> picture(OffscreenScene& scene, const View& view, Drawing draw) {
    frame::resizeScene(*scene.world, 1024, 768);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    frame::placeCamera(frame::Camera{view.x, view.y, view.z, view.pitch, view.yaw, 45.0f, false});
    glNormal3f(0.3f, 0.8f, 0.2f);
    glLineWidth(3.0f);
    draw(*scene.world);
    GLfloat width = 0.0f;
    glGetFloatv(GL_LINE_WIDTH, &width);
    std::vector<unsigned char> rgb;
    platform::readOffscreenPixels(scene.context, rgb);
    rgb.push_back(static_cast<unsigned char>(width * 10.0f));  // the width it leaves behind
    return rgb;
}

static void expectSamePictures(OffscreenScene& scene, Drawing plain, Drawing grouped) {
    for (const View& view : kViews) {
        const auto reference = picture(scene, view, plain);
        const auto actual = picture(scene, view, grouped);
        ASSERT_EQ(reference.size(), actual.size());
        size_t differing = 0;
        for (size_t i = 0; i < reference.size(); ++i)
            differing += reference[i] != actual[i];
        EXPECT_EQ(differing, 0u) << "view from " << -view.x << "," << -view.y << "," << -view.z;
    }
}

TEST_F(GroupedDrawing, TerrainFillsThePixelsOfOnePolygonPerCell) {
    expectSamePictures(*this, terrainCellByCell,
                       [](const frame::World& w) { render::drawTerrain(w.heightmap); });
}

TEST_F(GroupedDrawing, RainDrawsTheLinesOfOneSegmentPerDrop) {
    // Pouring: drops sent up all over and falling at every height, drawn
    // where the frame's step found them.
    render::RainField& rain = world->rain;
    rain.raining = 1;
    rain.clock = 600;
    for (int frame = 0; frame < 60; ++frame) {
        render::beginRainFrame(rain);
        render::stepRain(rain, world->random, 0.0f, 0.0f);
    }
    ASSERT_GT(rain.falling, 5000);
    ASSERT_EQ(render::dropsAsDrawn(rain), rain.before);
    const Drawing grouped = [](const frame::World& w) { render::drawRain(w.rain); };
    expectSamePictures(*this, rainDropByDrop, grouped);
    // With no drop falling neither form draws or sets anything.
    render::resetRainField(rain);
    for (render::RainDrop& drop : rain.drops)
        drop.y = -10.0f;
    expectSamePictures(*this, rainDropByDrop, grouped);
}

}  // namespace render_test

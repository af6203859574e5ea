// frame_picture.cpp -- one frame's picture: state switches, camera, scene, overlay.
#include "frame/frame_picture.h"

#include <GL/gl.h>

#include "frame/overlay.h"
#include "frame/scene_start.h"
#include "render/figures.h"
#include "render/pitch_ball_rain.h"
#include "render/pitch_markings.h"
#include "render/scene.h"
#include "render/terrain_drawing.h"

namespace frame {

void drawFigures(const sim::MatchState& m, const render::FigureAnimation& a) {
    render::drawGoalkeeper(m.team1.keeperLateral, 2.0f, a.keeperTeam1);
    render::drawGoalkeeper(m.team2.keeperLateral, 98.0f, a.keeperTeam2);
    for (const sim::OutfieldPlayer& p : m.team1.outfield) {
        render::drawOutfieldPlayer(p.lateral, p.lengthwise, p.heading, render::kTeam1Kit,
                                   a.strideTeam1);
    }
    for (const sim::OutfieldPlayer& p : m.team2.outfield) {
        render::drawOutfieldPlayer(p.lateral, p.lengthwise, p.heading, render::kTeam2Kit,
                                   a.strideTeam2);
    }
}

void placeCamera(const Camera& view) {
    glLoadIdentity();
    glRotatef(view.pitch, 1.0f, 0.0f, 0.0f);
    glRotatef(view.yaw, 0.0f, 1.0f, 0.0f);
    glTranslatef(view.translateX, view.translateY, view.translateZ);
    glLightfv(GL_LIGHT1, GL_POSITION, render::ambientLightPosition);
    render::setupFog();
}

void drawWorldScene(const World& world, const Camera& view, const ViewportSize& viewport) {
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);

    setProjection(viewport, view.fieldOfView);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    placeCamera(view);

    const sim::MatchState& match = world.match;
    render::drawPitch();
    render::drawBall(match.ball.lateral, match.ball.lengthwise);
    render::drawTerrain(world.heightmap);
    render::drawPitchMarkings();
    drawFigures(match, world.animation);
    render::drawRain(world.rain);
}

void drawFramePicture(const World& world) {
    drawWorldScene(world, world.camera, world.viewport);
    const sim::MatchState& match = world.match;
    const OverlayLayout layout = overlayLayout(world.viewport);
    beginOverlay(world.viewport);
    drawScoreboard(layout, match.goalsTeam1, match.goalsTeam2);
    glPushMatrix();
    if (match.goalCelebration > 0)
        drawGoalBanner(layout);
    glPopMatrix();
    if (world.panel.shown || world.panel.finalScore)
        drawMatchPanel(layout, world);
    endOverlay();
}

void drawFrameLabels(const World& world) {
    const NoticeLine& notice = world.notice;
    const bool noticeShown = notice.text[0] != '\0';
    if (!world.pause.paused && !noticeShown)
        return;
    const OverlayLayout layout = overlayLayout(world.viewport);
    beginOverlay(world.viewport);
    if (world.pause.paused)
        drawPauseNotice(layout);
    if (noticeShown)
        drawNoticeLine(notice.text, notice.failed);
    endOverlay();
}

void drawFrame(const World& world) {
    drawFramePicture(world);
    drawFrameLabels(world);
}

}  // namespace frame

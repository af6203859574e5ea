// render_frame.cpp -- one frame's picture: state switches, camera, scene, rain step, overlay.
#include "frame/render_frame.h"

#include <GL/gl.h>

#include "frame/camera.h"
#include "frame/frame_state.h"
#include "frame/match_panel.h"
#include "frame/match_pause.h"
#include "frame/overlay.h"
#include "frame/scene_start.h"
#include "frame/screenshot_notice.h"
#include "frame/viewport_size.h"
#include "render/figures.h"
#include "render/heightmap.h"
#include "render/pitch_ball_rain.h"
#include "render/pitch_markings.h"
#include "render/rain_field.h"
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

void renderFramePicture() {
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);

    applyFrameControls();

    resizeScene(viewportSize.width, viewportSize.height);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    placeCamera(camera);

    render::drawPitch();
    render::drawBall(sim::match.ball.lateral, sim::match.ball.lengthwise);
    render::drawTerrain(render::heightmap);
    render::drawPitchMarkings();
    drawFigures(sim::match, render::figureAnimation);
    render::drawRain(render::rainField);
    finishFrameState();

    const OverlayLayout layout = overlayLayout(viewportSize.width, viewportSize.height);
    beginOverlay();
    drawScoreboard(layout, sim::match.goalsTeam1, sim::match.goalsTeam2);
    glPushMatrix();
    if (sim::match.goalCelebration > 0)
        drawGoalBanner(layout);
    glPopMatrix();
    if (matchPanel.shown || matchPanel.finalScore)
        drawMatchPanel(layout);
    endOverlay();
}

void drawFrameLabels() {
    const bool notice = screenshotNotice.text[0] != '\0';
    if (!matchPause.paused && !notice)
        return;
    const OverlayLayout layout = overlayLayout(viewportSize.width, viewportSize.height);
    beginOverlay();
    if (matchPause.paused)
        drawPauseNotice(layout);
    if (notice)
        drawScreenshotNotice(screenshotNotice.text, screenshotNotice.failed);
    endOverlay();
}

void renderFrame() {
    renderFramePicture();
    drawFrameLabels();
}

}  // namespace frame

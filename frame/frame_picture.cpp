// frame_picture.cpp -- one frame's picture: state switches, camera, scene, overlay.
#include "frame/frame_picture.h"

#include <GL/gl.h>

#include "frame/match_panel.h"
#include "frame/overlay.h"
#include "frame/scene_start.h"
#include "render/figures.h"
#include "render/pitch_ball_rain.h"
#include "render/pitch_markings.h"
#include "render/scene.h"
#include "render/terrain_drawing.h"

namespace frame {

void drawFigures(const sim::MatchState& m, const render::FigureAnimation& a,
                 const MatchClubs& clubs) {
    const ClubKit& kit1 = clubs.sides[0].kit;
    const ClubKit& kit2 = clubs.sides[1].kit;
    render::drawGoalkeeper(m.team1.keeperLateral, 2.0f, a.keeperTeam1, kit1.keeper);
    render::drawGoalkeeper(m.team2.keeperLateral, 98.0f, a.keeperTeam2, kit2.keeper);
    for (const sim::OutfieldPlayer& p : m.team1.outfield)
        render::drawOutfieldPlayer(p.lateral, p.lengthwise, p.heading, kit1.outfield,
                                   a.strideTeam1);
    for (const sim::OutfieldPlayer& p : m.team2.outfield)
        render::drawOutfieldPlayer(p.lateral, p.lengthwise, p.heading, kit2.outfield,
                                   a.strideTeam2);
}

std::string scorerLine(const World& world) {
    const sim::Ball& ball = world.match.ball;
    if ((world.clubs.designed && world.series.matchFrames == 0) || !ballInGoal(ball))
        return "";
    const MatchStatistics& statistics = world.statistics;
    const int team = ball.lengthwise > 100.0f ? 1 : 2;
    const std::string scorer =
        scorerText(world.clubs, team, statistics.lastTeam, statistics.lastHolder);
    if (scorer.empty())
        return "";
    return scorer + " " + std::to_string(matchMinute(statistics.crossedAt)) + "'";
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
    drawFigures(match, world.animation, world.clubs);
    render::drawRain(world.rain);
}

void drawFramePicture(const World& world) {
    drawWorldScene(world, world.camera, world.viewport);
    const sim::MatchState& match = world.match;
    const OverlayLayout layout = overlayLayout(world.viewport);
    beginOverlay(world.viewport);
    drawScoreboard(layout, world.clubs.sides[0].name, match.goalsTeam1, match.goalsTeam2,
                   world.clubs.sides[1].name);
    glPushMatrix();
    if (match.goalCelebration > 0) {
        drawGoalBanner(layout);
        const std::string scorer = scorerLine(world);
        if (!scorer.empty())
            drawScorerLine(layout, scorer.c_str());
    }
    glPopMatrix();
    if (world.panel.shown || world.panel.finalScore || world.panel.halfTime)
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

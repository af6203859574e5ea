// web_main.cpp -- the match in a web page: the WebGL context on the page's canvas, the scene's
// start-up, the link to a moment, then the frame loop on the browser's animation frames.
#include <string>

#include "frame/clubs.h"
#include "frame/frame_picture.h"
#include "frame/match_series.h"
#include "frame/scene_start.h"
#include "platform/web/fixed_gl.h"
#include "platform/web/page_host.h"
#include "platform/web/web_page.h"
#include "platform/web/webgl_raster.h"
#include "render/scene.h"
#include "web/web_canvas.h"
#include "web/web_help.h"
#include "web/web_input.h"
#include "web/web_link.h"
#include "web/web_loop.h"
#include "web/web_session.h"
#include "web/web_sound.h"

// The scene's programs begun while the page starts, the browser compiling them
// as the page goes on (the frame loop waits for them): a triangle drawn under
// the lighting a frame's camera leaves, which every frame sets again, taking
// the current colour and normal and changing neither.
static void beginScenePrograms() {
    frame::placeCamera(web::pageWorld().camera);
    fixedgl::begin(GL_TRIANGLES);
    fixedgl::vertex3f(0.0f, 0.0f, 0.0f);
    fixedgl::vertex3f(1.0f, 0.0f, 0.0f);
    fixedgl::vertex3f(0.0f, 1.0f, 0.0f);
    fixedgl::end();
    web::prepareWebglPrograms();
}

// The page's link, read at start-up.
static web::MomentLink link;

// The last of start-up: the scene's programs, the page's events, help and
// sound, then the frame loop.
static void startPlaying() {
    beginScenePrograms();
    web::listenToPage();
    web::followCanvasSize();  // a size changed since the scene's start, unheard
    web::fillPageHelp();
    web::startPageSound(link.mute, link.volume);
    web::startFrameLoop(link);
}

// The link and its match; then, as the window layer does: the projection for
// the size, then the scene.
static void startScene() {
    std::string error;
    if (!web::finishWebglRaster(error)) {
        web::showPageMessage("WebGL does not work here: " + error);
        return;
    }
    frame::MatchClubs clubs = frame::designedClubs();
    if (!web::parseMomentLink(web::pageQuery(), link, error) ||
        !frame::resolveClubs(frame::builtInClubs(), link.script.matches, clubs, error)) {
        web::showPageMessage(error + " (the match plays from the start)");
        link = web::MomentLink{};
        clubs = frame::designedClubs();
    }
    // The link's match, chosen before start-up as the tools choose theirs.
    frame::chooseMatches(web::pageWorld(), link.script.matches, clubs);
    web::startPageSession(link.script.matches, link.sessionGiven ? &link.session : nullptr);
    render::frameUprightPictures(true);
    web::followCanvasSize();
    frame::initScene(web::pageWorld());
    web::runOnNextAnimationFrame(startPlaying);
}

// Start-up in three animation frames, none holding the page's thread long:
// the context, the scene, then the rest.
int main() {
    if (!web::makeCanvasContext()) {
        web::showPageMessage("The match is drawn with WebGL, which this browser does not offer.");
        return 0;
    }
    web::beginWebglRaster();  // linked by the browser until the next animation frame
    fixedgl::resetContext();
    fixedgl::setRasterSink(&web::webglRaster());
    web::runOnNextAnimationFrame(startScene);
    return 0;
}

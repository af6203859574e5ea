// web_canvas.cpp -- the canvas's size followed, and its WebGL context lost and given back.
#include "web/web_canvas.h"

#include <string>

#include "frame/overlay.h"
#include "frame/scene_start.h"
#include "platform/web/page_host.h"
#include "platform/web/web_page.h"
#include "platform/web/webgl_raster.h"
#include "web/page_loop.h"
#include "web/web_catch_up.h"
#include "web/web_loop.h"
#include "web/web_picture.h"

namespace web {

void followCanvasSize() {
    int width = 0, height = 0;
    canvasDevicePixels(width, height);
    if (width <= 0 || height <= 0)
        return;
    frame::World& world = pageWorld();
    const double ratio = pagePixelRatio();
    if (width == world.viewport.width && height == world.viewport.height &&
        ratio == world.viewport.pixelRatio)
        return;
    setCanvasSize(width, height);
    frame::resizeScene(world, width, height, ratio);
    // A canvas of a new size starts blank: a held picture is drawn again.
    if (pageLoop().holding)
        redrawPicture();
}

void loseCanvasContext() {
    pageLoop().contextLost = true;
    showPageStatus("The picture is lost; the match goes on and comes back with it");
}

void restoreCanvasContext() {
    std::string error;
    if (!startWebglRaster(error)) {
        reportPageError("football: the picture cannot come back: " + error);
        return;
    }
    PageLoop& loop = pageLoop();
    loop.contextLost = false;
    showPageStatus(loop.holding ? heldMomentLine() : "");
    frame::World& world = pageWorld();
    // As at start-up: the projection first, which leaves the model-view matrix
    // the identity that the lights' positions are given under.
    frame::resizeScene(world, world.viewport.width, world.viewport.height,
                       world.viewport.pixelRatio);
    frame::deleteOverlayFont();
    frame::restoreSceneObjects();
    redrawPicture();
}

}  // namespace web

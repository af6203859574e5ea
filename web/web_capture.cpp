// web_capture.cpp -- the page's screenshots as downloads, and the state query of the frame on
// screen.
#include "web/web_capture.h"

#include <string>

#include "frame/trace_line.h"
#include "platform/web/page_host.h"
#include "platform/web/web_page.h"
#include "platform/web/webgl_raster.h"
#include "web/page_loop.h"
#include "web/web_loop.h"
#include "web/web_picture.h"

namespace web {

void requestScreenshot() {
    pageLoop().screenshotWanted = true;
    if (pageLoop().holding)
        redrawPicture();
}

// The download is the picture without its labels ("PAUSED"), as the desktop's
// screenshots are; the canvas is copied when it is asked.
void offerPictureIfWanted() {
    PageLoop& loop = pageLoop();
    if (!loop.screenshotWanted)
        return;
    loop.screenshotWanted = false;
    flushWebglRaster();
    downloadPicture();
}

// football.state(): the trace's line for the frame on screen.
static const char* stateOfFrameOnScreen() {
    static char line[frame::kTraceLineMax];
    const PageLoop& loop = pageLoop();
    const frame::World& world = pageWorld();
    const std::string terrain = loop.newLandscape ? frame::terrainHash(world.heightmap) : "";
    const std::size_t length = frame::traceLine(
        world, loop.framesRun, loop.newLandscape ? terrain.c_str() : nullptr, line);
    line[length > 0 ? length - 1 : 0] = '\0';  // without its newline
    return line;
}

void exposeFrameState() {
    exposeTextQuery("state", stateOfFrameOnScreen);
}

}  // namespace web

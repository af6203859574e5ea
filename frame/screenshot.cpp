// screenshot.cpp -- reading back the frame's picture and naming its file.
#include "frame/screenshot.h"

#include <GL/gl.h>

#include <cstddef>
#include <vector>

#include "common/png_file.h"
#include "frame/moment_name.h"
#include "frame/notice_line.h"
#include "frame/viewport_size.h"
#include "frame/world.h"
#include "platform/time.h"
#include "platform/user_files.h"

namespace frame {

// The viewport's pixels, top row first (OpenGL reads bottom row first).
static std::vector<unsigned char> readPicture(int width, int height) {
    const std::size_t stride = static_cast<std::size_t>(width) * 3;
    std::vector<unsigned char> bottomUp(stride * static_cast<std::size_t>(height));
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glPixelStorei(GL_PACK_SKIP_ROWS, 0);
    glPixelStorei(GL_PACK_SKIP_PIXELS, 0);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    glPopClientAttrib();
    std::vector<unsigned char> topDown(bottomUp.size());
    for (int row = 0; row < height; ++row) {
        const unsigned char* from = bottomUp.data() + stride * static_cast<std::size_t>(row);
        std::copy(from, from + stride,
                  topDown.begin() + static_cast<std::ptrdiff_t>(
                                        stride * static_cast<std::size_t>(height - 1 - row)));
    }
    return topDown;
}

static bool writeScreenshot(const ViewportSize& size, std::string& path, std::string& error) {
    const int width = size.width;
    const int height = size.height;
    const std::string folder = platform::picturesFolder();
    path = freeMomentPath(folder, ".png");
    if (path.empty()) {
        path = folder;
        error = "every name for this moment is taken";
        return false;
    }
    if (width <= 0 || height <= 0) {
        error = "no picture has been drawn";
        return false;
    }
    return common::writePng(path, width, height, readPicture(width, height), error);
}

bool saveScreenshot(World& world, std::string& path, std::string& error) {
    const bool saved = writeScreenshot(world.viewport, path, error);
    const std::string notice =
        saved ? "Screenshot saved: " + path : "Screenshot not saved: " + path + ": " + error;
    showNoticeLine(world.notice, notice.c_str(), !saved, platform::getTickCount());
    return saved;
}

}  // namespace frame

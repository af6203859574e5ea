// overlay_panel.cpp -- the match panel drawn over the picture: a black box of text lines.
#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "frame/match_panel.h"
#include "frame/overlay.h"
#include "frame/world.h"

namespace frame {

// In pixels: the glyphs do not scale, so neither does the text's spacing.
static constexpr double kLineHeight = 14.0;
static constexpr double kPadding = 10.0;
static constexpr double kGap = 8.0;

// The lines besides the goals: heading, score, the table's head and six rows.
static constexpr int kFixedLines = 9;

void drawMatchPanel(const OverlayLayout& layout, const World& world) {
    // Under the score bar and the pause notice's place, centred with the bar
    // or, where it would hide the middle of the play, at the left edge; the
    // goals listed are as many as fit above the picture's bottom edge.
    const double top = 50.0 * layout.barScale + kGap;
    const double room =
        static_cast<double>(overlayPictureSize().height) - top - kGap - 2.0 * kPadding;
    const int goalLines =
        std::clamp(static_cast<int>(room / kLineHeight) - kFixedLines, 0, kPanelGoals);
    const std::vector<std::string> lines = matchPanelLines(
        world.statistics, world.match, world.clubs, world.rain, world.panel, goalLines);

    double width = 0.0;
    for (const std::string& line : lines)
        width = std::max(width, overlayTextWidth(line.c_str()));
    const double bottom = top + static_cast<double>(lines.size()) * kLineHeight + 2.0 * kPadding;
    const double left = boxLeftClearOfMiddle(overlayPictureSize(),
                                             std::floor(layout.barCentre - width / 2.0) - kPadding,
                                             width + 2.0 * kPadding, top, bottom, kGap);
    const double right = left + width + 2.0 * kPadding;
    glBegin(GL_POLYGON);
    glColor3d(0.0, 0.0, 0.0);
    glVertex2d(left, top);
    glVertex2d(right, top);
    glVertex2d(right, bottom);
    glVertex2d(left, bottom);
    glEnd();

    // The heading and the score in the score bar's orange, the rest in white;
    // baselines 3 pixels above each line's foot leave room for descenders.
    double baseline = top + kPadding + kLineHeight - 3.0;
    for (std::size_t i = 0; i < lines.size(); ++i, baseline += kLineHeight) {
        if (i < 2) {
            glColor3f(1.0f, 0.7f, 0.2f);
        } else {
            glColor3f(1.0f, 1.0f, 1.0f);
        }
        drawOverlayText(static_cast<float>(left + kPadding), static_cast<float>(baseline), "%s",
                        lines[i].c_str());
    }
}

}  // namespace frame

// final_score.cpp -- the final score's box in the middle of the picture.
#include "frame/final_score.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstring>

#include "frame/overlay.h"

namespace frame {

// The glyphs' advance in pixels: they keep it at every scale.
constexpr double kGlyphAdvance = 7.0;

void drawFinalScore(const OverlayLayout& layout, int goalsTeam1, int goalsTeam2) {
    char score[64];
    std::snprintf(score, sizeof score, "DYNAMO %i : %i SHAKHTAR", goalsTeam1, goalsTeam2);
    const char* title = "FULL TIME";
    // The box holds the longer line with a margin, and grows with the bar.
    const double length = static_cast<double>(std::strlen(score));
    const double centre = layout.barCentre;
    const double middle = 384.0 * layout.scale;
    const double half = (kGlyphAdvance * length / 2.0 + 12.0) * layout.barScale;
    const double halfHeight = 24.0 * layout.barScale;
    glBegin(GL_POLYGON);
    glColor3d(0.0, 0.0, 0.0);
    glVertex2d(centre - half, middle - halfHeight);
    glVertex2d(centre + half, middle - halfHeight);
    glVertex2d(centre + half, middle + halfHeight);
    glVertex2d(centre - half, middle + halfHeight);
    glEnd();

    glColor3f(1.0f, 1.0f, 1.0f);
    drawOverlayText(static_cast<float>(centre - kGlyphAdvance * 9 / 2.0),
                    static_cast<float>(middle - 4.0), "%s", title);
    glColor3f(1.0f, 0.7f, 0.2f);
    drawOverlayText(static_cast<float>(centre - kGlyphAdvance * length / 2.0),
                    static_cast<float>(middle + 14.0), "%s", score);
}

}  // namespace frame

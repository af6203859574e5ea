// overlay.h -- the two-dimensional overlay: pixel projection, bitmap font, scoreboard, banner.
#pragma once

#include "frame/overlay_layout.h"
#include "frame/viewport_size.h"

namespace frame {

struct World;

// The first of the 96 display lists holding the glyphs of codes 32..127,
// followed by 96 for each larger overlay unit, up to kLargestOverlayUnit;
// 0 until the first build, replaced by every build.
extern unsigned int fontListBase;

// Builds the glyph lists in the current rendering context (every initScene).
void createOverlayFont();

// Deletes them (every window tear-down).
void deleteOverlayFont();

// Into and out of a projection of a picture of `size` in overlay pixels
// (overlay_layout.h), with the origin at the top-left corner; the text is
// drawn in glyphs magnified by the overlay's unit. Like the GL state it sets,
// the size is the drawing's own until endOverlay (overlayPictureSize), never
// the world's.
void beginOverlay(const ViewportSize& size);
void endOverlay();

// The picture the overlay's projection was begun with, in overlay pixels.
const OverlaySize& overlayPictureSize();

// Formats like printf into a 256-byte buffer (longer texts are cut) and draws
// it from overlay pixel (x, y) in the current colour. A null format draws
// nothing; codes outside 32..127 draw nothing. A start outside the picture
// still draws the glyphs that fall inside it.
void drawOverlayText(float x, float y, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

// How far a text moves the raster position on: its glyphs' advances.
double overlayTextWidth(const char* text);

// The score bar at the top with the two teams' goals, every frame.
void drawScoreboard(const OverlayLayout& layout, int goalsTeam1, int goalsTeam2);

// "PAUSED" under the score bar, while the match is paused.
void drawPauseNotice(const OverlayLayout& layout);

// "REPLAY" in the same place and style, in every picture of a goal's replay
// (a pause notice drawn after it covers it).
void drawReplayNotice(const OverlayLayout& layout);

// The notice line: one line in a black band along the picture's bottom
// edge, white, or orange for an error; a text too wide loses its beginning.
void drawNoticeLine(const char* text, bool failed);

// The GOAL! banner, while a goal is being celebrated.
void drawGoalBanner(const OverlayLayout& layout);

// The match panel (match_panel.h), under the pause notice, centred with the
// score bar (at the left edge where it would hide the middle of a narrow
// picture), while Tab has it shown or a final score is on; drawn last.
// As many of the latest goals as the picture's height allows are listed.
void drawMatchPanel(const OverlayLayout& layout, const World& world);

}  // namespace frame

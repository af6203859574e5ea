// web_canvas.h -- the canvas the page draws on: its size followed, its WebGL context lost and
// given back.
#pragma once

namespace web {

// The canvas's size in device pixels changed (or is set the first time).
void followCanvasSize();

// The browser took the WebGL context away: the match goes on unseen.
void loseCanvasContext();

// The context is back, empty: the rasteriser's objects and the scene's lists
// are made again, and the picture comes back where the match stands.
void restoreCanvasContext();

}  // namespace web

// webgl_raster.h -- the fixed-function layer's rasteriser on WebGL 1: vertices transformed and
// lit by a vertex shader, a frame's vertices in one buffer, display lists' and client arrays'
// kept in GPU buffers, fog per fragment.
#pragma once

#include <string>

#include "platform/web/raster_sink.h"

namespace web {

// With a new WebGL context current (the first, or one given back after a
// loss): forgets every GPU object made before, which went with the old
// context, and makes the programs and buffers. Kept vertices and arrays are
// uploaded again as they are next drawn. False, with the reason in `error`,
// when the context cannot.
bool startWebglRaster(std::string& error);

// startWebglRaster in two halves, so that the browser links the first
// programs while the page goes on (the second asks, and waits for it).
void beginWebglRaster();
bool finishWebglRaster(std::string& error);

// The sink to hand to fixedgl::setRasterSink once started.
fixedgl::RasterSink& webglRaster();

// Draws everything handed on and not yet drawn; the main loop, after every frame.
void flushWebglRaster();

// Begins the programs that the draws handed on since the last flush need,
// without waiting for the browser to compile and link them, and forgets
// those draws: a picture's programs begun before the picture, so that its
// frame does not wait for them.
void prepareWebglPrograms();

// Whether the programs begun are linked, where the browser can say so
// (KHR_parallel_shader_compile); true where it cannot.
bool webglProgramsReady();

// Waits until the browser has finished the picture drawn so far (a
// one-pixel read); for timing a whole frame.
void finishWebglPicture();

// The names of the errors WebGL has raised since the last call, or empty.
std::string webglErrors();

}  // namespace web

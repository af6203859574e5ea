// webgl_raster.h -- the fixed-function layer's rasteriser on WebGL 1: one vertex buffer a frame,
// a draw call for each run of primitives of one kind and state, fog per fragment.
#pragma once

#include <string>

#include "platform/web/raster_sink.h"

namespace web {

// With the WebGL context current: compiles the shaders and makes the buffer.
// False, with the reason in `error`, when the context cannot.
bool startWebglRaster(std::string& error);

// The sink to hand to fixedgl::setRasterSink once started.
fixedgl::RasterSink& webglRaster();

// Draws everything appended and not yet drawn; the main loop, after every frame.
void flushWebglRaster();

// Waits until the browser has finished the picture drawn so far (a
// one-pixel read); for timing a whole frame.
void finishWebglPicture();

// The names of the errors WebGL has raised since the last call, or empty.
std::string webglErrors();

}  // namespace web

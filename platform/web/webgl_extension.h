// webgl_extension.h -- turning a WebGL extension on in the current context: the browser's on
// emscripten's HTML5 API (page_host.cpp), the native tests' on OSMesa's desktop OpenGL.
#pragma once

namespace web {

// Whether the extension is on in the current context after the call (a
// context given back after a loss needs its extensions turned on again).
bool enableWebglExtension(const char* name);

}  // namespace web

// osmesa_webgl_extension.h -- the native tests' side of enableWebglExtension: OSMesa's desktop
// OpenGL has the 32-bit element indices the rasteriser asks for, unless a test takes them away.
#pragma once

namespace web_test {
extern bool uintIndicesAvailable;
}

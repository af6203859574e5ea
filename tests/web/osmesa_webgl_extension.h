// osmesa_webgl_extension.h -- the native tests' side of enableWebglExtension: OSMesa's desktop
// OpenGL has what the rasteriser asks for (32-bit element indices, instancing), unless a test
// takes it away to try the rasteriser without.
#pragma once

namespace web_test {
extern bool extensionsAvailable;
}

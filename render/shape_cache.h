// shape_cache.h -- the solid sphere and cylinder, each distinct size compiled once into a list.
#pragma once

namespace render {

// Draw a filled sphere of the radius centred on the current origin. Called by
// the figures and the ball in every frame; the first call for a radius
// compiles (and draws) its list, later calls replay it.
void solidSphere(double radius);

// Draw an open tube (no end caps) of the radius around the current Y axis,
// from Y = 1 down to Y = 1 - height. Cached by (radius, height) like the
// sphere.
void solidCylinder(double radius, double height);

// Called by initScene for every new rendering context, before anything is
// drawn in it: the lists of the previous context went with that context, so
// the cache starts empty and each size is compiled again on first use.
void forgetShapeCache();

// The number of cached shapes (spheres and cylinders) in the current
// context; for the tests and the record tool's checks.
int shapeCacheSize();

}  // namespace render

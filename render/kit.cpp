// kit.cpp -- the designed kits.
#include "render/kit.h"

namespace render {

const Kit kTeam1Kit = {{1.0, 1.0, 1.0}, {0.3, 0.3, 1.0}, false, {0.0, 0.0, 0.0}};
const Kit kTeam2Kit = {{1.0, 0.5, 0.0}, {0.0, 0.0, 0.0}, false, {0.0, 0.0, 0.0}};
const Kit kGoalkeeperKit = {{0.0, 0.0, 0.0}, {0.0, 0.0, 0.0}, false, {0.0, 0.0, 0.0}};

}  // namespace render

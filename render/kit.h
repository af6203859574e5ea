// kit.h -- what a team wears, in the colours the figures are drawn in; the designed kits.
#pragma once

namespace render {

// A team's colours, double-precision RGB. The designed kits have bare legs;
// a club's kit adds shorts over the top of the legs.
struct Kit {
    double shirt[3];
    double boots[3];
    bool shorts;  // drawn, in shortsColour
    double shortsColour[3];
};

extern const Kit kTeam1Kit;       // white shirts, blue boots
extern const Kit kTeam2Kit;       // orange shirts, black boots
extern const Kit kGoalkeeperKit;  // black shirts and boots, both keepers

}  // namespace render

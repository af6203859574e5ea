// rain_field.cpp -- PLACEHOLDER until the rain's step lands.
#include "render/rain_field.h"

namespace render {

RainField rainField = initialRainField();

RainField initialRainField() {
    RainField field = {};
    field.clock = 200;
    return field;
}

void stepRain(float, float) {}

int fallingDropCount() { return 0; }

}  // namespace render

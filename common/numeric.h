// numeric.h -- the numeric conventions: single-precision storage, double-precision
// arithmetic, the program's own degree and radian constants, and pi.
#pragma once

#include <cmath>

namespace common {

// Pi, to the last bit of a double: the angles the program works out itself
// (the follow and replay cameras, the projection of a narrow picture). The
// simulation and the camera's movement keep their own rounded values below.
constexpr double kPi = 3.14159265358979323846;

// The simulation turns degrees into radians with 3.1415, not pi.
constexpr double kSimulationPi = 3.1415;
// The camera's movement uses 3.14592, not pi.
constexpr double kCameraPi = 3.14592;
// The single-precision value of 3.14592, used by the camera's second movement form.
constexpr double kCameraPiSingle = 3.1459200382232666;
// Radians to degrees: the single-precision value of 57.29747.
constexpr double kDegreesPerRadian = 57.29747009277344;

// Degrees to radians as the simulation does it: times 3.1415, then over 180.
inline double simulationRadians(double degrees) {
    return degrees * kSimulationPi / 180.0;
}

// Rounds a double-precision result to the single precision it is stored in.
inline float toSingle(double value) {
    return static_cast<float>(value);
}

// Arctangent of a single-precision argument, computed in double and rounded to single.
inline float singleAtan(float value) {
    return static_cast<float>(std::atan(static_cast<double>(value)));
}

// Square root of a single-precision argument, computed in double and rounded to single.
inline float singleSqrt(float value) {
    return static_cast<float>(std::sqrt(static_cast<double>(value)));
}

}  // namespace common

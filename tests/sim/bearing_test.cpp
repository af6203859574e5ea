// bearing_test.cpp -- the bearing between pitch points, including its degenerate cases.

#include "sim_fixture.h"

namespace {

using sim::bearingTo;

TEST(Bearing, StraightAlongThePitchIsSlightlyOffNinetyAndTwoSeventy) {
    // b_l == a_l: the arctangent of an infinity times 57.29747 is not 90.
    EXPECT_FLOAT_EQ(bearingTo(0, 10, 0, 20, 7), 90.002655f);
    EXPECT_FLOAT_EQ(bearingTo(0, 20, 0, 10, 7), 269.99734f);
    EXPECT_EQ(bearingTo(0, 10, 0, 20, 7),
              static_cast<float>(1.5707963705062866 * 57.29747009277344));
}

TEST(Bearing, StraightAcrossThePitchIsZero) {
    EXPECT_EQ(bearingTo(0, 50, 10, 50, 7), 0.0f);
    EXPECT_EQ(bearingTo(10, 50, 0, 50, 7), 0.0f);
}

TEST(Bearing, CoincidentPointsKeepTheCallersHeading) {
    EXPECT_EQ(bearingTo(3, 4, 3, 4, 123.5f), 123.5f);
    EXPECT_EQ(bearingTo(0, 0, 0, 0, 0.0f), 0.0f);
}

TEST(Bearing, Quadrants) {
    // Towards +lateral (b on the higher side): 90 - a.
    EXPECT_NEAR(bearingTo(0, 0, 10, 10, 0), 45.0, 0.01);    // ahead and right
    EXPECT_NEAR(bearingTo(0, 0, 10, -10, 0), 135.0, 0.01);  // behind and right
    // Towards -lateral: 270 - a.
    EXPECT_NEAR(bearingTo(0, 0, -10, -10, 0), 225.0, 0.01);
    EXPECT_NEAR(bearingTo(0, 0, -10, 10, 0), 315.0, 0.01);
}

}  // namespace

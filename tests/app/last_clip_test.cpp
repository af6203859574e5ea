// last_clip_test.cpp -- F9's clip size: the window's, fitted into 1920x1080 keeping its shape,
// both sides even (the encoders refuse odd ones).
#include "app/last_clip.h"

#include <gtest/gtest.h>

namespace {

struct SizeCase {
    int width, height, clipWidth, clipHeight;
};

const SizeCase kSizes[] = {
    {1024, 768, 1024, 768},
    {1023, 767, 1022, 766},
    {2560, 1440, 1920, 1080},
    {3840, 1080, 1920, 540},
    {1080, 1920, 606, 1080},
    {1920, 1200, 1728, 1080},
    {1, 1, 2, 2},
    {5000, 3, 1920, 2},
};

TEST(LastClip, TheWindowsSizeFittedInto1920By1080WithEvenSides) {
    for (const SizeCase& c : kSizes) {
        int width = 0, height = 0;
        app::lastClipSize(c.width, c.height, width, height);
        EXPECT_EQ(width, c.clipWidth) << c.width << "x" << c.height;
        EXPECT_EQ(height, c.clipHeight) << c.width << "x" << c.height;
    }
}

}  // namespace

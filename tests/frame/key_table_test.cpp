// key_table_test.cpp -- the key table: press, release, the loop's look, and no tap lost.
#include "frame/key_table.h"

#include <gtest/gtest.h>

namespace {

class KeyTableTest : public ::testing::Test {
  protected:
    frame::KeyTable keys = {};
};

TEST_F(KeyTableTest, AHeldKeyStaysHeldThroughLooksUntilItsKeyUp) {
    frame::pressKey(keys, 0x4F);
    for (int look = 0; look < 3; ++look) {
        frame::markKeysSeen(keys);
        EXPECT_TRUE(keys.held[0x4F]);
    }
    frame::releaseKey(keys, 0x4F);
    EXPECT_FALSE(keys.held[0x4F]) << "a key already seen is let go at its key-up";
}

TEST_F(KeyTableTest, ATapIsHeldUntilTheNextLookHasSeenIt) {
    frame::pressKey(keys, 0x70);
    frame::releaseKey(keys, 0x70);
    EXPECT_TRUE(keys.held[0x70]);
    frame::markKeysSeen(keys);
    EXPECT_FALSE(keys.held[0x70]);
    frame::markKeysSeen(keys);
    EXPECT_FALSE(keys.held[0x70]);
}

TEST_F(KeyTableTest, AutoRepeatAfterALookThenKeyUpStillReachesOneMoreLook) {
    frame::pressKey(keys, 0x5A);
    frame::markKeysSeen(keys);
    frame::pressKey(keys, 0x5A);  // repeat
    frame::releaseKey(keys, 0x5A);
    EXPECT_TRUE(keys.held[0x5A]);
    frame::markKeysSeen(keys);
    EXPECT_FALSE(keys.held[0x5A]);
}

TEST_F(KeyTableTest, PressAfterAnEarlyReleaseCancelsTheRelease) {
    frame::pressKey(keys, 0x26);
    frame::releaseKey(keys, 0x26);
    frame::pressKey(keys, 0x26);
    frame::markKeysSeen(keys);
    EXPECT_TRUE(keys.held[0x26]);
    frame::markKeysSeen(keys);
    EXPECT_TRUE(keys.held[0x26]);
}

TEST_F(KeyTableTest, KeysAreIndependentAndTheCornersWork) {
    frame::pressKey(keys, 0);
    frame::pressKey(keys, 255);
    frame::markKeysSeen(keys);
    frame::pressKey(keys, 0x31);
    frame::releaseKey(keys, 0);
    frame::releaseKey(keys, 0x31);
    EXPECT_FALSE(keys.held[0]);
    EXPECT_TRUE(keys.held[255]);
    EXPECT_TRUE(keys.held[0x31]);
    frame::markKeysSeen(keys);
    EXPECT_TRUE(keys.held[255]);
    EXPECT_FALSE(keys.held[0x31]);
}

TEST_F(KeyTableTest, ClearingAKeyDropsItsMarksToo) {
    frame::pressKey(keys, 0x70);
    frame::releaseKey(keys, 0x70);
    frame::clearKey(keys, 0x70);
    EXPECT_FALSE(keys.held[0x70]);
    // A new press after the clear is an ordinary press.
    frame::pressKey(keys, 0x70);
    frame::markKeysSeen(keys);
    EXPECT_TRUE(keys.held[0x70]);
}

TEST_F(KeyTableTest, TablesSetDirectlyAreLeftAsTheyAre) {
    // The headless tools write `held` per frame and never press or release.
    keys.held[0x4F] = true;
    frame::markKeysSeen(keys);
    EXPECT_TRUE(keys.held[0x4F]);
}

}  // namespace

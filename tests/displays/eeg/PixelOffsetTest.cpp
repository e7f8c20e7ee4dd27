#include "displays/eeg/PixelOffset.h"

#include <gtest/gtest.h>

namespace {

TEST(TruncToInt16Test, TruncatesTowardZeroAndWrapsToSixteenBits) {
    EXPECT_EQ(TruncToInt16(39.999), 39);
    EXPECT_EQ(TruncToInt16(-39.999), -39);
    EXPECT_EQ(TruncToInt16(32768.5), -32768);
    EXPECT_EQ(TruncToInt16(65536.0 + 7.2), 7);
}

} // namespace

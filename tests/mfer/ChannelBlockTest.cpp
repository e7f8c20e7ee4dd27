#include "mfer/CMferChannel.h"

#include "TestCaseName.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct BlockCase {
    const char* m_pszName;
    std::vector<uint8_t> bytes;
    int nResult;
    int nCount;
    uint16_t wLeadCode;
};

class ParseAttributeBlockTest : public testing::TestWithParam<BlockCase> {};

TEST_P(ParseAttributeBlockTest, AppliesNestedItemsToTheChannel) {
    const BlockCase& c = GetParam();
    std::vector<uint8_t> image = c.bytes;
    image.insert(image.end(), {0xFF, 0x01, 0x00});
    MferAttributes attr;
    attr.SetDefaults();
    CMferChannel channel(attr, image.data() + image.size());
    int nCount = -1;
    EXPECT_EQ(channel.ParseAttributeBlock(image.data(), nCount), c.nResult);
    EXPECT_EQ(nCount, c.nCount);
    EXPECT_EQ(channel.GetAttributes()->m_wLeadCode, c.wLeadCode);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, ParseAttributeBlockTest,
    testing::Values(
        // An item with a one-byte value is consumed like any other item of the block.
        BlockCase{"OneByteItemIsConsumed", {0x3F, 0x02, 0x03, 0x09, 0x01, 0x05}, 0, 6, 5},
        BlockCase{"NoStatedLengthEndsWithTwoZeros",
                  {0x3F, 0x00, 0x80, 0x09, 0x02, 0x00, 0x05, 0x00, 0x00},
                  0,
                  9,
                  5},
        BlockCase{"StatedLengthZeroIsEmpty", {0x3F, 0x01, 0x00, 0x09, 0x01, 0x05}, 0, 3, 0},
        BlockCase{"LongFormLength", {0x3F, 0x01, 0x81, 0x04, 0x09, 0x02, 0x00, 0x07}, 0, 8, 7},
        BlockCase{
            "WaveformDataEndsTheBlock", {0x3F, 0x01, 0x80, 0x09, 0x01, 0x03, 0x1E, 0x02, 0, 0}, 2, 6, 3},
        BlockCase{"NestedChannelTagEndsTheBlock", {0x3F, 0x01, 0x80, 0x3F, 0x02, 0x00}, 1, 3, 0},
        BlockCase{"MalformedItemEndsTheBlock", {0x3F, 0x01, 0x80, 0x09, 0x00}, -1, 3, 0},
        // Items that step over the stated length go on as if none were stated.
        BlockCase{"OverstepIgnoresStatedLength", {0x3F, 0x01, 0x02, 0x09, 0x01, 0x05, 0x00, 0x00}, 0, 8, 5},
        BlockCase{"HeaderPastEndConsumesNothing", {0x3F, 0x01}, -1, 0, 0}),
    TestCaseName());

} // namespace

#include "mfer/CMferTagReader.h"

#include "TestCaseName.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ReadTagCase {
    const char* m_pszName;
    std::vector<uint8_t> bytes;
    int nResult;
    uint8_t byTag;
    uint32_t nLength;
    long nValueOffset;
    uint32_t nTotal;
};

std::vector<uint8_t> WithValue(std::vector<uint8_t> header, size_t nValueBytes) {
    header.resize(header.size() + nValueBytes, 0xAA);
    return header;
}

class ReadTagTest : public testing::TestWithParam<ReadTagCase> {};

TEST_P(ReadTagTest, ReadsHeaderOfOneItem) {
    const ReadTagCase& c = GetParam();
    CMferTagReader reader(c.bytes.data() + c.bytes.size());
    ASSERT_EQ(reader.ReadTag(c.bytes.data()), c.nResult);
    if (c.nResult == 0) {
        EXPECT_EQ(reader.GetValue(), nullptr);
        EXPECT_EQ(reader.GetTag(), 0);
        return;
    }
    EXPECT_EQ(reader.GetTag(), c.byTag);
    EXPECT_EQ(reader.GetLength(), c.nLength);
    EXPECT_EQ(reader.GetValue() - c.bytes.data(), c.nValueOffset);
    EXPECT_EQ(reader.GetTotalSize(), c.nTotal);
}

INSTANTIATE_TEST_SUITE_P(
    Items, ReadTagTest,
    testing::Values(ReadTagCase{"LongFormTwoBytes", WithValue({0x1E, 0x82, 0x01, 0x00}, 256), 1, 30, 256, 4,
                                260},
                    ReadTagCase{"ShortForm", {0x08, 0x01, 0x02}, 1, 8, 1, 2, 3},
                    ReadTagCase{"ChannelTagZeroIsChannelNumber", {0x3F, 0x00}, 1, 0x3F, 0, 2, 2},
                    ReadTagCase{"ZeroLengthIsMalformed", {0x80, 0x00}, 0, 0, 0, 0, 0},
                    ReadTagCase{"LongFormWithoutLengthBytes", {0x17, 0x80, 0x00}, 0, 0, 0, 0, 0},
                    ReadTagCase{"FiveLengthBytesKeepLastFour",
                                WithValue({0x16, 0x85, 0x01, 0, 0, 0, 0x05}, 5), 1, 22, 5, 7, 12},
                    ReadTagCase{"ValuePastEndIsMalformed", {0x16, 0x05, 0x41, 0x42}, 0, 0, 0, 0, 0},
                    ReadTagCase{"LengthBytesPastEndAreMalformed", {0x1E, 0x84, 0x00, 0x01}, 0, 0, 0, 0, 0},
                    ReadTagCase{"LoneTagByteIsMalformed", {0x08}, 0, 0, 0, 0, 0}),
    TestCaseName());

TEST(DecodeBytesTest, FollowsByteOrder) {
    const uint8_t bytes[] = {0x01, 0x02, 0x03, 0x04, 0x05};
    EXPECT_EQ(CMferTagReader::DecodeBytes(0, bytes, 2), 258u);
    EXPECT_EQ(CMferTagReader::DecodeBytes(1, bytes, 2), 513u);
    EXPECT_EQ(CMferTagReader::DecodeBytes(0, bytes, 0), 0u);
    const uint8_t ff = 0xFF;
    EXPECT_EQ(CMferTagReader::DecodeBytes(0, &ff, 1), 255u);
    EXPECT_EQ(CMferTagReader::DecodeBytes(1, &ff, 1), 255u);
    // Past four bytes: big-endian keeps the last four, little-endian the first four.
    EXPECT_EQ(CMferTagReader::DecodeBytes(0, bytes, 5), 0x02030405u);
    EXPECT_EQ(CMferTagReader::DecodeBytes(1, bytes, 5), 0x04030201u);
}

TEST(DecodeBytesTest, ReadWordTakesTwoBytes) {
    const uint8_t bytes[] = {0x01, 0x00, 0xFF, 0xFE};
    EXPECT_EQ(CMferTagReader::ReadWord(0, bytes), 256);
    EXPECT_EQ(CMferTagReader::ReadWord(1, bytes), 1);
    EXPECT_EQ(static_cast<int16_t>(CMferTagReader::ReadWord(0, bytes + 2)), -2);
}

TEST(DecodeBytesTest, ChannelTagValueOfLengthZeroDecodesToZero) {
    const uint8_t bytes[] = {0x3F, 0x00, 0xFF, 0x01, 0x00};
    CMferTagReader reader(bytes + sizeof(bytes));
    ASSERT_EQ(reader.ReadTag(bytes), 1);
    EXPECT_EQ(reader.DecodeInteger(0), 0u);
}

} // namespace

#include "CMferWriter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

using Bytes = std::vector<uint8_t>;

TEST(CMferWriterTest, ShortLengthUpTo127) {
    CMferWriter writer;
    const Bytes& out = writer.Item(22, Bytes(127, 0xAA)).Bytes();
    ASSERT_EQ(out.size(), 129u);
    EXPECT_EQ(out[0], 22);
    EXPECT_EQ(out[1], 127);
}

TEST(CMferWriterTest, LongLengthUsesFewestBytes) {
    struct Case {
        size_t nLength;
        Bytes header;
    };
    const Case cases[] = {
        {128, {30, 0x81, 0x80}},
        {256, {30, 0x82, 0x01, 0x00}},
        {0x12345, {30, 0x83, 0x01, 0x23, 0x45}},
    };
    for (const Case& c : cases) {
        CMferWriter writer;
        const Bytes& out = writer.WaveformBytes(Bytes(c.nLength, 0)).Bytes();
        ASSERT_EQ(out.size(), c.header.size() + c.nLength) << c.nLength;
        EXPECT_EQ(Bytes(out.begin(), out.begin() + static_cast<long>(c.header.size())), c.header)
            << c.nLength;
    }
}

TEST(CMferWriterTest, ForcedLongFormKeepsLengthBigEndian) {
    CMferWriter writer;
    writer.ByteOrder(true).ItemLongForm(8, {0x01}, 4).ItemLongForm(23, {}, 0);
    EXPECT_EQ(writer.Bytes(), (Bytes{1, 1, 1, 8, 0x84, 0, 0, 0, 1, 0x01, 23, 0x80}));
}

TEST(CMferWriterTest, IntegersFollowByteOrder) {
    CMferWriter writer;
    writer.UInt(4, 0x0102, 2).ByteOrder(true).UInt(4, 0x0102, 2).UInt(13, 0x01020304, 5);
    EXPECT_EQ(writer.Bytes(), (Bytes{4, 2, 0x01, 0x02, 1, 1, 1, 4, 2, 0x02, 0x01, 13, 5, 4, 3, 2, 1, 0}));
}

TEST(CMferWriterTest, ScaledValuesAndEventsFollowByteOrder) {
    CMferWriter writer;
    writer.ByteOrder(true).SamplingRateHz(500).Resolution(0, -7, 25).Event(136, 0x00010203);
    EXPECT_EQ(writer.Bytes(),
              (Bytes{1, 1, 1, 11, 4, 0, 0, 0xF4, 0x01, 12, 4, 0, 0xF9, 25, 0, 65, 6, 136, 0, 3, 2, 1, 0}));
}

TEST(CMferWriterTest, WordsFollowByteOrder) {
    EXPECT_EQ(CMferWriter().Waveform16({256, -2}).Bytes(), (Bytes{30, 4, 0x01, 0x00, 0xFF, 0xFE}));
    CMferWriter little;
    little.ByteOrder(true).Waveform16({256, -2});
    EXPECT_EQ(little.Bytes(), (Bytes{1, 1, 1, 30, 4, 0x00, 0x01, 0xFE, 0xFF}));
}

TEST(CMferWriterTest, ChannelBlockStatesLengthOfNestedItems) {
    CMferWriter writer;
    writer.ByteOrder(true).ChannelBlock(2, [](CMferWriter& w) { w.LeadCode(62).BlockLength(10); });
    EXPECT_EQ(writer.Bytes(), (Bytes{1, 1, 1, 0x3F, 2, 10, 9, 2, 62, 0, 4, 4, 10, 0, 0, 0}));
}

TEST(CMferWriterTest, ChannelBlockOverShortFormUsesLongLength) {
    CMferWriter writer;
    writer.ChannelBlock(1, [](CMferWriter& w) { w.Text(22, std::string(200, 'c')); });
    const Bytes& out = writer.Bytes();
    ASSERT_EQ(out.size(), 4u + 3u + 200u);
    EXPECT_EQ(Bytes(out.begin(), out.begin() + 7), (Bytes{0x3F, 1, 0x81, 203, 22, 0x81, 200}));
}

TEST(CMferWriterTest, UnstatedChannelBlockEndsWithTwoZeros) {
    CMferWriter writer;
    writer.ChannelBlockUnstated(0, [](CMferWriter& w) { w.UInt(9, 5, 2); });
    EXPECT_EQ(writer.Bytes(), (Bytes{0x3F, 0, 0x80, 9, 2, 0, 5, 0, 0}));
}

TEST(CMferWriterTest, InterleavesBlocksPerChannel) {
    const std::vector<int16_t> a{1, 2, 3, 4};
    const std::vector<int16_t> b{5, 6};
    CMferWriter writer;
    writer.Waveform16Interleaved({&a, &b}, std::vector<int>{2, 1});
    EXPECT_EQ(writer.Bytes(), (Bytes{30, 12, 0, 1, 0, 2, 0, 5, 0, 3, 0, 4, 0, 6}));
}

TEST(CMferWriterTest, InterleavingRefusesRaggedChannels) {
    const std::vector<int16_t> a{1, 2, 3, 4};
    const std::vector<int16_t> b{5, 6, 7};
    CMferWriter writer;
    EXPECT_THROW(writer.Waveform16Interleaved({&a, &b}, 2), std::invalid_argument);
    EXPECT_THROW(writer.Waveform16Interleaved({&a, &b}, std::vector<int>{2}), std::invalid_argument);
}

TEST(CMferWriterTest, WritesFileAndReportsFailure) {
    CMferWriter writer;
    writer.WaveformType(1).EndMark();
    const std::string path = ::testing::TempDir() + "zelvo_writer_test.mwf";
    ASSERT_TRUE(writer.WriteFile(path));
    std::ifstream file(path, std::ios::binary);
    const Bytes read{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    EXPECT_EQ(read, (Bytes{8, 2, 0, 1, 0xFF, 1, 0}));
    std::remove(path.c_str());
    EXPECT_FALSE(writer.WriteFile("/nonexistent-dir/x.mwf"));
}

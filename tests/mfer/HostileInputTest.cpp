#include "MferTestHelpers.h"

#include "TestCaseName.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using Samples = std::vector<int16_t>;

std::vector<uint8_t> TypicalImage() {
    CMferWriter w;
    w.WaveformType(1).Channels(2).BlockLength(2).Sequences(3).SamplingRateHz(500).Text(23, "Maker^Model");
    w.ChannelBlock(0, [](CMferWriter& c) { c.LeadCode(1); });
    w.ChannelBlockUnstated(1, [](CMferWriter& c) { c.LeadCode(2).Encoding(1); });
    w.Event(136, 4).WaveformBytes({0, 1, 0, 2, 5, 6, 0, 3, 0, 4, 7, 8, 0, 5, 0, 6, 9, 10});
    w.ByteOrder(true).Event(860, 2).Waveform16({1, 2, 3, 4});
    return w.Bytes();
}

TEST(HostileInputTest, EveryTruncationDecodesOrFailsCleanly) {
    const std::vector<uint8_t> image = TypicalImage();
    for (size_t n = 0; n <= image.size(); ++n) {
        const std::vector<uint8_t> prefix(image.begin(), image.begin() + static_cast<long>(n));
        int nResult = -1;
        auto pFile = DecodeImage(prefix, &nResult);
        EXPECT_TRUE(nResult == 0 || nResult == 1) << n;
        for (int f = 0; f < pFile->GetFrameCount(); ++f)
            for (int c = 0; c < 2; ++c)
                ChannelSamples(*pFile, f, c);
    }
}

TEST(HostileInputTest, RandomCorruptionsNeverReadOrWriteOutOfBounds) {
    const std::vector<uint8_t> image = TypicalImage();
    std::mt19937 random(12345);
    std::uniform_int_distribution<size_t> position(0, image.size() - 1);
    std::uniform_int_distribution<int> byteValue(0, 255);
    for (int i = 0; i < 3000; ++i) {
        std::vector<uint8_t> corrupt = image;
        for (int k = 0; k < 1 + i % 4; ++k)
            corrupt[position(random)] = static_cast<uint8_t>(byteValue(random));
        auto pFile = DecodeImage(corrupt);
        for (int f = 0; f < pFile->GetFrameCount(); ++f)
            for (int c = 0; c < MFER_MAX_CHANNELS; ++c)
                ChannelSamples(*pFile, f, c);
    }
}

TEST(HostileInputTest, ChannelCountAboveTheLimitIsRefused) {
    int nResult = -1;
    auto pFile = DecodeImage(CMferWriter().Channels(129).Waveform16({1}).Bytes(), &nResult);
    EXPECT_EQ(nResult, 0);
    EXPECT_NE(pFile->GetFailureReason().find("channel count"), std::string::npos);
    DecodeImage(CMferWriter().Channels(0xFFFFFFFF).Waveform16({1}).Bytes(), &nResult);
    EXPECT_EQ(nResult, 0);
}

TEST(HostileInputTest, MoreThan128FramesAreRefused) {
    CMferWriter w;
    for (int i = 0; i < MFER_MAX_FRAMES + 1; ++i)
        w.Waveform16({static_cast<int16_t>(i)});
    int nResult = -1;
    auto pFile = DecodeImage(w.Bytes(), &nResult);
    EXPECT_EQ(nResult, 0);
    EXPECT_EQ(pFile->GetFrameCount(), MFER_MAX_FRAMES);
    EXPECT_NE(pFile->GetFailureReason().find("128 frames"), std::string::npos);
}

TEST(HostileInputTest, ChannelNumbersOutsideTheFrameAreNotTrusted) {
    CMferWriter w;
    w.Channels(1)
        .Sequences(1)
        .ChannelBlock(0x85, [](CMferWriter& c) { c.LeadCode(7); })
        .ChannelBlock(100, [](CMferWriter& c) { c.LeadCode(8); })
        .Waveform16({42});
    int nResult = -1;
    auto pFile = DecodeImage(w.Bytes(), &nResult);
    ASSERT_EQ(nResult, 1);
    EXPECT_EQ(pFile->GetFrameChannelAttributes(0, 0)->m_wLeadCode, 0);
    EXPECT_EQ(pFile->GetChannelAttributes(100), nullptr);
    EXPECT_EQ(pFile->GetSamples(1, 8), nullptr);
    EXPECT_EQ(ChannelSamples(*pFile, 0, 0), (Samples{42}));
    EXPECT_EQ(pFile->GetFrameSamples(0, 0, -1), nullptr);
}

TEST(HostileInputTest, ChannelBlocksStatedBeforeTheirCountApply) {
    CMferWriter w;
    w.ChannelBlock(1, [](CMferWriter& c) { c.LeadCode(2); }).Channels(2).Sequences(1).Waveform16({5, 6});
    auto pFile = DecodeImage(w.Bytes());
    EXPECT_EQ(pFile->GetFrameChannelAttributes(0, 1)->m_wLeadCode, 2);
    EXPECT_EQ(ChannelSamples(*pFile, 0, 1), (Samples{6}));
}

struct CountCase {
    const char* m_pszName;
    uint32_t nBlockLength;
    uint32_t nSequences;
    Samples expected;
};

class HugeCountTest : public testing::TestWithParam<CountCase> {};

TEST_P(HugeCountTest, ArraysNeverOutgrowTheirData) {
    const CountCase& c = GetParam();
    CMferWriter w;
    w.BlockLength(c.nBlockLength).Sequences(c.nSequences).Waveform16({1, 2, 3, 4});
    int nResult = -1;
    auto pFile = DecodeImage(w.Bytes(), &nResult);
    EXPECT_EQ(nResult, 1);
    EXPECT_EQ(ChannelSamples(*pFile, 0, 0), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Counts, HugeCountTest,
                         testing::Values(CountCase{"HugeSequenceCount", 1, 0x7FFFFFFF, {1, 2, 3, 4}},
                                         CountCase{"SequencesBeyond32Bits", 1, 0xFFFFFFFF, {1, 2, 3, 4}},
                                         CountCase{"HugeBlockLength", 0x7FFFFFFF, 1, {}},
                                         CountCase{"NegativeBlockLength", 0xFFFFFFFF, 1, {}},
                                         CountCase{"BlocksLongerThanTheData", 3, 0, {1, 2, 3}}),
                         TestCaseName());

TEST(HostileInputTest, ExtraBlocksOfAShorterChannelAreNotStored) {
    CMferWriter w;
    w.Channels(2).Sequences(3).ChannelBlock(0, [](CMferWriter& c) { c.Sequences(1); });
    w.Waveform16({1, 10, 2, 20, 3, 30});
    auto pFile = DecodeImage(w.Bytes());
    EXPECT_EQ(ChannelSamples(*pFile, 0, 0), (Samples{1}));
    EXPECT_EQ(ChannelSamples(*pFile, 0, 1), (Samples{10, 20, 30}));
}

TEST(HostileInputTest, DegenerateFramesDecodeWithoutSamples) {
    int nResult = -1;
    auto noChannels = DecodeImage(CMferWriter().Channels(0).Waveform16({1, 2}).Bytes(), &nResult);
    EXPECT_EQ(nResult, 1);
    EXPECT_EQ(noChannels->GetFrameSamples(0, 0, 0), nullptr);
    auto zeroInterval = DecodeImage(CMferWriter()
                                        .SamplingInterval(1, -7, 5)
                                        .ChannelBlock(0, [](CMferWriter& c) { c.SamplingRateHz(100); })
                                        .Waveform16({1})
                                        .Bytes(),
                                    &nResult);
    EXPECT_EQ(nResult, 1);
    EXPECT_EQ(zeroInterval->GetFrameAttributes(0)->m_nSamplingInterval, 0);
    auto unknownEncoding =
        DecodeImage(CMferWriter().Encoding(7).Sequences(1000000).Waveform16({1, 2}).Bytes(), &nResult);
    EXPECT_EQ(nResult, 1);
    EXPECT_EQ(ChannelSamples(*unknownEncoding, 0, 0), (Samples{0, 0, 0, 0}));
}

} // namespace

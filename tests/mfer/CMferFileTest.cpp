#include "MferTestHelpers.h"

#include "TestCaseName.h"

#include <gtest/gtest.h>

namespace {

using Samples = std::vector<int16_t>;

TEST(FrameDecodeTest, InterleavesOneSampleBlocks) {
    CMferWriter w;
    w.Channels(2).Sequences(3).Waveform16({10, 20, 11, 21, 12, 22});
    int nResult = 0;
    auto pFile = DecodeImage(w.Bytes(), &nResult);
    ASSERT_EQ(nResult, 1);
    EXPECT_EQ(ChannelSamples(*pFile, 0, 0), (Samples{10, 11, 12}));
    EXPECT_EQ(ChannelSamples(*pFile, 0, 1), (Samples{20, 21, 22}));
}

TEST(FrameDecodeTest, InterleavesBlocksOfTwo) {
    CMferWriter w;
    w.Channels(2).BlockLength(2).Sequences(2).Waveform16({1, 2, 101, 102, 3, 4, 103, 104});
    auto pFile = DecodeImage(w.Bytes());
    EXPECT_EQ(ChannelSamples(*pFile, 0, 0), (Samples{1, 2, 3, 4}));
    EXPECT_EQ(ChannelSamples(*pFile, 0, 1), (Samples{101, 102, 103, 104}));
}

TEST(FrameDecodeTest, WordsFollowTheByteOrder) {
    auto bigEndian = DecodeImage(CMferWriter().WaveformBytes({0x01, 0x00, 0xFF, 0xFE}).Bytes());
    EXPECT_EQ(ChannelSamples(*bigEndian, 0, 0), (Samples{256, -2}));
    auto littleEndian =
        DecodeImage(CMferWriter().ByteOrder(true).WaveformBytes({0x01, 0x00, 0xFF, 0xFE}).Bytes());
    EXPECT_EQ(ChannelSamples(*littleEndian, 0, 0), (Samples{1, -257}));
}

TEST(FrameDecodeTest, EightBitDifferencesRunAcrossBlocks) {
    CMferWriter w;
    w.Encoding(1).BlockLength(3).Sequences(2).WaveformBytes({0x05, 0xFF, 0x02, 0x01, 0x80, 0x7F});
    auto pFile = DecodeImage(w.Bytes());
    EXPECT_EQ(ChannelSamples(*pFile, 0, 0), (Samples{5, 4, 6, 7, -121, 6}));
}

TEST(FrameDecodeTest, SequenceCountDerivedFromDataLength) {
    CMferWriter w;
    w.Channels(2).Waveform16(Samples(500, 7));
    auto pFile = DecodeImage(w.Bytes());
    EXPECT_EQ(pFile->GetFrameAttributes(0)->m_nSequences, 250);
    EXPECT_EQ(ChannelSamples(*pFile, 0, 1).size(), 250u);
}

TEST(FrameDecodeTest, SamplesByLeadCode) {
    CMferWriter w;
    w.Channels(2)
        .Sequences(1)
        .ChannelBlock(0, [](CMferWriter& c) { c.LeadCode(2); })
        .ChannelBlock(1, [](CMferWriter& c) { c.LeadCode(62); })
        .Waveform16({7, 8});
    auto pFile = DecodeImage(w.Bytes());
    ASSERT_NE(pFile->GetSamples(1, 62), nullptr);
    EXPECT_EQ(pFile->GetSamples(1, 62)[0], 8);
    EXPECT_EQ(pFile->GetSamples(1, 5), nullptr);
    EXPECT_EQ(pFile->GetSamples(0, 2), nullptr);
}

TEST(FrameDecodeTest, ChannelsWithoutBlocksTakeTheFrameSet) {
    CMferWriter w;
    w.Channels(2).Sequences(1).SamplingRateHz(250).Resolution(0, -6, 5).Waveform16({1, 2});
    auto pFile = DecodeImage(w.Bytes());
    EXPECT_EQ(pFile->GetFrameChannelAttributes(0, 1)->m_nSamplingInterval, 4000);
    EXPECT_EQ(pFile->GetFrameChannelAttributes(0, 1)->m_nResolution, 5000);
    EXPECT_EQ(pFile->GetFrameChannelAttributes(0, 2), nullptr);
}

TEST(FrameDecodeTest, EventsKeepFileOrder) {
    CMferWriter w;
    w.Event(136, 10).Event(860, 20).Event(920, 30).Waveform16({0});
    auto pFile = DecodeImage(w.Bytes());
    std::vector<std::pair<int16_t, int32_t>> events;
    for (const MferEvent* e = pFile->GetFrameAttributes(0)->m_pFirstEvent; e; e = e->pNext)
        events.emplace_back(e->wCode, e->nPosition);
    EXPECT_EQ(events, (std::vector<std::pair<int16_t, int32_t>>{{136, 10}, {860, 20}, {920, 30}}));
}

TEST(FrameDecodeTest, EventsBeyondThePoolAreDropped) {
    CMferWriter w;
    for (int i = 0; i < MFER_EVENT_POOL_RECORDS + 2; ++i)
        w.Event(136, static_cast<uint32_t>(i));
    w.Waveform16({0});
    auto pFile = DecodeImage(w.Bytes());
    int nCount = 0;
    int32_t nLast = -1;
    for (const MferEvent* e = pFile->GetFrameAttributes(0)->m_pFirstEvent; e; e = e->pNext, ++nCount)
        nLast = e->nPosition;
    EXPECT_EQ(nCount, MFER_EVENT_POOL_RECORDS);
    EXPECT_EQ(nLast, MFER_EVENT_POOL_RECORDS - 1);
}

TEST(FileDecodeTest, SecondFrameInheritsTheFirstFramesSet) {
    CMferWriter w;
    w.WaveformType(1).Channels(1).SamplingRateHz(500).Sequences(2).Waveform16({1, 2});
    w.Sequences(1).Waveform16({3});
    int nResult = 0;
    auto pFile = DecodeImage(w.Bytes(), &nResult);
    ASSERT_EQ(nResult, 1);
    ASSERT_EQ(pFile->GetFrameCount(), 2);
    EXPECT_EQ(pFile->GetFrameAttributes(1)->m_wWaveformType, 1);
    EXPECT_EQ(pFile->GetFrameAttributes(1)->m_nSamplingInterval, 2000);
    EXPECT_EQ(pFile->GetFrameAttributes(1)->m_nSequences, 1);
    EXPECT_EQ(ChannelSamples(*pFile, 1, 0), (Samples{3}));
    // Each frame keeps its own events; the next frame starts with none.
    EXPECT_EQ(pFile->GetFrameAttributes(1)->m_pFirstEvent, nullptr);
}

TEST(FileDecodeTest, WaveformTypeBeyondTheLastFrameIsTheFileLevelOne) {
    CMferWriter w;
    w.WaveformType(1).Waveform16({1}).WaveformType(2).Waveform16({2});
    auto pFile = DecodeImage(w.Bytes());
    EXPECT_EQ(pFile->GetWaveformType(5), 2);
    EXPECT_EQ(pFile->GetWaveformType(0), 1);
    EXPECT_EQ(pFile->GetRootAttributes()->m_wWaveformType, 2);
}

TEST(FileDecodeTest, EventsAfterTheWaveformFormAFrameWithoutSamples) {
    CMferWriter w;
    w.Waveform16({1, 2}).Event(136, 1);
    int nResult = 0;
    auto pFile = DecodeImage(w.Bytes(), &nResult);
    ASSERT_EQ(nResult, 1);
    ASSERT_EQ(pFile->GetFrameCount(), 2);
    EXPECT_NE(pFile->GetFrameAttributes(1)->m_pFirstEvent, nullptr);
    EXPECT_EQ(pFile->GetFrameSamples(1, 0, 0), nullptr);
}

TEST(FileDecodeTest, EmptyImageHasNoFrames) {
    int nResult = 0;
    auto pFile = DecodeImage({}, &nResult);
    EXPECT_EQ(nResult, 1);
    EXPECT_EQ(pFile->GetFrameCount(), 0);
    EXPECT_EQ(pFile->GetFrameAttributes(0), nullptr);
}

struct ClosingCase {
    const char* m_pszName;
    std::vector<uint8_t> tail;
    int nResult;
    int nFrames;
};

class ClosingBytesTest : public testing::TestWithParam<ClosingCase> {};

TEST_P(ClosingBytesTest, EndTheRecordingOnlyWhenExact) {
    CMferWriter w;
    w.Waveform16({1, 2}).Raw(GetParam().tail);
    int nResult = -1;
    auto pFile = DecodeImage(w.Bytes(), &nResult);
    EXPECT_EQ(nResult, GetParam().nResult);
    EXPECT_EQ(pFile->GetFrameCount(), GetParam().nFrames);
}

INSTANTIATE_TEST_SUITE_P(Tails, ClosingBytesTest,
                         testing::Values(ClosingCase{"EndOfContents", {0x80}, 1, 1},
                                         ClosingCase{"EndOfContentsAndZero", {0x80, 0x00}, 1, 1},
                                         ClosingCase{"EndMark", {0xFF, 0x01, 0x00}, 1, 1},
                                         ClosingCase{"ZeroLengthItem", {0x80, 0x00, 0x00}, 0, 2},
                                         ClosingCase{"EndMarkThenMore", {0xFF, 0x01, 0x00, 0x00}, 0, 2}),
                         TestCaseName());

TEST(FileDecodeTest, LoneClosingByteIsNotARecording) {
    int nResult = -1;
    auto pFile = DecodeImage({0x80}, &nResult);
    EXPECT_EQ(nResult, 0);
}

TEST(FileDecodeTest, ZeroLengthItemFailsWithItsOffset) {
    CMferWriter w;
    w.Channels(1).Raw({0x80, 0x00}).Waveform16({1});
    int nResult = -1;
    auto pFile = DecodeImage(w.Bytes(), &nResult);
    EXPECT_EQ(nResult, 0);
    EXPECT_EQ(pFile->GetFailureOffset(), 6u);
    EXPECT_NE(pFile->GetFailureReason().find("malformed"), std::string::npos);
}

TEST(FileDecodeTest, EndMarkInsideTheImageFails) {
    CMferWriter w;
    w.Channels(1).EndMark().Waveform16({1});
    int nResult = -1;
    auto pFile = DecodeImage(w.Bytes(), &nResult);
    EXPECT_EQ(nResult, 0);
    EXPECT_EQ(pFile->GetFrameCount(), 2);
    EXPECT_EQ(pFile->GetFailureOffset(), 6u);
}

TEST(FileDecodeTest, LoadReplacesThePreviousRecording) {
    CMferFile file;
    const std::vector<uint8_t> first = CMferWriter().Waveform16({1}).Waveform16({2}).Bytes();
    const std::vector<uint8_t> second = CMferWriter().WaveformType(40).Waveform16({3}).Bytes();
    file.Load(first.data(), static_cast<uint32_t>(first.size()));
    ASSERT_EQ(file.Decode(), 1);
    file.Load(second.data(), static_cast<uint32_t>(second.size()));
    ASSERT_EQ(file.Decode(), 1);
    EXPECT_EQ(file.GetFrameCount(), 1);
    EXPECT_EQ(file.GetWaveformType(0), 40);
    EXPECT_EQ(file.GetFrameSamples(0, 0, 0)[0], 3);
}

// Bedside monitors give each channel its own block of lead code, one-byte data type, block
// length, sampling interval and resolution; every channel must get its whole duration.
TEST(FileDecodeTest, ChannelsAtTheirOwnRatesKeepTheirWholeDuration) {
    const int nSeconds = 4;
    Samples ecg(static_cast<size_t>(nSeconds) * 500), pressure(static_cast<size_t>(nSeconds) * 125);
    for (size_t i = 0; i < ecg.size(); ++i)
        ecg[i] = static_cast<int16_t>(i);
    for (size_t i = 0; i < pressure.size(); ++i)
        pressure[i] = static_cast<int16_t>(-static_cast<int>(i));
    CMferWriter w;
    w.WaveformType(20).Channels(2).Sequences(nSeconds);
    w.ChannelBlock(0, [](CMferWriter& c) {
        c.UInt(9, 2, 1).DataType(0).BlockLength(500).SamplingRateHz(500).Resolution(0, -6, 1);
    });
    w.ChannelBlock(1, [](CMferWriter& c) {
        c.UInt(9, 143, 1).DataType(0).BlockLength(125).SamplingRateHz(125).Resolution(0, -2, 1);
    });
    w.Waveform16Interleaved({&ecg, &pressure}, {500, 125});
    int nResult = 0;
    auto pFile = DecodeImage(w.Bytes(), &nResult);
    ASSERT_EQ(nResult, 1);
    EXPECT_EQ(ChannelSamples(*pFile, 0, 0), ecg);
    EXPECT_EQ(ChannelSamples(*pFile, 0, 1), pressure);
    EXPECT_EQ(pFile->GetFrameChannelAttributes(0, 0)->m_nSamplingInterval, 2000);
    EXPECT_EQ(pFile->GetFrameChannelAttributes(0, 1)->m_nSamplingInterval, 8000);
    EXPECT_EQ(pFile->GetFrameChannelAttributes(0, 1)->m_wLeadCode, 143);
    // The frame's own values (block length 1 at 1000 µs) stretch to the four seconds.
    EXPECT_EQ(pFile->GetFrameAttributes(0)->m_nSequences, nSeconds * 1000);
}

TEST(FileDecodeTest, UnstatedLengthBlockAndLongFormWaveform) {
    Samples data(300);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<int16_t>(i * 3);
    CMferWriter w;
    w.ChannelBlockUnstated(0, [](CMferWriter& c) { c.LeadCode(3).SamplingRateHz(1000); }).Waveform16(data);
    int nResult = 0;
    auto pFile = DecodeImage(w.Bytes(), &nResult);
    ASSERT_EQ(nResult, 1);
    EXPECT_EQ(pFile->GetFrameChannelAttributes(0, 0)->m_wLeadCode, 3);
    EXPECT_EQ(ChannelSamples(*pFile, 0, 0), data);
}

} // namespace

#pragma once

#include "CMferWriter.h"
#include "CViewHarness.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

// Recordings for the 12-lead sheet's tests: one block per channel, 1 ms and 1250 nV per unit unless
// stated, so that 800 units are 1 mV and 4 px/mm shows 10 samples per pixel.
namespace ecg12test {

constexpr uint16_t kLeadI = 1;
constexpr uint16_t kLeadII = 2;
constexpr uint16_t kLeadIII = 61;
constexpr uint16_t kLeadAVR = 62;
constexpr uint16_t kLeadAVF = 64;
constexpr uint16_t kLeadV1 = 3;
constexpr int kSamples = 10000;
constexpr int16_t kOneMillivolt = 800;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(200, 0, 0);
constexpr COLORREF kFine = RGB(255, 220, 128);
constexpr COLORREF kCoarse = RGB(255, 192, 96);
constexpr COLORREF kDarkGrey = RGB(96, 96, 96);
constexpr COLORREF kMidGrey = RGB(128, 128, 128);

struct SLead {
    uint16_t wCode;
    std::vector<int16_t> anSamples;
};

inline std::vector<int16_t> Signal(int nCount, const std::function<int16_t(int)>& fnValue) {
    std::vector<int16_t> an(static_cast<size_t>(nCount));
    for (int i = 0; i < nCount; ++i)
        an[static_cast<size_t>(i)] = fnValue(i);
    return an;
}

inline std::vector<int16_t> Flat(int16_t nValue, int nCount = kSamples) {
    return std::vector<int16_t>(static_cast<size_t>(nCount), nValue);
}

inline std::vector<SLead> Leads(const std::vector<uint16_t>& awCodes, const std::vector<int16_t>& anSamples) {
    std::vector<SLead> leads;
    for (uint16_t wCode : awCodes)
        leads.push_back({wCode, anSamples});
    return leads;
}

inline const std::vector<uint16_t> kTwelveLeads = {1, 2, 61, 62, 63, 64, 3, 4, 5, 6, 7, 8};
inline const std::vector<uint16_t> kIandIIWithChest = {1, 2, 3, 4, 5, 6, 7, 8};

inline CMferWriter BuildEcg(const std::vector<SLead>& leads, uint32_t nIntervalUs = 1000,
                            uint32_t nResolutionNv = 1250) {
    constexpr uint8_t kUnitSecond = 1;
    constexpr uint8_t kUnitVolt = 0;
    const auto nBlock = static_cast<uint32_t>(leads.front().anSamples.size());
    CMferWriter writer;
    writer.WaveformType(1)
        .Channels(static_cast<uint32_t>(leads.size()))
        .BlockLength(nBlock)
        .Sequences(1)
        .SamplingInterval(kUnitSecond, -6, nIntervalUs, 4)
        .Resolution(kUnitVolt, -9, nResolutionNv, 4);
    std::vector<const std::vector<int16_t>*> apSamples;
    for (size_t c = 0; c < leads.size(); ++c) {
        writer.ChannelBlock(static_cast<uint8_t>(c),
                            [&](CMferWriter& block) { block.LeadCode(leads[c].wCode); });
        apSamples.push_back(&leads[c].anSamples);
    }
    writer.Waveform16Interleaved(apSamples, static_cast<int>(nBlock));
    return writer;
}

// Opens the recording in the layout given with a red trace colour, and paints it.
inline void OpenAndPaint(CViewHarness& harness, const CMferWriter& writer, int nLayout) {
    harness.Profile().WriteProfileInt("ECG12", "WaveColor", static_cast<int>(kRed));
    ASSERT_TRUE(harness.Open(writer));
    harness.Settings().m_nLayout = nLayout;
    harness.Paint();
}

// Pixels per millimetre at the standard time scale, and millimetres in pixels.
constexpr int kPx = 4;
constexpr int Mm(int nMm) {
    return nMm * kPx;
}
constexpr int Baseline(int nRow) {
    return Mm(5 + 20 * (nRow + 1));
}

} // namespace ecg12test

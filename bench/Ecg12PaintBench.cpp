// Painting speed of the 12-lead sheet into a 1920 x 1080 client: a 10-second resting ECG in each
// layout, normal and smooth, with and without the 30 Hz filter, and a 24-hour recording at several
// scroll positions, where the cost must follow the visible part rather than the length.
#include "platform/CRasterDC.h"

#include "CBenchView.h"
#include "CMferWriter.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr CSize g_sizeClient(1920, 1080);
const std::vector<uint16_t> g_awTwelveLeads = {1, 2, 61, 62, 63, 64, 3, 4, 5, 6, 7, 8};
const std::vector<uint16_t> g_awThreeLeads = {1, 2, 3};
const std::vector<uint16_t> g_awLimbPair = {1, 2};

// A beat a second: a sharp R wave, a T wave and some noise-like ripple, different per lead.
std::vector<int16_t> MakeLead(size_t nSamples, int nRateHz, size_t nLead) {
    std::vector<int16_t> an(nSamples);
    for (size_t i = 0; i < nSamples; ++i) {
        const double t = static_cast<double>(i) / nRateHz;
        const double dBeat = std::fmod(t, 1.0);
        const double dR = 1000 * std::exp(-std::pow((dBeat - 0.3) / 0.012, 2));
        const double dT = 250 * std::exp(-std::pow((dBeat - 0.6) / 0.05, 2));
        const double dRipple = 15 * std::sin(2 * 3.14159 * 50 * t + static_cast<double>(nLead));
        an[i] = static_cast<int16_t>((nLead % 3 == 2 ? -1 : 1) * (dR + dT) + dRipple);
    }
    return an;
}

CMferWriter MakeRecording(const std::vector<uint16_t>& awLeads, int nRateHz, int nSeconds) {
    const size_t nSamples = static_cast<size_t>(nRateHz) * static_cast<size_t>(nSeconds);
    std::vector<std::vector<int16_t>> channels;
    for (size_t c = 0; c < awLeads.size(); ++c)
        channels.push_back(MakeLead(nSamples, nRateHz, c));
    std::vector<const std::vector<int16_t>*> apChannels;
    for (const auto& channel : channels)
        apChannels.push_back(&channel);
    CMferWriter w;
    w.WaveformType(1).Channels(static_cast<uint32_t>(awLeads.size())).BlockLength(1);
    w.Sequences(static_cast<uint32_t>(nSamples)).SamplingRateHz(static_cast<uint32_t>(nRateHz));
    w.Resolution(0, -9, 1250, 4);
    for (size_t c = 0; c < awLeads.size(); ++c)
        w.ChannelBlock(static_cast<uint8_t>(c), [&](CMferWriter& block) { block.LeadCode(awLeads[c]); });
    w.Waveform16Interleaved(apChannels, 1);
    return w;
}

CBenchView& RestingTwelveLeads() {
    static CBenchView view(MakeRecording(g_awTwelveLeads, 1000, 10), "ecg12-resting", g_sizeClient);
    return view;
}

CBenchView& RestingThreeLeads() {
    static CBenchView view(MakeRecording(g_awThreeLeads, 1000, 10), "ecg12-three", g_sizeClient);
    return view;
}

CBenchView& DayLongLimbPair() {
    static CBenchView view(MakeRecording(g_awLimbPair, 250, 24 * 3600), "ecg12-day", g_sizeClient);
    return view;
}

// Paints at a scroll position given in per mille of the scrollable width (or height).
void Paint(benchmark::State& state, CBenchView& recording, int nPerMille, bool bVertical) {
    if (!recording.IsOpen()) {
        state.SkipWithError("the recording did not open");
        return;
    }
    QImage image = CRasterDC::CreateImage(g_sizeClient, RGB(255, 255, 255));
    CRasterDC dc(image);
    recording.View().OnDraw(&dc);
    const CRect& rcExtent = recording.View().GetExtent();
    const int nScrollable = bVertical ? rcExtent.bottom - g_sizeClient.cy : rcExtent.right - g_sizeClient.cx;
    const auto nPos = static_cast<int>(static_cast<int64_t>(std::max(0, nScrollable)) * nPerMille / 1000);
    dc.SetWindowOrg(bVertical ? CPoint(0, nPos) : CPoint(nPos, 0));
    for (auto _ : state) {
        recording.View().OnDraw(&dc);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// Args: layout, smooth display, filter.
void BM_RestingSheet(benchmark::State& state) {
    const int nLayout = static_cast<int>(state.range(0));
    CBenchView& recording = nLayout == 3 ? RestingThreeLeads() : RestingTwelveLeads();
    ViewSettings* pSettings = recording.View().GetSettings();
    pSettings->m_nLayout = nLayout;
    pSettings->m_bSmooth = static_cast<int32_t>(state.range(1));
    pSettings->m_nFilter = static_cast<int32_t>(state.range(2));
    Paint(state, recording, 0, false);
}

// Args: layout, scroll position in per mille.
void BM_DayLongSheet(benchmark::State& state) {
    CBenchView& recording = DayLongLimbPair();
    const int nLayout = static_cast<int>(state.range(0));
    recording.View().GetSettings()->m_nLayout = nLayout;
    recording.View().GetSettings()->m_nFilter = 1;
    Paint(state, recording, static_cast<int>(state.range(1)), nLayout == 3);
}

} // namespace

BENCHMARK(BM_RestingSheet)
    ->ArgNames({"layout", "smooth", "filter"})
    ->Args({0, 0, 0})
    ->Args({0, 1, 0})
    ->Args({1, 0, 0})
    ->Args({1, 1, 0})
    ->Args({2, 0, 0})
    ->Args({2, 1, 0})
    ->Args({3, 0, 0})
    ->Args({3, 1, 0})
    ->Args({0, 0, 1})
    ->Args({1, 0, 1})
    ->Args({1, 1, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DayLongSheet)
    ->ArgNames({"layout", "scroll"})
    ->Args({0, 0})
    ->Args({0, 500})
    ->Args({0, 1000})
    ->Args({3, 0})
    ->Args({3, 500})
    ->Args({3, 1000})
    ->Unit(benchmark::kMillisecond);

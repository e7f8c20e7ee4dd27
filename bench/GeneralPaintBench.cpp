// Painting speed of the universal and type-30 displays on 24-hour recordings: a 1920 x 1080
// client at several scroll positions. The cost must follow the visible width, not the length.

#include "CBenchView.h"
#include "CMferWriter.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

constexpr int g_nRateHz = 250;
constexpr int g_nSeconds = 24 * 3600;
constexpr CSize g_sizeClient(1920, 1080);
constexpr uint16_t g_wUniversalType = 50;
constexpr uint16_t g_wType30 = 30;

// Two channels, 16-bit, block length 1: an ECG-like lead and a second channel of the given code.
CMferWriter MakeDayLongRecording(uint16_t wWaveformType, uint16_t wSecondLead) {
    const size_t nSamples = static_cast<size_t>(g_nRateHz) * g_nSeconds;
    std::vector<int16_t> anFirst(nSamples);
    std::vector<int16_t> anSecond(nSamples);
    for (size_t i = 0; i < nSamples; ++i) {
        const double t = static_cast<double>(i) / g_nRateHz;
        anFirst[i] = static_cast<int16_t>(800 * std::pow(std::sin(3.0 * t), 15.0));
        anSecond[i] = static_cast<int16_t>(300 * std::sin(40.0 * t) * std::sin(0.5 * t));
    }
    CMferWriter w;
    w.WaveformType(wWaveformType).Channels(2).BlockLength(1).Sequences(static_cast<uint32_t>(nSamples));
    w.SamplingRateHz(g_nRateHz).Resolution(0, -9, 1250, 4);
    w.ChannelBlock(0, [](CMferWriter& block) { block.LeadCode(2); });
    w.ChannelBlock(1, [&](CMferWriter& block) { block.LeadCode(wSecondLead); });
    w.Waveform16Interleaved({&anFirst, &anSecond}, 1);
    return w;
}

// state.range(0): scroll position in per mille of the scrollable width.
void PaintAt(benchmark::State& state, CBenchView& recording) {
    recording.PaintEachIteration(state, state.range(0));
}

void BM_UniversalDayLong(benchmark::State& state) {
    static CBenchView recording(MakeDayLongRecording(g_wUniversalType, 0), "universal", g_sizeClient);
    PaintAt(state, recording);
}

void BM_Type30DayLong(benchmark::State& state) {
    static CBenchView recording(MakeDayLongRecording(g_wType30, 513), "type30", g_sizeClient);
    PaintAt(state, recording);
}

} // namespace

BENCHMARK(BM_UniversalDayLong)->Arg(0)->Arg(250)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Type30DayLong)->Arg(0)->Arg(250)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond);

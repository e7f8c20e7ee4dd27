// Painting speed of the EEG display (sixteen derivation rows and an ECG row) and the blood-pressure
// display (ECG leads at 250 Hz and arterial pressure at 125 Hz) on 24-hour recordings: a 1920 x 1080
// client at several scroll positions. The cost must follow the visible width, not the length.

#include "CBenchView.h"
#include "CMferWriter.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr int g_nSeconds = 24 * 3600;
constexpr CSize g_sizeClient(1920, 1080);
constexpr double g_dTwoPi = 6.283185307179586;

constexpr uint16_t g_wEeg = 40;
constexpr int g_nEegRateHz = 128;
constexpr uint16_t g_wElectrode = 0x4000;
// The built-in montage's sixteen electrodes and the two ear references.
constexpr uint16_t g_anElectrodes[] = {12, 13, 28, 29, 32, 33, 36, 37, 24,
                                       25, 52, 53, 56, 57, 60, 61, 74, 75};

constexpr uint16_t g_wBloodPressure = 20;
constexpr int g_nEcgRateHz = 250;
constexpr int g_nPressureRateHz = 125;
constexpr int g_nBlocksPerSecond = 5;

std::vector<int16_t> Wave(int nRateHz, double dAmplitude, double dHz, double dPhase) {
    std::vector<int16_t> anSamples(static_cast<size_t>(nRateHz) * g_nSeconds);
    for (size_t i = 0; i < anSamples.size(); ++i) {
        const double t = static_cast<double>(i) / nRateHz;
        anSamples[i] = static_cast<int16_t>(dAmplitude * std::sin(g_dTwoPi * dHz * t + dPhase) *
                                            (1.0 + 0.3 * std::sin(0.7 * t)));
    }
    return anSamples;
}

// Beat-like spikes at 72 per minute.
std::vector<int16_t> Ecg(int nRateHz, double dAmplitude) {
    std::vector<int16_t> anSamples(static_cast<size_t>(nRateHz) * g_nSeconds);
    for (size_t i = 0; i < anSamples.size(); ++i)
        anSamples[i] = static_cast<int16_t>(
            dAmplitude * std::pow(std::sin(1.2 * g_dTwoPi * static_cast<double>(i) / nRateHz / 2.0), 20.0));
    return anSamples;
}

CMferWriter MakeDayLongEeg() {
    // Three background rhythms shared among the electrodes keep the image small and the rows busy.
    static const std::vector<int16_t> s_aWaves[] = {Wave(g_nEegRateHz, 400, 10.0, 0.0),
                                                    Wave(g_nEegRateHz, 300, 6.0, 1.0),
                                                    Wave(g_nEegRateHz, 250, 18.0, 2.0)};
    static const std::vector<int16_t> s_anEcg = Ecg(g_nEegRateHz, 1000);
    CMferWriter w;
    const auto nChannels = static_cast<uint32_t>(std::size(g_anElectrodes) + 1);
    w.WaveformType(g_wEeg).Channels(nChannels).BlockLength(g_nEegRateHz).Sequences(g_nSeconds);
    w.SamplingRateHz(g_nEegRateHz).Resolution(0, -9, 100, 4);
    std::vector<const std::vector<int16_t>*> apChannels;
    for (size_t c = 0; c < std::size(g_anElectrodes); ++c) {
        w.ChannelBlock(static_cast<uint8_t>(c), [&](CMferWriter& block) {
            block.LeadCode(static_cast<uint16_t>(g_wElectrode | g_anElectrodes[c]));
        });
        apChannels.push_back(&s_aWaves[c % std::size(s_aWaves)]);
    }
    w.ChannelBlock(static_cast<uint8_t>(nChannels - 1),
                   [](CMferWriter& block) { block.LeadCode(1).Resolution(0, -9, 1000, 4); });
    apChannels.push_back(&s_anEcg);
    w.Waveform16Interleaved(apChannels, g_nEegRateHz);
    return w;
}

CMferWriter MakeDayLongBloodPressure() {
    static const std::vector<int16_t> s_anEcg = Ecg(g_nEcgRateHz, 400);
    static const std::vector<int16_t> s_anPressure = Wave(g_nPressureRateHz, 150, 1.2, 0.0);
    constexpr int nEcgBlock = g_nEcgRateHz / g_nBlocksPerSecond;
    constexpr int nPressureBlock = g_nPressureRateHz / g_nBlocksPerSecond;
    CMferWriter w;
    w.WaveformType(g_wBloodPressure)
        .Channels(4)
        .BlockLength(nEcgBlock)
        .Sequences(g_nSeconds * g_nBlocksPerSecond);
    w.SamplingRateHz(g_nEcgRateHz).Resolution(0, -9, 2500, 4);
    const uint16_t anLeads[] = {2, 3, 7};
    for (uint8_t c = 0; c < 3; ++c)
        w.ChannelBlock(c, [&](CMferWriter& block) { block.LeadCode(anLeads[c]); });
    w.ChannelBlock(3, [](CMferWriter& block) {
        block.LeadCode(143)
            .BlockLength(nPressureBlock)
            .SamplingRateHz(g_nPressureRateHz)
            .Resolution(1, -3, 125, 4);
    });
    w.Waveform16Interleaved({&s_anEcg, &s_anEcg, &s_anEcg, &s_anPressure},
                            {nEcgBlock, nEcgBlock, nEcgBlock, nPressureBlock});
    return w;
}

// state.range(0): scroll position in per mille of the scrollable width; state.range(1): smooth display.
void PaintAt(benchmark::State& state, CBenchView& recording) {
    recording.View().GetSettings()->m_bSmooth = static_cast<int32_t>(state.range(1));
    recording.PaintEachIteration(state, state.range(0));
}

void BM_EegDayLong(benchmark::State& state) {
    static CBenchView recording(MakeDayLongEeg(), "eeg", g_sizeClient);
    PaintAt(state, recording);
}

void BM_BloodPressureDayLong(benchmark::State& state) {
    static CBenchView recording(MakeDayLongBloodPressure(), "bp", g_sizeClient);
    PaintAt(state, recording);
}

} // namespace

BENCHMARK(BM_EegDayLong)
    ->ArgsProduct({{0, 250, 500, 1000}, {0, 1}})
    ->ArgNames({"permille", "smooth"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BloodPressureDayLong)
    ->ArgsProduct({{0, 250, 500, 1000}, {0}})
    ->ArgNames({"permille", "smooth"})
    ->Unit(benchmark::kMillisecond);

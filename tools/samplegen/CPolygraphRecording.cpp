#include "CPolygraphRecording.h"

#include "CEcgLeadModel.h"
#include "CPulseModel.h"
#include "CRhythm.h"
#include "CSampleRandom.h"
#include "CSignal.h"
#include "MferCodes.h"
#include "SRecordingInfo.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kSeconds = 60.0;
constexpr uint64_t kSeed = 5050;
constexpr int8_t kMicrovoltExponent = -6;
constexpr int8_t kEcgResolutionExponent = -7;
constexpr uint32_t kEcgResolutionMantissa = 25;
constexpr double kEcgMicrovoltsPerUnit = 2.5;

constexpr double kBreathPeriod = 4.3;
constexpr double kApnoeaFrom = 33.0;
constexpr double kApnoeaUntil = 45.0;
constexpr double kRecoveryDepth = 1.6; // the first breaths after the pause are deeper
constexpr double kBreathMicrovolts = 650.0;
constexpr double kFlowScale = 0.8; // flow per unit of volume change per second
constexpr double kPlethLow = -500.0;
constexpr double kPlethHigh = 700.0;

constexpr SChannelFormat g_ecgFormat{250, kEcgResolutionExponent, kEcgResolutionMantissa,
                                     kEcgMicrovoltsPerUnit};
constexpr SChannelFormat g_respirationFormat{25, kMicrovoltExponent, 1, 1.0};
constexpr SChannelFormat g_plethFormat{100, kMicrovoltExponent, 1, 1.0};

// Finger plethysmogram: the pulse arrives about a quarter second after the R peak, with a dicrotic shoulder.
const CPulseModel g_plethPulse({{0.34, 1.00, 0.070, 0.160}, {0.62, 0.25, 0.050, 0.100}});

// Each breath inflates the chest to a peak 40 % into its cycle and lets it fall back more slowly.
CSignal ChestVolume() {
    CSignal volume(g_respirationFormat.nRateHz, kSeconds);
    bool bAfterPause = false;
    for (double t = 0.3 * kBreathPeriod; t < kSeconds + kBreathPeriod; t += kBreathPeriod) {
        if (t > kApnoeaFrom && t < kApnoeaUntil) {
            bAfterPause = true;
            continue;
        }
        const double dDepth = bAfterPause ? kRecoveryDepth : 1.0;
        bAfterPause = false;
        volume.AddBump(t, dDepth * kBreathMicrovolts, 0.40 * kBreathPeriod / 2.5, 0.60 * kBreathPeriod / 2.5);
    }
    return volume;
}

CSignal AirFlow(const CSignal& volume) {
    CSignal flow(volume.Rate(), kSeconds);
    const std::vector<double>& adVolume = volume.Values();
    flow.Add([&](double t) {
        const auto i = static_cast<size_t>(std::lround(t * volume.Rate()));
        const size_t nBefore = i > 0 ? i - 1 : i;
        const size_t nAfter = i + 1 < adVolume.size() ? i + 1 : i;
        const double dSpan = static_cast<double>(nAfter - nBefore) / volume.Rate();
        return kFlowScale * (adVolume[nAfter] - adVolume[nBefore]) / dSpan;
    });
    return flow;
}

void WriteChannelBlock(CMferWriter& writer, uint8_t byChannel, uint16_t wLead, const SChannelFormat& format) {
    writer.ChannelBlock(byChannel, [wLead, &format](CMferWriter& block) {
        if (wLead != 0) {
            block.LeadCode(wLead);
        }
        block.BlockLength(format.nRateHz)
            .SamplingRateHz(format.nRateHz)
            .Resolution(kUnitVolt, format.nResolutionExponent, format.nResolutionMantissa);
    });
}

} // namespace

CPolygraphRecording::CPolygraphRecording() {
    CSampleRandom random(kSeed);
    const CRhythm rhythm({kSeconds + 1.5, 64.0, 4.0, 40.0, 0.0, 0.0, kSeed});

    const CSignal ecg =
        CEcgLeadModel::ForLead(kLeadCM5).Record(g_ecgFormat.nRateHz, kSeconds, rhythm.Beats(), random, 10.0);
    Add(kLeadCM5, ecg, g_ecgFormat);

    CSignal volume = ChestVolume();
    const CSignal flow = AirFlow(volume);
    volume.AddNoise(random, 8.0);
    Add(kLeadUnspecified, volume, g_respirationFormat);

    CSignal pleth(g_plethFormat.nRateHz, kSeconds);
    g_plethPulse.AddBeats(pleth, rhythm.WithLeadingBeat());
    pleth.MapRange(kPlethLow, kPlethHigh);
    pleth.AddNoise(random, 6.0);
    Add(kLeadUnspecified, pleth, g_plethFormat);

    CSignal noisyFlow = flow;
    noisyFlow.AddNoise(random, 10.0);
    Add(kLeadUnspecified, noisyFlow, g_respirationFormat);
}

void CPolygraphRecording::Add(uint16_t wLeadCode, const CSignal& signal, const SChannelFormat& format) {
    m_channels.Add(wLeadCode, signal.Quantise(format.dMicrovoltsPerUnit));
    m_aFormats.push_back(format);
}

CMferWriter CPolygraphRecording::Build() const {
    const SRecordingInfo info{false,
                              "MFER polygraph",
                              "Zelvo Demo^ZS-6 polygraph^2.0.3^ZS6-007001^0.1-35Hz^synthetic",
                              "ZLV-000987",
                              "SAMPLE^POLYGRAPH",
                              "Night polygraphy, 60 s excerpt with a central apnoea. Synthetic recording.",
                              {2024, 9, 30, 2, 47, 13}};
    CMferWriter writer;
    info.WriteTo(writer);
    writer.WaveformType(kTypePolygraph)
        .Channels(static_cast<uint32_t>(m_channels.Count()))
        .Sequences(static_cast<uint32_t>(kSeconds))
        .BlockLength(g_ecgFormat.nRateHz)
        .SamplingRateHz(g_ecgFormat.nRateHz);
    std::vector<int> anBlockLengths;
    for (size_t i = 0; i < m_channels.Count(); ++i) {
        WriteChannelBlock(writer, static_cast<uint8_t>(i), m_channels.Channels()[i].wLeadCode, m_aFormats[i]);
        anBlockLengths.push_back(static_cast<int>(m_aFormats[i].nRateHz));
    }
    writer.Waveform16Interleaved(m_channels.SampleArrays(), anBlockLengths);
    return writer;
}

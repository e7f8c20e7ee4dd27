#include "CHolterRecording.h"

#include "CEcgLeadModel.h"
#include "CSampleRandom.h"
#include "CSignal.h"
#include "MferCodes.h"
#include "SRecordingInfo.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kSeconds = 30.0 * 60.0;
constexpr uint32_t kRateHz = 250;
constexpr uint32_t kBlockLength = kRateHz; // one-second blocks
constexpr double kMicrovoltsPerUnit = 2.5;
constexpr int8_t kResolutionExponent = -7;
constexpr uint32_t kResolutionMantissa = 25;
constexpr uint64_t kNoiseSeed = 2002;
constexpr double kNoiseMicrovolts = 10.0;
constexpr double kWanderMicrovolts = 80.0;

const SRhythmParams g_rhythm{kSeconds, 72.0, 12.0, 1500.0, 0.012, 0.010, 202};
const uint16_t g_anLeads[] = {kLeadCM5, kLeadV1};

// Breathing and body movement: a respiratory swing plus a slower drift.
double Wander(double t, double dPhase) {
    return kWanderMicrovolts * (0.5 * std::sin(2.0 * std::numbers::pi * 0.25 * t + dPhase) +
                                std::sin(2.0 * std::numbers::pi * 0.03 * t + 2.0 * dPhase));
}

} // namespace

CHolterRecording::CHolterRecording() : m_rhythm(g_rhythm) {
    CSampleRandom random(kNoiseSeed);
    for (uint16_t wLead : g_anLeads) {
        CSignal signal(kRateHz, kSeconds);
        CEcgLeadModel::ForLead(wLead).AddBeats(signal, m_rhythm.Beats());
        const double dPhase = random.Between(0.0, 2.0 * std::numbers::pi);
        signal.Add([dPhase](double t) { return Wander(t, dPhase); });
        signal.AddNoise(random, kNoiseMicrovolts);
        m_channels.Add(wLead, signal.Quantise(kMicrovoltsPerUnit));
    }
}

uint32_t CHolterRecording::RateHz() const {
    return kRateHz;
}

uint16_t CHolterRecording::EventCode(EBeatKind eKind) {
    switch (eKind) {
    case EBeatKind::Ventricular:
        return kEventVentricular;
    case EBeatKind::Supraventricular:
        return kEventSupraventricular;
    case EBeatKind::Normal:
        break;
    }
    return kEventNormal;
}

CMferWriter CHolterRecording::Build() const {
    const SRecordingInfo info{false,
                              "MFER long-term ECG",
                              "Zelvo Demo^ZH-2 Holter^1.4.2^ZH2-018332^0.5-40Hz^synthetic",
                              "ZLV-000456",
                              "SAMPLE^HOLTER",
                              "Ambulatory ECG, 30 min excerpt, CM5 and modified V1. Synthetic recording.",
                              {2024, 5, 2, 14, 5, 0}};
    CMferWriter writer;
    info.WriteTo(writer);
    writer.Text(kTagFilter, "0.5-40Hz")
        .WaveformType(kTypeLongTermEcg)
        .Channels(static_cast<uint32_t>(m_channels.Count()))
        .BlockLength(kBlockLength)
        .Sequences(static_cast<uint32_t>(kSeconds) * kRateHz / kBlockLength)
        .SamplingRateHz(kRateHz)
        .Resolution(kUnitVolt, kResolutionExponent, kResolutionMantissa);
    m_channels.WriteLeadBlocks(writer);
    for (const SBeat& beat : m_rhythm.Beats()) {
        writer.Event(EventCode(beat.eKind), static_cast<uint32_t>(std::lround(beat.dTime * kRateHz)));
    }
    writer.Waveform16Interleaved(m_channels.SampleArrays(), static_cast<int>(kBlockLength));
    return writer;
}

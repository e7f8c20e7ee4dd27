#include "CEcg12Recording.h"

#include "CEcgLeadModel.h"
#include "CSampleRandom.h"
#include "CSignal.h"
#include "MferCodes.h"
#include "SRecordingInfo.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kSeconds = 10.0;
constexpr uint32_t kRateHz = 500;
constexpr double kMicrovoltsPerUnit = 2.5;
constexpr int8_t kResolutionExponent = -7; // 25 x 10^-7 V = 2.5 uV
constexpr uint32_t kResolutionMantissa = 25;
constexpr uint64_t kRhythmSeed = 12;
constexpr uint64_t kNoiseSeed = 1012;
constexpr double kNoiseMicrovolts = 5.0;
constexpr double kWanderMicrovolts = 35.0;
constexpr double kWanderHz = 0.21;

const uint16_t g_anChestLeads[] = {kLeadV1, kLeadV2, kLeadV3, kLeadV4, kLeadV5, kLeadV6};

CSignal RecordLead(uint16_t wLeadCode, const std::vector<SBeat>& aBeats, CSampleRandom& random) {
    CSignal signal(kRateHz, kSeconds);
    CEcgLeadModel::ForLead(wLeadCode).AddBeats(signal, aBeats);
    const double dPhase = random.Between(0.0, 2.0 * std::numbers::pi);
    const double dAmplitude = kWanderMicrovolts * random.Between(0.5, 1.0);
    signal.Add(
        [=](double t) { return dAmplitude * std::sin(2.0 * std::numbers::pi * kWanderHz * t + dPhase); });
    signal.AddNoise(random, kNoiseMicrovolts);
    return signal;
}

CSignal Combine(const CSignal& a, double dFactorA, const CSignal& b, double dFactorB) {
    CSignal out(a.Rate(), static_cast<double>(a.Size()) / a.Rate());
    out.AddScaled(a, dFactorA);
    out.AddScaled(b, dFactorB);
    return out;
}

} // namespace

CEcg12Recording::CEcg12Recording(EEcg12Leads eLeads) : m_eLeads(eLeads) {
    const CRhythm rhythm({kSeconds, 70.0, 0.0, 60.0, 0.0, 0.0, kRhythmSeed});
    CSampleRandom random(kNoiseSeed);
    const CSignal leadI = RecordLead(kLeadI, rhythm.Beats(), random);
    const CSignal leadII = RecordLead(kLeadII, rhythm.Beats(), random);
    m_channels.Add(kLeadI, leadI.Quantise(kMicrovoltsPerUnit));
    m_channels.Add(kLeadII, leadII.Quantise(kMicrovoltsPerUnit));
    if (eLeads == EEcg12Leads::AllTwelve) {
        // Einthoven's and Goldberger's relations, as the electrocardiograph derives them.
        m_channels.Add(kLeadIII, Combine(leadII, 1.0, leadI, -1.0).Quantise(kMicrovoltsPerUnit));
        m_channels.Add(kLeadAVR, Combine(leadI, -0.5, leadII, -0.5).Quantise(kMicrovoltsPerUnit));
        m_channels.Add(kLeadAVL, Combine(leadI, 1.0, leadII, -0.5).Quantise(kMicrovoltsPerUnit));
        m_channels.Add(kLeadAVF, Combine(leadII, 1.0, leadI, -0.5).Quantise(kMicrovoltsPerUnit));
    }
    for (uint16_t wLead : g_anChestLeads) {
        m_channels.Add(wLead, RecordLead(wLead, rhythm.Beats(), random).Quantise(kMicrovoltsPerUnit));
    }
}

CMferWriter CEcg12Recording::Build() const {
    const bool bAllTwelve = m_eLeads == EEcg12Leads::AllTwelve;
    // The full set is written the way many carts do: little-endian, one block per lead. The reduced set is
    // big-endian in one-second blocks with channel blocks of no stated length.
    const uint32_t nBlockLength = bAllTwelve ? static_cast<uint32_t>(kSeconds) * kRateHz : kRateHz;
    const SRecordingInfo info{bAllTwelve,
                              "MFER resting 12-lead ECG",
                              "Zelvo Demo^ZR-12 resting^2.1.0^ZR12-004711^0.05-150Hz^synthetic",
                              "ZLV-000123",
                              "SAMPLE^RESTING",
                              "Resting ECG, supine, 10 s. Synthetic recording for demonstration.",
                              {2024, 3, 14, 9, 41, 27}};
    CMferWriter writer;
    info.WriteTo(writer);
    writer.Text(kTagFilter, "0.05-150Hz")
        .WaveformType(kTypeStandardEcg)
        .Channels(static_cast<uint32_t>(m_channels.Count()))
        .BlockLength(nBlockLength)
        .Sequences(static_cast<uint32_t>(kSeconds) * kRateHz / nBlockLength)
        .SamplingRateHz(kRateHz)
        .Resolution(kUnitVolt, kResolutionExponent, kResolutionMantissa)
        .DataType(kDataTypeSigned16);
    m_channels.WriteLeadBlocks(writer, bAllTwelve);
    writer.Waveform16Interleaved(m_channels.SampleArrays(), static_cast<int>(nBlockLength));
    return writer;
}

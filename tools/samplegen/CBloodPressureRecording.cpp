#include "CBloodPressureRecording.h"

#include "CEcgLeadModel.h"
#include "CPulseModel.h"
#include "CSampleRandom.h"
#include "CSignal.h"
#include "MferCodes.h"
#include "SRecordingInfo.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kSeconds = 30.0;
constexpr uint32_t kBlocks = 150; // 200-ms blocks
constexpr uint32_t kEcgIntervalUs = 2000;
constexpr uint32_t kPressureIntervalUs = 8000;
constexpr uint32_t kUsPerSecond = 1000000;
constexpr uint32_t kEcgBlockLength =
    static_cast<uint32_t>(kSeconds) * kUsPerSecond / kEcgIntervalUs / kBlocks;
constexpr uint32_t kPressureBlockLength =
    static_cast<uint32_t>(kSeconds) * kUsPerSecond / kPressureIntervalUs / kBlocks;
constexpr int8_t kMicrosecondsExponent = -6;

constexpr double kEcgMicrovoltsPerUnit = 2.5;
constexpr int8_t kEcgResolutionExponent = -7;
constexpr uint32_t kEcgResolutionMantissa = 25;
// 0.125 mmHg per unit: 100 mmHg is the sample value 800.
constexpr double kMmHgPerUnit = 0.125;
constexpr int8_t kPressureResolutionExponent = -3;
constexpr uint32_t kPressureResolutionMantissa = 125;

constexpr double kDiastolic = 80.0;
constexpr double kSystolic = 120.0;
constexpr double kRespiratorySwingMmHg = 2.5;
constexpr uint64_t kSeed = 2020;

const uint16_t g_anEcgLeads[] = {kLeadII, kLeadV1, kLeadV5};

// Radial artery: a steep upstroke about 120 ms after the R peak, a late systolic shoulder from the reflected
// wave, the dicrotic notch and wave, and the diastolic run-off.
const CPulseModel g_arterialPulse({{0.23, 1.00, 0.035, 0.090},
                                   {0.34, 0.32, 0.040, 0.045},
                                   {0.50, 0.26, 0.028, 0.070},
                                   {0.62, 0.30, 0.120, 0.300}});

CSignal ArterialPressure(const CRhythm& rhythm, CSampleRandom& random) {
    CSignal pressure(kUsPerSecond / static_cast<double>(kPressureIntervalUs), kSeconds);
    g_arterialPulse.AddBeats(pressure, rhythm.WithLeadingBeat());
    pressure.MapRange(kDiastolic, kSystolic);
    pressure.Add(
        [](double t) { return kRespiratorySwingMmHg * std::sin(2.0 * std::numbers::pi * 0.25 * t); });
    pressure.AddNoise(random, 0.3);
    return pressure;
}

void WriteChannelBlock(CMferWriter& writer, uint8_t byChannel, uint16_t wLead, uint32_t nBlockLength,
                       uint32_t nIntervalUs, uint8_t byResolutionUnit, int8_t nResolutionExponent,
                       uint32_t nResolutionMantissa) {
    writer.ChannelBlock(byChannel, [&](CMferWriter& block) {
        block.LeadCode(wLead)
            .DataType(kDataTypeSigned16)
            .BlockLength(nBlockLength)
            .SamplingInterval(kUnitSecond, kMicrosecondsExponent, nIntervalUs)
            .Resolution(byResolutionUnit, nResolutionExponent, nResolutionMantissa);
    });
}

} // namespace

CBloodPressureRecording::CBloodPressureRecording() {
    CSampleRandom random(kSeed);
    // A little longer than the recording, so the pressure wave does not stop short of its end.
    const CRhythm rhythm({kSeconds + 1.5, 78.0, 2.0, 20.0, 0.0, 0.0, kSeed});
    for (uint16_t wLead : g_anEcgLeads) {
        const CSignal ecg = CEcgLeadModel::ForLead(wLead).Record(
            kUsPerSecond / static_cast<double>(kEcgIntervalUs), kSeconds, rhythm.Beats(), random, 8.0);
        m_channels.Add(wLead, ecg.Quantise(kEcgMicrovoltsPerUnit));
    }
    m_channels.Add(kLeadArterialPressure, ArterialPressure(rhythm, random).Quantise(kMmHgPerUnit));
}

double CBloodPressureRecording::UnitsPerMmHg() {
    return 1.0 / kMmHgPerUnit;
}

CMferWriter CBloodPressureRecording::Build() const {
    const SRecordingInfo info{false,
                              "MFER bedside monitor",
                              "Zelvo Demo^ZM-8 monitor^5.2.0^ZM8-100244^0.5-40Hz^synthetic",
                              "ZLV-000321",
                              "SAMPLE^MONITOR",
                              "ICU bedside monitor, ECG and radial arterial pressure, 30 s. Synthetic.",
                              {2024, 7, 9, 3, 18, 6}};
    CMferWriter writer;
    info.WriteTo(writer);
    writer.WaveformType(kTypeBloodPressure)
        .Channels(static_cast<uint32_t>(m_channels.Count()))
        .Sequences(kBlocks)
        .BlockLength(kEcgBlockLength)
        .SamplingInterval(kUnitSecond, kMicrosecondsExponent, kEcgIntervalUs)
        .Resolution(kUnitVolt, kEcgResolutionExponent, kEcgResolutionMantissa);
    std::vector<int> anBlockLengths;
    for (size_t i = 0; i < m_channels.Count(); ++i) {
        const uint16_t wLead = m_channels.Channels()[i].wLeadCode;
        const auto byChannel = static_cast<uint8_t>(i);
        if (wLead == kLeadArterialPressure) {
            WriteChannelBlock(writer, byChannel, wLead, kPressureBlockLength, kPressureIntervalUs, kUnitMmHg,
                              kPressureResolutionExponent, kPressureResolutionMantissa);
            anBlockLengths.push_back(static_cast<int>(kPressureBlockLength));
        } else {
            WriteChannelBlock(writer, byChannel, wLead, kEcgBlockLength, kEcgIntervalUs, kUnitVolt,
                              kEcgResolutionExponent, kEcgResolutionMantissa);
            anBlockLengths.push_back(static_cast<int>(kEcgBlockLength));
        }
    }
    writer.Waveform16Interleaved(m_channels.SampleArrays(), anBlockLengths);
    return writer;
}

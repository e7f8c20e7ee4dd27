#include "CEegRecording.h"

#include "CEcgLeadModel.h"
#include "CRhythm.h"
#include "CSampleRandom.h"
#include "CSignal.h"
#include "MferCodes.h"
#include "SRecordingInfo.h"

#include <cmath>
#include <functional>
#include <numbers>

namespace {

constexpr double kSeconds = 60.0;
constexpr uint32_t kRateHz = 200;
constexpr double kMicrovoltsPerUnit = 0.1;
constexpr int8_t kResolutionExponent = -7; // 1 x 10^-7 V
constexpr uint32_t kResolutionMantissa = 1;
constexpr uint64_t kSeed = 4004;

constexpr double kEyesOpenFrom = 20.0;
constexpr double kEyesOpenUntil = 40.0;
constexpr double kEyesOpenAlpha = 0.12; // share of the alpha left while the eyes are open
constexpr double kReactivityTime = 0.4; // s for alpha to fade or return

constexpr double kAlphaMicrovolts = 45.0;
constexpr double kAlphaHz = 10.2;
constexpr double kBetaMicrovolts = 6.0;
constexpr double kBlinkMicrovolts = 140.0;
constexpr double kBackgroundMicrovolts = 9.0;
constexpr double kEarEcgShare = 0.01; // ECG picked up by the ear electrodes

constexpr double kTwoPi = 2.0 * std::numbers::pi;

struct SElectrode {
    uint16_t wCode; // electrode code of the montage's electrode table
    double dAlpha;  // share of the occipital alpha
    double dBeta;   // share of the frontal beta
    double dBlink;  // share of the blink potential at Fp1/Fp2
    bool bEar;
};

const SElectrode g_aElectrodes[] = {
    {12, 0.08, 0.50, 1.00, false}, // FP1
    {13, 0.08, 0.50, 1.00, false}, // FP2
    {28, 0.20, 1.00, 0.30, false}, // F3
    {29, 0.20, 1.00, 0.30, false}, // F4
    {32, 0.35, 0.70, 0.08, false}, // C3
    {33, 0.35, 0.70, 0.08, false}, // C4
    {36, 0.70, 0.30, 0.00, false}, // P3
    {37, 0.70, 0.30, 0.00, false}, // P4
    {24, 1.00, 0.20, 0.00, false}, // O1
    {25, 0.95, 0.20, 0.00, false}, // O2
    {52, 0.12, 0.60, 0.35, false}, // F7
    {53, 0.12, 0.60, 0.35, false}, // F8
    {56, 0.20, 0.40, 0.02, false}, // T3
    {57, 0.20, 0.40, 0.02, false}, // T4
    {60, 0.55, 0.20, 0.00, false}, // T5
    {61, 0.55, 0.20, 0.00, false}, // T6
    {74, 0.03, 0.05, 0.00, true},  // A1
    {75, 0.03, 0.05, 0.00, true},  // A2
};

const double g_adBlinkTimes[] = {21.3, 24.8, 27.1, 30.9, 33.6, 36.2, 38.7};

// 1 with the eyes closed, falling smoothly to kEyesOpenAlpha while they are open.
double AlphaReactivity(double t) {
    const auto step = [](double x) { return 0.5 * (1.0 + std::tanh(x / kReactivityTime)); };
    const double dOpen = step(t - kEyesOpenFrom) * step(kEyesOpenUntil - t);
    return 1.0 - (1.0 - kEyesOpenAlpha) * dOpen;
}

constexpr size_t kBackgroundComponents = 24;

// Spontaneous background activity: a sum of sines with a 1/f amplitude spectrum between 1 and 30 Hz.
std::function<double(double)> Background(CSampleRandom& random) {
    struct SComponent {
        double dHz;
        double dPhase;
        double dAmplitude;
    };
    std::vector<SComponent> aComponents;
    const double dScale = kBackgroundMicrovolts * 2.0 / std::sqrt(static_cast<double>(kBackgroundComponents));
    for (size_t k = 0; k < kBackgroundComponents; ++k) {
        const double dHz = random.Between(1.0, 30.0);
        aComponents.push_back({dHz, random.Between(0.0, kTwoPi), dScale / std::sqrt(dHz)});
    }
    return [aComponents](double t) {
        double dSum = 0.0;
        for (const SComponent& c : aComponents) {
            dSum += c.dAmplitude * std::sin(kTwoPi * c.dHz * t + c.dPhase);
        }
        return dSum;
    };
}

CSignal ElectrodeSignal(const SElectrode& electrode, const CSignal& ecg, CSampleRandom& random) {
    CSignal signal(kRateHz, kSeconds);
    const double dAlphaPhase = random.Between(-0.3, 0.3);
    const double dBetaPhase = random.Between(0.0, kTwoPi);
    signal.Add([&electrode, dAlphaPhase, dBetaPhase](double t) {
        // The alpha waxes and wanes in spindles of one to two seconds.
        const double dSpindle =
            0.6 + 0.25 * std::sin(kTwoPi * 0.31 * t) + 0.15 * std::sin(kTwoPi * 0.53 * t + 1.0);
        const double dAlpha = kAlphaMicrovolts * electrode.dAlpha * AlphaReactivity(t) * dSpindle *
                              std::sin(kTwoPi * kAlphaHz * t + dAlphaPhase);
        const double dBeta = kBetaMicrovolts * electrode.dBeta *
                             (std::sin(kTwoPi * 18.5 * t + dBetaPhase) + 0.6 * std::sin(kTwoPi * 23.0 * t));
        return dAlpha + dBeta;
    });
    if (electrode.bEar) {
        signal.AddScaled(ecg, kEarEcgShare);
    } else {
        signal.Add(Background(random));
    }
    for (double dBlink : g_adBlinkTimes) {
        signal.AddBump(dBlink, kBlinkMicrovolts * electrode.dBlink, 0.08, 0.14);
    }
    signal.AddNoise(random, 1.5);
    return signal;
}

} // namespace

CEegRecording::CEegRecording() {
    CSampleRandom random(kSeed);
    const CRhythm rhythm({kSeconds, 66.0, 3.0, 45.0, 0.0, 0.0, kSeed});
    const CSignal ecg = CEcgLeadModel::ForLead(kLeadI).Record(kRateHz, kSeconds, rhythm.Beats(), random, 8.0);
    for (const SElectrode& electrode : g_aElectrodes) {
        m_channels.Add(kLeadEegElectrode | electrode.wCode,
                       ElectrodeSignal(electrode, ecg, random).Quantise(kMicrovoltsPerUnit));
    }
    m_channels.Add(kLeadI, ecg.Quantise(kMicrovoltsPerUnit));
}

CMferWriter CEegRecording::Build() const {
    const SRecordingInfo info{
        true,
        "MFER EEG",
        "Zelvo Demo^ZE-21 EEG^3.0.1^ZE21-000087^0.5-70Hz^synthetic",
        "ZLV-000789",
        "SAMPLE^EEG",
        "Routine EEG, 60 s excerpt: eyes closed, eyes open 20-40 s, eyes closed. Synthetic.",
        {2024, 6, 18, 10, 12, 45}};
    CMferWriter writer;
    info.WriteTo(writer);
    writer.Text(kTagFilter, "0.5-70Hz")
        .WaveformType(kTypeEeg)
        .Channels(static_cast<uint32_t>(m_channels.Count()))
        .BlockLength(kRateHz)
        .Sequences(static_cast<uint32_t>(kSeconds))
        .SamplingRateHz(kRateHz)
        .Resolution(kUnitVolt, kResolutionExponent, kResolutionMantissa);
    m_channels.WriteLeadBlocks(writer);
    writer.Waveform16Interleaved(m_channels.SampleArrays(), static_cast<int>(kRateHz));
    return writer;
}

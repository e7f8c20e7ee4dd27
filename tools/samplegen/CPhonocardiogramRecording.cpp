#include "CPhonocardiogramRecording.h"

#include "CEcgLeadModel.h"
#include "CRhythm.h"
#include "CSampleRandom.h"
#include "CSignal.h"
#include "MferCodes.h"
#include "SRecordingInfo.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kSeconds = 10.0;
constexpr uint32_t kRateHz = 1000;
constexpr double kMicrovoltsPerUnit = 1.0;
constexpr int8_t kResolutionExponent = -6;
constexpr uint32_t kResolutionMantissa = 1;
constexpr uint64_t kSeed = 3030;

// Heart-sound timing from the R peak; S2 moves with the QT interval.
constexpr double kMitralClosure = 0.045;
constexpr double kTricuspidClosure = 0.070;
constexpr double kAorticClosure = 0.375;
constexpr double kReferenceRr = 60.0 / 70.0;
// The pulmonary component of S2 falls 20 ms after the aortic one in expiration and 45 ms in inspiration.
constexpr double kSplitExpiration = 0.020;
constexpr double kSplitInspiration = 0.045;
constexpr double kBreathPeriod = 4.0;

struct SSoundBand {
    uint16_t wLead;
    double dHz; // centre of the filter band
    double dS1; // amplitudes in raw units
    double dS2;
    double dWidth; // s, standard deviation of a component's envelope
    double dNoise;
};

const SSoundBand g_aBands[] = {
    {kLeadSoundLow, 35.0, 240.0, 160.0, 0.020, 5.0},
    {kLeadSoundMedium, 90.0, 170.0, 150.0, 0.013, 4.0},
    {kLeadSoundHigh, 200.0, 70.0, 100.0, 0.008, 3.0},
};

double Split(double t) {
    const double dInspiration = 0.5 * (1.0 + std::sin(2.0 * std::numbers::pi * t / kBreathPeriod));
    return kSplitExpiration + (kSplitInspiration - kSplitExpiration) * dInspiration;
}

CSignal HeartSounds(const SSoundBand& band, const std::vector<SBeat>& aBeats, CSampleRandom& random) {
    CSignal sound(kRateHz, kSeconds);
    for (const SBeat& beat : aBeats) {
        const double dAortic = beat.dTime + kAorticClosure * std::sqrt(beat.dSinusRr / kReferenceRr);
        sound.AddBurst(beat.dTime + kMitralClosure, band.dS1, band.dWidth, band.dHz);
        sound.AddBurst(beat.dTime + kTricuspidClosure, 0.5 * band.dS1, band.dWidth, band.dHz);
        sound.AddBurst(dAortic, band.dS2, band.dWidth, band.dHz);
        sound.AddBurst(dAortic + Split(dAortic), 0.6 * band.dS2, band.dWidth, band.dHz);
    }
    sound.AddNoise(random, band.dNoise);
    return sound;
}

} // namespace

CPhonocardiogramRecording::CPhonocardiogramRecording() {
    CSampleRandom random(kSeed);
    const CRhythm rhythm({kSeconds, 72.0, 0.0, 60.0, 0.0, 0.0, kSeed});
    const CSignal ecg =
        CEcgLeadModel::ForLead(kLeadII).Record(kRateHz, kSeconds, rhythm.Beats(), random, 6.0);
    m_channels.Add(kLeadII, ecg.Quantise(kMicrovoltsPerUnit));
    for (const SSoundBand& band : g_aBands) {
        m_channels.Add(band.wLead, HeartSounds(band, rhythm.Beats(), random).Quantise(1.0));
    }
}

CMferWriter CPhonocardiogramRecording::Build() const {
    const SRecordingInfo info{true,
                              "MFER phonocardiogram",
                              "Zelvo Demo^ZP-4 PCG^1.1.0^ZP4-000512^L M H^synthetic",
                              "ZLV-000654",
                              "SAMPLE^PCG",
                              "Phonocardiogram at the apex with ECG lead II, 10 s. Synthetic recording.",
                              {2024, 8, 21, 11, 2, 50}};
    CMferWriter writer;
    info.WriteTo(writer);
    writer.WaveformType(kTypePhonocardiogram)
        .Channels(static_cast<uint32_t>(m_channels.Count()))
        .BlockLength(kRateHz)
        .Sequences(static_cast<uint32_t>(kSeconds))
        .SamplingRateHz(kRateHz)
        .Resolution(kUnitVolt, kResolutionExponent, kResolutionMantissa);
    m_channels.WriteLeadBlocks(writer);
    writer.Waveform16Interleaved(m_channels.SampleArrays(), static_cast<int>(kRateHz));
    return writer;
}

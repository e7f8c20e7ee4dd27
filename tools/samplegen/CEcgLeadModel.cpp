#include "CEcgLeadModel.h"

#include "CSampleRandom.h"
#include "CSignal.h"
#include "MferCodes.h"

#include <cmath>
#include <stdexcept>

namespace {

struct SWaveTiming {
    double dOffset; // s from the R peak
    double dWidthBefore;
    double dWidthAfter;
};

struct SBeatTiming {
    SWaveTiming p, q, r, s, t;
};

constexpr SBeatTiming g_normalTiming{{-0.165, 0.022, 0.022},
                                     {-0.028, 0.008, 0.008},
                                     {0.0, 0.010, 0.010},
                                     {0.028, 0.009, 0.013},
                                     {0.290, 0.050, 0.035}};
constexpr SBeatTiming g_ventricularTiming{{0.0, 0.0, 0.0},
                                          {-0.045, 0.020, 0.020},
                                          {0.0, 0.030, 0.030},
                                          {0.065, 0.030, 0.030},
                                          {0.330, 0.075, 0.055}};

// An ectopic atrial focus low in the atrium: the P wave turns over and comes closer to the QRS.
constexpr double kEctopicPFactor = -0.6;
constexpr double kEctopicPOffset = -0.120;

// The T wave moves with the square root of the cycle length (QT rate dependence); the offsets above hold at
// 70 beats per minute.
constexpr double kReferenceRr = 60.0 / 70.0;

constexpr double kMicrovoltsPerMillivolt = 1000.0;

struct SLeadEntry {
    uint16_t wLeadCode;
    SWaveAmplitudes normal;
    SWaveAmplitudes ventricular;
};

const SLeadEntry g_aLeadTable[] = {
    {kLeadI, {0.08, -0.04, 0.75, -0.12, 0.25}, {0.0, 0.0, 0.85, -0.10, -0.35}},
    {kLeadII, {0.14, -0.06, 1.15, -0.20, 0.30}, {0.0, -0.05, 0.55, -0.35, -0.15}},
    {kLeadV1, {0.06, 0.0, 0.20, -0.95, -0.08}, {0.0, 0.0, -1.40, 0.0, 0.45}},
    {kLeadV2, {0.07, 0.0, 0.45, -1.45, 0.45}, {0.0, 0.0, -1.60, 0.0, 0.55}},
    {kLeadV3, {0.07, 0.0, 0.85, -0.95, 0.50}, {0.0, 0.0, 0.35, -0.90, 0.30}},
    {kLeadV4, {0.07, -0.03, 1.40, -0.55, 0.45}, {0.0, 0.0, 0.90, -0.50, -0.15}},
    {kLeadV5, {0.07, -0.08, 1.55, -0.25, 0.38}, {0.0, 0.0, 1.50, -0.15, -0.45}},
    {kLeadV6, {0.06, -0.07, 1.25, -0.10, 0.30}, {0.0, 0.0, 1.30, 0.0, -0.40}},
    {kLeadCM5, {0.10, -0.08, 1.70, -0.20, 0.45}, {0.0, 0.0, 1.70, -0.20, -0.55}},
};

void AddWave(CSignal& signal, double dRPeak, double dAmplitude, const SWaveTiming& timing,
             double dStretch = 1.0) {
    if (dAmplitude != 0.0) {
        signal.AddBump(dRPeak + timing.dOffset * dStretch, dAmplitude * kMicrovoltsPerMillivolt,
                       timing.dWidthBefore * dStretch, timing.dWidthAfter * dStretch);
    }
}

} // namespace

CEcgLeadModel::CEcgLeadModel(const SWaveAmplitudes& normal, const SWaveAmplitudes& ventricular)
    : m_normal(normal), m_ventricular(ventricular) {}

CEcgLeadModel CEcgLeadModel::ForLead(uint16_t wLeadCode) {
    for (const SLeadEntry& entry : g_aLeadTable) {
        if (entry.wLeadCode == wLeadCode) {
            return CEcgLeadModel(entry.normal, entry.ventricular);
        }
    }
    throw std::invalid_argument("no ECG model for this lead code");
}

void CEcgLeadModel::AddBeats(CSignal& signal, const std::vector<SBeat>& aBeats) const {
    for (const SBeat& beat : aBeats) {
        AddBeat(signal, beat);
    }
}

void CEcgLeadModel::AddBeat(CSignal& signal, const SBeat& beat) const {
    const bool bVentricular = beat.eKind == EBeatKind::Ventricular;
    const SWaveAmplitudes& a = bVentricular ? m_ventricular : m_normal;
    const SBeatTiming& timing = bVentricular ? g_ventricularTiming : g_normalTiming;
    const double dStretch = std::sqrt(beat.dSinusRr / kReferenceRr);
    if (beat.eKind == EBeatKind::Supraventricular) {
        AddWave(signal, beat.dTime, a.dP * kEctopicPFactor,
                {kEctopicPOffset, timing.p.dWidthBefore, timing.p.dWidthAfter});
    } else {
        AddWave(signal, beat.dTime, a.dP, timing.p);
    }
    AddWave(signal, beat.dTime, a.dQ, timing.q);
    AddWave(signal, beat.dTime, a.dR, timing.r);
    AddWave(signal, beat.dTime, a.dS, timing.s);
    AddWave(signal, beat.dTime, a.dT, timing.t, dStretch);
}

CSignal CEcgLeadModel::Record(double dRateHz, double dSeconds, const std::vector<SBeat>& aBeats,
                              CSampleRandom& random, double dNoiseMicrovolts) const {
    CSignal signal(dRateHz, dSeconds);
    AddBeats(signal, aBeats);
    signal.AddNoise(random, dNoiseMicrovolts);
    return signal;
}

#include "CRhythm.h"

#include "CSampleRandom.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kFirstBeat = 0.35;                // s: room for the first P wave
constexpr double kLastBeatMargin = 0.6;            // s: room for the last T wave
constexpr double kBreathPeriod = 4.0;              // s: 15 breaths per minute
constexpr double kRespiratoryArrhythmia = 0.03;    // share of the cycle length
constexpr double kCycleJitter = 0.008;             // s
constexpr double kVentricularCoupling = 0.60;      // share of the sinus cycle
constexpr double kSupraventricularCoupling = 0.72; // share of the sinus cycle
constexpr double kSecondsPerMinute = 60.0;

} // namespace

CRhythm::CRhythm(const SRhythmParams& params) : m_params(params) {
    CSampleRandom random(params.nSeed);
    const double dEnd = params.dSeconds - kLastBeatMargin;
    double t = kFirstBeat;
    while (t < dEnd) {
        const double dRr = SinusCycle(t) + kCycleJitter * random.Gaussian();
        m_aBeats.push_back({t, dRr, EBeatKind::Normal});
        const double u = random.Uniform();
        if (u < params.dVentricularShare && t + 2.0 * dRr < dEnd) {
            m_aBeats.push_back({t + kVentricularCoupling * dRr, dRr, EBeatKind::Ventricular});
            t += 2.0 * dRr;
        } else if (u < params.dVentricularShare + params.dSupraShare && t + 2.0 * dRr < dEnd) {
            const double dEarly = t + kSupraventricularCoupling * dRr;
            m_aBeats.push_back({dEarly, dRr, EBeatKind::Supraventricular});
            t = dEarly + dRr;
        } else {
            t += dRr;
        }
    }
}

std::vector<SBeat> CRhythm::WithLeadingBeat() const {
    std::vector<SBeat> aBeats;
    if (!m_aBeats.empty()) {
        const SBeat& first = m_aBeats.front();
        aBeats.push_back({first.dTime - first.dSinusRr, first.dSinusRr, EBeatKind::Normal});
    }
    aBeats.insert(aBeats.end(), m_aBeats.begin(), m_aBeats.end());
    return aBeats;
}

double CRhythm::SinusCycle(double dTime) const {
    const double dRate = m_params.dRateBpm + m_params.dSwingBpm * std::sin(2.0 * std::numbers::pi * dTime /
                                                                           m_params.dSwingPeriod);
    const double dBreath = std::sin(2.0 * std::numbers::pi * dTime / kBreathPeriod);
    return kSecondsPerMinute / dRate * (1.0 + kRespiratoryArrhythmia * dBreath);
}

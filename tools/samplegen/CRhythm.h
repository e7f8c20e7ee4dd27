#pragma once

#include <cstdint>
#include <vector>

enum class EBeatKind { Normal, Ventricular, Supraventricular };

struct SBeat {
    double dTime;    // R peak, seconds from the start of the recording
    double dSinusRr; // the sinus cycle length in force, seconds; repolarisation scales with it
    EBeatKind eKind;
};

struct SRhythmParams {
    double dSeconds;
    double dRateBpm;          // mean sinus rate
    double dSwingBpm;         // slow rise and fall of the rate around its mean
    double dSwingPeriod;      // seconds of one such rise and fall
    double dVentricularShare; // chance that a sinus beat is followed by a ventricular premature beat
    double dSupraShare;       // chance that a sinus beat is followed by a supraventricular premature beat
    uint64_t nSeed;
};

// Beat times of a sinus rhythm with respiratory arrhythmia, a slowly varying rate and isolated premature
// beats: a ventricular one comes early and is followed by a full compensatory pause, a supraventricular one
// comes early and resets the sinus node.
class CRhythm {
public:
    explicit CRhythm(const SRhythmParams& params);

    const std::vector<SBeat>& Beats() const { return m_aBeats; }
    // The beats with one more sinus beat a cycle before the first, so that waves longer than a cycle (pulse
    // pressure, plethysmogram) are already in their steady state when the recording starts.
    std::vector<SBeat> WithLeadingBeat() const;

private:
    double SinusCycle(double dTime) const;

    SRhythmParams m_params;
    std::vector<SBeat> m_aBeats;
};

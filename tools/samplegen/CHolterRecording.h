#pragma once

#include "CChannelSet.h"
#include "CMferWriter.h"
#include "CRhythm.h"

// Thirty minutes of a two-channel ambulatory ECG (CM5 and a modified V1) at 250 Hz: sinus rhythm whose rate
// drifts slowly, with occasional ventricular and supraventricular premature beats, and one event item per
// beat at its R peak.
class CHolterRecording {
public:
    CHolterRecording();

    const CRhythm& Rhythm() const { return m_rhythm; }
    const CChannelSet& Channels() const { return m_channels; }
    uint32_t RateHz() const;
    // The event code of a beat's mark: "N", "V" or "S".
    static uint16_t EventCode(EBeatKind eKind);

    CMferWriter Build() const;

private:
    CRhythm m_rhythm;
    CChannelSet m_channels;
};

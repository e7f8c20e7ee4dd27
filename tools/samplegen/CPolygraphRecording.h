#pragma once

#include "CChannelSet.h"
#include "CMferWriter.h"

class CSignal;

struct SChannelFormat {
    uint32_t nRateHz; // also the block length: one-second blocks
    int8_t nResolutionExponent;
    uint32_t nResolutionMantissa;
    double dMicrovoltsPerUnit;
};

// One minute of a sleep-study style polygraph, a waveform type without a display of its own: ECG (CM5) at
// 250 Hz, thoracic impedance respiration and nasal airflow at 25 Hz and the pulse-oximeter plethysmogram at
// 100 Hz. Breathing stops for about twelve seconds (a central apnoea) and resumes with deeper breaths.
class CPolygraphRecording {
public:
    CPolygraphRecording();

    const CChannelSet& Channels() const { return m_channels; }
    CMferWriter Build() const;

private:
    void Add(uint16_t wLeadCode, const CSignal& signal, const SChannelFormat& format);

    CChannelSet m_channels;
    std::vector<SChannelFormat> m_aFormats; // one per channel
};

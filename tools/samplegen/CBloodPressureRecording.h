#pragma once

#include "CChannelSet.h"
#include "CMferWriter.h"

// Thirty seconds from a bedside monitor: ECG leads II, V1 and V5 at 500 Hz and the radial arterial pressure
// (about 120/80 mmHg) at 125 Hz. Each channel block carries the channel's own lead code, data type, block
// length, sampling interval and resolution, as monitors write them.
class CBloodPressureRecording {
public:
    CBloodPressureRecording();

    const CChannelSet& Channels() const { return m_channels; }
    // Pressure sample units per mmHg.
    static double UnitsPerMmHg();

    CMferWriter Build() const;

private:
    CChannelSet m_channels;
};

#pragma once

#include "CChannelSet.h"
#include "CMferWriter.h"

// One minute of a resting EEG at 200 Hz, 0.1 uV per unit: the 16 scalp electrodes of the standard referential
// montage with both ear electrodes, plus one ECG channel. The eyes are closed for the first and last
// twenty seconds (waxing and waning occipital alpha, some frontal beta) and open in between (alpha blocked,
// eye blinks over Fp1 and Fp2).
class CEegRecording {
public:
    CEegRecording();

    const CChannelSet& Channels() const { return m_channels; }
    CMferWriter Build() const;

private:
    CChannelSet m_channels;
};

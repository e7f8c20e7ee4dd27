#pragma once

#include "CChannelSet.h"
#include "CMferWriter.h"

// Ten seconds of a phonocardiogram at 1 kHz: ECG lead II with the heart sounds through the low, medium and
// high filter bands (raw units). S1 follows the Q wave, S2 ends the T wave and splits in inspiration.
class CPhonocardiogramRecording {
public:
    CPhonocardiogramRecording();

    const CChannelSet& Channels() const { return m_channels; }
    CMferWriter Build() const;

private:
    CChannelSet m_channels;
};

#pragma once

#include "CMferWriter.h"

#include <cstdint>
#include <vector>

// One channel of a test recording. Zero interval, resolution or block length take the frame's.
struct SWaveChannel {
    uint16_t m_wLead = 0;
    std::vector<int16_t> m_anSamples;
    uint32_t m_nIntervalUs = 0;
    uint32_t m_nResolutionNv = 0;
    uint32_t m_nBlockLength = 0;
};

// A one-frame recording whose channels may each have their own sampling interval, resolution and
// block length, as bedside monitors write them. Every channel holds the same number of blocks.
class CWaveRecording {
public:
    CWaveRecording(uint16_t wWaveformType, uint32_t nIntervalUs, uint32_t nResolutionNv,
                   uint32_t nBlockLength = 1);

    CWaveRecording& Add(SWaveChannel channel);
    CMferWriter Build() const;

private:
    uint16_t m_wWaveformType;
    uint32_t m_nIntervalUs;
    uint32_t m_nResolutionNv;
    uint32_t m_nBlockLength;
    std::vector<SWaveChannel> m_aChannels;
};

// nCount samples of one value.
std::vector<int16_t> Constant(int16_t nValue, int nCount);
// nCount samples alternating between nLow and nHigh every nHalfPeriod samples, starting low.
std::vector<int16_t> SquareWave(int16_t nLow, int16_t nHigh, int nHalfPeriod, int nCount);

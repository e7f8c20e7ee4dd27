#pragma once

#include "CMferWriter.h"

#include <cstdint>
#include <vector>

// One channel of a test recording: its lead code and its samples.
struct BandChannel {
    uint16_t wLeadCode;
    std::vector<int16_t> anSamples;
};

// A one-frame recording of equally long channels, block length 1, one sampling interval and one
// resolution for all. nChannelIntervalUs, when not negative, is given to channel nIntervalChannel
// alone in its channel block.
struct BandRecording {
    uint16_t wWaveformType = 50;
    uint32_t nIntervalUs = 1000;
    uint32_t nResolutionNv = 1000;
    std::vector<BandChannel> aChannels;
    int nIntervalChannel = -1;
    int64_t nChannelIntervalUs = -1;

    CMferWriter Build() const;
};

// nCount samples of one value.
std::vector<int16_t> ConstantSamples(int16_t nValue, int nCount);

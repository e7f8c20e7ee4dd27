#pragma once

#include "CMferWriter.h"

#include <cstdint>

// A short recording of the given waveform type: two channels, one second at 500 Hz.
inline CMferWriter RecordingOfType(uint16_t wWaveformType, int nSeconds = 1) {
    CMferWriter w;
    w.WaveformType(wWaveformType).Channels(2).SamplingRateHz(500).Resolution(0, -7, 25);
    w.Sequences(static_cast<uint32_t>(500 * nSeconds));
    w.Waveform16(std::vector<int16_t>(static_cast<size_t>(1000 * nSeconds), 0));
    return w;
}

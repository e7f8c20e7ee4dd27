#pragma once

#include "CMferWriter.h"

#include <cstdint>
#include <utility>
#include <vector>

// A long-term ECG recording (waveform type 2) of one or two channels, as the strip and the detail
// window tests need it.
struct LongTermRecording {
    int32_t nIntervalUs = 4000;
    uint32_t nResolutionNv = 2500;
    int nBlockLength = 250;
    std::vector<std::vector<int16_t>> aChannels;
    std::vector<std::pair<uint16_t, uint32_t>> aEvents; // code, sample position

    CMferWriter Build() const {
        CMferWriter writer;
        writer.WaveformType(2)
            .Channels(static_cast<uint32_t>(aChannels.size()))
            .BlockLength(static_cast<uint32_t>(nBlockLength))
            .Sequences(static_cast<uint32_t>(aChannels.front().size() / static_cast<size_t>(nBlockLength)))
            .SamplingInterval(1, -6, static_cast<uint32_t>(nIntervalUs), 4)
            .Resolution(0, -9, nResolutionNv, 4);
        for (const auto& [wCode, nPosition] : aEvents)
            writer.Event(wCode, nPosition);
        std::vector<const std::vector<int16_t>*> apChannels;
        for (const std::vector<int16_t>& channel : aChannels)
            apChannels.push_back(&channel);
        writer.Waveform16Interleaved(apChannels, nBlockLength);
        writer.EndMark();
        return writer;
    }
};

// Constant channels of the given length.
inline std::vector<std::vector<int16_t>> FlatChannels(size_t nSamples, std::vector<int16_t> aValues) {
    std::vector<std::vector<int16_t>> aChannels;
    for (const int16_t nValue : aValues)
        aChannels.emplace_back(nSamples, nValue);
    return aChannels;
}

#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class CMferWriter;

struct SChannelSamples {
    uint16_t wLeadCode;
    std::vector<int16_t> anSamples;
};

// The channels of one recording in file order.
class CChannelSet {
public:
    void Add(uint16_t wLeadCode, std::vector<int16_t> anSamples);

    const std::vector<SChannelSamples>& Channels() const { return m_aChannels; }
    size_t Count() const { return m_aChannels.size(); }
    // The first channel with that lead code, or null.
    const std::vector<int16_t>* Find(uint16_t wLeadCode) const;
    std::vector<const std::vector<int16_t>*> SampleArrays() const;

    // One channel-attribute block per channel naming its lead code, with a stated length or closed by 00 00.
    void WriteLeadBlocks(CMferWriter& writer, bool bStatedLength = true) const;

private:
    std::vector<SChannelSamples> m_aChannels;
};

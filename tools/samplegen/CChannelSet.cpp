#include "CChannelSet.h"

#include "CMferWriter.h"

#include <utility>

void CChannelSet::Add(uint16_t wLeadCode, std::vector<int16_t> anSamples) {
    m_aChannels.push_back({wLeadCode, std::move(anSamples)});
}

const std::vector<int16_t>* CChannelSet::Find(uint16_t wLeadCode) const {
    for (const SChannelSamples& channel : m_aChannels) {
        if (channel.wLeadCode == wLeadCode) {
            return &channel.anSamples;
        }
    }
    return nullptr;
}

std::vector<const std::vector<int16_t>*> CChannelSet::SampleArrays() const {
    std::vector<const std::vector<int16_t>*> apSamples;
    for (const SChannelSamples& channel : m_aChannels) {
        apSamples.push_back(&channel.anSamples);
    }
    return apSamples;
}

void CChannelSet::WriteLeadBlocks(CMferWriter& writer, bool bStatedLength) const {
    for (size_t i = 0; i < m_aChannels.size(); ++i) {
        const auto byChannel = static_cast<uint8_t>(i);
        const uint16_t wLead = m_aChannels[i].wLeadCode;
        const auto items = [wLead](CMferWriter& block) { block.LeadCode(wLead); };
        if (bStatedLength) {
            writer.ChannelBlock(byChannel, items);
        } else {
            writer.ChannelBlockUnstated(byChannel, items);
        }
    }
}

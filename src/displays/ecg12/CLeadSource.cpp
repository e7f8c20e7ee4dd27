#include "displays/ecg12/CLeadSource.h"

#include "displays/ecg12/Ecg12Leads.h"

namespace {

int16_t Cut16(int32_t nValue) {
    return static_cast<int16_t>(nValue);
}

} // namespace

void CLeadSource::SetLimbChannels(const std::optional<SSampleArray>& leadI,
                                  const std::optional<SSampleArray>& leadII,
                                  const std::optional<SSampleArray>& leadIII) {
    m_leadI = leadI;
    m_leadII = leadII;
    m_leadIII = leadIII;
}

int16_t CLeadSource::LeadSample(int64_t i) const {
    const std::optional<int16_t> nValue = m_recorded ? Read(m_recorded, i) : Computed(i);
    return nValue.value_or(m_nNullValue);
}

std::optional<int16_t> CLeadSource::Read(const std::optional<SSampleArray>& channel, int64_t i) {
    if (channel && channel->Has(i))
        return channel->At(i);
    return std::nullopt;
}

std::optional<int16_t> CLeadSource::LeadI(int64_t i) const {
    if (m_leadI)
        return Read(m_leadI, i);
    const auto nII = Read(m_leadII, i);
    const auto nIII = Read(m_leadIII, i);
    if (!nII || !nIII)
        return std::nullopt;
    return Cut16(*nII - *nIII);
}

std::optional<int16_t> CLeadSource::LeadII(int64_t i) const {
    if (m_leadII)
        return Read(m_leadII, i);
    const auto nI = Read(m_leadI, i);
    const auto nIII = Read(m_leadIII, i);
    if (!nI || !nIII)
        return std::nullopt;
    return Cut16(*nI + *nIII);
}

std::optional<int16_t> CLeadSource::Computed(int64_t i) const {
    if (m_wLeadCode == LEAD_I)
        return LeadI(i);
    if (m_wLeadCode == LEAD_II)
        return LeadII(i);
    const auto nI = LeadI(i);
    const auto nII = LeadII(i);
    if (!nI || !nII)
        return std::nullopt;
    const int32_t a = *nI;
    const int32_t b = *nII;
    switch (m_wLeadCode) {
    case LEAD_III:
        return Cut16(b - a);
    case LEAD_AVR:
        return Cut16(-((a + b) / 2));
    case LEAD_AVL:
        return Cut16(a - b / 2);
    case LEAD_AVF:
        return Cut16(b - a / 2);
    default:
        return std::nullopt;
    }
}

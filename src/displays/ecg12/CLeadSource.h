#pragma once

#include <cstdint>
#include <optional>

// One recorded channel's samples as the display reads them: the array may be missing or shorter
// than the channel's attributes say, and every read is checked against what is there.
struct SSampleArray {
    const int16_t* pSamples = nullptr;
    int64_t nCount = 0;

    bool Has(int64_t i) const { return pSamples != nullptr && i >= 0 && i < nCount; }
    int16_t At(int64_t i) const { return pSamples[i]; }
};

// The samples of one lead, recorded or computed: the limb leads a recording lacks follow from
// leads I and II (Einthoven and Goldberger), and I or II themselves from the other one and III.
// A lead that can be neither read nor computed at an index reads as the recording's null value.
class CLeadSource {
public:
    CLeadSource(uint16_t wLeadCode, int16_t nNullValue) : m_wLeadCode(wLeadCode), m_nNullValue(nNullValue) {}

    // Only channels the frame carries are set; a carried channel without samples stays carried.
    void SetRecorded(const SSampleArray& samples) { m_recorded = samples; }
    void SetLimbChannels(const std::optional<SSampleArray>& leadI, const std::optional<SSampleArray>& leadII,
                         const std::optional<SSampleArray>& leadIII);

    int16_t LeadSample(int64_t i) const;

private:
    std::optional<int16_t> LeadI(int64_t i) const;
    std::optional<int16_t> LeadII(int64_t i) const;
    std::optional<int16_t> Computed(int64_t i) const;
    static std::optional<int16_t> Read(const std::optional<SSampleArray>& channel, int64_t i);

    uint16_t m_wLeadCode;
    int16_t m_nNullValue;
    std::optional<SSampleArray> m_recorded;
    std::optional<SSampleArray> m_leadI;
    std::optional<SSampleArray> m_leadII;
    std::optional<SSampleArray> m_leadIII;
};

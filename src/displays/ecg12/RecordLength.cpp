#include "displays/ecg12/RecordLength.h"

#include "mfer/MferAttributes.h"

#include <algorithm>

namespace {

constexpr double MS_PER_US = 0.001;

} // namespace

int64_t SampleCount(const MferAttributes& attr) {
    if (attr.m_nSequences <= 0 || attr.m_nBlockLength <= 0)
        return 0;
    int64_t nCount = 0;
    if (__builtin_mul_overflow(static_cast<int64_t>(attr.m_nSequences), attr.m_nBlockLength, &nCount))
        return INT64_MAX;
    return nCount;
}

int64_t DurationMs(const MferAttributes& attr) {
    int64_t nDurationUs = 0;
    if (__builtin_mul_overflow(SampleCount(attr), static_cast<int64_t>(attr.m_nSamplingInterval),
                               &nDurationUs))
        nDurationUs = INT64_MAX;
    return static_cast<int64_t>(static_cast<double>(std::max<int64_t>(nDurationUs, 0)) * MS_PER_US);
}

#include "mfer/CMferChannel.h"

#include <algorithm>

namespace {

constexpr uint8_t NO_STATED_LENGTH = 0x80;

int BytesPerSample(uint8_t byEncoding) {
    switch (byEncoding) {
    case 0:
        return 2; // 16-bit words
    case 1:
        return 1; // 8-bit differences
    default:
        return 0; // unknown: nothing is decoded
    }
}

} // namespace

CMferChannel::CMferChannel(const MferAttributes& attr, const uint8_t* pLimit)
    : CMferTagReader(pLimit), m_attr(attr) {}

const int16_t* CMferChannel::GetSamplesIfLead(int16_t lead) const {
    // Compared as numbers: a negative key never matches a lead code of 32768 or above.
    return static_cast<int>(m_attr.m_wLeadCode) == static_cast<int>(lead) ? m_samples.As<int16_t>() : nullptr;
}

int CMferChannel::ParseAttributeBlock(const uint8_t* p, int& nCount) {
    const uint8_t* pLimit = GetLimit();
    nCount = 0; // a block whose header runs past the image consumes nothing: the frame fails
    if (p + 3 > pLimit)
        return -1;
    int nHeader = 3;
    const uint8_t lengthByte = p[2];
    bool bStated = lengthByte != NO_STATED_LENGTH;
    uint32_t nStated = lengthByte;
    if (lengthByte > NO_STATED_LENGTH) {
        const int n = lengthByte & 0x7F;
        if (n > pLimit - (p + 3))
            return -1;
        nStated = DecodeBytes(0, p + 3, static_cast<uint32_t>(n));
        nHeader += n;
    }
    nCount = nHeader;
    if (bStated && nStated == 0)
        return 0;

    const uint8_t* q = p + nHeader;
    uint64_t nConsumed = 0;
    for (;;) {
        if (q + 2 <= pLimit && q[0] == 0 && q[1] == 0) {
            nCount += 2;
            return 0;
        }
        const int r = DecodeTag(q, &m_attr);
        // -1, 0, 1 and 2 end the block; the frame goes on at the item that ended it.
        if (r <= 2)
            return r;
        q += r;
        nCount += r;
        nConsumed += static_cast<uint32_t>(r);
        if (bStated && nConsumed == nStated)
            return 0;
    }
}

void CMferChannel::CreateSampleArray(int nDefaultSequences, uint32_t nDataBytes) {
    m_bArrayCreated = true;
    m_nRunning = 0;
    if (m_attr.m_nSequences <= 0)
        m_attr.m_nSequences = nDefaultSequences;
    const int64_t nBlockLength = m_attr.m_nBlockLength;
    if (m_attr.m_nSequences <= 0 || nBlockLength <= 0)
        return;
    // A channel never holds more samples than its waveform data can carry; a larger stated
    // count is cut to that so the array stays as long as the attributes say.
    const int64_t nMaxSamples = nDataBytes / std::max(1, BytesPerSample(m_attr.m_byEncoding));
    const int64_t nMaxSequences = nMaxSamples / nBlockLength;
    if (m_attr.m_nSequences > nMaxSequences)
        m_attr.m_nSequences = static_cast<int32_t>(nMaxSequences);
    const int64_t nSamples = m_attr.m_nSequences * nBlockLength;
    if (nSamples == 0)
        return;
    m_samples = CZeroedBlock(static_cast<size_t>(nSamples) * sizeof(int16_t));
    m_nCapacity = m_samples.Get() ? static_cast<int32_t>(nSamples) : 0;
}

int CMferChannel::DecodeBlock(const uint8_t* d, const uint8_t* pDataEnd, int nDefaultSequences) {
    if (!m_bArrayCreated)
        CreateSampleArray(nDefaultSequences, static_cast<uint32_t>(pDataEnd - d));
    const int32_t nBlockLength = m_attr.m_nBlockLength;
    if (nBlockLength <= 0)
        return 0;
    const int64_t nBytes = static_cast<int64_t>(nBlockLength) * BytesPerSample(m_attr.m_byEncoding);
    if (nBytes > pDataEnd - d)
        return -1;
    // Blocks beyond the array are consumed but not stored, keeping the other channels in step.
    if (nBytes > 0 && GetFreeSamples() >= nBlockLength)
        StoreBlock(d, nBlockLength);
    return static_cast<int>(nBytes);
}

void CMferChannel::StoreBlock(const uint8_t* d, int32_t nBlockLength) {
    int16_t* pOut = TakeSamples(nBlockLength);
    if (m_attr.m_byEncoding == 0) {
        const int order = m_attr.m_nByteOrder;
        for (int32_t i = 0; i < nBlockLength; ++i)
            pOut[i] = static_cast<int16_t>(ReadWord(order, d + 2 * i));
        return;
    }
    for (int32_t i = 0; i < nBlockLength; ++i) {
        m_nRunning = static_cast<int16_t>(m_nRunning + static_cast<int8_t>(d[i]));
        pOut[i] = m_nRunning;
    }
}

int16_t* CMferChannel::TakeSamples(int32_t nCount) {
    int16_t* pOut = m_samples.As<int16_t>() + m_nWritten;
    m_nWritten += nCount;
    return pOut;
}

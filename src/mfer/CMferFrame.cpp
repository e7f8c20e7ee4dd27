#include "mfer/CMferFrame.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

template <bool bBigEndian> int16_t LoadWord(const uint8_t* p) {
    return static_cast<int16_t>(bBigEndian ? (p[0] << 8) | p[1] : p[0] | (p[1] << 8));
}

struct BlockTarget {
    int16_t* pOut;
    int32_t nBlockLength;
};

// Copies whole rounds of 16-bit blocks into the channels' arrays in one pass over the data: one
// round holds one block of every channel, in channel order.
template <bool bBigEndian>
void CopyRounds(const uint8_t* d, int64_t nRounds, BlockTarget* pTargets, int nChannels,
                bool bSingleSamples) {
    if (bSingleSamples) {
        // A few hundred rounds at a time: the data stays in cache while each channel's array is
        // written in one run, instead of every channel's array at every sample.
        constexpr int64_t CHUNK_ROUNDS = 512;
        for (int64_t r0 = 0; r0 < nRounds; r0 += CHUNK_ROUNDS) {
            const int64_t nChunk = std::min(CHUNK_ROUNDS, nRounds - r0);
            const uint8_t* pChunk = d + r0 * 2 * nChannels;
            for (int c = 0; c < nChannels; ++c) {
                int16_t* pOut = pTargets[c].pOut + r0;
                const uint8_t* pIn = pChunk + 2 * c;
                for (int64_t r = 0; r < nChunk; ++r)
                    pOut[r] = LoadWord<bBigEndian>(pIn + r * 2 * nChannels);
            }
        }
        return;
    }
    for (int64_t r = 0; r < nRounds; ++r) {
        for (int c = 0; c < nChannels; ++c) {
            BlockTarget& target = pTargets[c];
            for (int32_t i = 0; i < target.nBlockLength; ++i, d += 2)
                *target.pOut++ = LoadWord<bBigEndian>(d);
        }
    }
}

} // namespace

CMferFrame::CMferFrame(const MferAttributes& inherited, const uint8_t* pLimit)
    : CMferTagReader(pLimit), m_attr(inherited) {
    for (int i = 0; i < MFER_MAX_CHANNELS && i < m_attr.m_nChannels; ++i)
        m_apChannels[i] = std::make_unique<CMferChannel>(m_attr, pLimit);
    SetEventPool(m_eventPool.As<MferEvent>(), m_eventPool.Get() ? MFER_EVENT_POOL_RECORDS : 0);
    m_attr.m_pFirstEvent = nullptr;
    m_attr.m_pLastEvent = nullptr;
}

int CMferFrame::Fail(const uint8_t* p, MferDecodeFailure failure) {
    m_nBytes = 0;
    m_failure = failure;
    m_pFailedItem = p;
    return 0;
}

bool CMferFrame::ChannelCountInLimits() const {
    return m_attr.m_nChannels >= 0 && m_attr.m_nChannels <= MFER_MAX_CHANNELS;
}

void CMferFrame::CreateMissingChannels() {
    for (int i = 0; i < m_attr.m_nChannels; ++i)
        if (!m_apChannels[i])
            m_apChannels[i] = std::make_unique<CMferChannel>(m_attr, GetLimit());
}

int CMferFrame::Parse(const uint8_t* p) {
    bool bChannelBlockSeen = false;
    for (;;) {
        const int r = DecodeTag(p, &m_attr);
        if (r == -1)
            return Fail(p, MferDecodeFailure::MalformedItem);
        if (r == 0)
            return m_nBytes == 0 ? Fail(p, MferDecodeFailure::EmptyFrame) : m_nBytes;
        if (!ChannelCountInLimits())
            return Fail(p, MferDecodeFailure::ChannelCount);
        if (r == 2)
            break;
        const int nConsumed = r == 1 ? ParseChannelBlock(p) : r;
        if (nConsumed == 0)
            return Fail(p, MferDecodeFailure::MalformedItem);
        bChannelBlockSeen = bChannelBlockSeen || r == 1;
        p += nConsumed;
        m_nBytes += nConsumed;
    }
    if (bChannelBlockSeen)
        CreateMissingChannels();
    else
        GiveChannelsFrameAttributes();
    ReadWaveform(p);
    StretchToLongestChannel();
    return m_nBytes;
}

int CMferFrame::ParseChannelBlock(const uint8_t* p) {
    CreateMissingChannels();
    const int nChannel = CMferChannel::GetChannelNumber(p);
    // Slots up to the fixed limit take their block even before the channel count reaches them,
    // as writers may state the count late; other numbers are read past and ignored.
    std::unique_ptr<CMferChannel> pIgnored;
    CMferChannel* pChannel = nullptr;
    if (nChannel >= 0 && nChannel < MFER_MAX_CHANNELS) {
        if (!m_apChannels[nChannel])
            m_apChannels[nChannel] = std::make_unique<CMferChannel>(m_attr, GetLimit());
        pChannel = m_apChannels[nChannel].get();
    } else {
        pIgnored = std::make_unique<CMferChannel>(m_attr, GetLimit());
        pChannel = pIgnored.get();
    }
    pChannel->SetAttributes(m_attr);
    int nCount = 0;
    pChannel->ParseAttributeBlock(p, nCount);
    return nCount;
}

void CMferFrame::GiveChannelsFrameAttributes() {
    for (int i = 0; i < m_attr.m_nChannels; ++i) {
        if (m_apChannels[i])
            m_apChannels[i]->SetAttributes(m_attr);
        else
            m_apChannels[i] = std::make_unique<CMferChannel>(m_attr, GetLimit());
    }
}

void CMferFrame::ReadWaveform(const uint8_t* p) {
    if (!ReadTag(p))
        return;
    const uint8_t* d = GetValue();
    const uint32_t nLength = GetLength();
    const uint8_t* pDataEnd = d + nLength;
    m_nBytes += static_cast<int32_t>(GetTotalSize());
    const int nChannels = m_attr.m_nChannels;
    if (nChannels <= 0)
        return;
    const int nDefaultSequences = static_cast<int>((nLength / static_cast<uint32_t>(nChannels)) / 2);
    if (m_attr.m_nSequences <= 0)
        m_attr.m_nSequences = nDefaultSequences;

    // One round is one block of every channel. Stop at the first block the data cannot hold,
    // or when a whole round consumed nothing (no channel has a known encoding).
    auto decodeRound = [&]() {
        const uint8_t* pRoundStart = d;
        for (int c = 0; c < nChannels; ++c) {
            const int nConsumed = m_apChannels[c]->DecodeBlock(d, pDataEnd, nDefaultSequences);
            if (nConsumed < 0)
                return false;
            d += nConsumed;
        }
        return d != pRoundStart;
    };
    const int64_t nSequences = m_attr.m_nSequences;
    int64_t s = 0;
    if (nSequences > 0 && decodeRound()) {
        s = 1 + DecodeUniformRounds(d, pDataEnd, nSequences - 1);
        while (s < nSequences && decodeRound())
            ++s;
    }
}

int64_t CMferFrame::DecodeUniformRounds(const uint8_t*& d, const uint8_t* pDataEnd, int64_t nRounds) {
    // The common case, every channel 16-bit in one byte order, is copied without per-block
    // bookkeeping; anything else is left to the block-by-block path.
    const int nChannels = m_attr.m_nChannels;
    const int nByteOrder = m_apChannels[0]->GetAttributes()->m_nByteOrder;
    int64_t nRoundBytes = 0;
    for (int c = 0; c < nChannels; ++c) {
        const MferAttributes* pAttr = m_apChannels[c]->GetAttributes();
        const int32_t nBlockLength = pAttr->m_nBlockLength;
        if (pAttr->m_byEncoding != 0 || (pAttr->m_nByteOrder == 0) != (nByteOrder == 0) || nBlockLength <= 0)
            return 0;
        nRounds = std::min<int64_t>(nRounds, m_apChannels[c]->GetFreeSamples() / nBlockLength);
        nRoundBytes += 2 * static_cast<int64_t>(nBlockLength);
    }
    nRounds = std::min<int64_t>(nRounds, (pDataEnd - d) / nRoundBytes);
    if (nRounds <= 0)
        return 0;
    std::array<BlockTarget, MFER_MAX_CHANNELS> targets;
    bool bSingleSamples = true;
    for (int c = 0; c < nChannels; ++c) {
        const int32_t nBlockLength = m_apChannels[c]->GetAttributes()->m_nBlockLength;
        targets[c] = {m_apChannels[c]->TakeSamples(static_cast<int32_t>(nRounds * nBlockLength)),
                      nBlockLength};
        bSingleSamples = bSingleSamples && nBlockLength == 1;
    }
    if (nByteOrder == 0)
        CopyRounds<true>(d, nRounds, targets.data(), nChannels, bSingleSamples);
    else
        CopyRounds<false>(d, nRounds, targets.data(), nChannels, bSingleSamples);
    d += nRounds * nRoundBytes;
    return nRounds;
}

void CMferFrame::StretchToLongestChannel() {
    const double frameInterval = m_attr.m_nSamplingInterval;
    const double frameBlockLength = m_attr.m_nBlockLength;
    if (frameInterval <= 0 || frameBlockLength <= 0)
        return;
    for (int c = 0; c < m_attr.m_nChannels; ++c) {
        const MferAttributes* pAttr = m_apChannels[c]->GetAttributes();
        const double durationMs = std::trunc(static_cast<double>(pAttr->m_nSequences) *
                                             pAttr->m_nBlockLength * pAttr->m_nSamplingInterval * 0.001);
        const double frameSamplesNeeded = durationMs * 1000.0 / frameInterval;
        if (static_cast<double>(m_attr.m_nSequences) * frameBlockLength < frameSamplesNeeded) {
            const double sequences = std::trunc(frameSamplesNeeded / frameBlockLength);
            m_attr.m_nSequences = static_cast<int32_t>(
                std::min(sequences, static_cast<double>(std::numeric_limits<int32_t>::max())));
        }
    }
}

const CMferChannel* CMferFrame::Channel(int nChannel) const {
    if (nChannel < 0 || nChannel >= m_attr.m_nChannels || nChannel >= MFER_MAX_CHANNELS)
        return nullptr;
    return m_apChannels[nChannel].get();
}

const MferAttributes* CMferFrame::GetChannelAttributes(int nChannel) const {
    const CMferChannel* pChannel = Channel(nChannel);
    return pChannel ? pChannel->GetAttributes() : nullptr;
}

const int16_t* CMferFrame::GetSamples(int byLead, int16_t key) const {
    if (byLead == 0) {
        const CMferChannel* pChannel = Channel(key);
        return pChannel ? pChannel->GetSamples() : nullptr;
    }
    for (int c = 0; c < m_attr.m_nChannels && c < MFER_MAX_CHANNELS; ++c)
        if (m_apChannels[c])
            if (const int16_t* pSamples = m_apChannels[c]->GetSamplesIfLead(key))
                return pSamples;
    return nullptr;
}

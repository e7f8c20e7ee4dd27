#include "CWaveRecording.h"

namespace {

constexpr uint8_t g_nUnitSeconds = 1;
constexpr uint8_t g_nUnitVolts = 0;
constexpr int8_t g_nMicro = -6;
constexpr int8_t g_nNano = -9;
constexpr int g_nMantissaBytes = 4;

} // namespace

CWaveRecording::CWaveRecording(uint16_t wWaveformType, uint32_t nIntervalUs, uint32_t nResolutionNv,
                               uint32_t nBlockLength)
    : m_wWaveformType(wWaveformType), m_nIntervalUs(nIntervalUs), m_nResolutionNv(nResolutionNv),
      m_nBlockLength(nBlockLength) {}

CWaveRecording& CWaveRecording::Add(SWaveChannel channel) {
    m_aChannels.push_back(std::move(channel));
    return *this;
}

CMferWriter CWaveRecording::Build() const {
    const auto blockLengthOf = [this](const SWaveChannel& channel) {
        return channel.m_nBlockLength != 0 ? channel.m_nBlockLength : m_nBlockLength;
    };
    CMferWriter w;
    const uint32_t nSequences = m_aChannels.empty()
                                    ? 0
                                    : static_cast<uint32_t>(m_aChannels.front().m_anSamples.size()) /
                                          blockLengthOf(m_aChannels.front());
    w.WaveformType(m_wWaveformType)
        .Channels(static_cast<uint32_t>(m_aChannels.size()))
        .BlockLength(m_nBlockLength)
        .Sequences(nSequences)
        .SamplingInterval(g_nUnitSeconds, g_nMicro, m_nIntervalUs, g_nMantissaBytes)
        .Resolution(g_nUnitVolts, g_nNano, m_nResolutionNv, g_nMantissaBytes);
    std::vector<const std::vector<int16_t>*> apSamples;
    std::vector<int> anBlockLengths;
    for (size_t c = 0; c < m_aChannels.size(); ++c) {
        const SWaveChannel& channel = m_aChannels[c];
        w.ChannelBlock(static_cast<uint8_t>(c), [&](CMferWriter& block) {
            block.LeadCode(channel.m_wLead);
            if (channel.m_nIntervalUs != 0)
                block.SamplingInterval(g_nUnitSeconds, g_nMicro, channel.m_nIntervalUs, g_nMantissaBytes);
            if (channel.m_nResolutionNv != 0)
                block.Resolution(g_nUnitVolts, g_nNano, channel.m_nResolutionNv, g_nMantissaBytes);
            if (channel.m_nBlockLength != 0)
                block.BlockLength(channel.m_nBlockLength);
        });
        apSamples.push_back(&channel.m_anSamples);
        anBlockLengths.push_back(static_cast<int>(blockLengthOf(channel)));
    }
    if (!m_aChannels.empty())
        w.Waveform16Interleaved(apSamples, anBlockLengths);
    return w;
}

std::vector<int16_t> Constant(int16_t nValue, int nCount) {
    return std::vector<int16_t>(static_cast<size_t>(nCount), nValue);
}

std::vector<int16_t> SquareWave(int16_t nLow, int16_t nHigh, int nHalfPeriod, int nCount) {
    std::vector<int16_t> anSamples(static_cast<size_t>(nCount));
    for (int i = 0; i < nCount; ++i)
        anSamples[static_cast<size_t>(i)] = (i / nHalfPeriod) % 2 == 0 ? nLow : nHigh;
    return anSamples;
}

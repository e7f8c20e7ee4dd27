#include "BandRecording.h"

namespace {

constexpr uint8_t g_nUnitSeconds = 1;
constexpr uint8_t g_nUnitVolts = 0;
constexpr int8_t g_nMicro = -6;
constexpr int8_t g_nNano = -9;
constexpr int g_nMantissaBytes = 4;

} // namespace

CMferWriter BandRecording::Build() const {
    CMferWriter w;
    const auto nSequences = static_cast<uint32_t>(aChannels.empty() ? 0 : aChannels.front().anSamples.size());
    w.WaveformType(wWaveformType).Channels(static_cast<uint32_t>(aChannels.size())).BlockLength(1);
    w.Sequences(nSequences)
        .SamplingInterval(g_nUnitSeconds, g_nMicro, nIntervalUs, g_nMantissaBytes)
        .Resolution(g_nUnitVolts, g_nNano, nResolutionNv, g_nMantissaBytes);
    std::vector<const std::vector<int16_t>*> apSamples;
    for (size_t c = 0; c < aChannels.size(); ++c) {
        const bool bOwnInterval = static_cast<int>(c) == nIntervalChannel && nChannelIntervalUs >= 0;
        w.ChannelBlock(static_cast<uint8_t>(c), [&](CMferWriter& block) {
            block.LeadCode(aChannels[c].wLeadCode);
            if (bOwnInterval)
                block.SamplingInterval(g_nUnitSeconds, g_nMicro, static_cast<uint32_t>(nChannelIntervalUs),
                                       g_nMantissaBytes);
        });
        apSamples.push_back(&aChannels[c].anSamples);
    }
    if (!aChannels.empty())
        w.Waveform16Interleaved(apSamples, 1);
    return w;
}

std::vector<int16_t> ConstantSamples(int16_t nValue, int nCount) {
    return std::vector<int16_t>(static_cast<size_t>(nCount), nValue);
}

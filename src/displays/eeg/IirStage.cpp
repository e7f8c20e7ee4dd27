#include "displays/eeg/IirStage.h"

namespace {

constexpr double g_dSecondsPerMicrosecond = 0.000001;
// 1 / 0.3 s: the low-cut's time constant.
constexpr double g_dLowCutRate = 3.3333333333333335;
// 2 pi x 30 Hz in radians per second: the high-cut's corner.
constexpr double g_dHighCutOmega = 188.49555984;

double IntervalSeconds(int32_t nSamplingInterval) {
    return nSamplingInterval * g_dSecondsPerMicrosecond;
}

} // namespace

IirStage IirStage::LowCut(int32_t nSamplingInterval) {
    const double dTau = IntervalSeconds(nSamplingInterval);
    return {.m_dB0 = 2.0,
            .m_dB1 = -2.0,
            .m_dA0 = 2.0 + dTau * g_dLowCutRate,
            .m_dA1 = dTau * g_dLowCutRate - 2.0};
}

IirStage IirStage::HighCut(int32_t nSamplingInterval) {
    const double dW = IntervalSeconds(nSamplingInterval) * g_dHighCutOmega;
    return {.m_dB0 = dW, .m_dB1 = dW, .m_dA0 = 2.0 + dW, .m_dA1 = dW - 2.0};
}

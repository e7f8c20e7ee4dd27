#include "displays/ecg12/CHighCutFilter.h"

namespace {

// 2 pi x 30 Hz in rad/s, and 2 sqrt(2), as the filter has always been written.
constexpr double CUTOFF_RAD_PER_S = 188.49555984;
constexpr double TWO_SQRT_TWO = 2.828427124;
constexpr double SECONDS_PER_MICROSECOND = 0.000001;

} // namespace

void CHighCutFilter::InitFilter(int32_t nSamplingIntervalUs) {
    const double w = nSamplingIntervalUs * SECONDS_PER_MICROSECOND * CUTOFF_RAD_PER_S;
    const double w2 = w * w;
    m_adFilter[B0] = w2;
    m_adFilter[B1] = 2 * w2;
    m_adFilter[B2] = w2;
    // Never zero: w^2 + r w + 4 has no real root.
    m_adFilter[A0] = (TWO_SQRT_TWO + w) * w + 4;
    m_adFilter[A1] = 2 * w2 - 8;
    m_adFilter[A2] = w2 - TWO_SQRT_TWO * w + 4;
    m_adFilter[Y1] = m_adFilter[Y2] = m_adFilter[X1] = m_adFilter[X2] = 0;
}

int32_t CHighCutFilter::FilterSample(int32_t x) {
    auto& f = m_adFilter;
    const double y = (f[B2] * f[X2] + x * f[B0] + f[B1] * f[X1] - f[A1] * f[Y1] - f[A2] * f[Y2]) / f[A0];
    f[Y2] = f[Y1];
    f[Y1] = y;
    f[X2] = f[X1];
    f[X1] = x;
    return static_cast<int32_t>(y);
}

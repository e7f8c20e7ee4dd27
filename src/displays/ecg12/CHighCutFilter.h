#pragma once

#include <array>
#include <cstdint>

// The 30 Hz high-cut of the ECG traces: a second-order Butterworth low-pass made by the bilinear
// transform without pre-warping, run on the trace's pixel offsets.
class CHighCutFilter {
public:
    // New coefficients for the sampling interval and a cleared state.
    void InitFilter(int32_t nSamplingIntervalUs);
    // One step: the next output, truncated toward zero.
    int32_t FilterSample(int32_t x);

private:
    enum : std::size_t { B0, B1, B2, A0, A1, A2, Y1, Y2, X1, X2, FILTER_TERMS };
    std::array<double, FILTER_TERMS> m_adFilter{};
};

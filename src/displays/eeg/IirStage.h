#pragma once

#include <cstdint>

// A first-order recursive filter stage in double precision, as the EEG rows use it twice: a low-cut
// that takes off the electrodes' slow drift and a high-cut that takes off mains and muscle noise.
struct IirStage {
    double m_dB0 = 0.0;
    double m_dB1 = 0.0;
    double m_dA0 = 1.0;
    double m_dA1 = 0.0;
    double m_dX1 = 0.0; // previous input
    double m_dY1 = 0.0; // previous output

    // y = (b0 x + b1 x1 - a1 y1) / a0; the stage then remembers x and y. Inline: it runs for every
    // sample shown.
    double Step(double dX) {
        const double dY = (m_dB0 * dX + m_dB1 * m_dX1 - m_dA1 * m_dY1) / m_dA0;
        m_dX1 = dX;
        m_dY1 = dY;
        return dY;
    }

    // Time constant 0.3 s and 30 Hz corner for a sampling interval in microseconds, from rest.
    static IirStage LowCut(int32_t nSamplingInterval);
    static IirStage HighCut(int32_t nSamplingInterval);
};

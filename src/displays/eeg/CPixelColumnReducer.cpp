#include "displays/eeg/CPixelColumnReducer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

int16_t SPixelColumn::Peak() const {
    return std::abs(m_nLo) >= std::abs(m_nHi) ? m_nLo : m_nHi;
}

int16_t SPixelColumn::Middle() const {
    return static_cast<int16_t>((m_nLo + m_nHi) / 2);
}

CPixelColumnReducer::CPixelColumnReducer(int nBaseX, double dPixelsPerSample)
    : m_dBaseX(nBaseX), m_dPixelsPerSample(dPixelsPerSample) {}

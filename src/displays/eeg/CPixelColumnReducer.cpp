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

std::optional<SPixelColumn> CPixelColumnReducer::Add(int16_t nOffset) {
    m_nLo = std::min(m_nLo, nOffset);
    m_nHi = std::max(m_nHi, nOffset);
    std::optional<SPixelColumn> column;
    if (m_dNextEdge <= m_dPosition) {
        column = SPixelColumn{static_cast<int>(m_dBaseX + m_dPosition), m_nLo, m_nHi};
        m_nLo = m_nHi = nOffset;
        m_dNextEdge = std::trunc(m_dPosition + 1.0);
    }
    m_dPosition += m_dPixelsPerSample;
    return column;
}

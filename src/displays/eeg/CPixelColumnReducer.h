#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

// The lowest and highest pixel offsets of the samples that fell into one pixel column.
struct SPixelColumn {
    int m_nX = 0;
    int16_t m_nLo = 0;
    int16_t m_nHi = 0;

    // The extreme farther from the zero line; the low one on a tie.
    int16_t Peak() const;
    // Halfway between the extremes, rounded toward zero.
    int16_t Middle() const;
};

// Reduces a run of samples to one column per pixel: a running position advances by the pixels per
// sample, and a column closes when the position reaches the next whole pixel. The sample that closes
// a column also opens the next one, so neighbouring columns always touch.
class CPixelColumnReducer {
public:
    // Columns lie at trunc(nBaseX + position); the first closes once the position reaches 1.
    CPixelColumnReducer(int nBaseX, double dPixelsPerSample);

    // Takes the next sample's pixel offset; returns the column it closes, if it closes one, valid
    // until the next call. Inline, and without building a column per sample: it runs for every
    // sample shown.
    const SPixelColumn* Add(int16_t nOffset) {
        m_nLo = std::min(m_nLo, nOffset);
        m_nHi = std::max(m_nHi, nOffset);
        const SPixelColumn* pClosed = nullptr;
        if (m_dNextEdge <= m_dPosition) {
            m_closed = SPixelColumn{static_cast<int>(m_dBaseX + m_dPosition), m_nLo, m_nHi};
            pClosed = &m_closed;
            m_nLo = m_nHi = nOffset;
            m_dNextEdge = std::trunc(m_dPosition + 1.0);
        }
        m_dPosition += m_dPixelsPerSample;
        return pClosed;
    }

private:
    double m_dBaseX;
    double m_dPixelsPerSample;
    double m_dPosition = 0.0;
    double m_dNextEdge = 1.0;
    int16_t m_nLo = 0;
    int16_t m_nHi = 0;
    SPixelColumn m_closed;
};

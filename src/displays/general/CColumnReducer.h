#pragma once

#include <cstdint>

// One pixel column of a trace, complete when a sample closes it. Positions are trace pixels from
// the grid's left edge, heights pixels above the baseline.
struct BandColumn {
    int x = 0;
    int16_t lo = 0; // lowest height since the previous column, the closing sample included
    int16_t hi = 0; // highest height since the previous column
    int xPrev = 0;
    int16_t midPrev = 0; // middle of the previous column's range
    int16_t hiPrev = 0;  // top of the previous column
};

// Gathers the samples that fall into one pixel column. The position advances by the pixels per
// sample; a column closes when the position reaches the next whole pixel, and the sample that
// closes it also opens the next one.
class CColumnReducer {
public:
    // dPixelsPerSample must be positive. The first sample added is sample nFirst; the column before
    // it is taken to lie at that sample's own pixel with every height yBefore.
    CColumnReducer(double dPixelsPerSample, int64_t nFirst, int16_t yBefore);

    // True when this sample closed a column; Column() then describes it until the next call.
    bool Add(int16_t y);
    const BandColumn& Column() const { return m_column; }

private:
    void CloseColumn();

    double m_dPixelsPerSample;
    double m_dPosition;
    double m_dNextEdge;
    int16_t m_nLo;
    int16_t m_nHi;
    BandColumn m_column;
};

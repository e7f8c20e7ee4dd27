#pragma once

#include <cstdint>

struct MferAttributes;

// The strip's geometry for one recording and one client width: how many rows, how large, how many
// samples a row holds and how much time lies between two row labels. A recording without a time
// base (sampling interval 0) has no rows.
class CStripLayout {
public:
    CStripLayout(const MferAttributes& frameAttr, int nPixelsPerMm, int nClientWidth);

    bool HasTimeBase() const { return m_nSamplesPerRow > 0; }
    int TimeColumnWidth() const { return TIME_COLUMN_MM * m_nPixelsPerMm; }
    int Height() const { return m_nRows * m_nRowHeight; }

    static int NarrowWidth(int nPixelsPerMm) { return static_cast<int>(nPixelsPerMm * STRIP_WIDTH_MM); }

    static constexpr int TIME_COLUMN_MM = 13;
    static constexpr double STRIP_WIDTH_MM = 187.5;
    static constexpr int64_t ROW_MICROSECONDS = 30'000'000;
    static constexpr int ROW_SECONDS = 30;

    int m_nPixelsPerMm;
    int m_nNarrowWidth; // strip width of a 30-second row
    int m_nWidth;       // strip width as drawn, doubled in wide mode
    int m_nRowHeight;
    int m_nRows;
    int64_t m_nSamplesPerRow;
    int m_nLabelStep; // seconds between two row labels
    bool m_bWide;
    int64_t m_nTotalSamples; // samples per channel the frame states
    int m_nChannels;         // channels shown, at most two
};

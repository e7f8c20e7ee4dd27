#include "displays/longterm/CStripLayout.h"

#include "mfer/MferAttributes.h"

#include <algorithm>
#include <climits>

namespace {

constexpr int ROW_HEIGHT_MM = 20;
constexpr int MAX_CHANNELS_SHOWN = 2;

int64_t TotalSamples(const MferAttributes& attr) {
    if (attr.m_nSequences <= 0 || attr.m_nBlockLength <= 0)
        return 0;
    return static_cast<int64_t>(attr.m_nSequences) * attr.m_nBlockLength;
}

// The duration in rows, rounded to the nearest row. The product is taken in 64 bits: in 32 bits a
// day-long recording wraps.
int RowsOf(const MferAttributes& attr, int64_t nTotalSamples, int nRowHeight) {
    if (attr.m_nSamplingInterval <= 0)
        return 0;
    const double duration =
        static_cast<double>(attr.m_nSamplingInterval) * static_cast<double>(nTotalSamples);
    const double rows = duration / static_cast<double>(CStripLayout::ROW_MICROSECONDS) + 0.5;
    // The extent's height must stay an int.
    return static_cast<int>(std::min(rows, static_cast<double>(INT_MAX / std::max(nRowHeight, 1))));
}

} // namespace

CStripLayout::CStripLayout(const MferAttributes& frameAttr, int nPixelsPerMm, int nClientWidth)
    : m_nPixelsPerMm(nPixelsPerMm), m_nNarrowWidth(NarrowWidth(nPixelsPerMm)), m_nWidth(m_nNarrowWidth),
      m_nRowHeight(ROW_HEIGHT_MM * nPixelsPerMm), m_nRows(0), m_nSamplesPerRow(0), m_nLabelStep(ROW_SECONDS),
      m_bWide(false), m_nTotalSamples(TotalSamples(frameAttr)),
      m_nChannels(std::clamp(frameAttr.m_nChannels, 0, MAX_CHANNELS_SHOWN)) {
    m_nRows = RowsOf(frameAttr, m_nTotalSamples, m_nRowHeight);
    if (frameAttr.m_nSamplingInterval > 0)
        m_nSamplesPerRow = ROW_MICROSECONDS / frameAttr.m_nSamplingInterval;
    // A client twice as wide as the strip shows one minute per row.
    if (nClientWidth >= 2 * m_nNarrowWidth) {
        m_bWide = true;
        m_nWidth = 2 * m_nNarrowWidth;
        m_nRows = (m_nRows + 1) / 2;
        m_nSamplesPerRow *= 2;
        m_nLabelStep = 2 * ROW_SECONDS;
    }
}

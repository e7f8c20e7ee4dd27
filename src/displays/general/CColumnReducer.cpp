#include "displays/general/CColumnReducer.h"

#include <algorithm>
#include <cmath>

namespace {

// Far beyond any device or extent, and still clear of int overflow once offsets are added.
constexpr double g_dMaxColumn = 1 << 30;

int ColumnAt(double dPosition) {
    return static_cast<int>(std::min(dPosition, g_dMaxColumn));
}

} // namespace

CColumnReducer::CColumnReducer(double dPixelsPerSample, int64_t nFirst, int16_t yBefore)
    : m_dPixelsPerSample(dPixelsPerSample), m_dPosition(static_cast<double>(nFirst) * dPixelsPerSample),
      m_dNextEdge(std::trunc(m_dPosition) + 1.0), m_nLo(yBefore), m_nHi(yBefore) {
    m_column.x = ColumnAt(m_dPosition);
    m_column.lo = m_column.hi = yBefore;
}

bool CColumnReducer::Add(int16_t y) {
    m_nLo = std::min(m_nLo, y);
    m_nHi = std::max(m_nHi, y);
    const bool bClosed = m_dNextEdge <= m_dPosition;
    if (bClosed) {
        CloseColumn();
        m_nLo = m_nHi = y;
        m_dNextEdge = std::trunc(m_dPosition + 1.0);
    }
    m_dPosition += m_dPixelsPerSample;
    return bClosed;
}

void CColumnReducer::CloseColumn() {
    BandColumn& col = m_column;
    col.xPrev = col.x;
    col.midPrev = static_cast<int16_t>((col.lo + col.hi) / 2);
    col.hiPrev = col.hi;
    col.x = ColumnAt(m_dPosition);
    col.lo = m_nLo;
    col.hi = m_nHi;
}

#include "platform/CLineRaster.h"

#include <cstdlib>

namespace {

std::uint64_t Magnitude(long long nValue) {
    return static_cast<std::uint64_t>(std::llabs(nValue));
}
int Direction(long long nValue) {
    return nValue < 0 ? -1 : 1;
}

} // namespace

CLineRaster::CLineRaster(CPoint ptFrom, CPoint ptTo, int nPenWidth) {
    const long long nDx = static_cast<long long>(ptTo.x) - ptFrom.x;
    const long long nDy = static_cast<long long>(ptTo.y) - ptFrom.y;
    m_bXMajor = Magnitude(nDx) >= Magnitude(nDy);
    const long long nMajorDelta = m_bXMajor ? nDx : nDy;
    const long long nMinorDelta = m_bXMajor ? nDy : nDx;
    m_nMajor0 = m_bXMajor ? ptFrom.x : ptFrom.y;
    m_nMinor0 = m_bXMajor ? ptFrom.y : ptFrom.x;
    m_nMajorDir = Direction(nMajorDelta);
    m_nMinorDir = Direction(nMinorDelta);
    m_nSteps = Magnitude(nMajorDelta);
    m_nMinorSpan = Magnitude(nMinorDelta);
    const int nWidth = std::max(nPenWidth, 1);
    m_nBrushBefore = -(nWidth / 2);
    m_nBrushAfter = (nWidth - 1) / 2;
}

// round(step * minor span / steps), halves away from the start. Both factors are below 2^32, so
// the product fits 64 bits; the quotient and remainder keep the rounding exact.
long long CLineRaster::MinorAt(long long nStep) const {
    const std::uint64_t nProduct = static_cast<std::uint64_t>(nStep) * m_nMinorSpan;
    const std::uint64_t nQuotient = nProduct / m_nSteps;
    const std::uint64_t nRemainder = nProduct % m_nSteps;
    const std::uint64_t nOffset = nQuotient + (2 * nRemainder >= m_nSteps ? 1 : 0);
    return m_nMinor0 + m_nMinorDir * static_cast<long long>(nOffset);
}

// The brush squares that reach this major coordinate belong to a run of consecutive thin pixels
// whose minor offsets change by at most one per step, so together they cover one unbroken span
// from the smallest to the largest of their offsets, widened by the brush.
void CLineRaster::CoverageAt(long long nMajor, long long& nMinorFirst, long long& nMinorLast) const {
    const long long nStepA = (nMajor - m_nBrushAfter - m_nMajor0) * m_nMajorDir;
    const long long nStepB = (nMajor - m_nBrushBefore - m_nMajor0) * m_nMajorDir;
    const long long nFirstStep = std::max(std::min(nStepA, nStepB), 0LL);
    const long long nLastStep = std::min(std::max(nStepA, nStepB), static_cast<long long>(m_nSteps) - 1);
    const long long nMinorA = MinorAt(nFirstStep);
    const long long nMinorB = MinorAt(nLastStep);
    nMinorFirst = std::min(nMinorA, nMinorB) + m_nBrushBefore;
    nMinorLast = std::max(nMinorA, nMinorB) + m_nBrushAfter;
}

CRect CLineRaster::MakeSpan(long long nMajor, long long nMinorFirst, long long nMinorLast) const {
    const int nM = static_cast<int>(nMajor);
    const int nFirst = static_cast<int>(nMinorFirst);
    const int nLast = static_cast<int>(nMinorLast);
    return m_bXMajor ? CRect(nM, nFirst, nM + 1, nLast + 1) : CRect(nFirst, nM, nLast + 1, nM + 1);
}

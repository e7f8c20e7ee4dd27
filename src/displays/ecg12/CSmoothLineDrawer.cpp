#include "displays/ecg12/CSmoothLineDrawer.h"

#include "platform/CDC.h"
#include "platform/CSize.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int SMOOTH_GREY_STEP = 16;
constexpr int DARKEST_LEVEL = 0;
constexpr int PALEST_LEVEL = SMOOTH_PEN_COUNT - 1;

constexpr SmoothRamp MakeGreyRamp() {
    SmoothRamp acr{};
    for (int k = 0; k < SMOOTH_PEN_COUNT; ++k)
        acr[static_cast<size_t>(k)] = RGB(SMOOTH_GREY_STEP * k, SMOOTH_GREY_STEP * k, SMOOTH_GREY_STEP * k);
    return acr;
}

int Sign(int n) {
    return n > 0 ? 1 : -1;
}

} // namespace

const SmoothRamp g_acrSmoothGreys = MakeGreyRamp();

void CSmoothLineDrawer::CreateSmoothPens(const SmoothRamp& acrRamp) {
    for (size_t k = 0; k < m_aSmoothPens.size(); ++k)
        m_aSmoothPens[k].CreatePen(1, acrRamp[k]);
    m_ptPending = CPoint();
    m_nPendingCount = 0;
    m_nPendingDir = 0;
    m_nLastDy = 0;
}

void CSmoothLineDrawer::DrawSmoothLine(CDC* pDC, int x0, int y0, int x1, int y1) {
    if (y1 == y0)
        OnFlatStep(pDC, x1, y1);
    else
        OnSlopedStep(pDC, x0, y0, x1, y1);
}

void CSmoothLineDrawer::FlushSmoothLine(CDC* pDC, int x, int y) {
    if (m_nPendingCount > 0)
        CrossFade(pDC, m_nPendingCount, m_ptPending.y > y ? -1 : 1, x);
    m_nPendingCount = 0;
}

void CSmoothLineDrawer::OnFlatStep(CDC* pDC, int x1, int y1) {
    if (m_nPendingCount == 0) {
        m_ptPending = CPoint(x1, y1);
        m_nPendingCount = 1;
        m_nPendingDir = m_nLastDy;
    } else if (m_nPendingCount < SMOOTH_PEN_COUNT) {
        ++m_nPendingCount;
    } else if (m_nPendingDir != 0) {
        // The run is long enough to settle: fade from the slope's row onto the level.
        CrossFade(pDC, SMOOTH_PEN_COUNT, m_nPendingDir > 0 ? -1 : 1, x1);
        m_nPendingDir = 0;
    } else {
        m_acrRun.assign(1, Shade(DARKEST_LEVEL));
        pDC->DrawShadedRun(m_ptPending, CSize(1, 0), m_acrRun);
        ++m_ptPending.x;
    }
}

void CSmoothLineDrawer::OnSlopedStep(CDC* pDC, int x0, int y0, int x1, int y1) {
    const int dy = y1 - y0;
    m_nLastDy = dy;
    if (m_nPendingCount > 0) {
        CrossFade(pDC, m_nPendingCount, m_ptPending.y > y1 ? -1 : 1, x1);
        m_nPendingCount = 0;
    }
    const int nDir = Sign(dy);
    const int nSteep = std::abs(dy);
    if (nSteep >= SMOOTH_PEN_COUNT) {
        const int nOffset = nSteep / SMOOTH_PEN_COUNT;
        FadeStroke(pDC, x0, y1, y0, -nDir * nOffset, 1, PALEST_LEVEL);
        FadeStroke(pDC, x1, y0, y1, nDir * nOffset, 1, PALEST_LEVEL);
        return;
    }
    // Shallow steps use fewer, coarser shades: as many rows as the step is high.
    const int nLevelStep = (nSteep + SMOOTH_PEN_COUNT + 1) / (nSteep + 1);
    const int nCount = PALEST_LEVEL / nLevelStep;
    FadeStroke(pDC, x0, y1, y0, -nDir, nLevelStep, nCount);
    FadeStroke(pDC, x1, y0, y1, nDir, nLevelStep, nCount);
}

void CSmoothLineDrawer::CrossFade(CDC* pDC, int nCount, int nRowStep, int xEnd) {
    m_acrRun.clear();
    for (int j = 0; j < nCount; ++j)
        m_acrRun.push_back(Shade(j));
    pDC->DrawShadedRun(m_ptPending, CSize(1, 0), m_acrRun);
    m_ptPending.y += nRowStep;
    pDC->DrawShadedRun(CPoint(xEnd, m_ptPending.y), CSize(-1, 0), m_acrRun);
}

void CSmoothLineDrawer::FadeStroke(CDC* pDC, int x, int yFrom, int yTo, int nOffset, int nLevelStep,
                                   int nCount) {
    const int nDir = Sign(nOffset);
    const auto nShadeRows = static_cast<size_t>(std::abs(nOffset));
    const auto nFadeRows = static_cast<size_t>(nCount) * nShadeRows;
    const auto nDarkRows = static_cast<size_t>(std::abs(yTo + nDir - (yFrom + nCount * nOffset)));
    m_acrRun.resize(nFadeRows + nDarkRows);
    auto itRow = m_acrRun.begin();
    for (int m = 1; m <= nCount; ++m)
        itRow = std::fill_n(itRow, nShadeRows, Shade(PALEST_LEVEL - m * nLevelStep));
    std::fill_n(itRow, nDarkRows, Shade(DARKEST_LEVEL));
    pDC->DrawShadedRun(CPoint(x, yFrom), CSize(0, nDir), m_acrRun);
}

COLORREF CSmoothLineDrawer::Shade(int nLevel) const {
    return m_aSmoothPens[static_cast<size_t>(nLevel)].GetColor();
}

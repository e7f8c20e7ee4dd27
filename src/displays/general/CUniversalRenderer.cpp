#include "displays/general/CUniversalRenderer.h"

#include "displays/general/BandLines.h"
#include "platform/CDC.h"
#include "platform/IProfile.h"
#include "view/CZelvoView.h"

namespace {

constexpr BandLayout g_universalLayout = {.nBandMm = 20, .nMsPerMm = 40, .dMmPerMs = 0.025};

constexpr char g_szSection[] = "Universal";
constexpr int g_nDefaultBackColor = BAND_SCHEME_BLACK;
constexpr COLORREF g_crDefaultWave = RGB(255, 255, 255);

// The grid counts a partly filled last millimetre as one, the ruler as five.
constexpr int g_nGridPartialColumns = 1;
constexpr int g_nRulerPartialColumns = 5;
constexpr int g_nExtentMarginMm = 5;
constexpr int g_nRulerEveryMm = 5;
// Ticks sit on every fourth ruler row (every band's baseline) and on every second ruler column.
constexpr int g_nTickedRowEvery = 4;
constexpr int g_nTickedColumnEvery = 2;
// A tick reaches two pixels to one side of its line and covers the line and two pixels on the
// other; the first line is ticked on its inner side only, the last on its line and inner side.
constexpr int g_nTickBefore = 2;
constexpr int g_nTickAfter = 3;

struct TickReach {
    int nBefore; // below a row, right of a column
    int nAfter;  // above a row, left of a column (end point excluded)
};

TickReach TickReachOf(int64_t nLine, int64_t nLastLine) {
    if (nLine == 0)
        return {g_nTickBefore, 0};
    if (nLine == nLastLine)
        return {0, g_nTickAfter};
    return {g_nTickBefore, g_nTickAfter};
}

} // namespace

CUniversalRenderer::CUniversalRenderer() : CChannelBandRenderer(g_universalLayout) {}

void CUniversalRenderer::LoadColors() {
    const IProfile* pProfile = m_pView->GetProfile();
    m_nBackColor = pProfile->GetProfileInt(g_szSection, "BackColor", g_nDefaultBackColor);
    m_crWave = static_cast<COLORREF>(
        pProfile->GetProfileInt(g_szSection, "WaveColor", static_cast<int>(g_crDefaultWave)));
    m_nScaleWidth = pProfile->GetProfileInt(g_szSection, "ScaleWidth", 0);
}

std::string CUniversalRenderer::BandLabel(int nChannel, const MferAttributes*) const {
    return m_pView->GetChannelLabel(nChannel);
}

void CUniversalRenderer::DrawBackground(CDC* pDC) {
    const BandScheme& scheme = GetBandScheme(m_nBackColor);
    const int64_t s = m_nPixelsPerMm;
    const int64_t nHeight = int64_t{GetPaperHeightMm()} * s;
    const bool bGrid = m_nScaleWidth == 0;
    const int64_t nColumns = GetPaperColumns(bGrid ? g_nGridPartialColumns : g_nRulerPartialColumns);
    const int64_t nWidth = (nColumns + g_nExtentMarginMm) * s;
    m_rcExtent = bGrid ? ClampedExtent(nWidth, nHeight)
                       : ClampedExtent(nWidth + m_ptOrigin.x, nHeight + 2 * int64_t{m_ptOrigin.y});
    if (scheme.bBlackPaper)
        FillBlackPaper(pDC);
    if (bGrid)
        DrawGrid(pDC, nColumns, scheme);
    else
        DrawRuler(pDC, nColumns, scheme.crRuler);
}

void CUniversalRenderer::FillBlackPaper(CDC* pDC) const {
    CRect rcPaper = m_pView->GetWindow()->GetClientRect();
    rcPaper.right = std::max(rcPaper.right, m_rcExtent.right);
    rcPaper.bottom = std::max(rcPaper.bottom, m_rcExtent.bottom);
    CRect rcFill;
    if (rcFill.IntersectRect(rcPaper, pDC->GetClipBox()))
        pDC->FillRect(rcFill, RGB(0, 0, 0));
}

void CUniversalRenderer::DrawRuler(CDC* pDC, int64_t nColumns, COLORREF crRuler) const {
    const CPen pen(1, crRuler);
    const CPen penOld = pDC->SelectPen(pen);
    DrawRulerRows(pDC, nColumns);
    DrawRulerColumns(pDC, nColumns);
    pDC->SelectPen(penOld);
}

void CUniversalRenderer::DrawRulerRows(CDC* pDC, int64_t nColumns) const {
    const int64_t s = m_nPixelsPerMm;
    const int64_t ox = m_ptOrigin.x;
    const int64_t xRight = ox + nColumns * s;
    const int64_t nLastRow = GetPaperHeightMm() / g_nRulerEveryMm;
    const CRect rcClip = pDC->GetClipBox();
    ForEachVisibleStep(m_ptOrigin.y, g_nRulerEveryMm * s, nLastRow, rcClip.top - g_nTickAfter,
                       rcClip.bottom + g_nTickBefore, [&](int64_t nRow, int64_t y) {
                           DrawHorizontalLine(pDC, ox, xRight, y);
                           if (nRow % g_nTickedRowEvery != 0)
                               return;
                           const TickReach reach = TickReachOf(nRow, nLastRow);
                           ForEachVisibleStep(
                               ox, s, nColumns, rcClip.left, rcClip.right, [&](int64_t, int64_t x) {
                                   pDC->MoveTo(static_cast<int>(x), static_cast<int>(y + reach.nBefore));
                                   pDC->LineTo(static_cast<int>(x), static_cast<int>(y - reach.nAfter));
                               });
                       });
}

void CUniversalRenderer::DrawRulerColumns(CDC* pDC, int64_t nColumns) const {
    const int64_t s = m_nPixelsPerMm;
    const int64_t oy = m_ptOrigin.y;
    const int64_t nRows = GetPaperHeightMm();
    const int64_t yBottom = oy + nRows * s;
    const int64_t nLastColumn = nColumns / g_nRulerEveryMm;
    const CRect rcClip = pDC->GetClipBox();
    ForEachVisibleStep(m_ptOrigin.x, g_nRulerEveryMm * s, nLastColumn, rcClip.left - g_nTickAfter,
                       rcClip.right + g_nTickBefore, [&](int64_t nColumn, int64_t x) {
                           DrawVerticalLine(pDC, x, oy, yBottom);
                           if (nColumn % g_nTickedColumnEvery != 0)
                               return;
                           const TickReach reach = TickReachOf(nColumn, nLastColumn);
                           ForEachVisibleStep(
                               oy, s, nRows, rcClip.top, rcClip.bottom, [&](int64_t, int64_t y) {
                                   pDC->MoveTo(static_cast<int>(x + reach.nBefore), static_cast<int>(y));
                                   pDC->LineTo(static_cast<int>(x - reach.nAfter), static_cast<int>(y));
                               });
                       });
}

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
// A tick covers its line and two pixels on either side; the first line is ticked on its inner
// side only (below a row, right of a column), the last on its line and its inner side.
constexpr int g_nTickBefore = 2;
constexpr int g_nTickAfter = 2;

// The pixels a tick covers, as offsets from its line: [nFrom, nTo).
struct TickSpan {
    int nFrom;
    int nTo;
};

TickSpan TickSpanOf(int64_t nLine, int64_t nLastLine) {
    if (nLine == 0)
        return {1, g_nTickAfter + 1};
    if (nLine == nLastLine)
        return {-g_nTickBefore, 1};
    return {-g_nTickBefore, g_nTickAfter + 1};
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
    DrawRulerRows(pDC, nColumns, crRuler);
    DrawRulerColumns(pDC, nColumns, crRuler);
}

void CUniversalRenderer::DrawRulerRows(CDC* pDC, int64_t nColumns, COLORREF crRuler) const {
    const int64_t s = m_nPixelsPerMm;
    const int64_t ox = m_ptOrigin.x;
    const int64_t xRight = ox + nColumns * s;
    const int64_t nLastRow = GetPaperHeightMm() / g_nRulerEveryMm;
    const CRect rcClip = pDC->GetClipBox();
    ForEachVisibleStep(m_ptOrigin.y, g_nRulerEveryMm * s, nLastRow, rcClip.top - g_nTickBefore,
                       rcClip.bottom + g_nTickAfter, [&](int64_t nRow, int64_t y) {
                           FillHorizontalLine(pDC, ox, xRight, y, crRuler);
                           if (nRow % g_nTickedRowEvery != 0)
                               return;
                           const TickSpan tick = TickSpanOf(nRow, nLastRow);
                           ForEachVisibleStep(
                               ox, s, nColumns, rcClip.left, rcClip.right, [&](int64_t, int64_t x) {
                                   FillVerticalLine(pDC, x, y + tick.nFrom, y + tick.nTo, crRuler);
                               });
                       });
}

void CUniversalRenderer::DrawRulerColumns(CDC* pDC, int64_t nColumns, COLORREF crRuler) const {
    const int64_t s = m_nPixelsPerMm;
    const int64_t oy = m_ptOrigin.y;
    const int64_t nRows = GetPaperHeightMm();
    const int64_t yBottom = oy + nRows * s;
    const int64_t nLastColumn = nColumns / g_nRulerEveryMm;
    const CRect rcClip = pDC->GetClipBox();
    ForEachVisibleStep(m_ptOrigin.x, g_nRulerEveryMm * s, nLastColumn, rcClip.left - g_nTickBefore,
                       rcClip.right + g_nTickAfter, [&](int64_t nColumn, int64_t x) {
                           FillVerticalLine(pDC, x, oy, yBottom, crRuler);
                           if (nColumn % g_nTickedColumnEvery != 0)
                               return;
                           const TickSpan tick = TickSpanOf(nColumn, nLastColumn);
                           ForEachVisibleStep(
                               oy, s, nRows, rcClip.top, rcClip.bottom, [&](int64_t, int64_t y) {
                                   FillHorizontalLine(pDC, x + tick.nFrom, x + tick.nTo, y, crRuler);
                               });
                       });
}

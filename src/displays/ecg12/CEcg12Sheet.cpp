// Sheet layout: the four layouts, the millimetre grids, the label column and its calibration pulses.
#include "displays/ecg12/CEcg12Renderer.h"

#include "displays/ecg12/Ecg12Geometry.h"
#include "displays/ecg12/Ecg12Leads.h"
#include "displays/ecg12/RecordLength.h"
#include "mfer/MferAttributes.h"
#include "platform/CDC.h"
#include "view/CZelvoView.h"
#include "view/ViewSettings.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace {

// Calibration pulse: 1 mV is 5 mm per sensitivity step; it rises 1 mm into the column and falls
// at 3 mm, with 1-mm stubs on the baseline.
constexpr int PULSE_MM_PER_SENSITIVITY = 5;
constexpr int PULSE_RISE_MM = 1;
constexpr int PULSE_FALL_MM = 3;
constexpr int PULSE_END_MM = 4;
constexpr int PULSE_LEVEL_WIDTH = 3;

struct GridScheme {
    COLORREF crFine;
    COLORREF crCoarse;
    COLORREF crBorder;
};

constexpr GridScheme g_aGridSchemes[] = {
    {RGB(255, 220, 128), RGB(255, 192, 96), RGB(0, 0, 0)},  // orange
    {RGB(164, 255, 164), RGB(64, 220, 64), RGB(0, 0, 0)},   // green
    {RGB(192, 192, 192), RGB(128, 128, 128), RGB(0, 0, 0)}, // grey
    {RGB(0, 32, 0), RGB(0, 64, 0), RGB(0, 64, 0)},          // black
};

// An unknown stored scheme shows the default orange paper.
const GridScheme& SchemeOf(int32_t nBackColor) {
    const bool bKnown = nBackColor >= 0 && nBackColor < static_cast<int32_t>(std::size(g_aGridSchemes));
    return g_aGridSchemes[bKnown ? static_cast<size_t>(nBackColor) : 0];
}

int Saturate(int64_t nValue) {
    return static_cast<int>(std::clamp<int64_t>(nValue, INT_MIN, INT_MAX));
}

// The pixels [first, end) a one-pixel line from nFrom toward nTo covers, its end point excluded.
std::pair<int, int> CoveredSpan(int nFrom, int nTo) {
    return nFrom <= nTo ? std::pair(nFrom, nTo) : std::pair(nTo + 1, nFrom + 1);
}

// Indexes 0..nLast of lines at nOrigin + i x nStep that fall inside [nLow, nHigh).
std::pair<int64_t, int64_t> VisibleLines(int64_t nOrigin, int64_t nStep, int64_t nLast, int64_t nLow,
                                         int64_t nHigh) {
    const int64_t nFirst = nLow > nOrigin ? (nLow - nOrigin + nStep - 1) / nStep : 0;
    const int64_t nEnd = nHigh > nOrigin ? (nHigh - 1 - nOrigin) / nStep : -1;
    return {nFirst, std::min(nEnd, nLast)};
}

} // namespace

int CEcg12Renderer::Mm(int64_t nMm) const {
    return Saturate(nMm * m_nPixelsPerMm);
}

void CEcg12Renderer::DrawLayout(CDC* pDC) {
    switch (m_pSettings->m_nLayout) {
    case LAYOUT_6X2:
        DrawSixByTwoLayout(pDC);
        break;
    case LAYOUT_3X4:
        DrawThreeByFourLayout(pDC);
        break;
    case LAYOUT_PAGE:
        DrawPageLayout(pDC);
        break;
    default:
        DrawFullLayout(pDC);
        break;
    }
}

void CEcg12Renderer::DrawFullLayout(CDC* pDC) {
    const int nWidthMm = static_cast<int>(m_nRecordWidthMm);
    const int nHeightMm = ROW_PITCH_MM * (m_nLeadCount + 1);
    DrawGrid(pDC, Mm(TRACE_X_MM), nWidthMm, Mm(SHEET_TOP_MM), nHeightMm);
    for (int r = 0; r < m_nLeadCount; ++r)
        DrawLead(pDC, LeadCodeOfRow(r), Mm(TRACE_X_MM), Mm(RowBaselineMm(r)), nWidthMm, 0);
    m_rcExtent =
        CRect(0, 0, Mm(m_nRecordWidthMm + TRACE_X_MM + RIGHT_MARGIN_MM), Mm(nHeightMm + BOTTOM_MARGIN_MM));
}

void CEcg12Renderer::DrawSixByTwoLayout(CDC* pDC) {
    const int nHalfMm = static_cast<int>(m_nRecordWidthMm / 2);
    const int nCellMm = nHalfMm - 1;
    const int xLeft = Mm(TRACE_X_MM);
    const int xRight = Mm(TRACE_X_MM + nHalfMm);
    DrawGrid(pDC, xLeft, nCellMm, Mm(SHEET_TOP_MM), SIX_BY_TWO_HEIGHT_MM);
    DrawGrid(pDC, xRight, nCellMm, Mm(SHEET_TOP_MM), SIX_BY_TWO_HEIGHT_MM);
    for (int r = 0; r < STANDARD_LEAD_ROWS; ++r) {
        const size_t nRow = static_cast<size_t>(r);
        const int nBaseline = Mm(RowBaselineMm(r));
        const bool bDerive = m_nDeriveMode != 0;
        DrawLead(pDC, bDerive ? g_anLimbLeads[nRow] : ChannelLeadCode(r), xLeft, nBaseline, nCellMm, 0);
        // The right column shows the second half of the record.
        const int nRightChannel = r + STANDARD_LEAD_ROWS - (bDerive ? DERIVED_LIMB_LEADS : 0);
        const MferAttributes* pChannel = FrameChannel(nRightChannel);
        const int64_t nFirst = pChannel != nullptr ? SampleCount(*pChannel) / 2 : 0;
        DrawLead(pDC, bDerive ? g_anChestLeads[nRow] : ChannelLeadCode(nRightChannel), xRight, nBaseline,
                 nCellMm, nFirst);
    }
    m_rcExtent = CRect(0, 0, Mm(m_nRecordWidthMm + TRACE_X_MM + RIGHT_MARGIN_MM), Mm(SIX_BY_TWO_BOTTOM_MM));
}

void CEcg12Renderer::DrawThreeByFourLayout(CDC* pDC) {
    const int nQuarterMm = static_cast<int>(m_nRecordWidthMm / THREE_BY_FOUR_COLUMNS);
    const int nCellMm = nQuarterMm - 1;
    // The four columns share the sheet's own 5-mm raster however wide a column is.
    m_bGridFromLeft = false;
    for (int c = 0; c < THREE_BY_FOUR_COLUMNS; ++c)
        DrawGrid(pDC, Mm(TRACE_X_MM + c * nQuarterMm), nCellMm, Mm(SHEET_TOP_MM), THREE_BY_FOUR_HEIGHT_MM);
    DrawGrid(pDC, Mm(TRACE_X_MM), THREE_BY_FOUR_COLUMNS * nQuarterMm - 1, Mm(RHYTHM_TOP_MM),
             RHYTHM_HEIGHT_MM);
    for (int c = 0; c < THREE_BY_FOUR_COLUMNS; ++c) {
        const int x = Mm(TRACE_X_MM + c * nQuarterMm);
        for (int r = 0; r < THREE_BY_FOUR_ROWS; ++r) {
            const int nIndex = THREE_BY_FOUR_ROWS * c + r;
            const int nBaseline = Mm(RowBaselineMm(r));
            DrawLead(pDC, LeadCodeOfRow(nIndex), x, nBaseline, nCellMm, SampleAt(x, nBaseline));
        }
    }
    DrawLead(pDC, LEAD_II, Mm(TRACE_X_MM), Mm(RHYTHM_BASELINE_MM), THREE_BY_FOUR_COLUMNS * nQuarterMm - 1, 0);
    m_rcExtent =
        CRect(0, 0, Mm(m_nRecordWidthMm + TRACE_X_MM + RIGHT_MARGIN_MM), Mm(THREE_BY_FOUR_BOTTOM_MM));
}

int CEcg12Renderer::PageStripWidthMm(bool bFirstStrip) const {
    const int nClientWidth = m_pView->GetWindow()->GetClientSize().cx;
    const int nMarginMm = bFirstStrip ? PAGE_FIRST_MARGIN_MM : PAGE_LATER_MARGIN_MM;
    return std::max((nClientWidth - Mm(nMarginMm)) / m_nPixelsPerMm, MIN_PAGE_STRIP_MM);
}

int64_t CEcg12Renderer::PageStripSamples(int nWidthMm) const {
    const MferAttributes* pChannel = FrameChannel(0);
    if (pChannel == nullptr || pChannel->m_nSamplingInterval <= 0)
        return 0;
    return nWidthMm * US_PER_MM / pChannel->m_nSamplingInterval;
}

void CEcg12Renderer::DrawPageLayout(CDC* pDC) {
    const int nGridMm = ROW_PITCH_MM * (m_nLeadCount + 1);
    const int64_t nPitch = Mm(PagePitchMm(m_nLeadCount));
    int x = Mm(TRACE_X_MM);
    int nWidthMm = PageStripWidthMm(true);
    int64_t y = Mm(SHEET_TOP_MM);
    int64_t nFirst = 0;
    // Traces may swing a row beyond their strip.
    const int64_t nReach = Mm(ROW_PITCH_MM);
    for (int64_t nLeft = m_nRecordWidthMm; nLeft > 0;) {
        if (y + nPitch + nReach > m_rcClip.top && y - nReach < m_rcClip.bottom) {
            const int yTop = Saturate(y);
            DrawGrid(pDC, x, nWidthMm, yTop, nGridMm);
            for (int r = 0; r < m_nLeadCount; ++r)
                DrawLead(pDC, LeadCodeOfRow(r), x, yTop + Mm(ROW_PITCH_MM * (r + 1)), nWidthMm, nFirst);
        }
        y += nPitch;
        nFirst += PageStripSamples(nWidthMm);
        nLeft -= nWidthMm;
        x = Mm(PAGE_LATER_X_MM);
        nWidthMm = PageStripWidthMm(false);
    }
    m_rcExtent = CRect(0, 0, Mm(nWidthMm + TRACE_X_MM + RIGHT_MARGIN_MM), Saturate(y));
}

void CEcg12Renderer::DrawLabelColumn(CDC* pDC) {
    const int x = Mm(LABEL_COLUMN_X_MM);
    const int yTop = Mm(SHEET_TOP_MM);
    switch (m_pSettings->m_nLayout) {
    case LAYOUT_6X2:
        DrawColumnGrid(pDC, x, LABEL_COLUMN_WIDTH_MM, yTop, SIX_BY_TWO_HEIGHT_MM);
        DrawCalibration(pDC, STANDARD_LEAD_ROWS, x, yTop);
        break;
    case LAYOUT_3X4:
        DrawColumnGrid(pDC, x, LABEL_COLUMN_WIDTH_MM, yTop, THREE_BY_FOUR_HEIGHT_MM);
        DrawColumnGrid(pDC, x, LABEL_COLUMN_WIDTH_MM, Mm(RHYTHM_TOP_MM), RHYTHM_HEIGHT_MM);
        DrawCalibration(pDC, THREE_BY_FOUR_ROWS, x, yTop);
        DrawCalibration(pDC, 1, x, Mm(RHYTHM_TOP_MM));
        break;
    default:
        DrawColumnGrid(pDC, x, LABEL_COLUMN_WIDTH_MM, yTop, ROW_PITCH_MM * (m_nLeadCount + 1));
        DrawCalibration(pDC, m_nLeadCount, x, yTop);
        break;
    }
}

// Grid lines are one pixel wide and solid, so each is painted as the one-pixel strip a line from
// its start toward its end covers: one fill instead of a span per pixel, and only what is visible.
void CEcg12Renderer::HorzLine(CDC* pDC, int xFrom, int xTo, int y, COLORREF cr) const {
    if (y < m_rcClip.top || y >= m_rcClip.bottom)
        return;
    const auto [xFirst, xEnd] = CoveredSpan(xFrom, xTo);
    pDC->FillRect(CRect(std::max(xFirst, m_rcClip.left), y, std::min(xEnd, m_rcClip.right), y + 1), cr);
}

void CEcg12Renderer::VertLine(CDC* pDC, int x, int yFrom, int yTo, COLORREF cr) const {
    if (x < m_rcClip.left || x >= m_rcClip.right)
        return;
    const auto [yFirst, yEnd] = CoveredSpan(yFrom, yTo);
    pDC->FillRect(CRect(x, std::max(yFirst, m_rcClip.top), x + 1, std::min(yEnd, m_rcClip.bottom)), cr);
}

void CEcg12Renderer::DrawGrid(CDC* pDC, int x, int nWidthMm, int y, int nHeightMm) {
    nWidthMm = std::max(nWidthMm, 0);
    nHeightMm = std::max(nHeightMm, 0);
    const GridScheme& scheme = SchemeOf(m_nBackColor);
    const int xRight = Saturate(static_cast<int64_t>(x) + Mm(nWidthMm));
    const int yBottom = y + Mm(nHeightMm);
    const int64_t p = m_nPixelsPerMm;
    for (int i = 0; i <= nHeightMm; ++i)
        HorzLine(pDC, x, xRight, y + Mm(i), scheme.crFine);
    const auto [nFineFirst, nFineLast] = VisibleLines(x, p, nWidthMm, m_rcClip.left, m_rcClip.right);
    for (int64_t i = nFineFirst; i <= nFineLast; ++i)
        VertLine(pDC, Saturate(x + i * p), y, yBottom, scheme.crFine);
    for (int i = 0; i <= nHeightMm / COARSE_MM; ++i)
        HorzLine(pDC, x, xRight, y + Mm(COARSE_MM * i), scheme.crCoarse);
    if (m_bGridFromLeft) {
        const auto [nFirst, nLast] =
            VisibleLines(x, COARSE_MM * p, nWidthMm / COARSE_MM, m_rcClip.left, m_rcClip.right);
        for (int64_t i = nFirst; i <= nLast; ++i)
            VertLine(pDC, Saturate(x + i * COARSE_MM * p), y, yBottom, scheme.crCoarse);
    } else {
        // On the sheet's absolute raster: 1 mm plus a multiple of 5 mm.
        for (int64_t i = nFineFirst; i <= nFineLast; ++i)
            if ((x + (i - 1) * p) % (COARSE_MM * p) == 0)
                VertLine(pDC, Saturate(x + i * p), y, yBottom, scheme.crCoarse);
    }
    DrawGridBorder(pDC, x, xRight, y, yBottom, scheme.crBorder);
}

void CEcg12Renderer::DrawGridBorder(CDC* pDC, int x, int xRight, int y, int yBottom, COLORREF cr) const {
    HorzLine(pDC, xRight, x, y, cr);
    HorzLine(pDC, xRight, x, yBottom, cr);
    VertLine(pDC, x, yBottom, y, cr);
    VertLine(pDC, xRight, yBottom, y, cr);
}

void CEcg12Renderer::DrawColumnGrid(CDC* pDC, int x, int nWidthMm, int y, int nHeightMm) {
    const GridScheme& scheme = SchemeOf(m_nBackColor);
    const int xRight = x + Mm(nWidthMm);
    const int yBottom = y + Mm(nHeightMm);
    for (int b = 0; b < nHeightMm / ROW_PITCH_MM; ++b) {
        const int yBand = y + Mm(ROW_PITCH_MM * (b + 1));
        for (int k = 0; k <= ROW_PITCH_MM; ++k)
            HorzLine(pDC, x, xRight, yBand - Mm(k), k % COARSE_MM == 0 ? scheme.crCoarse : scheme.crFine);
    }
    for (int i = 0; i <= nWidthMm; ++i)
        VertLine(pDC, x + Mm(i), y, yBottom, scheme.crFine);
    for (int i = 0; i <= nWidthMm / COARSE_MM; ++i)
        VertLine(pDC, x + Mm(COARSE_MM * i), y, yBottom, scheme.crCoarse);
    DrawGridBorder(pDC, x, xRight, y, yBottom, scheme.crBorder);
}

void CEcg12Renderer::DrawCalibration(CDC* pDC, int nRows, int x, int y) {
    const CPen penEdge(1, m_crWave);
    const CPen penLevel(m_pSettings->m_bSmooth ? 1 : PULSE_LEVEL_WIDTH, m_crWave);
    const int nHeight = Mm(static_cast<int64_t>(m_pSettings->m_nSensitivity) * PULSE_MM_PER_SENSITIVITY);
    const int xRise = x + Mm(PULSE_RISE_MM);
    const int xFall = x + Mm(PULSE_FALL_MM);
    const CPen penOld = pDC->SelectPen(penLevel);
    for (int r = 0; r < nRows; ++r) {
        const int yBase = y + Mm(ROW_PITCH_MM * (r + 1));
        const int yTop = yBase - nHeight;
        pDC->SelectPen(penLevel);
        pDC->MoveTo(xRise, yBase);
        pDC->LineTo(x, yBase);
        pDC->MoveTo(x + Mm(PULSE_END_MM), yBase);
        pDC->LineTo(xFall, yBase);
        pDC->MoveTo(xFall, yTop);
        pDC->LineTo(xRise, yTop);
        pDC->SelectPen(penEdge);
        pDC->MoveTo(xRise, yTop);
        pDC->LineTo(xRise, yBase);
        pDC->MoveTo(xFall, yTop);
        pDC->LineTo(xFall, yBase);
    }
    pDC->SelectPen(penOld);
}

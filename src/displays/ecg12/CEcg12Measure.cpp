// Measurement: the mouse on the sheet, the inverted cross-hair and caliper on the window, the value
// marks on the sheet and the measurement label.
#include "displays/ecg12/CEcg12Renderer.h"

#include "displays/ecg12/Ecg12Geometry.h"
#include "displays/ecg12/Ecg12Leads.h"
#include "displays/ecg12/RecordLength.h"
#include "mfer/MferAttributes.h"
#include "platform/CDC.h"
#include "platform/MouseKeys.h"
#include "platform/ScrollBar.h"
#include "view/CZelvoView.h"
#include "view/ViewSettings.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr double MM_PER_US = 0.000025;
constexpr float MV_PER_NV = 0.000001f;
constexpr int MS_PER_MINUTE = 60000;
// A press this close to the caliper's level (in pixels) grabs the caliper.
constexpr int CALIPER_GRAB_PX = 15;
constexpr int CALIPER_LEVEL_WIDTH = 6;
constexpr int CALIPER_TICK_PX = 30;
constexpr int CALIPER_MAX_REPEATS = 99;
constexpr int LABEL_FONT_HEIGHT = 16;
constexpr int LABEL_GAP_PX = 5;
constexpr int INTERVAL_LABEL_DROP_PX = 35;
constexpr COLORREF LABEL_BACKGROUND = RGB(255, 255, 192);
constexpr COLORREF FIGURE_COLOR = RGB(0, 0, 0);

enum : int { STEP_NONE = 0, STEP_FIRST = 1, STEP_BOTH = 2 };

// Sensitivity codes step x0.5 -> x1 -> x2 -> x0.5.
int32_t NextSensitivity(int32_t nSensitivity) {
    return nSensitivity == 1 ? 2 : nSensitivity == 2 ? 4 : 1;
}

} // namespace

int CEcg12Renderer::ResetMeasure() {
    m_nMeasureStep = STEP_NONE;
    return m_nMeasureStep;
}

CPoint CEcg12Renderer::ScrollPosition() const {
    return m_pView->GetWindow()->GetScrollPosition();
}

// ---- Hit tests ---------------------------------------------------------------------------------

int CEcg12Renderer::LeadRowAt(int sx, int sy) const {
    const int r = std::max(0, ((sy - Mm(SHEET_TOP_MM + HALF_ROW_MM)) / m_nPixelsPerMm) / ROW_PITCH_MM);
    if (m_pView->GetCategory() != CATEGORY_ECG12)
        return r;
    const int64_t nWidthMm = Channel0WidthMm();
    switch (m_pSettings->m_nLayout) {
    case LAYOUT_6X2: {
        const bool bRight = sx >= Mm(TRACE_X_MM + nWidthMm / 2);
        return std::min(r, STANDARD_LEAD_ROWS - 1) + (bRight ? STANDARD_LEAD_ROWS : 0);
    }
    case LAYOUT_3X4: {
        if (r >= THREE_BY_FOUR_ROWS)
            return 1; // the rhythm strip shows lead II
        const int64_t nQuarterMm = nWidthMm / THREE_BY_FOUR_COLUMNS;
        int c = 0;
        for (int k = 1; k < THREE_BY_FOUR_COLUMNS; ++k)
            c += sx >= Mm(TRACE_X_MM + k * nQuarterMm) ? 1 : 0;
        return r + THREE_BY_FOUR_ROWS * c;
    }
    case LAYOUT_PAGE:
        return PageRowAt(sy, PageStripAt(sy));
    default:
        return std::max(0, std::min(r, m_nLeadCount - 1));
    }
}

int CEcg12Renderer::PageStripAt(int sy) const {
    return std::max(0, (sy - Mm(SHEET_TOP_MM)) / Mm(PagePitchMm(m_nLeadCount)));
}

int CEcg12Renderer::PageRowAt(int sy, int nStrip) const {
    const int64_t nInStrip = static_cast<int64_t>(sy) - Mm(SHEET_TOP_MM) -
                             static_cast<int64_t>(nStrip) * Mm(PagePitchMm(m_nLeadCount)) - Mm(HALF_ROW_MM);
    const int r = static_cast<int>((nInStrip / m_nPixelsPerMm) / ROW_PITCH_MM);
    return std::clamp(r, 0, std::max(0, m_nLeadCount - 1));
}

int CEcg12Renderer::SampleAt(int sx, int sy) const {
    const MferAttributes* pChannel = FrameChannel(0);
    if (pChannel == nullptr)
        return 0;
    const double dPps = pChannel->m_nSamplingInterval * m_nPixelsPerMm * MM_PER_US;
    const int64_t nLast = SampleCount(*pChannel) - 1;
    if (!(dPps > 0) || nLast < 0)
        return 0;
    int x0 = Mm(TRACE_X_MM);
    int64_t nFirst = 0;
    if (m_pSettings->m_nLayout == LAYOUT_PAGE) {
        if (const int nStrip = PageStripAt(sy); nStrip > 0) {
            x0 = Mm(PAGE_LATER_X_MM);
            nFirst = PageStripSamples(PageStripWidthMm(true)) +
                     (nStrip - 1) * PageStripSamples(PageStripWidthMm(false));
        }
    }
    const int64_t nSample = nFirst + (sx > x0 ? static_cast<int64_t>((sx - x0) / dPps) : 0);
    return static_cast<int>(std::min({nSample, nLast, int64_t{INT_MAX}}));
}

int CEcg12Renderer::RowBaseline() const {
    const int r =
        std::max(0, ((m_ptFirst.y - Mm(SHEET_TOP_MM + HALF_ROW_MM)) / m_nPixelsPerMm) / ROW_PITCH_MM);
    switch (m_pSettings->m_nLayout) {
    case LAYOUT_6X2:
        return Mm(RowBaselineMm(std::min(r, STANDARD_LEAD_ROWS - 1)));
    case LAYOUT_3X4:
        return Mm(r >= THREE_BY_FOUR_ROWS ? RHYTHM_BASELINE_MM : RowBaselineMm(r));
    case LAYOUT_PAGE: {
        const int nStrip = PageStripAt(m_ptFirst.y);
        return Mm(static_cast<int64_t>(nStrip) * PagePitchMm(m_nLeadCount) +
                  RowBaselineMm(PageRowAt(m_ptFirst.y, nStrip)));
    }
    default:
        return Mm(RowBaselineMm(m_nMeasureRow));
    }
}

void CEcg12Renderer::SetFirstPoint(int x, int y) {
    CPoint pt = CPoint(x, y) + (ScrollPosition() - CPoint());
    m_nMeasureRow = LeadRowAt(pt.x, pt.y);
    m_nFirstSample = SampleAt(pt.x, pt.y);
    // A point left of the traces measures from the trace's start.
    if (m_nFirstSample == 0)
        pt.x = Mm(TRACE_X_MM);
    m_ptFirst = pt;
}

void CEcg12Renderer::SetSecondPoint(int x, int y) {
    CPoint pt = CPoint(x, y) + (ScrollPosition() - CPoint());
    m_nSecondSample = SampleAt(pt.x, pt.y);
    if (m_nSecondSample == 0)
        pt.x = Mm(TRACE_X_MM);
    m_ptSecond = pt;
}

bool CEcg12Renderer::IsOnLabelColumn(int sx) const {
    return m_pSettings->m_bUniversal == 0 && sx >= 0 && sx < Mm(TRACE_X_MM);
}

// ---- Mouse handlers ----------------------------------------------------------------------------

int CEcg12Renderer::OnLButtonDown(unsigned, int x, int y) {
    if (!IsReady())
        return m_nMeasureStep;
    AnalyseLeadSet();
    const int sx = x + ScrollPosition().x;
    const bool bColumnRow = m_pSettings->m_nLayout != LAYOUT_PAGE || y <= Mm(ROW_PITCH_MM * m_nLeadCount);
    if (m_nMeasureStep == STEP_NONE && IsOnLabelColumn(sx) && bColumnRow) {
        m_pSettings->m_nSensitivity = NextSensitivity(m_pSettings->m_nSensitivity);
        EraseCursor();
        m_pView->RedrawNow();
        return m_nMeasureStep;
    }
    const int nMode = m_pSettings->m_nMouseMode;
    if (nMode == MOUSE_MODE_SCROLL) {
        m_pView->GetWindow()->SetCursor(CZelvoView::m_hCurGrab);
        m_ptFirst = CPoint(x, y);
    } else if (nMode == MOUSE_MODE_VALUE || nMode == MOUSE_MODE_INTERVAL) {
        if (m_nMeasureStep == STEP_BOTH) {
            const int yLevel = m_ptFirst.y - ScrollPosition().y;
            if (nMode == MOUSE_MODE_INTERVAL && std::abs(y - yLevel) < CALIPER_GRAB_PX)
                m_bDragCaliper = true;
        } else {
            EraseCursor();
            SetFirstPoint(x, y);
            m_nMeasureStep = STEP_FIRST;
            m_nLabelWidth = 0;
            m_pView->RedrawNow();
        }
    }
    return m_nMeasureStep;
}

int CEcg12Renderer::OnLButtonUp(unsigned, int x, int y) {
    if (!IsReady())
        return m_nMeasureStep;
    AnalyseLeadSet();
    // The release that ends a press on the label column.
    if (IsOnLabelColumn(x + ScrollPosition().x))
        return m_nMeasureStep;
    const int nMode = m_pSettings->m_nMouseMode;
    if (nMode == MOUSE_MODE_SCROLL) {
        m_pView->GetWindow()->SetCursor(CZelvoView::m_hCurHand);
    } else if (nMode == MOUSE_MODE_VALUE || nMode == MOUSE_MODE_INTERVAL) {
        if (m_nMeasureStep == STEP_BOTH) {
            m_bDragCaliper = false;
        } else {
            EraseCursor();
            SetSecondPoint(x, y);
            m_nMeasureStep = STEP_BOTH;
            m_pView->RedrawNow();
            ShowMeasurement(nMode, m_ptSecond.x, m_ptSecond.y);
        }
    }
    return m_nMeasureStep;
}

int CEcg12Renderer::OnMouseMove(unsigned nFlags, int x, int y) {
    if (!IsReady())
        return m_nMeasureStep;
    AnalyseLeadSet();
    const bool bLeftDown = (nFlags & MK_LBUTTON) != 0;
    const CPoint ptSheet = CPoint(x, y) + (ScrollPosition() - CPoint());
    IViewWindow* pWindow = m_pView->GetWindow();
    switch (m_pSettings->m_nMouseMode) {
    case MOUSE_MODE_SCROLL:
        pWindow->SetCursor(bLeftDown ? CZelvoView::m_hCurGrab : CZelvoView::m_hCurHand);
        if (bLeftDown)
            DragScroll(x, y);
        break;
    case MOUSE_MODE_INTERVAL:
        if (m_nMeasureStep == STEP_NONE) {
            DrawCrossCursor(x, y);
        } else if (m_nMeasureStep == STEP_FIRST) {
            DrawCaliper(ptSheet.x, ptSheet.y);
            ShowMeasurement(MOUSE_MODE_INTERVAL, ptSheet.x, ptSheet.y);
        } else if (m_bDragCaliper && bLeftDown) {
            // The fixed caliper moves with the mouse and keeps its interval.
            EraseCursor();
            const int nInterval = std::abs(m_ptSecond.x - m_ptFirst.x);
            m_ptFirst = ptSheet;
            m_ptSecond = CPoint(ptSheet.x + nInterval, ptSheet.y);
            DrawCaliper(m_ptSecond.x, m_ptSecond.y);
        } else {
            pWindow->SetCursor(CZelvoView::m_hCurArrow);
        }
        break;
    case MOUSE_MODE_VALUE:
        if (m_nMeasureStep == STEP_BOTH) {
            ShowMeasurement(MOUSE_MODE_VALUE, m_ptSecond.x, m_ptSecond.y);
            pWindow->SetCursor(CZelvoView::m_hCurArrow);
        } else {
            DrawCrossCursor(x, y);
            if (m_nMeasureStep == STEP_FIRST)
                ShowMeasurement(MOUSE_MODE_VALUE, ptSheet.x, ptSheet.y);
        }
        break;
    default:
        break;
    }
    return m_nMeasureStep;
}

void CEcg12Renderer::DragScroll(int x, int y) {
    const CSize sizeMove = CPoint(x, y) - m_ptFirst;
    m_ptFirst = CPoint(x, y);
    IViewWindow* pWindow = m_pView->GetWindow();
    const CPoint ptPos = pWindow->GetScrollPosition();
    const int dx = ScrollDelta(sizeMove.cx, ptPos.x, pWindow->GetScrollLimit(SB_HORZ));
    const int dy = ScrollDelta(sizeMove.cy, ptPos.y, pWindow->GetScrollLimit(SB_VERT));
    // The sheet follows the hand.
    pWindow->ScrollToPosition(CPoint(ptPos.x - dx, ptPos.y - dy));
}

int CEcg12Renderer::ScrollDelta(int nDelta, int nPos, int nLimit) const {
    return std::max(std::min(nDelta, nPos), nPos - nLimit);
}

// ---- Figures -----------------------------------------------------------------------------------

void CEcg12Renderer::EraseCursor() {
    if (!m_bCursorShown || m_pView == nullptr || m_pSettings == nullptr)
        return;
    IViewWindow* pWindow = m_pView->GetWindow();
    pWindow->SetCursor(ECursor::None);
    const std::unique_ptr<CDC> pDC = pWindow->GetClientDC();
    const int nMode = m_pSettings->m_nMouseMode;
    if (nMode == MOUSE_MODE_VALUE || (nMode == MOUSE_MODE_INTERVAL && m_nMeasureStep == STEP_NONE))
        DrawCrossFigure(pDC.get(), m_ptCursor.x, m_ptCursor.y);
    else if (nMode == MOUSE_MODE_INTERVAL)
        DrawCaliperFigure(pDC.get(), m_ptCursor.x);
    m_bCursorShown = false;
}

void CEcg12Renderer::DrawCrossCursor(int x, int y) {
    EraseCursor();
    DrawCrossFigure(m_pView->GetWindow()->GetClientDC().get(), x, y);
    m_bCursorShown = true;
    m_ptCursor = CPoint(x, y);
}

void CEcg12Renderer::DrawCrossFigure(CDC* pDC, int x, int y) const {
    const CRect rcClient = m_pView->GetWindow()->GetClientRect();
    const CPen pen(1, FIGURE_COLOR);
    const CPen penOld = pDC->SelectPen(pen);
    const int nRop = pDC->SetROP2(R2_NOT);
    pDC->MoveTo(rcClient.right, y);
    pDC->LineTo(0, y);
    pDC->MoveTo(x, rcClient.bottom);
    pDC->LineTo(x, 0);
    pDC->SetROP2(nRop);
    pDC->SelectPen(penOld);
}

void CEcg12Renderer::DrawCaliper(int x, int y) {
    EraseCursor();
    DrawCaliperFigure(m_pView->GetWindow()->GetClientDC().get(), x);
    m_ptCursor = CPoint(x, y);
    m_bCursorShown = true;
}

void CEcg12Renderer::DrawCaliperFigure(CDC* pDC, int x) const {
    const CPoint ptScroll = ScrollPosition();
    const int fx = m_ptFirst.x - ptScroll.x;
    const int fy = m_ptFirst.y - ptScroll.y;
    const CPen penLevel(CALIPER_LEVEL_WIDTH, FIGURE_COLOR);
    const CPen penTick(1, FIGURE_COLOR);
    const int nRop = pDC->SetROP2(R2_NOT);
    const CPen penOld = pDC->SelectPen(penLevel);
    pDC->MoveTo(0, fy);
    pDC->LineTo(m_rcExtent.right, fy);
    pDC->SelectPen(penTick);
    const auto drawTick = [&](int64_t xTick) {
        pDC->MoveTo(static_cast<int>(xTick), fy + CALIPER_TICK_PX);
        pDC->LineTo(static_cast<int>(xTick), fy - CALIPER_TICK_PX);
    };
    drawTick(fx);
    // Repeats of the interval show whether later beats fall on its multiples.
    const int64_t nInterval = std::abs(static_cast<int64_t>(x) - m_ptFirst.x);
    for (int j = 1; nInterval > 0 && j <= CALIPER_MAX_REPEATS && fx + j * nInterval < m_rcExtent.right; ++j)
        drawTick(fx + j * nInterval);
    for (int j = 1; nInterval > 0 && j <= CALIPER_MAX_REPEATS && fx - j * nInterval >= 0; ++j)
        drawTick(fx - j * nInterval);
    pDC->SelectPen(penOld);
    pDC->SetROP2(nRop);
}

void CEcg12Renderer::DrawValueMarks(CDC* pDC) {
    if (m_nMeasureStep == STEP_NONE)
        return;
    DrawValueMark(pDC, m_nFirstSample, m_ptFirst.x);
    if (m_nMeasureStep == STEP_BOTH)
        DrawValueMark(pDC, m_nSecondSample, m_ptSecond.x);
}

void CEcg12Renderer::DrawValueMark(CDC* pDC, int nSample, int x) {
    const uint16_t wLeadCode = LeadCodeOfRow(m_nMeasureRow);
    const int32_t nResolution = ScalingAttributes(wLeadCode)->m_nResolution;
    const int y = RowBaseline() - ScaleSample(LeadSample(wLeadCode, nSample), nResolution);
    pDC->MoveTo(m_rcExtent.right, y);
    pDC->LineTo(0, y);
    pDC->MoveTo(x, m_rcExtent.bottom);
    pDC->LineTo(x, 0);
}

// ---- Label -------------------------------------------------------------------------------------

std::string CEcg12Renderer::ValueLabel(int sx, int sy) const {
    const uint16_t wLeadCode = LeadCodeOfRow(m_nMeasureRow);
    const int a = LeadSample(wLeadCode, m_nFirstSample);
    const int b = LeadSample(wLeadCode, SampleAt(sx, sy));
    const double dMillivolts =
        static_cast<double>(static_cast<int64_t>(b - a) * m_pFrameAttr->m_nResolution) *
        static_cast<double>(MV_PER_NV);
    const int nMs =
        static_cast<int>(std::abs(static_cast<int64_t>(sx) - m_ptFirst.x) * MS_PER_MM / m_nPixelsPerMm);
    char szText[128];
    std::snprintf(szText, sizeof szText, "[%s] %1.2fmV %3.1d ms ", LeadName(wLeadCode).c_str(), dMillivolts,
                  nMs);
    return szText;
}

std::string CEcg12Renderer::IntervalLabel(int nDistance) const {
    const int nMs = static_cast<int>(nDistance * MS_PER_MM / m_nPixelsPerMm);
    if (nMs == 0)
        return {};
    char szText[64];
    std::snprintf(szText, sizeof szText, "HR:%3.1d  %4.1d ms ", MS_PER_MINUTE / nMs, nMs);
    return szText;
}

void CEcg12Renderer::ShowMeasurement(int nMode, int sx, int sy) {
    std::string strText;
    int yTop = 0;
    if (nMode == MOUSE_MODE_VALUE) {
        strText = ValueLabel(sx, sy);
        yTop = RowBaseline() + LABEL_GAP_PX;
    } else {
        strText = IntervalLabel(std::abs(sx - m_ptFirst.x));
        yTop = m_ptFirst.y + INTERVAL_LABEL_DROP_PX;
    }
    if (strText.empty())
        return;
    m_strMeasure = strText;
    const std::unique_ptr<CDC> pDC = m_pView->GetWindow()->GetClientDC();
    const LOGFONT lf{.lfHeight = LABEL_FONT_HEIGHT,
                     .lfWeight = FW_NORMAL,
                     .lfCharSet = ANSI_CHARSET,
                     .lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS,
                     .lfFaceName = "Times New Roman"};
    const CFont fontOld = pDC->SelectFont(CFont(lf));
    const COLORREF crBkOld = pDC->SetBkColor(LABEL_BACKGROUND);
    const CSize sizeText = pDC->GetTextExtent(m_strMeasure);
    m_nLabelWidth = std::max(m_nLabelWidth, sizeText.cx);
    const CPoint ptScroll = ScrollPosition();
    const CPoint ptText(m_ptFirst.x - m_nLabelWidth - LABEL_GAP_PX - ptScroll.x, yTop - ptScroll.y);
    pDC->TextOut(ptText.x, ptText.y, m_strMeasure);
    pDC->FrameRect(CRect(ptText, CSize(m_nLabelWidth, sizeText.cy)), FIGURE_COLOR);
    pDC->SetBkColor(crBkOld);
    pDC->SelectFont(fontOld);
}

// The detail window's measurement: points, value marks, inverted cross-hair and caliper, the label,
// and the mouse that drives them. Figures and the label stand in client coordinates.
#include "displays/longterm/CDetailWaveWnd.h"

#include "displays/longterm/IDetailWindow.h"
#include "mfer/MferAttributes.h"
#include "platform/CDC.h"
#include "platform/MouseKeys.h"
#include "view/CZelvoView.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int CALIPER_LINE_WIDTH = 6;
constexpr int CALIPER_TICK = 30;
constexpr int CALIPER_MAX_TICKS = 100;
// A press closer than this to the caliper's line drags the caliper.
constexpr int CALIPER_GRIP = 15;
constexpr int LABEL_GAP = 5;
constexpr int INTERVAL_LABEL_BELOW = 35;
constexpr int LABEL_FONT_HEIGHT = 16;
constexpr COLORREF CR_LABEL_BACKGROUND = RGB(255, 255, 192);
// A point at the left edge snaps to where the 12-lead sheet's traces start.
constexpr int SNAP_X_MM = 11;
// Client x to sample offset: 10,000 microseconds per pixel at 25 mm/s and 4 pixels per mm.
constexpr int64_t MICROSECONDS_PER_PIXEL = 10'000;
constexpr int MS_PER_MM = 40;
constexpr int MS_PER_MINUTE = 60'000;
constexpr double MILLIVOLTS_PER_NANOVOLT = 0.000001;
constexpr int BAND_TOP_MM = 15;
constexpr int BAND_MM = 20;
constexpr int VALUE_LABEL_TOP_MM = 25;

} // namespace

const MferAttributes* CDetailWaveWnd::RootAttributes() const {
    return m_pView != nullptr ? m_pView->GetRootAttributes() : nullptr;
}

int64_t CDetailWaveWnd::PointOffset(int x) const {
    const MferAttributes* pRoot = RootAttributes();
    const int nInterval = pRoot != nullptr ? pRoot->m_nSamplingInterval : m_nSamplingInterval;
    return nInterval > 0 ? x * MICROSECONDS_PER_PIXEL / nInterval : 0;
}

// A point beyond either end of the recording measures the sample at that end.
int CDetailWaveWnd::SampleAt(int nChannel, int64_t nOffset) const {
    const SChannel& channel = m_apSamples[static_cast<size_t>(std::clamp(nChannel, 0, 1))];
    if (channel.pSamples == nullptr || channel.nCount <= 0)
        return 0;
    return channel.pSamples[std::clamp<int64_t>(m_nViewSample + nOffset, 0, channel.nCount - 1)];
}

void CDetailWaveWnd::SetFirstPoint(int x, int y) {
    const int s = m_nScale;
    // Only a band that has a channel can be measured.
    const int nLastBand = std::max(std::min(m_nBands, m_nChannels) - 1, 0);
    m_nMeasureChannel = std::clamp(((y - BAND_TOP_MM * s) / s) / BAND_MM, 0, nLastBand);
    m_nFirstOffset = PointOffset(x);
    m_ptFirst = CPoint(m_nFirstOffset == 0 ? SNAP_X_MM * s : x, y);
}

void CDetailWaveWnd::SetSecondPoint(int x, int y) {
    m_nSecondOffset = PointOffset(x);
    m_ptSecond = CPoint(m_nSecondOffset == 0 ? SNAP_X_MM * m_nScale : x, y);
}

// ---- Figures ---------------------------------------------------------------------------------

void CDetailWaveWnd::DrawValueMark(CDC* pDC, int64_t nOffset, int x) const {
    const int y = Baseline(m_nMeasureChannel) - VerticalPixels(SampleAt(m_nMeasureChannel, nOffset));
    pDC->MoveTo(m_rcClient.right, y);
    pDC->LineTo(0, y);
    pDC->MoveTo(x, m_rcClient.bottom);
    pDC->LineTo(x, 0);
}

void CDetailWaveWnd::DrawValueMarks(CDC* pDC) const {
    const CPen penOld = pDC->SelectPen(CPen(1, RGB(0, 0, 0)));
    DrawValueMark(pDC, m_nFirstOffset, m_ptFirst.x);
    if (m_nMeasureStep == 2)
        DrawValueMark(pDC, m_nSecondOffset, m_ptSecond.x);
    pDC->SelectPen(penOld);
}

void CDetailWaveWnd::DrawCaliperOn(CDC* pDC, int x) {
    const CPen penOld = pDC->SelectPen(CPen(CALIPER_LINE_WIDTH, RGB(0, 0, 0)));
    pDC->MoveTo(0, m_ptFirst.y);
    pDC->LineTo(m_rcClient.right, m_ptFirst.y);
    pDC->SelectPen(CPen(1, RGB(0, 0, 0)));
    auto tick = [&](int xTick) {
        pDC->MoveTo(xTick, m_ptFirst.y + CALIPER_TICK);
        pDC->LineTo(xTick, m_ptFirst.y - CALIPER_TICK);
    };
    tick(m_ptFirst.x);
    // Repeated ticks show whether later beats fall on multiples of the interval.
    const int d = std::abs(x - m_ptFirst.x);
    if (d > 0) {
        for (int k = 1; k < CALIPER_MAX_TICKS && m_ptFirst.x + k * d < m_rcClient.right; ++k)
            tick(m_ptFirst.x + k * d);
        for (int k = 1; k < CALIPER_MAX_TICKS && m_ptFirst.x - k * d >= 0; ++k)
            tick(m_ptFirst.x - k * d);
    }
    pDC->SelectPen(penOld);
}

void CDetailWaveWnd::DrawCrossCursor(int x, int y) {
    EraseCursor();
    if (m_pWindow == nullptr)
        return;
    const std::unique_ptr<CDC> pDC = m_pWindow->GetClientDC();
    const CSize sizeClient = m_pWindow->GetClientSize();
    pDC->SetROP2(R2_NOT);
    pDC->MoveTo(sizeClient.cx, y);
    pDC->LineTo(0, y);
    pDC->MoveTo(x, sizeClient.cy);
    pDC->LineTo(x, 0);
    m_ptCursor = CPoint(x, y);
    m_bCursorShown = true;
}

void CDetailWaveWnd::DrawCaliper(int x, int y) {
    EraseCursor();
    if (m_pWindow == nullptr)
        return;
    const std::unique_ptr<CDC> pDC = m_pWindow->GetClientDC();
    pDC->SetROP2(R2_NOT);
    DrawCaliperOn(pDC.get(), x);
    m_ptCursor = CPoint(x, y);
    m_bCursorShown = true;
}

void CDetailWaveWnd::EraseCursor() {
    if (!m_bCursorShown || m_pWindow == nullptr)
        return;
    m_pWindow->SetCursor(ECursor::None);
    // Drawing the figure again in inverting mode removes it.
    m_bCursorShown = false;
    const CPoint pt = m_ptCursor;
    if (m_nMeasureMode == 2 && m_nMeasureStep > 0) {
        DrawCaliper(pt.x, pt.y);
    } else {
        DrawCrossCursor(pt.x, pt.y);
    }
    m_bCursorShown = false;
}

// ---- Label -----------------------------------------------------------------------------------

void CDetailWaveWnd::ShowMeasurement(int nMode, int x, int) {
    const int s = m_nScale;
    const int nWidth = std::abs(x - m_ptFirst.x);
    const int ms = nWidth * MS_PER_MM / s;
    char szText[64] = {};
    int nTop = 0;
    if (nMode == 1) {
        const MferAttributes* pRoot = RootAttributes();
        const int nResolution = pRoot != nullptr ? pRoot->m_nResolution : m_nResolution;
        const int w1 = SampleAt(m_nMeasureChannel, m_nFirstOffset);
        const int w2 = SampleAt(m_nMeasureChannel, PointOffset(x));
        const double mV = (w2 - w1) * static_cast<double>(nResolution) * MILLIVOLTS_PER_NANOVOLT;
        std::snprintf(szText, sizeof szText, "[ch:%d] %1.2fmV %3.1d ms ", m_nMeasureChannel + 1, mV, ms);
        nTop = (BAND_MM * m_nMeasureChannel + VALUE_LABEL_TOP_MM) * s + LABEL_GAP;
    } else if (nMode == 2 && ms > 0) {
        std::snprintf(szText, sizeof szText, "HR:%3.1d  %4.1d ms ", MS_PER_MINUTE / ms, ms);
        nTop = m_ptFirst.y + INTERVAL_LABEL_BELOW;
    } else {
        // No mode, or an interval of zero width: nothing to show.
        return;
    }
    m_strMeasure = szText;
    if (m_pWindow == nullptr)
        return;
    const std::unique_ptr<CDC> pDC = m_pWindow->GetClientDC();
    pDC->SelectFont(CFont(LOGFONT{.lfHeight = LABEL_FONT_HEIGHT,
                                  .lfWeight = FW_NORMAL,
                                  .lfCharSet = ANSI_CHARSET,
                                  .lfPitchAndFamily = FF_SWISS,
                                  .lfFaceName = "Times New Roman"}));
    pDC->SetBkColor(CR_LABEL_BACKGROUND);
    const CSize sizeText = pDC->GetTextExtent(m_strMeasure);
    m_nLabelWidth = std::max(m_nLabelWidth, sizeText.cx);
    const int nLeft = m_ptFirst.x - m_nLabelWidth - LABEL_GAP;
    pDC->TextOut(nLeft, nTop, m_strMeasure);
    pDC->FrameRect(CRect(nLeft, nTop, m_ptFirst.x - LABEL_GAP, nTop + sizeText.cy), RGB(0, 0, 0));
}

// ---- Mouse -----------------------------------------------------------------------------------

void CDetailWaveWnd::OnLButtonDown(unsigned, CPoint point) {
    // Without a measurement mode a click measures nothing.
    if (m_nMeasureMode == 0)
        return;
    if (m_nMeasureMode == 2 && m_nMeasureStep >= 2) {
        if (std::abs(point.y - m_ptFirst.y) < CALIPER_GRIP)
            m_bDragCaliper = true;
        return;
    }
    EraseCursor();
    SetFirstPoint(point.x, point.y);
    m_nMeasureStep = 1;
    m_nLabelWidth = 0;
    if (m_pWindow != nullptr)
        m_pWindow->RedrawNow();
}

void CDetailWaveWnd::OnLButtonUp(unsigned, CPoint point) {
    if (m_nMeasureMode == 0)
        return;
    if (m_nMeasureStep >= 2) {
        m_bDragCaliper = false;
        return;
    }
    EraseCursor();
    SetSecondPoint(point.x, point.y);
    m_nMeasureStep = 2;
    if (m_pWindow != nullptr)
        m_pWindow->RedrawNow();
    ShowMeasurement(m_nMeasureMode, m_ptSecond.x, m_ptSecond.y);
}

void CDetailWaveWnd::OnRButtonDown(unsigned, CPoint) {
    ClearPoints();
    m_nMeasureStep = 0;
    if (m_pWindow != nullptr)
        m_pWindow->RedrawNow();
}

void CDetailWaveWnd::OnMouseMove(unsigned nFlags, CPoint point) {
    const int x = point.x;
    const int y = point.y;
    auto arrow = [&] {
        if (m_pWindow != nullptr)
            m_pWindow->SetCursor(CZelvoView::m_hCurArrow);
    };
    if (m_nMeasureMode == 1) {
        if (m_nMeasureStep == 2) {
            ShowMeasurement(1, m_ptSecond.x, m_ptSecond.y);
            arrow();
            return;
        }
        DrawCrossCursor(x, y);
        if (m_nMeasureStep == 1)
            ShowMeasurement(1, x, y);
    } else if (m_nMeasureMode == 2) {
        if (m_nMeasureStep == 0) {
            DrawCrossCursor(x, y);
        } else if (m_nMeasureStep == 1) {
            DrawCaliper(x, y);
            ShowMeasurement(2, x, y);
        } else if (m_bDragCaliper && (nFlags & MK_LBUTTON) != 0) {
            // The caliper moves with its width kept; its label stays until the next release.
            EraseCursor();
            const int d = std::abs(m_ptSecond.x - m_ptFirst.x);
            m_ptFirst = CPoint(x, y);
            m_ptSecond = CPoint(x + d, y);
            DrawCaliper(x + d, y);
        } else {
            arrow();
        }
    }
}

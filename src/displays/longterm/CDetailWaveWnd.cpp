#include "displays/longterm/CDetailWaveWnd.h"

#include "displays/longterm/DetailWaveMenu.h"
#include "displays/longterm/IDetailWindow.h"
#include "mfer/MferAttributes.h"
#include "platform/MouseKeys.h"
#include "platform/ScrollBar.h"

#include <algorithm>

namespace {

constexpr int DEFAULT_SCALE = 4;
// The client area: 125 mm of paper wide, two 40-mm bands and room for the labels high.
constexpr int CLIENT_WIDTH_MM = 125;
constexpr int CLIENT_HEIGHT_MM = 80;
constexpr int CLIENT_EXTRA_HEIGHT = 55;

} // namespace

CDetailWaveWnd::CDetailWaveWnd(CZelvoView* pView, int64_t nViewSample, int64_t nRangeStart,
                               const MferAttributes& frameAttr, const std::array<SChannel, 2>& aChannels,
                               const CEventIndex* pEvents)
    : m_pView(pView), m_pEvents(pEvents), m_nViewSample(nViewSample), m_nRangeStart(nRangeStart),
      m_nBlockLength(frameAttr.m_nBlockLength), m_nSequences(frameAttr.m_nSequences),
      m_nSamplingInterval(frameAttr.m_nSamplingInterval), m_nResolution(frameAttr.m_nResolution),
      m_nChannels(std::clamp(frameAttr.m_nChannels, 0, 2)), m_apSamples(aChannels),
      m_nPixelsPerMm(DEFAULT_SCALE), m_scroll(frameAttr.m_nSamplingInterval, DEFAULT_SCALE),
      m_nScale(DEFAULT_SCALE) {
    // No channel reads beyond what the frame states, whatever its array holds.
    const int64_t nFrameSamples =
        m_nBlockLength > 0 && m_nSequences > 0 ? static_cast<int64_t>(m_nBlockLength) * m_nSequences : 0;
    for (int c = 0; c < 2; ++c) {
        SChannel& channel = m_apSamples[static_cast<size_t>(c)];
        if (c >= m_nChannels || channel.pSamples == nullptr)
            channel = SChannel();
        channel.nCount = std::clamp<int64_t>(channel.nCount, 0, nFrameSamples);
    }
}

void CDetailWaveWnd::OnInitDialog() {
    m_nPixelsPerMm = m_nScale;
    m_scroll = CDetailScrollMap(m_nSamplingInterval, m_nPixelsPerMm);
    if (m_pWindow != nullptr)
        m_pWindow->SetClientSize(
            CSize(CLIENT_WIDTH_MM * m_nPixelsPerMm, CLIENT_HEIGHT_MM * m_nPixelsPerMm + CLIENT_EXTRA_HEIGHT));
}

void CDetailWaveWnd::OnPaint(CDC* pDC) {
    // A paint starts from clean paper: no inverted figure is left on it.
    m_bCursorShown = false;
    m_nScrollX = m_scroll.PixelsOf(m_nViewSample - m_nRangeStart);
    const CPoint ptOrigin = pDC->SetWindowOrg(m_nScrollX, 0);
    const COLORREF crBk = pDC->SetBkColor(RGB(255, 255, 255));
    if (m_pWindow != nullptr) {
        m_pWindow->SetScrollRange(0, m_scroll.GetScrollMax(), false);
        m_pWindow->SetScrollPos(m_nScrollX, true);
    }
    DrawContents(pDC);
    // The figures stand in client coordinates.
    pDC->SetWindowOrg(ptOrigin);
    m_rcClient = m_pWindow != nullptr ? CRect(CPoint(), m_pWindow->GetClientSize()) : CRect();
    if (m_nMeasureMode == 1 && m_nMeasureStep >= 1)
        DrawValueMarks(pDC);
    if (m_nMeasureMode == 2 && m_nMeasureStep == 2) {
        const int nRop = pDC->SetROP2(R2_NOT);
        DrawCaliperOn(pDC, m_ptSecond.x);
        pDC->SetROP2(nRop);
        m_ptCursor = m_ptSecond;
        m_bCursorShown = true;
    }
    pDC->SetBkColor(crBk);
}

void CDetailWaveWnd::OnHScroll(int nScrollCode, int nPos) {
    EraseCursor();
    int64_t nSample = m_nViewSample;
    switch (nScrollCode) {
    case SB_LINELEFT:
        nSample -= m_scroll.GetLineSamples();
        break;
    case SB_LINERIGHT:
        nSample += m_scroll.GetLineSamples();
        break;
    case SB_PAGELEFT:
        nSample -= m_scroll.GetPageSamples();
        break;
    case SB_PAGERIGHT:
        nSample += m_scroll.GetPageSamples();
        break;
    case SB_THUMBTRACK:
        nSample = m_nRangeStart + m_scroll.SamplesOf(nPos);
        break;
    default:
        break;
    }
    nSample = std::clamp(nSample, m_nRangeStart, m_nRangeStart + m_scroll.GetRangeSamples());
    const bool bChanged = nSample != m_nViewSample;
    m_nViewSample = nSample;
    if ((bChanged || nScrollCode == SB_THUMBTRACK) && m_pWindow != nullptr)
        m_pWindow->RedrawNow();
}

void CDetailWaveWnd::OnKeyDown(unsigned nChar) {
    if (m_pWindow == nullptr)
        return;
    if (nChar == VK_RETURN)
        m_pWindow->EndDialog(IDOK);
    else if (nChar == VK_ESCAPE)
        m_pWindow->EndDialog(IDCANCEL);
}

void CDetailWaveWnd::OnClose() {
    if (m_pWindow != nullptr)
        m_pWindow->EndDialog(IDCANCEL);
}

bool CDetailWaveWnd::OnUpdateCommand(CCmdUI& cmdUI) const {
    switch (cmdUI.m_nID) {
    case ID_DETAIL_CLOSE:
        cmdUI.Enable(true);
        return true;
    case ID_DETAIL_MEASURE_VALUE:
        cmdUI.Enable(true);
        cmdUI.SetCheck(m_nMeasureMode == 1);
        return true;
    case ID_DETAIL_MEASURE_INTERVAL:
        cmdUI.Enable(true);
        cmdUI.SetCheck(m_nMeasureMode == 2);
        return true;
    default:
        return false;
    }
}

bool CDetailWaveWnd::OnCommand(int nId) {
    switch (nId) {
    case ID_DETAIL_MEASURE_VALUE:
        ToggleMode(1);
        return true;
    case ID_DETAIL_MEASURE_INTERVAL:
        ToggleMode(2);
        return true;
    case ID_DETAIL_CLOSE:
        if (m_pWindow != nullptr)
            m_pWindow->EndDialog(DETAIL_CLOSE_RESULT);
        return true;
    default:
        return false;
    }
}

void CDetailWaveWnd::ToggleMode(int nMode) {
    m_nMeasureMode = m_nMeasureMode == nMode ? 0 : nMode;
    m_nMeasureStep = 0;
    ClearPoints();
    if (m_pWindow != nullptr)
        m_pWindow->RedrawNow();
}

void CDetailWaveWnd::ClearPoints() {
    m_ptCursor = CPoint(-1, -1);
    m_ptFirst = CPoint(-1, -1);
}

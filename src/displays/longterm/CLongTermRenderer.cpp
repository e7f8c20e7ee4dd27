#include "displays/longterm/CLongTermRenderer.h"

#include "app/CZelvoDoc.h"
#include "displays/longterm/CDetailWaveWnd.h"
#include "displays/longterm/CStripLayout.h"
#include "mfer/MferAttributes.h"
#include "mfer/MferEventLabels.h"
#include "platform/CDC.h"
#include "view/CZelvoView.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr COLORREF CR_BLACK = RGB(0, 0, 0);
constexpr COLORREF CR_WHITE = RGB(255, 255, 255);
constexpr COLORREF CR_BAND = RGB(220, 220, 220);
constexpr COLORREF CR_EVENT_TEXT = RGB(0, 0, 255);
constexpr double FONT_HEIGHT_MM = 3.5;
constexpr int TIME_LABEL_X = 5;
constexpr int TIME_LABEL_RISE = 5;
constexpr int EVENT_LABEL_RISE = 8;
// One pixel of the strip is 50 uV.
constexpr int64_t NANOVOLTS_PER_PIXEL = 50'000;
constexpr int SECONDS_PER_DAY = 24 * 60 * 60;
// Wider than any event label in the strip's font, in font heights.
constexpr int EVENT_LABEL_MAX_WIDTH_FONTS = 3;
// The detail window opens two seconds before the clicked moment; its range reaches 30 seconds back.
constexpr int64_t DETAIL_LEAD_SECONDS = 2;
constexpr int64_t MICROSECONDS_PER_SECOND = 1'000'000;
// The click's samples per pixel are those of the narrow strip at 250 Hz, scaled by the rate.
constexpr double REFERENCE_INTERVAL = 4000.0;
constexpr int REFERENCE_ROW_SAMPLES = 7500;
// The press picks the row a little above the pointer, as the original strip did.
constexpr int CLICK_ROW_SLACK = 12;

LOGFONT StripFont(int nPixelsPerMm) {
    return {.lfHeight = static_cast<int>(nPixelsPerMm * FONT_HEIGHT_MM),
            .lfWeight = FW_NORMAL,
            .lfCharSet = ANSI_CHARSET,
            .lfPitchAndFamily = FF_SWISS,
            .lfFaceName = "Arial"};
}

// Row places [first, last] whose pixels meet the clip box, whether the strip has rows there or not.
std::pair<int, int> PlacesMeeting(const CRect& rcClip, int nRowHeight) {
    const int nFirst = std::max(0, (std::max(rcClip.top, 0) + nRowHeight - 1) / nRowHeight - 1);
    const int nLast = std::max(rcClip.bottom - 1, 0) / nRowHeight;
    return {nFirst, nLast};
}

// The strip's rows that meet the clip box.
std::pair<int, int> RowsMeeting(const CRect& rcClip, const CStripLayout& layout) {
    const auto [nFirst, nLast] = PlacesMeeting(rcClip, layout.m_nRowHeight);
    return {nFirst, std::min(layout.m_nRows - 1, nLast)};
}

std::string ElapsedTime(int64_t nSeconds) {
    char szText[16];
    const int64_t nDay = nSeconds % SECONDS_PER_DAY;
    std::snprintf(szText, sizeof szText, "%02d:%02d:%02d", static_cast<int>(nDay / 3600),
                  static_cast<int>(nDay / 60 % 60), static_cast<int>(nDay % 60));
    return szText;
}

} // namespace

void CLongTermRenderer::Setup(CZelvoView* pView, int nPixelsPerMm, const MferAttributes* pFrameAttr) {
    m_pView = pView;
    m_nPixelsPerMm = nPixelsPerMm;
    m_pFrameAttr = pFrameAttr;
}

int CLongTermRenderer::ClientWidth() const {
    return m_pView != nullptr ? m_pView->GetWindow()->GetClientSize().cx : 0;
}

CStripLayout CLongTermRenderer::Layout() const {
    return CStripLayout(*m_pFrameAttr, m_nPixelsPerMm, ClientWidth());
}

void CLongTermRenderer::Draw(CDC* pDC) {
    m_rcExtent = CRect();
    if (m_pView == nullptr || m_pFrameAttr == nullptr || m_nPixelsPerMm <= 0)
        return;
    const CStripLayout layout = Layout();
    m_ptOrigin = CPoint(0, 0);
    DrawTimeColumn(pDC, layout);
    m_ptOrigin.x = layout.TimeColumnWidth();
    DrawRowBands(pDC, layout);
    DrawTraces(pDC, layout);
    DrawEventMarks(pDC, layout);
    // The width leaves out the time column.
    m_rcExtent = CRect(0, 0, layout.m_nWidth, layout.Height());
}

void CLongTermRenderer::DrawTimeColumn(CDC* pDC, const CStripLayout& layout) const {
    const COLORREF crText = pDC->SetTextColor(CR_BLACK);
    const CFont fontOld = pDC->SelectFont(CFont(StripFont(m_nPixelsPerMm)));
    const CPen penOld = pDC->SelectPen(CPen(1, CR_BLACK));
    const int H = layout.m_nRowHeight;
    const auto [nFirst, nLast] = RowsMeeting(pDC->GetClipBox(), layout);
    for (int r = nFirst; r <= nLast; ++r) {
        const int y = (r + 1) * H;
        pDC->TextOut(m_ptOrigin.x + TIME_LABEL_X, y - H / 2 - TIME_LABEL_RISE,
                     ElapsedTime(static_cast<int64_t>(r) * layout.m_nLabelStep));
        pDC->MoveTo(layout.TimeColumnWidth(), y);
        pDC->LineTo(0, y);
    }
    pDC->SelectPen(penOld);
    pDC->SelectFont(fontOld);
    pDC->SetTextColor(crText);
}

void CLongTermRenderer::DrawRowBands(CDC* pDC, const CStripLayout& layout) const {
    const CPen penOld = pDC->SelectPen(CPen(1, CR_BLACK));
    const int H = layout.m_nRowHeight;
    const int x0 = m_ptOrigin.x;
    const int x1 = x0 + layout.m_nWidth;
    const auto [nFirst, nLast] = RowsMeeting(pDC->GetClipBox(), layout);
    // The lower half of every row is grey; the upper half keeps the background.
    for (int r = nFirst; r <= nLast; ++r) {
        pDC->FillRect(CRect(x0, r * H + H / 2, x1, (r + 1) * H), CR_BAND);
        pDC->MoveTo(x1, (r + 1) * H);
        pDC->LineTo(x0, (r + 1) * H);
    }
    pDC->SelectPen(penOld);
}

// 50 uV per pixel whatever the resolution: a resolution above 50,000 nV per unit scales up instead
// of dividing by zero.
int CLongTermRenderer::Amplitude(int nValue) const {
    const int64_t nResolution = m_pFrameAttr->m_nResolution;
    const int64_t k = NANOVOLTS_PER_PIXEL / nResolution;
    return static_cast<int>(k > 0 ? nValue / k : nValue * nResolution / NANOVOLTS_PER_PIXEL);
}

void CLongTermRenderer::DrawTraces(CDC* pDC, const CStripLayout& layout) const {
    if (!layout.HasTimeBase() || m_pFrameAttr->m_nResolution <= 0 || layout.m_nRows <= 0)
        return;
    // The rows near the top of what is shown: twice as many as fit, and one more.
    const CRect rcClip = pDC->GetClipBox();
    const int nFirst = std::max(rcClip.top, 0) / layout.m_nRowHeight;
    const int nLast = std::min(layout.m_nRows - 1, nFirst + rcClip.Height() / (layout.m_nRowHeight / 2) + 1);
    for (int r = nFirst; r <= nLast; ++r)
        for (int c = 0; c < layout.m_nChannels; ++c)
            DrawChannelRow(pDC, layout, c, r);
}

CDetailWaveWnd::SChannel CLongTermRenderer::ChannelSamples(int nChannel, const CStripLayout& layout) const {
    const int nFrame = m_pView->GetFrame();
    CDetailWaveWnd::SChannel channel;
    channel.pSamples = m_pView->GetDocument()->GetFrameSamples(nFrame, 0, static_cast<int16_t>(nChannel));
    if (channel.pSamples == nullptr)
        return channel;
    // A channel of its own block length holds fewer samples than the frame states.
    channel.nCount = layout.m_nTotalSamples;
    if (const MferAttributes* pChannel = m_pView->GetFrameChannel(nFrame, nChannel)) {
        const int64_t nOwn = pChannel->m_nSequences > 0 && pChannel->m_nBlockLength > 0
                                 ? static_cast<int64_t>(pChannel->m_nSequences) * pChannel->m_nBlockLength
                                 : 0;
        channel.nCount = std::min(channel.nCount, nOwn);
    }
    return channel;
}

// One channel of one row as a min/max envelope, one stroke per pixel column. The row starts at its
// own first sample, so what a row shows does not depend on which rows are drawn with it.
void CLongTermRenderer::DrawChannelRow(CDC* pDC, const CStripLayout& layout, int nChannel, int nRow) const {
    const CDetailWaveWnd::SChannel channel = ChannelSamples(nChannel, layout);
    const int16_t* pSamples = channel.pSamples;
    const int64_t nTotal = channel.nCount;
    int64_t nCursor = static_cast<int64_t>(nRow) * layout.m_nSamplesPerRow;
    if (pSamples == nullptr || nCursor >= nTotal)
        return;
    const int H = layout.m_nRowHeight;
    const int nBase = nChannel == 0 ? nRow * H + H / 4 : (nRow + 1) * H - H / 4;
    // Each column takes its first sample and then one more for every whole step while the step
    // count stays below samples-per-column minus one.
    const double p = static_cast<double>(layout.m_nSamplesPerRow) / layout.m_nWidth;
    const auto nExtra = static_cast<int64_t>(std::max(0.0, std::ceil(p - 1)));
    const CRect rcClip = pDC->GetClipBox();
    int nPrevMin = pSamples[nCursor];
    int nPrevMax = nPrevMin;
    for (int j = 0; j < layout.m_nWidth && nCursor < nTotal; ++j) {
        const int x = m_ptOrigin.x + j;
        const int16_t* pFirst = pSamples + nCursor;
        const int16_t* pEnd = pSamples + std::min(nTotal, nCursor + 1 + nExtra);
        const auto [itMin, itMax] = std::minmax_element(pFirst, pEnd);
        const int nMin = *itMin;
        const int nMax = *itMax;
        nCursor += 1 + nExtra;
        // Joined to the previous column, so that steep edges stay unbroken.
        const int nLow = nPrevMax < nMin ? nPrevMax : nMin;
        const int nHigh = nPrevMin > nMax ? nPrevMin : nMax;
        nPrevMin = nMin;
        nPrevMax = nMax;
        if (x < rcClip.left || x >= rcClip.right)
            continue;
        // The stroke runs up from the low end to just below the high end, or is the one pixel of a
        // flat column.
        const int yFrom = nBase - Amplitude(nLow);
        const int yTo = nBase - Amplitude(nHigh);
        const CRect rcStroke(x, yFrom == yTo ? yTo : yTo + 1, x + 1, yFrom + 1);
        // Filled as the rectangle it is: the same pixels as the line, without rasterising one.
        if (rcStroke.bottom > rcClip.top && rcStroke.top < rcClip.bottom)
            pDC->FillRect(rcStroke, CR_BLACK);
    }
}

void CLongTermRenderer::DrawEventMarks(CDC* pDC, const CStripLayout& layout) {
    if (!layout.HasTimeBase() || m_pFrameAttr->m_pFirstEvent == nullptr)
        return;
    m_frameEvents.Refresh(m_pFrameAttr->m_pFirstEvent, m_pFrameAttr->m_pLastEvent);
    // Events are written wherever their row would stand, also past the strip's last row.
    const CRect rcClip = pDC->GetClipBox();
    const auto [nFirst, nLast] = PlacesMeeting(rcClip, layout.m_nRowHeight);
    const int64_t S = layout.m_nSamplesPerRow;
    const int H = layout.m_nRowHeight;
    // Row 0 also holds the few positions just below zero.
    const int64_t nFrom = nFirst == 0 ? 1 - S : nFirst * S;
    const int64_t nTo = (static_cast<int64_t>(nLast) + 1) * S - 1;
    const double dPixelsPerSample = 1.0 / static_cast<double>(std::max<int64_t>(S / layout.m_nWidth, 1));
    const LOGFONT lf = StripFont(m_nPixelsPerMm);
    const int nMaxLabelWidth = EVENT_LABEL_MAX_WIDTH_FONTS * lf.lfHeight;

    const CFont fontOld = pDC->SelectFont(CFont(lf));
    const COLORREF crBk = pDC->SetBkColor(CR_WHITE);
    const COLORREF crText = pDC->SetTextColor(CR_EVENT_TEXT);
    const int nBkMode = pDC->SetBkMode(OPAQUE);
    for (const CEventIndex::SEntry& event : m_frameEvents.InRange(nFrom, nTo)) {
        // A code without a label writes nothing rather than repeating another event's label.
        const char* pszLabel = GetMferEventLabel(event.wCode);
        if (pszLabel == nullptr)
            continue;
        const int64_t nRow = event.nPosition / S;
        const int64_t nOffset = event.nPosition - nRow * S;
        const int x = m_ptOrigin.x + static_cast<int>(static_cast<double>(nOffset) * dPixelsPerSample);
        const int y = static_cast<int>(nRow) * H + H / 2 + m_ptOrigin.y - EVENT_LABEL_RISE;
        const bool bShows = x + nMaxLabelWidth >= rcClip.left && x < rcClip.right &&
                            y + lf.lfHeight >= rcClip.top && y < rcClip.bottom;
        if (bShows)
            pDC->TextOut(x, y, pszLabel);
    }
    pDC->SetBkMode(nBkMode);
    pDC->SetTextColor(crText);
    pDC->SetBkColor(crBk);
    pDC->SelectFont(fontOld);
}

// ---- Mouse -----------------------------------------------------------------------------------

void CLongTermRenderer::OnMouseMove(unsigned, int x, int) {
    if (m_pView == nullptr)
        return;
    const int nNarrow = CStripLayout::NarrowWidth(m_nPixelsPerMm);
    const int nLimit = ClientWidth() >= 2 * nNarrow ? 2 * nNarrow : nNarrow;
    const int dx = x - CStripLayout::TIME_COLUMN_MM * m_nPixelsPerMm;
    m_pView->GetWindow()->SetCursor(dx >= 0 && dx <= nLimit ? CZelvoView::m_hCurZoom : CZelvoView::m_hCurNo);
}

void CLongTermRenderer::OnLButtonUp(unsigned, int x, int) {
    if (m_pView == nullptr)
        return;
    const int nInterval = m_pFrameAttr != nullptr ? m_pFrameAttr->m_nSamplingInterval : 0;
    const int dx = x - CStripLayout::TIME_COLUMN_MM * m_nPixelsPerMm;
    bool bInside = false;
    if (nInterval > 0) {
        const double limit = (REFERENCE_INTERVAL / nInterval) * m_nPixelsPerMm * CStripLayout::STRIP_WIDTH_MM;
        bInside = dx >= 0 && dx <= static_cast<int64_t>(limit);
    }
    m_pView->GetWindow()->SetCursor(bInside ? CZelvoView::m_hCurZoom : CZelvoView::m_hCurNo);
}

bool CLongTermRenderer::ClickTarget(int x, int y, SClickTarget& target) const {
    if (m_pView == nullptr || m_pFrameAttr == nullptr || m_pFrameAttr->m_nSamplingInterval <= 0 ||
        m_nPixelsPerMm <= 0)
        return false;
    const CStripLayout layout = Layout();
    const int64_t nInterval = m_pFrameAttr->m_nSamplingInterval;
    const int64_t nPerSecond = MICROSECONDS_PER_SECOND / nInterval;
    const int64_t nRowSamples30 = CStripLayout::ROW_MICROSECONDS / nInterval;
    const auto q = static_cast<int64_t>((REFERENCE_INTERVAL / static_cast<double>(nInterval)) *
                                        (REFERENCE_ROW_SAMPLES / layout.m_nNarrowWidth));
    const int dx = x - m_ptOrigin.x;
    if (dx < 0 || dx > layout.m_nWidth)
        return false;
    const int nRow =
        (m_pView->GetWindow()->GetScrollPosition().y + y + CLICK_ROW_SLACK) / layout.m_nRowHeight;
    target.nClicked = dx * q + nRow * layout.m_nSamplesPerRow;
    target.nStart = std::max<int64_t>(target.nClicked - DETAIL_LEAD_SECONDS * nPerSecond, 0);
    target.nRangeStart = std::max<int64_t>(target.nStart - nRowSamples30, 0);
    return true;
}

void CLongTermRenderer::OnLButtonDown(unsigned, int x, int y) {
    if (m_pView == nullptr)
        return;
    SClickTarget target;
    if (!ClickTarget(x, y, target)) {
        m_pView->GetWindow()->SetCursor(CZelvoView::m_hCurNo);
        return;
    }
    OpenDetailWindow(target);
    m_pView->GetWindow()->SetCursor(CZelvoView::m_hCurZoom);
}

const CEventIndex* CLongTermRenderer::RootEvents() {
    const MferAttributes* pRoot = m_pView->GetRootAttributes();
    if (pRoot == nullptr)
        return nullptr;
    if (pRoot->m_pFirstEvent == m_pFrameAttr->m_pFirstEvent &&
        pRoot->m_pLastEvent == m_pFrameAttr->m_pLastEvent) {
        m_frameEvents.Refresh(m_pFrameAttr->m_pFirstEvent, m_pFrameAttr->m_pLastEvent);
        return &m_frameEvents;
    }
    m_rootEvents.Refresh(pRoot->m_pFirstEvent, pRoot->m_pLastEvent);
    return &m_rootEvents;
}

void CLongTermRenderer::OpenDetailWindow(const SClickTarget& target) {
    const CStripLayout layout = Layout();
    std::array<CDetailWaveWnd::SChannel, 2> aChannels;
    for (int c = 0; c < layout.m_nChannels; ++c)
        aChannels[static_cast<size_t>(c)] = ChannelSamples(c, layout);
    CDetailWaveWnd wnd(m_pView, target.nStart, target.nRangeStart, *m_pFrameAttr, aChannels, RootEvents());
    if (const DetailWindowRunner& runner = m_pView->GetDetailWindowRunner())
        runner(wnd);
}

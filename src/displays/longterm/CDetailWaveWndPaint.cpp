// The detail window's paper: grid, traces and event marks, in logical coordinates scrolled by
// m_nScrollX.
#include "displays/longterm/CDetailWaveWnd.h"

#include "displays/longterm/CEventIndex.h"
#include "displays/longterm/IDetailWindow.h"
#include "mfer/MferEventLabels.h"
#include "platform/CDC.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

constexpr int MINUTE_MM = 1500; // one minute at 25 mm/s
constexpr int BAND_MM = 40;
constexpr int GRID_TOP = 10;
constexpr int COARSE_STEP_MM = 5;
constexpr COLORREF CR_FINE_GRID = RGB(255, 220, 128);
constexpr COLORREF CR_COARSE_GRID = RGB(255, 192, 96);
constexpr COLORREF CR_BLACK = RGB(0, 0, 0);
constexpr COLORREF CR_DARK_GREY = RGB(64, 64, 64);
constexpr COLORREF CR_GREY = RGB(128, 128, 128);
constexpr COLORREF CR_LIGHT_GREY = RGB(220, 220, 220);
constexpr COLORREF CR_EVENT_TEXT = RGB(0, 0, 255);
constexpr int EVENT_FONT_HEIGHT = 20;
// Wider than any event label in the event font.
constexpr int EVENT_LABEL_MAX_WIDTH = 3 * EVENT_FONT_HEIGHT;
// A column of at most this many pixels is one black stroke; taller ones are shaded in thirds.
constexpr int THIN_COLUMN = 3;
constexpr double PAPER_MM_PER_MICROSECOND = 0.000025;
constexpr double PAPER_MM_PER_NANOVOLT = 0.00001;
constexpr double MICROSECONDS_PER_SECOND = 1'000'000.0;
constexpr double MM_PER_SECOND = 25.0;

int ToInt(double value) {
    return static_cast<int>(std::clamp(value, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

// The shaded pens of one trace column.
struct STracePens {
    CPen black{1, CR_BLACK};
    CPen darkGrey{1, CR_DARK_GREY};
    CPen grey{1, CR_GREY};
    CPen lightGrey{1, CR_LIGHT_GREY};
};

// One pixel column of a trace: its range and the third that splits it into shades.
struct SColumn {
    int x;
    int hi;
    int lo;
    int third;
};

void DrawColumn(CDC* pDC, const STracePens& pens, int base, const SColumn& col, const SColumn& prev) {
    if (col.hi - col.lo <= THIN_COLUMN) {
        pDC->SelectPen(pens.black);
        pDC->MoveTo(col.x, base - col.lo);
        pDC->LineTo(col.x, base - col.hi);
    } else if (col.lo >= prev.hi - prev.third) {
        // Rising above the previous column: a light joint on both sides, then grey-dark-grey upwards.
        pDC->SelectPen(pens.lightGrey);
        pDC->MoveTo(prev.x, base - prev.hi);
        pDC->LineTo(prev.x, base - (col.lo + col.third));
        pDC->MoveTo(col.x, base - (prev.hi - prev.third));
        pDC->LineTo(col.x, base - prev.hi);
        pDC->SelectPen(pens.grey);
        pDC->LineTo(col.x, base - (col.lo + col.third));
        pDC->SelectPen(pens.darkGrey);
        pDC->LineTo(col.x, base - (col.hi - col.third));
        pDC->SelectPen(pens.grey);
        pDC->LineTo(col.x, base - col.hi);
    } else if (col.hi <= prev.lo + prev.third) {
        pDC->SelectPen(pens.lightGrey);
        pDC->MoveTo(prev.x, base - prev.lo);
        pDC->LineTo(prev.x, base - (col.hi - col.third));
        pDC->MoveTo(col.x, base - (prev.lo + prev.third));
        pDC->LineTo(col.x, base - prev.lo);
        pDC->SelectPen(pens.grey);
        pDC->LineTo(col.x, base - (col.hi - col.third));
        pDC->SelectPen(pens.darkGrey);
        pDC->LineTo(col.x, base - (col.lo + col.third));
        pDC->SelectPen(pens.grey);
        pDC->LineTo(col.x, base - col.lo);
    } else {
        pDC->SelectPen(pens.grey);
        pDC->MoveTo(col.x, base - col.lo);
        pDC->LineTo(col.x, base - (col.lo + col.third));
        pDC->SelectPen(pens.darkGrey);
        pDC->LineTo(col.x, base - (col.hi - col.third));
        pDC->SelectPen(pens.grey);
        pDC->LineTo(col.x, base - col.hi);
    }
}

} // namespace

int CDetailWaveWnd::Baseline(int nChannel) const {
    return (BAND_MM * nChannel + BAND_MM / 2) * m_nPixelsPerMm + GRID_TOP;
}

double CDetailWaveWnd::HorizontalScale() const {
    return static_cast<double>(m_nSamplingInterval) * m_nPixelsPerMm * PAPER_MM_PER_MICROSECOND;
}

double CDetailWaveWnd::VerticalScale() const {
    return static_cast<double>(m_nResolution) * m_nPixelsPerMm * PAPER_MM_PER_NANOVOLT;
}

int CDetailWaveWnd::VerticalPixels(int nValue) const {
    return ToInt(nValue * VerticalScale());
}

void CDetailWaveWnd::DrawContents(CDC* pDC) {
    const int z = m_nPixelsPerMm;
    const int nClientHeight = m_pWindow != nullptr ? m_pWindow->GetClientSize().cy : 0;
    pDC->FillRect(CRect(0, 0, MINUTE_MM * z, nClientHeight), RGB(255, 255, 255));
    DrawGrid(pDC);
    DrawTrace(pDC, 0);
    if (m_nChannels > 1)
        DrawTrace(pDC, 1);
    DrawEventMarks(pDC);
}

void CDetailWaveWnd::DrawGrid(CDC* pDC) const {
    const int z = m_nPixelsPerMm;
    const int nRight = MINUTE_MM * z;
    const int nBottom = BAND_MM * m_nBands * z + GRID_TOP;
    const CRect rcClip = pDC->GetClipBox();
    auto vertical = [&](int x) {
        // Only the columns the device shows: the minute is far wider than the window.
        if (x >= rcClip.left && x < rcClip.right) {
            pDC->MoveTo(x, GRID_TOP);
            pDC->LineTo(x, nBottom);
        }
    };
    auto horizontal = [&](int y) {
        pDC->MoveTo(0, y);
        pDC->LineTo(nRight, y);
    };
    const CPen penOld = pDC->SelectPen(CPen(1, CR_FINE_GRID));
    for (int i = 0; i <= BAND_MM * m_nBands; ++i)
        horizontal(z * i + GRID_TOP);
    for (int i = 0; i <= MINUTE_MM; ++i)
        vertical(z * i);
    pDC->SelectPen(CPen(1, CR_COARSE_GRID));
    for (int i = 0; i <= BAND_MM / COARSE_STEP_MM * m_nBands; ++i)
        horizontal(COARSE_STEP_MM * (z * i + GRID_TOP / COARSE_STEP_MM));
    for (int i = 0; i <= MINUTE_MM / COARSE_STEP_MM; ++i)
        vertical(COARSE_STEP_MM * z * i);
    pDC->SelectPen(penOld);
    pDC->FrameRect(CRect(0, GRID_TOP, nRight + 1, nBottom + 1), CR_BLACK);
}

void CDetailWaveWnd::DrawTrace(CDC* pDC, int nChannel) const {
    const SChannel& channel = m_apSamples[static_cast<size_t>(nChannel)];
    const int64_t s0 = m_nRangeStart;
    const double dx = HorizontalScale();
    if (channel.pSamples == nullptr || s0 < 0 || s0 >= channel.nCount || dx <= 0.0)
        return;
    const int base = Baseline(nChannel);
    const CRect rcClip = pDC->GetClipBox();
    const STracePens pens;
    const CPen penOld = pDC->GetCurrentPen();

    const int u = VerticalPixels(channel.pSamples[s0]);
    int nMax = u;
    int nMin = u;
    SColumn prev{-1, u, u, 0};
    int x = 0;
    double acc = 0.0;
    const int64_t nEnd = std::min(channel.nCount, s0 + 1 + m_scroll.GetMinuteSamples());
    for (int64_t s = s0 + 1; s < nEnd && x <= rcClip.right; ++s) {
        // Held as a 16-bit value, as the original trace held it.
        const int v = static_cast<int16_t>(VerticalPixels(channel.pSamples[s]));
        nMax = std::max(nMax, v);
        nMin = std::min(nMin, v);
        if (acc < 1.0) {
            acc += dx;
            continue;
        }
        // The column at x is complete; the sample that closed it also opens the next one.
        const int hi = nMax + 1;
        const int lo = nMin - 1;
        acc = acc - 1.0 + dx;
        const SColumn col{x, hi, lo, (hi - lo) / 3};
        if (x >= rcClip.left)
            DrawColumn(pDC, pens, base, col, prev);
        prev = col;
        ++x;
        nMax = nMin = v;
    }
    pDC->SelectPen(penOld);
}

void CDetailWaveWnd::DrawEventMarks(CDC* pDC) const {
    if (m_pEvents == nullptr || !m_scroll.HasTimeBase())
        return;
    const double f = (MICROSECONDS_PER_SECOND / m_nSamplingInterval) / (MM_PER_SECOND * m_nPixelsPerMm);
    const CRect rcClip = pDC->GetClipBox();
    const CFont fontOld = pDC->SelectFont(CFont(LOGFONT{.lfHeight = EVENT_FONT_HEIGHT,
                                                        .lfWeight = FW_BOLD,
                                                        .lfCharSet = ANSI_CHARSET,
                                                        .lfPitchAndFamily = FF_SWISS,
                                                        .lfFaceName = "Arial"}));
    const COLORREF crText = pDC->SetTextColor(CR_EVENT_TEXT);
    const int y = BAND_MM * m_nPixelsPerMm + GRID_TOP;
    for (const CEventIndex::SEntry& event :
         m_pEvents->InRange(m_nRangeStart, m_nRangeStart + m_scroll.GetMinuteSamples())) {
        const char* pszLabel = GetMferEventLabel(event.wCode);
        const int x = ToInt(static_cast<double>(event.nPosition - m_nRangeStart) / f);
        if (pszLabel != nullptr && x + EVENT_LABEL_MAX_WIDTH >= rcClip.left && x < rcClip.right)
            pDC->TextOut(x, y, pszLabel);
    }
    pDC->SetTextColor(crText);
    pDC->SelectFont(fontOld);
}

#include "displays/bp/CBloodPressureRenderer.h"

#include "app/CZelvoDoc.h"
#include "displays/ecg12/RecordLength.h"
#include "displays/eeg/CPixelColumnReducer.h"
#include "displays/eeg/PixelOffset.h"
#include "displays/general/BandLines.h"
#include "mfer/CMferFrame.h"
#include "mfer/MferAttributes.h"
#include "platform/CDC.h"
#include "view/CZelvoView.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr int g_nBpPixelsPerMm = 4;
constexpr int g_nBlackBackground = 3;
constexpr COLORREF g_crBlack = RGB(0, 0, 0);
constexpr COLORREF g_crWhite = RGB(255, 255, 255);
constexpr COLORREF g_crGrid = RGB(0, 128, 0);
constexpr COLORREF g_crScale = RGB(208, 208, 0);

constexpr int g_nRowSpacingMm = 20;
constexpr int g_nGridStepMm = 5;
constexpr int g_nRowsPerGridStep = g_nRowSpacingMm / g_nGridStepMm; // horizontal lines per row
constexpr int g_nTickedVerticalLines = 2;                           // every second line: every 10 mm
// A tick covers 2 pixels either side of its line; on the grid's edges only the side inside it.
constexpr int g_nTickReach = 2;
constexpr int g_nGridRightMarginMm = 5;
constexpr int64_t g_nMillisecondsPerColumn = 40; // 1 mm at 25 mm/s
constexpr int64_t g_nPartialColumnExtra = 5;
// Keeps grid coordinates inside int for absurd durations; a day is about 2.2 million columns.
constexpr int64_t g_nMaxGridColumns = INT_MAX / g_nBpPixelsPerMm / 2;

constexpr int g_nLabelHeightMm = 4;
constexpr int g_nLabelIndentMm = 5;
constexpr int g_nLabelRiseMm = 15;
constexpr int g_nScaleTextIndent = 10;
constexpr int g_nScaleTextRise = 20;
constexpr float g_fScale100MmHg = 0.2f;
constexpr float g_fScale200MmHg = 0.4f;
constexpr double g_dPixelsPerMicrosecondPerMm = 0.025 * 0.001; // 25 mm/s

constexpr uint16_t g_wLeadII = 2;
constexpr uint16_t g_wLeadV1 = 3;
constexpr uint16_t g_wLeadV5 = 7;
constexpr uint16_t g_wLastEcgLead = 127;
constexpr uint16_t g_wArterialPressure = 143;
constexpr uint16_t g_wElectrophysiology = 262;
constexpr int g_nPressureRow = 8;

// 10 mm per millivolt at x1 for ECG leads and unknown channels; the pressure's factor makes 100 mmHg
// the sample value 800 on its scale. Single precision, as the scale lines use.
constexpr float g_fEcgScale = 0.000005f;
constexpr float g_fPressureFullScale = 0.00005f;
constexpr float g_fPressureScale = 0.00025f;
// A channel of unknown kind stays inside its 20 mm row.
constexpr int16_t g_nOtherChannelLimit = 40;

// Pen 0 is the full colour; the ramp fades toward the black page.
constexpr int g_anColourLevels[SMOOTH_PEN_COUNT] = {255, 248, 240, 232, 224, 216, 208, 192,
                                                    160, 128, 96,  80,  64,  48,  32,  16};
constexpr int g_nGreyTop = 255;
constexpr int g_nGreyStep = 16;

enum class ERamp { Grey, Red, Green, Cyan, Yellow };

SmoothRamp MakeRamp(ERamp eRamp) {
    SmoothRamp acrRamp{};
    for (int k = 0; k < SMOOTH_PEN_COUNT; ++k) {
        const int I = g_anColourLevels[k];
        switch (eRamp) {
        case ERamp::Red:
            acrRamp[k] = RGB(I, 0, 0);
            break;
        case ERamp::Green:
            acrRamp[k] = RGB(0, I, 0);
            break;
        case ERamp::Cyan:
            acrRamp[k] = RGB(0, I, I);
            break;
        case ERamp::Yellow:
            acrRamp[k] = RGB(I, I, 0);
            break;
        case ERamp::Grey: {
            const int G = k == 0 ? g_nGreyTop : g_nGreyTop + 1 - g_nGreyStep * k;
            acrRamp[k] = RGB(G, G, G);
            break;
        }
        }
    }
    return acrRamp;
}

ERamp RampOf(uint16_t wLead) {
    if (wLead == 0)
        return ERamp::Grey;
    if (wLead <= g_wLastEcgLead)
        return ERamp::Green;
    if (wLead == g_wArterialPressure)
        return ERamp::Red;
    if (wLead == g_wElectrophysiology)
        return ERamp::Yellow;
    return ERamp::Cyan;
}

LOGFONT TextFont(int nHeight, const char* pszFace) {
    return {.lfHeight = nHeight,
            .lfWeight = FW_NORMAL,
            .lfCharSet = ANSI_CHARSET,
            .lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS,
            .lfFaceName = pszFace};
}

// Pixel offset of one sample for the channel's kind.
int16_t TraceOffset(uint16_t wLead, int bPressureScale, double dGain, int16_t nSample) {
    const double dValue = dGain * nSample;
    if (wLead >= 1 && wLead <= g_wLastEcgLead)
        return TruncToInt16(dValue * static_cast<double>(g_fEcgScale));
    if (wLead == g_wArterialPressure)
        return TruncToInt16(
            dValue * static_cast<double>(bPressureScale != 0 ? g_fPressureScale : g_fPressureFullScale));
    return std::clamp(TruncToInt16(dValue * static_cast<double>(g_fEcgScale)),
                      static_cast<int16_t>(-g_nOtherChannelLimit), g_nOtherChannelLimit);
}

int ClampToInt(int64_t nValue) {
    return static_cast<int>(std::clamp<int64_t>(nValue, INT_MIN, INT_MAX));
}

} // namespace

void CBloodPressureRenderer::Setup(CZelvoView* pView, int, const MferAttributes* pFrameAttr) {
    m_pView = pView;
    m_pSettings = pView != nullptr ? pView->GetSettings() : nullptr;
    m_pFrameAttr = pFrameAttr;
    m_nBackColor = g_nBlackBackground;
    m_crWave = g_crWhite;
    // A monitor strip keeps its own scale whatever the zoom or the printer.
    m_nPixelsPerMm = g_nBpPixelsPerMm;
    m_nFrameIndex = static_cast<int16_t>(pView != nullptr ? pView->GetFrame() : 0);
}

void CBloodPressureRenderer::Draw(CDC* pDC) {
    m_ptOrigin = CPoint(0, 0);
    if (m_pView == nullptr || m_pFrameAttr == nullptr) {
        m_rcExtent = CRect();
        return;
    }
    if (m_pSettings->m_bEcgView != 0) {
        m_pView->DrawEcgDisplay(pDC);
        return;
    }
    m_rcClip = pDC->GetClipBox();
    DrawBackground(pDC);
    switch (m_pSettings->m_nLayout) {
    case LAYOUT_FULL:
        for (int c = 0; c < ChannelCount(); ++c)
            DrawTrace(pDC, c, c, 0);
        break;
    case LAYOUT_PRESSURE:
        DrawPressureLayout(pDC);
        break;
    default:
        DrawElectrophysiologyLayout(pDC);
        break;
    }
}

void CBloodPressureRenderer::DrawPressureLayout(CDC* pDC) {
    for (int c = 0; c < ChannelCount(); ++c) {
        switch (LeadCodeOf(c)) {
        case g_wLeadII:
            DrawTrace(pDC, c, 0, 0);
            break;
        case g_wLeadV1:
            DrawTrace(pDC, c, 1, 0);
            break;
        case g_wLeadV5:
            DrawTrace(pDC, c, 2, 0);
            break;
        case g_wArterialPressure:
            DrawScale(pDC, c, g_nPressureRow);
            DrawTrace(pDC, c, g_nPressureRow, 1);
            break;
        default:
            break;
        }
    }
}

void CBloodPressureRenderer::DrawElectrophysiologyLayout(CDC* pDC) {
    int nNextRow = 1;
    for (int c = 0; c < ChannelCount(); ++c) {
        const uint16_t wLead = LeadCodeOf(c);
        if (wLead == g_wLeadII)
            DrawTrace(pDC, c, 0, 0);
        else if (wLead == g_wElectrophysiology)
            DrawTrace(pDC, c, nNextRow++, 0);
    }
}

int CBloodPressureRenderer::ChannelCount() const {
    return std::clamp(m_pFrameAttr->m_nChannels, 0, MFER_MAX_CHANNELS);
}

uint16_t CBloodPressureRenderer::LeadCodeOf(int nChannel) const {
    const MferAttributes* pAttr = m_pView->GetFrameChannel(m_nFrameIndex, nChannel);
    // A channel the frame does not carry matches no lead code a layout asks for.
    return pAttr != nullptr ? pAttr->m_wLeadCode : 0;
}

int CBloodPressureRenderer::Baseline(int nRow) const {
    return m_ptOrigin.y + g_nRowSpacingMm * m_nPixelsPerMm * (nRow + 1);
}

int64_t CBloodPressureRenderer::GridColumns() const {
    const int64_t nMilliseconds = DurationMs(*m_pFrameAttr);
    const int64_t nColumns = nMilliseconds / g_nMillisecondsPerColumn +
                             (nMilliseconds % g_nMillisecondsPerColumn != 0 ? g_nPartialColumnExtra : 0);
    return std::min(nColumns, g_nMaxGridColumns);
}

// ---- Grid ------------------------------------------------------------------------------------

void CBloodPressureRenderer::DrawBackground(CDC* pDC) {
    const int nWidthMm = static_cast<int>(GridColumns());
    const int nHeightMm = (ChannelCount() + 1) * g_nRowSpacingMm;
    const int nExtentWidth =
        ClampToInt((static_cast<int64_t>(nWidthMm) + g_nGridRightMarginMm) * m_nPixelsPerMm + m_ptOrigin.x);
    const int nExtentHeight = m_nPixelsPerMm * nHeightMm + 2 * m_ptOrigin.y;
    CRect rcPage = m_pView->GetWindow()->GetClientRect();
    rcPage.right = std::max(rcPage.right, nExtentWidth);
    rcPage.bottom = std::max(rcPage.bottom, nExtentHeight);
    // Only the part the context shows is filled: a day-long page is millions of pixels wide.
    CRect rcVisible;
    if (m_nBackColor == g_nBlackBackground && rcVisible.IntersectRect(rcPage, m_rcClip))
        pDC->FillRect(rcVisible, g_crBlack);
    m_rcExtent = CRect(0, 0, nExtentWidth, nExtentHeight);

    // One-pixel lines and ticks, filled as rectangles: the same pixels as the grid pen at a fraction
    // of the cost, and only where the context shows them.
    DrawHorizontalGrid(pDC, nWidthMm, nHeightMm);
    DrawVerticalGrid(pDC, nWidthMm, nHeightMm);
}

void CBloodPressureRenderer::DrawHorizontalGrid(CDC* pDC, int nWidthMm, int nHeightMm) const {
    const int n = m_nPixelsPerMm;
    const int left = m_ptOrigin.x;
    const int top = m_ptOrigin.y;
    const int nLast = nHeightMm / g_nGridStepMm;
    ForEachVisibleStep(top, g_nGridStepMm * n, nLast, m_rcClip.top - g_nTickReach,
                       m_rcClip.bottom + g_nTickReach, [&](int64_t k, int64_t y) {
                           FillHorizontalLine(pDC, left, left + n * nWidthMm, y, g_crGrid);
                           if (k % g_nRowsPerGridStep != 0)
                               return;
                           // Millimetre ticks hang into the grid from its top edge, stand on its bottom
                           // edge, and cross the row boundaries in between.
                           const int64_t yFirst = k == 0 ? y + 1 : y - g_nTickReach;
                           const int64_t yEnd = k == nLast && k != 0 ? y + 1 : y + g_nTickReach + 1;
                           ForEachVisibleStep(
                               left, n, nWidthMm, m_rcClip.left, m_rcClip.right,
                               [&](int64_t, int64_t x) { FillVerticalLine(pDC, x, yFirst, yEnd, g_crGrid); });
                       });
}

void CBloodPressureRenderer::DrawVerticalGrid(CDC* pDC, int nWidthMm, int nHeightMm) const {
    const int n = m_nPixelsPerMm;
    const int left = m_ptOrigin.x;
    const int top = m_ptOrigin.y;
    const int nLast = nWidthMm / g_nGridStepMm;
    ForEachVisibleStep(left, g_nGridStepMm * n, nLast, m_rcClip.left - g_nTickReach,
                       m_rcClip.right + g_nTickReach, [&](int64_t k, int64_t x) {
                           FillVerticalLine(pDC, x, top, top + n * nHeightMm, g_crGrid);
                           if (k % g_nTickedVerticalLines != 0)
                               return;
                           const int64_t xFirst = k == 0 ? x + 1 : x - g_nTickReach;
                           const int64_t xEnd = k == nLast && k != 0 ? x + 1 : x + g_nTickReach + 1;
                           ForEachVisibleStep(top, n, nHeightMm, m_rcClip.top, m_rcClip.bottom,
                                              [&](int64_t, int64_t y) {
                                                  FillHorizontalLine(pDC, xFirst, xEnd, y, g_crGrid);
                                              });
                       });
}

// ---- mmHg scale ------------------------------------------------------------------------------

void CBloodPressureRenderer::DrawScale(CDC* pDC, int nChannel, int nRow) {
    const MferAttributes* pAttr = m_pView->GetFrameChannel(m_nFrameIndex, nChannel);
    if (pAttr == nullptr)
        return;
    CFont font(TextFont(g_nLabelHeightMm * m_nPixelsPerMm, "Arial"));
    const CFont fontOld = pDC->SelectFont(font);
    const COLORREF crOldText = pDC->SetTextColor(g_crScale);
    const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);

    // The pressure trace's factor puts 100 mmHg at sample value 800 and 200 mmHg at 1600, whatever
    // the resolution and sensitivity.
    const double dGain =
        static_cast<double>(pAttr->m_nResolution) * m_nPixelsPerMm * m_pSettings->m_nSensitivity;
    const int y0 = Baseline(nRow);
    DrawScaleLine(pDC, y0, "0 mmHg");
    DrawScaleLine(pDC, y0 - TruncToInt16(dGain * static_cast<double>(g_fScale100MmHg)), "100 mmHg");
    DrawScaleLine(pDC, y0 - TruncToInt16(dGain * static_cast<double>(g_fScale200MmHg)), "200 mmHg");

    pDC->SetBkMode(nOldBkMode);
    pDC->SetTextColor(crOldText);
    pDC->SelectFont(fontOld);
}

void CBloodPressureRenderer::DrawScaleLine(CDC* pDC, int y, const char* pszText) const {
    const int left = m_ptOrigin.x;
    FillHorizontalLine(pDC, left, left + m_nPixelsPerMm * GridColumns(), y, g_crScale);
    pDC->TextOut(left + g_nScaleTextIndent, y - g_nScaleTextRise, pszText);
}

// ---- Traces ----------------------------------------------------------------------------------

void CBloodPressureRenderer::DrawTrace(CDC* pDC, int nChannel, int nRow, int bPressureScale) {
    const MferAttributes* pAttr = m_pView->GetFrameChannel(m_nFrameIndex, nChannel);
    const int16_t* pSamples =
        m_pView->GetDocument()->GetFrameSamples(m_nFrameIndex, 0, static_cast<int16_t>(nChannel));
    // A channel the shown frame does not carry, or without a time base, has nothing to draw.
    if (pAttr == nullptr || pSamples == nullptr || pAttr->m_nSamplingInterval <= 0)
        return;

    const COLORREF crOldText = pDC->SetTextColor(m_crWave);
    CPen pen(1, m_crWave);
    const CPen penOld = pDC->SelectPen(pen);
    CFont font(TextFont(g_nLabelHeightMm * m_nPixelsPerMm, "Times New Roman"));
    const CFont fontOld = pDC->SelectFont(font);
    const int y0 = Baseline(nRow);
    DrawTraceLabel(pDC, nChannel, y0);

    const uint16_t wLead = pAttr->m_wLeadCode;
    const double dGain =
        static_cast<double>(pAttr->m_nResolution) * m_nPixelsPerMm * m_pSettings->m_nSensitivity;
    const double dx = m_nPixelsPerMm * g_dPixelsPerMicrosecondPerMm * pAttr->m_nSamplingInterval;
    m_smooth.CreateSmoothPens(MakeRamp(RampOf(wLead)));

    // Each channel keeps its own time base: only the samples under the visible columns are read.
    const int sx = m_rcClip.left;
    const double dSamplesPerPixel = 1.0 / dx;
    const int64_t nFirst = std::max<int64_t>(0, static_cast<int64_t>(sx * dSamplesPerPixel));
    const int64_t nEnd = std::min(
        SampleCount(*pAttr), static_cast<int64_t>(std::ceil((m_rcClip.Width() + sx) * dSamplesPerPixel)));
    const int left = m_ptOrigin.x;
    int xPrevious = 0;
    int16_t nPreviousPeak = 0;
    CPixelColumnReducer reducer(sx, dx);
    for (int64_t i = nFirst; i < nEnd; ++i) {
        const SPixelColumn* pColumn = reducer.Add(TraceOffset(wLead, bPressureScale, dGain, pSamples[i]));
        if (!pColumn)
            continue;
        m_smooth.DrawSmoothLine(pDC, left + xPrevious, y0 - nPreviousPeak, left + pColumn->m_nX,
                                y0 - pColumn->Peak());
        xPrevious = pColumn->m_nX;
        nPreviousPeak = pColumn->Peak();
    }
    m_smooth.FlushSmoothLine(pDC, left + xPrevious, y0 - nPreviousPeak);

    pDC->SetTextColor(crOldText);
    pDC->SelectFont(fontOld);
    pDC->SelectPen(penOld);
}

void CBloodPressureRenderer::DrawTraceLabel(CDC* pDC, int nChannel, int y0) const {
    // White on the black page: an opaque text box would hide the label.
    const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
    pDC->TextOut(m_ptOrigin.x + g_nLabelIndentMm * m_nPixelsPerMm, y0 - g_nLabelRiseMm * m_nPixelsPerMm,
                 m_pView->GetChannelLabel(nChannel));
    pDC->SetBkMode(nOldBkMode);
}

#include "displays/general/CChannelBandRenderer.h"

#include "app/CZelvoDoc.h"
#include "displays/general/BandLines.h"
#include "mfer/CMferFrame.h"
#include "platform/CDC.h"
#include "view/CZelvoView.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int g_nOriginXMm = 12;
constexpr int g_nOriginYMm = 5;
constexpr int g_nLabelIndentMm = 5;
constexpr int g_nLabelRaiseMm = 15;
constexpr int g_nLabelHeightMm = 4;
constexpr int g_nHeavyEveryMm = 5;
constexpr double g_dMsPerMicrosecond = 0.001;
constexpr uint64_t g_nMicrosecondsPerMs = 1000;
// Far beyond any device, yet clear of int overflow once offsets are added to it.
constexpr int64_t g_nMaxCoordinate = int64_t{1} << 30;
// Wider than a smooth line's longest held-back flat run, 16 pixels.
constexpr int g_nTraceMarginPx = 20;
// Held in single precision like the other displays' scale factors: 1 mV at 10 mm/mV lands one
// pixel short of the exact value, as the displays agree.
constexpr float g_fNanovoltScale = 0.000005f;
constexpr double g_dMaxHeight = 1e15;

LOGFONT LabelFont(int nPixelsPerMm) {
    return {.lfHeight = g_nLabelHeightMm * nPixelsPerMm,
            .lfWeight = FW_NORMAL,
            .lfCharSet = ANSI_CHARSET,
            .lfPitchAndFamily = FF_SWISS,
            .lfFaceName = "Times New Roman"};
}

// Heights beyond 16 bits wrap, as every display's pixel offsets do.
int16_t TruncToInt16(double dValue) {
    return static_cast<int16_t>(static_cast<int64_t>(std::clamp(dValue, -g_dMaxHeight, g_dMaxHeight)));
}

} // namespace

void CChannelBandRenderer::Setup(CZelvoView* pView, int nPixelsPerMm, const MferAttributes* pFrameAttr) {
    m_pView = pView;
    m_pSettings = pView != nullptr ? pView->GetSettings() : nullptr;
    m_nPixelsPerMm = nPixelsPerMm;
    m_pFrameAttr = pFrameAttr;
    if (pView != nullptr)
        LoadColors();
}

void CChannelBandRenderer::Draw(CDC* pDC) {
    m_rcExtent = CRect();
    if (m_pView == nullptr || m_pFrameAttr == nullptr || m_nPixelsPerMm <= 0)
        return;
    m_ptOrigin = CPoint(g_nOriginXMm * m_nPixelsPerMm, g_nOriginYMm * m_nPixelsPerMm);
    DrawBackground(pDC);
    for (int i = 0; i < GetChannelCount(); ++i)
        DrawChannel(pDC, i);
}

int CChannelBandRenderer::GetChannelCount() const {
    return std::clamp(m_pFrameAttr->m_nChannels, 0, MFER_MAX_CHANNELS);
}

int CChannelBandRenderer::GetPaperHeightMm() const {
    return (GetChannelCount() + 1) * m_layout.nBandMm;
}

uint64_t CChannelBandRenderer::GetDurationMs() const {
    // In 64 bits: the 32-bit product of microseconds wraps after 71 minutes.
    const MferAttributes& attr = *m_pFrameAttr;
    if (attr.m_nSequences <= 0 || attr.m_nBlockLength <= 0 || attr.m_nSamplingInterval <= 0)
        return 0;
    const uint64_t nSamples =
        static_cast<uint64_t>(attr.m_nSequences) * static_cast<uint64_t>(attr.m_nBlockLength);
    const uint64_t nInterval = static_cast<uint64_t>(attr.m_nSamplingInterval);
    if (nSamples > std::numeric_limits<uint64_t>::max() / nInterval)
        return std::numeric_limits<uint64_t>::max() / g_nMicrosecondsPerMs;
    return nSamples * nInterval / g_nMicrosecondsPerMs;
}

int64_t CChannelBandRenderer::GetPaperColumns(int nExtraIfPartial) const {
    const uint64_t nDuration = GetDurationMs();
    const uint64_t nMsPerMm = static_cast<uint64_t>(m_layout.nMsPerMm);
    const uint64_t nColumns =
        nDuration / nMsPerMm + (nDuration % nMsPerMm != 0 ? static_cast<uint64_t>(nExtraIfPartial) : 0);
    return static_cast<int64_t>(std::min<uint64_t>(nColumns, g_nMaxCoordinate));
}

CRect CChannelBandRenderer::ClampedExtent(int64_t nWidth, int64_t nHeight) {
    return {0, 0, static_cast<int>(std::clamp<int64_t>(nWidth, 0, g_nMaxCoordinate)),
            static_cast<int>(std::clamp<int64_t>(nHeight, 0, g_nMaxCoordinate))};
}

int16_t CChannelBandRenderer::CalibratedHeight(int16_t nSample, const MferAttributes& attr) const {
    return TruncToInt16(static_cast<double>(nSample) * attr.m_nResolution * m_nPixelsPerMm *
                        m_pSettings->m_nSensitivity * static_cast<double>(g_fNanovoltScale));
}

void CChannelBandRenderer::DrawGrid(CDC* pDC, int64_t nColumns, const BandScheme& scheme) const {
    const int64_t s = m_nPixelsPerMm;
    const int64_t ox = m_ptOrigin.x;
    const int64_t oy = m_ptOrigin.y;
    const int64_t nRows = GetPaperHeightMm();
    const int64_t xRight = ox + nColumns * s;
    const int64_t yBottom = oy + nRows * s;
    const CRect rcClip = pDC->GetClipBox();
    const auto drawLines = [&](COLORREF cr, int64_t nStep) {
        ForEachVisibleStep(oy, nStep * s, nRows / nStep, rcClip.top, rcClip.bottom,
                           [&](int64_t, int64_t y) { FillHorizontalLine(pDC, ox, xRight, y, cr); });
        ForEachVisibleStep(ox, nStep * s, nColumns / nStep, rcClip.left, rcClip.right,
                           [&](int64_t, int64_t x) { FillVerticalLine(pDC, x, oy, yBottom, cr); });
    };
    drawLines(scheme.crFine, 1);
    drawLines(scheme.crHeavy, g_nHeavyEveryMm);
}

void CChannelBandRenderer::DrawChannel(CDC* pDC, int nChannel) {
    const MferAttributes* pAttr = m_pView->GetFrameChannel(m_pView->GetFrame(), nChannel);
    const CPen pen(1, m_crWave);
    const CFont font(LabelFont(m_nPixelsPerMm));
    const COLORREF crTextOld = pDC->SetTextColor(m_crWave);
    const CPen penOld = pDC->SelectPen(pen);
    const CFont fontOld = pDC->SelectFont(font);
    const int y0 = m_ptOrigin.y + m_layout.nBandMm * m_nPixelsPerMm * (nChannel + 1);
    DrawLabel(pDC, BandLabel(nChannel, pAttr), y0);
    if (pAttr != nullptr)
        DrawTrace(pDC, nChannel, y0, *pAttr);
    pDC->SelectFont(fontOld);
    pDC->SelectPen(penOld);
    pDC->SetTextColor(crTextOld);
}

void CChannelBandRenderer::DrawLabel(CDC* pDC, const std::string& strLabel, int y0) const {
    // Without a box of the context's background colour, which would hide a white label on black paper.
    const int nBkModeOld = pDC->SetBkMode(TRANSPARENT);
    pDC->TextOut(m_ptOrigin.x + g_nLabelIndentMm * m_nPixelsPerMm, y0 - g_nLabelRaiseMm * m_nPixelsPerMm,
                 strLabel);
    pDC->SetBkMode(nBkModeOld);
}

void CChannelBandRenderer::DrawTrace(CDC* pDC, int nChannel, int y0, const MferAttributes& attr) {
    const int16_t* pSamples =
        m_pView->GetDocument()->GetFrameSamples(m_pView->GetFrame(), 0, static_cast<int16_t>(nChannel));
    const int64_t nSamples = static_cast<int64_t>(attr.m_nSequences) * attr.m_nBlockLength;
    const double dPixelsPerSample =
        m_nPixelsPerMm * m_layout.dMmPerMs * attr.m_nSamplingInterval * g_dMsPerMicrosecond;
    if (pSamples == nullptr || nSamples <= 0 || !(dPixelsPerSample > 0.0))
        return;
    const SampleRange range = VisibleSamples(pDC->GetClipBox(), dPixelsPerSample, nSamples);
    if (range.nFirst >= range.nEnd)
        return;
    const int64_t nFirst = range.nFirst;
    // From the recording's start the trace rises from the baseline at the grid's edge; scrolled
    // away from it, it enters at its first sample's own height.
    const int16_t yBefore = nFirst == 0 ? int16_t{0} : SampleHeight(pSamples[nFirst], attr);
    CColumnReducer reducer(dPixelsPerSample, nFirst, yBefore);
    BeginTrace();
    for (int64_t j = nFirst; j < range.nEnd; ++j)
        if (reducer.Add(SampleHeight(pSamples[j], attr)))
            DrawColumn(pDC, reducer.Column(), y0, attr);
}

CChannelBandRenderer::SampleRange
CChannelBandRenderer::VisibleSamples(const CRect& rcClip, double dPixelsPerSample, int64_t nSamples) const {
    const int64_t nFrom = std::max<int64_t>(0, int64_t{rcClip.left} - m_ptOrigin.x - g_nTraceMarginPx);
    const int64_t nTo = int64_t{rcClip.right} - m_ptOrigin.x + g_nTraceMarginPx;
    const double dFirst = static_cast<double>(nFrom) / dPixelsPerSample;
    if (dFirst >= static_cast<double>(nSamples))
        return {nSamples, nSamples};
    const double dEnd = std::min(static_cast<double>(nTo) / dPixelsPerSample, static_cast<double>(nSamples));
    return {static_cast<int64_t>(dFirst), static_cast<int64_t>(std::ceil(dEnd))};
}

void CChannelBandRenderer::DrawEnvelope(CDC* pDC, const BandColumn& column, int y0) const {
    const int ox = m_ptOrigin.x;
    if (column.lo == column.hi) {
        pDC->MoveTo(ox + column.xPrev, y0 - column.lo);
        pDC->LineTo(ox + column.x, y0 - column.hi);
        return;
    }
    pDC->MoveTo(ox + column.x, y0 - column.lo);
    pDC->LineTo(ox + column.x, y0 - column.hi);
    pDC->MoveTo(ox + column.xPrev, y0 - column.midPrev);
    pDC->LineTo(ox + column.x, y0 - (column.lo + column.hi) / 2);
}

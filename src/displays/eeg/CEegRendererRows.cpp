#include "displays/eeg/CEegRenderer.h"

#include "displays/eeg/EegElectrode.h"
#include "displays/eeg/PixelOffset.h"
#include "displays/general/BandLines.h"
#include "platform/CDC.h"
#include "view/CZelvoView.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double g_dPixelsPerMicrosecond = 0.000125; // 125 pixels per second
constexpr int64_t g_nLeadInMicroseconds = 2000000;   // lets the filters settle before the left edge
constexpr int g_nLabelStep = 1250;                   // one label per 10 seconds
constexpr double g_dMicrosecondsPerLabel = 10000000.0;
constexpr int g_nLabelHeightMm = 4;
constexpr COLORREF g_crLabel = RGB(0, 0, 255);
// Derivations are clipped at +-1500 units so that one artefact does not cover the rows around it.
constexpr int16_t g_nDerivationLimit = 1500;
// 10 uV per millimetre at sensitivity x1 (code 2) with the resolution in nanovolts.
constexpr double g_dDerivationScale = 0.00005;
// 10 mm per millivolt at x1; single precision, so 1 mV lands one pixel short of 40.
constexpr float g_fSingleChannelScale = 0.000005f;

LOGFONT LabelFont(int nHeight) {
    return {.lfHeight = nHeight,
            .lfWeight = FW_NORMAL,
            .lfCharSet = ANSI_CHARSET,
            .lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS,
            .lfFaceName = "arial"};
}

// The two electrodes' names as "first - second"; empty when either code is not in the table.
std::string DerivationLabel(int nFirstCode, int nSecondCode) {
    const EegElectrode* pFirst = FindEegElectrode(nFirstCode);
    const EegElectrode* pSecond = FindEegElectrode(nSecondCode);
    if (pFirst == nullptr || pSecond == nullptr)
        return {};
    return EegNameToUtf8(pFirst->m_pszName) + " - " + EegNameToUtf8(pSecond->m_pszName);
}

// Reads samples first to end-1 through fnOffset (index -> pixel offset) and hands each pixel column
// they close to fnColumn.
template <class FnOffset, class FnColumn>
void ReduceSamples(int64_t nFirst, int64_t nEnd, int nFirstX, double dPixelsPerSample, FnOffset&& fnOffset,
                   FnColumn&& fnColumn) {
    CPixelColumnReducer reducer(nFirstX, dPixelsPerSample);
    for (int64_t i = nFirst; i < nEnd; ++i) {
        if (const SPixelColumn* pColumn = reducer.Add(fnOffset(i)))
            fnColumn(*pColumn);
    }
}

} // namespace

void CEegRenderer::StartRow(int32_t nSamplingInterval) {
    m_smooth.CreateSmoothPens(g_acrSmoothGreys);
    m_hpf = IirStage::LowCut(nSamplingInterval);
    m_lpf = IirStage::HighCut(nSamplingInterval);
}

CEegRenderer::SRowRange CEegRenderer::VisibleRange(const SRowSource& source) const {
    SRowRange range;
    range.m_dPixelsPerSample = source.m_nSamplingInterval * g_dPixelsPerMicrosecond;
    const double dLeft = m_rcClip.left / range.m_dPixelsPerSample;
    const double dRight = m_rcClip.right / range.m_dPixelsPerSample;
    const auto nLeadIn = static_cast<double>(g_nLeadInMicroseconds / source.m_nSamplingInterval);
    range.m_nFirst = std::max<int64_t>(0, static_cast<int64_t>(dLeft - nLeadIn));
    range.m_nEnd = std::min(source.m_nSamples, static_cast<int64_t>(std::ceil(std::max(dRight, 0.0))));
    range.m_nFirstX = static_cast<int>(static_cast<double>(range.m_nFirst) * range.m_dPixelsPerSample);
    return range;
}

// ---- Derivation rows -------------------------------------------------------------------------

void CEegRenderer::DrawDerivation(CDC* pDC, int nRow, int nFirstChannel, int nSecondChannel) {
    SRowSource first;
    SRowSource second;
    if (nFirstChannel < 0 || nSecondChannel < 0 || !ReadChannel(nFirstChannel, first) ||
        !ReadChannel(nSecondChannel, second))
        return;
    // The first electrode's channel times and scales the row; both arrays bound the reads.
    SRowSource source = first;
    source.m_nSamples = std::min(first.m_nSamples, second.m_nSamples);
    if (source.m_nSamplingInterval <= 0)
        return;

    const COLORREF crOldText = pDC->SetTextColor(g_crLabel);
    CPen pen(1, m_crWave);
    const CPen penOld = pDC->SelectPen(pen);
    StartRow(source.m_nSamplingInterval);
    CFont font(LabelFont(g_nLabelHeightMm * m_nPixelsPerMm));
    const CFont fontOld = pDC->SelectFont(font);

    const int y0 = Baseline(nRow);
    const EegLeadRow codes = m_leadTable.GetRow(m_nMontage, nRow + 1);
    DrawDerivationLabels(pDC, y0, DerivationLabel(codes[0], codes[1]), source);

    const double dGain =
        static_cast<double>(source.m_nResolution) * m_nPixelsPerMm * m_pSettings->m_nSensitivity;
    const SRowRange range = VisibleRange(source);
    int xPrevious = range.m_nFirstX;
    int16_t nPreviousMiddle = 0;
    ReduceSamples(
        range.m_nFirst, range.m_nEnd, range.m_nFirstX, range.m_dPixelsPerSample,
        [&](int64_t i) {
            const auto v = static_cast<int16_t>(second.m_pSamples[i] - first.m_pSamples[i]);
            const int16_t u = TruncToInt16(m_hpf.Step(v));
            const int16_t w = TruncToInt16(m_lpf.Step(u));
            const int16_t nClipped =
                std::abs(w) >= g_nDerivationLimit
                    ? static_cast<int16_t>(w > 0 ? g_nDerivationLimit : -g_nDerivationLimit)
                    : w;
            return TruncToInt16(nClipped * dGain * g_dDerivationScale);
        },
        [&](const SPixelColumn& column) {
            DrawDerivationColumn(pDC, y0, xPrevious, nPreviousMiddle, column);
            xPrevious = column.m_nX;
            nPreviousMiddle = column.Middle();
        });

    pDC->SetTextColor(crOldText);
    pDC->SelectFont(fontOld);
    pDC->SelectPen(penOld);
}

void CEegRenderer::DrawDerivationLabels(CDC* pDC, int y0, const std::string& strLabel,
                                        const SRowSource& source) const {
    if (strLabel.empty())
        return;
    // One label per started 10 seconds; only those that reach into the visible part are written.
    const double dLabels =
        static_cast<double>(source.m_nSamples) * source.m_nSamplingInterval / g_dMicrosecondsPerLabel;
    const int x0 = m_ptOrigin.x + g_nEegTraceMarginMm * m_nPixelsPerMm;
    const int nWidth = pDC->GetTextExtent(strLabel).cx;
    const int64_t nFirst =
        std::max<int64_t>(0, (static_cast<int64_t>(m_rcClip.left) - x0 - nWidth) / g_nLabelStep);
    for (int64_t k = nFirst; static_cast<double>(k) < dLabels; ++k) {
        const int64_t x = x0 + g_nLabelStep * k;
        if (x >= m_rcClip.right)
            break;
        pDC->TextOut(static_cast<int>(x), y0, strLabel);
    }
}

void CEegRenderer::DrawDerivationColumn(CDC* pDC, int y0, int xPrevious, int16_t nPreviousMiddle,
                                        const SPixelColumn& column) {
    const int xLeft = m_ptOrigin.x;
    const int x = xLeft + column.m_nX;
    if (m_bSmooth) {
        m_smooth.DrawSmoothLine(pDC, xLeft + xPrevious, y0 - nPreviousMiddle, x, y0 - column.Middle());
        return;
    }
    if (column.m_nLo == column.m_nHi) {
        pDC->MoveTo(xLeft + xPrevious, y0 - column.m_nLo);
        pDC->LineTo(x, y0 - column.m_nHi);
        return;
    }
    // The column's range, filled as the pen would draw it upward from the low end, then the line
    // through the middles of the neighbouring columns.
    FillVerticalLine(pDC, x, y0 - column.m_nHi + 1, y0 - column.m_nLo + 1, m_crWave);
    pDC->MoveTo(xLeft + xPrevious, y0 - nPreviousMiddle);
    pDC->LineTo(x, y0 - column.Middle());
}

// ---- ECG and lead-160 rows -------------------------------------------------------------------

void CEegRenderer::DrawSingleChannel(CDC* pDC, int nRow, int nChannel) {
    SRowSource source;
    if (!ReadChannel(nChannel, source) || source.m_nSamplingInterval <= 0)
        return;
    const int y0 = Baseline(nRow);
    CPen pen(1, m_crWave);
    const CPen penOld = pDC->SelectPen(pen);
    StartRow(source.m_nSamplingInterval);
    pDC->MoveTo(m_ptOrigin.x, y0);

    const double dGain =
        static_cast<double>(m_nPixelsPerMm) * source.m_nResolution * m_pSettings->m_nSensitivity;
    const SRowRange range = VisibleRange(source);
    int xPrevious = range.m_nFirstX;
    int16_t nPreviousPeak = 0;
    ReduceSamples(
        range.m_nFirst, range.m_nEnd, range.m_nFirstX, range.m_dPixelsPerSample,
        [&](int64_t i) {
            // Only the high-cut applies: an ECG keeps its baseline and is not clipped.
            const int16_t v = TruncToInt16(m_lpf.Step(source.m_pSamples[i]));
            return TruncToInt16(v * dGain * static_cast<double>(g_fSingleChannelScale));
        },
        [&](const SPixelColumn& column) {
            const int x = m_ptOrigin.x + column.m_nX;
            if (m_bSmooth)
                m_smooth.DrawSmoothLine(pDC, m_ptOrigin.x + xPrevious, y0 - nPreviousPeak, x,
                                        y0 - column.Peak());
            else
                pDC->LineTo(x, y0 - column.Peak());
            xPrevious = column.m_nX;
            nPreviousPeak = column.Peak();
        });
    pDC->SelectPen(penOld);
}

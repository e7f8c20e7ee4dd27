#include "displays/eeg/CEegRenderer.h"

#include "app/CZelvoDoc.h"
#include "displays/ecg12/RecordLength.h"
#include "displays/eeg/PixelOffset.h"
#include "displays/general/BandLines.h"
#include "mfer/CMferFrame.h"
#include "mfer/MferAttributes.h"
#include "platform/CDC.h"
#include "view/CZelvoView.h"

#include <algorithm>
#include <climits>

namespace {

constexpr int g_nEegPixelsPerMm = 4;
constexpr int g_nRowSpacingMm = 15;
constexpr int64_t g_nTracePixelsPerSecond = 125;
constexpr int64_t g_nMillisecondsPerSecond = 1000;
// The grid hangs on the visible left edge: a thin line every 0.2 s, a heavy one every second.
constexpr int g_nGridStep = 25;
constexpr int g_nHeavyGridStep = 125;
constexpr int g_nGridLinesPerWidth = 5;
constexpr COLORREF g_crThinGrid = RGB(255, 255, 192);
constexpr COLORREF g_crHeavyGrid = RGB(255, 255, 0);

constexpr uint16_t g_wElectrodeKindMask = 0xC000;
constexpr uint16_t g_wElectrodeKind = 0x4000;
constexpr uint16_t g_wElectrodeCodeMask = 0x7F;
constexpr uint16_t g_wLastEcgLead = 127;
constexpr uint16_t g_wLead160 = 160;

int ClampToInt(int64_t nValue) {
    return static_cast<int>(std::clamp<int64_t>(nValue, INT_MIN, INT_MAX));
}

} // namespace

void CEegRenderer::Setup(CZelvoView* pView, int, const MferAttributes* pFrameAttr) {
    m_pView = pView;
    m_pSettings = pView != nullptr ? pView->GetSettings() : nullptr;
    m_pFrameAttr = pFrameAttr;
    // The EEG sheet keeps its own scale whatever the zoom or the printer.
    m_nPixelsPerMm = g_nEegPixelsPerMm;
    m_nMontage = 0;
    m_bSmooth = m_pSettings != nullptr && m_pSettings->m_bSmooth != 0;
    m_crWave = RGB(0, 0, 0);
}

void CEegRenderer::Draw(CDC* pDC) {
    m_ptOrigin = CPoint(0, 0);
    m_rcExtent = CRect();
    if (m_pView == nullptr || m_pFrameAttr == nullptr)
        return;
    m_rcClip = pDC->GetClipBox();
    FindChannels();
    const int nDerivations = std::max(0, m_leadTable.GetDerivationCount(m_nMontage));
    DrawBackground(pDC, nDerivations, ExtraRowCount());
    for (int r = 0; r < nDerivations; ++r) {
        const EegLeadRow row = m_leadTable.GetRow(m_nMontage, r + 1);
        const auto channelOf = [this](int nCode) {
            return nCode >= 0 && nCode < g_nEegElectrodeCodes ? m_anElectrodeChannel[nCode] : -1;
        };
        DrawDerivation(pDC, r, channelOf(row[0]), channelOf(row[1]));
    }
    int nRow = nDerivations;
    if (m_nEcgChannel >= 0)
        DrawSingleChannel(pDC, nRow++, m_nEcgChannel);
    if (m_nLead160Channel >= 0)
        DrawSingleChannel(pDC, nRow, m_nLead160Channel);
}

void CEegRenderer::FindChannels() {
    m_anElectrodeChannel.fill(-1);
    m_nEcgChannel = -1;
    m_nLead160Channel = -1;
    const int nChannels = std::clamp(m_pFrameAttr->m_nChannels, 0, MFER_MAX_CHANNELS);
    // Walk down so that the lowest channel index wins.
    for (int i = nChannels - 1; i >= 0; --i) {
        const MferAttributes* pAttr = m_pView->GetFrameChannel(m_pView->GetFrame(), i);
        if (pAttr == nullptr)
            continue;
        const uint16_t wLead = pAttr->m_wLeadCode;
        if ((wLead & g_wElectrodeKindMask) == g_wElectrodeKind)
            m_anElectrodeChannel[wLead & g_wElectrodeCodeMask] = i;
        else if (wLead >= 1 && wLead <= g_wLastEcgLead)
            m_nEcgChannel = i;
        else if (wLead == g_wLead160)
            m_nLead160Channel = i;
    }
}

int CEegRenderer::ExtraRowCount() const {
    return (m_nEcgChannel >= 0 ? 1 : 0) + (m_nLead160Channel >= 0 ? 1 : 0);
}

bool CEegRenderer::ReadChannel(int nChannel, SRowSource& source) const {
    const int nFrame = m_pView->GetFrame();
    const MferAttributes* pAttr = m_pView->GetFrameChannel(nFrame, nChannel);
    if (pAttr == nullptr)
        return false;
    source.m_pSamples = m_pView->GetDocument()->GetFrameSamples(nFrame, 0, static_cast<int16_t>(nChannel));
    source.m_nSamples = SampleCount(*pAttr);
    source.m_nSamplingInterval = pAttr->m_nSamplingInterval;
    source.m_nResolution = pAttr->m_nResolution;
    return source.m_pSamples != nullptr && source.m_nSamples > 0;
}

int CEegRenderer::Baseline(int nRow) const {
    return m_ptOrigin.y + g_nRowSpacingMm * m_nPixelsPerMm * (nRow + 1);
}

// ---- Grid and ruler --------------------------------------------------------------------------

void CEegRenderer::DrawBackground(CDC* pDC, int nDerivations, int nExtraRows) {
    const int64_t nMilliseconds = DurationMs(*m_pFrameAttr);
    // The whole trace, rounded up, plus the margin; the duration fits 64 bits even at 125 px/s.
    const int64_t nTracePixels =
        (nMilliseconds * g_nTracePixelsPerSecond + g_nMillisecondsPerSecond - 1) / g_nMillisecondsPerSecond;
    const int nRows = nDerivations + nExtraRows + 1;
    const int nGridHeight = m_nPixelsPerMm * g_nRowSpacingMm * nRows;
    m_rcExtent = CRect(0, 0, ClampToInt(m_ptOrigin.x + g_nEegTraceMarginMm * m_nPixelsPerMm + nTracePixels),
                       nGridHeight + 2 * m_ptOrigin.y);
    DrawGrid(pDC, nGridHeight);
    DrawRuler(pDC);
}

void CEegRenderer::DrawGrid(CDC* pDC, int nGridHeight) const {
    // The grid spans W / 5 steps of 0.2 s from the visible left edge; lines right of the visible part
    // are never seen. Every fifth line is the heavy one of a whole second, drawn in place of the thin.
    const int nSteps = m_rcClip.Width() / g_nGridLinesPerWidth;
    const int nThinPerHeavy = g_nHeavyGridStep / g_nGridStep;
    ForEachVisibleStep(m_ptOrigin.x + m_rcClip.left, g_nGridStep, nSteps, m_rcClip.left, m_rcClip.right,
                       [&](int64_t k, int64_t x) {
                           const COLORREF crLine = k % nThinPerHeavy == 0 ? g_crHeavyGrid : g_crThinGrid;
                           FillVerticalLine(pDC, x, m_ptOrigin.y, m_ptOrigin.y + nGridHeight, crLine);
                       });
}

void CEegRenderer::DrawRuler(CDC* pDC) const {
    CPen pen(1, m_crWave);
    const CPen penOld = pDC->SelectPen(pen);
    const int t = m_ptOrigin.y;
    pDC->MoveTo(m_ptOrigin.x, t + 2);
    const int nSteps = m_rcClip.Width() / g_nGridLinesPerWidth;
    for (int k = 0; k <= nSteps; ++k) {
        const int x0 = m_ptOrigin.x + m_rcClip.left + g_nGridStep * k;
        if (x0 >= m_rcClip.right)
            break;
        if (k % (g_nHeavyGridStep / g_nGridStep) != 0) {
            // Two narrow teeth, 3 pixels deep, at the start and the middle of the 0.2 s step.
            const CPoint aTeeth[] = {{x0, t + 5},      {x0 + 1, t + 5},  {x0 + 1, t + 2},  {x0 + 12, t + 2},
                                     {x0 + 12, t + 5}, {x0 + 13, t + 5}, {x0 + 13, t + 2}, {x0 + 25, t + 2}};
            pDC->PolylineTo(aTeeth);
        } else {
            // One wide tooth marks the whole second.
            const CPoint aSecond[] = {{x0, t + 5}, {x0 + 13, t + 5}, {x0 + 13, t + 2}, {x0 + 25, t + 2}};
            pDC->PolylineTo(aSecond);
        }
    }
    pDC->SelectPen(penOld);
}

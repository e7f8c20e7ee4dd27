// Traces: the lead's samples (recorded or derived), their scaling and filtering, and the reduction
// to one stroke per pixel column in normal or smooth rendering.
#include "displays/ecg12/CEcg12Renderer.h"

#include "app/CZelvoDoc.h"
#include "displays/ecg12/Ecg12Geometry.h"
#include "displays/ecg12/Ecg12Leads.h"
#include "displays/ecg12/RecordLength.h"
#include "mfer/MferAttributes.h"
#include "platform/CDC.h"
#include "view/CZelvoView.h"
#include "view/ViewSettings.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Pixel offset of a sample: p x v x R x s x 0.000005 is 10 mm/mV at sensitivity x1 with R in nV.
// The factor is single precision, which puts 1 mV one pixel short of 40 at 4 px/mm.
constexpr float SCALE_PER_NV = 0.000005f;
constexpr double MM_PER_MS = 0.025;
constexpr double MS_PER_US = 0.001;
constexpr int LABEL_OFFSET_MM = 5;
constexpr int LABEL_HEIGHT_MM = 4;
constexpr COLORREF DARK_GREY = RGB(96, 96, 96);
constexpr COLORREF MID_GREY = RGB(128, 128, 128);
constexpr COLORREF LIGHT_GREY = RGB(192, 192, 192);
// Columns a stroke group reaches back from its own column: the smooth drawer's pending run.
constexpr int TRACE_REACH_PX = 32;
// Samples the high-cut filter runs over before a trace that starts left of the visible part, so its
// state there matches a trace drawn from the cell's start (the filter settles within milliseconds).
constexpr int64_t FILTER_WARM_SAMPLES = 2048;
// A trace starting this many samples into its cell or fewer finds its column position exactly.
constexpr int64_t EXACT_POSITION_SAMPLES = 65536;

} // namespace

int CEcg12Renderer::FindChannelIndex(uint16_t wLeadCode) const {
    for (int i = 0; i < FrameChannelCount(); ++i) {
        const MferAttributes* pChannel = FrameChannel(i);
        if (pChannel != nullptr && pChannel->m_wLeadCode == wLeadCode)
            return i;
    }
    return -1;
}

const MferAttributes* CEcg12Renderer::FindChannel(uint16_t wLeadCode) const {
    return FrameChannel(FindChannelIndex(wLeadCode));
}

const MferAttributes* CEcg12Renderer::ScalingAttributes(uint16_t wLeadCode) const {
    const MferAttributes* pChannel = FindChannel(wLeadCode);
    return pChannel != nullptr ? pChannel : m_pFrameAttr;
}

std::optional<SSampleArray> CEcg12Renderer::ChannelSamples(uint16_t wLeadCode) const {
    const int nChannel = FindChannelIndex(wLeadCode);
    if (nChannel < 0)
        return std::nullopt;
    // By channel index, so the array is the one whose attributes give its length.
    const int16_t* pSamples =
        m_pView->GetDocument()->GetFrameSamples(m_nFrame, 0, static_cast<int16_t>(nChannel));
    return SSampleArray{pSamples, pSamples != nullptr ? SampleCount(*FrameChannel(nChannel)) : 0};
}

CLeadSource CEcg12Renderer::ResolveLead(uint16_t wLeadCode) const {
    CLeadSource lead(wLeadCode, static_cast<int16_t>(m_pFrameAttr->m_nNullValue));
    if (const std::optional<SSampleArray> recorded = ChannelSamples(wLeadCode))
        lead.SetRecorded(*recorded);
    else
        lead.SetLimbChannels(ChannelSamples(LEAD_I), ChannelSamples(LEAD_II), ChannelSamples(LEAD_III));
    return lead;
}

int16_t CEcg12Renderer::LeadSample(uint16_t wLeadCode, int64_t nIndex) const {
    return ResolveLead(wLeadCode).LeadSample(nIndex);
}

int16_t CEcg12Renderer::ScaleSample(int16_t nValue, int32_t nResolution) const {
    const auto dUnits = static_cast<double>(static_cast<int64_t>(m_nPixelsPerMm) * nValue * nResolution);
    const auto dSensitivity = static_cast<double>(static_cast<float>(m_pSettings->m_nSensitivity));
    return static_cast<int16_t>(
        static_cast<int64_t>(dUnits * dSensitivity * static_cast<double>(SCALE_PER_NV)));
}

int16_t CEcg12Renderer::TraceValue(const CLeadSource& lead, int64_t nIndex, int32_t nResolution) {
    const int32_t nScaled = ScaleSample(lead.LeadSample(nIndex), nResolution);
    const bool bFilter = (m_pSettings->m_nFilter & FILTER_ON) != 0;
    return static_cast<int16_t>(bFilter ? m_filter.FilterSample(nScaled) : nScaled);
}

void CEcg12Renderer::DrawLead(CDC* pDC, uint16_t wLeadCode, int x, int nBaseline, int nWidthMm,
                              int64_t nFirst) {
    const STracePens pens{CPen(1, m_crWave), CPen(1, DARK_GREY), CPen(1, MID_GREY), CPen(1, LIGHT_GREY)};
    const CPen penOld = pDC->SelectPen(pens.penWave);
    m_smooth.CreateSmoothPens();
    const MferAttributes& attr = *ScalingAttributes(wLeadCode);
    m_filter.InitFilter(attr.m_nSamplingInterval);
    DrawLeadLabel(pDC, wLeadCode, x, nBaseline);
    STraceSpan span;
    span.x = x;
    span.nBaseline = nBaseline;
    span.nFirst = nFirst;
    if (FindTraceSpan(span, nWidthMm, attr))
        DrawTrace(pDC, span, ResolveLead(wLeadCode), attr.m_nResolution, pens);
    pDC->SelectPen(penOld);
}

void CEcg12Renderer::DrawLeadLabel(CDC* pDC, uint16_t wLeadCode, int x, int nBaseline) const {
    const LOGFONT lf{.lfHeight = Mm(LABEL_HEIGHT_MM),
                     .lfWeight = FW_NORMAL,
                     .lfCharSet = ANSI_CHARSET,
                     .lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS,
                     .lfFaceName = "Times New Roman"};
    const CFont fontOld = pDC->SelectFont(CFont(lf));
    pDC->TextOut(x + Mm(LABEL_OFFSET_MM), nBaseline - Mm(LABEL_OFFSET_MM), LeadName(wLeadCode));
    pDC->SelectFont(fontOld);
}

bool CEcg12Renderer::FindTraceSpan(STraceSpan& span, int nWidthMm, const MferAttributes& attr) const {
    const double dPps = m_nPixelsPerMm * MM_PER_MS * attr.m_nSamplingInterval * MS_PER_US;
    if (!(dPps > 0))
        return false;
    const int64_t nCount = SampleCount(attr);
    const double dFit = static_cast<double>(nWidthMm) * m_nPixelsPerMm / dPps;
    const int64_t nSamples = static_cast<double>(span.nFirst) + dFit < static_cast<double>(nCount)
                                 ? static_cast<int64_t>(dFit)
                                 : nCount - span.nFirst;
    // Only the samples whose columns can touch the visible part of the sheet are visited.
    const double dLeft = static_cast<double>(m_rcClip.left) - TRACE_REACH_PX - span.x;
    const double dRight = static_cast<double>(m_rcClip.right) + TRACE_REACH_PX - span.x;
    span.dPixelsPerSample = dPps;
    span.nBegin = dLeft > 0 ? static_cast<int64_t>(dLeft / dPps) : 0;
    span.nEnd = dRight > 0 ? std::min(nSamples, static_cast<int64_t>(std::ceil(dRight / dPps)) + 1) : 0;
    return span.nBegin < span.nEnd;
}

void CEcg12Renderer::WarmFilter(const CLeadSource& lead, const STraceSpan& span, int32_t nResolution) {
    if ((m_pSettings->m_nFilter & FILTER_ON) == 0)
        return;
    for (int64_t i = std::max<int64_t>(0, span.nBegin - FILTER_WARM_SAMPLES); i < span.nBegin; ++i)
        TraceValue(lead, span.nFirst + i, nResolution);
}

void CEcg12Renderer::DrawTrace(CDC* pDC, const STraceSpan& span, const CLeadSource& lead, int32_t nResolution,
                               const STracePens& pens) {
    const bool bSmooth = m_pSettings->m_bSmooth != 0;
    const bool bFromStart = span.nBegin == 0;
    WarmFilter(lead, span, nResolution);
    // The first value is read again by the loop: the filter sees it twice, as it always has.
    const int16_t z = TraceValue(lead, span.nFirst + span.nBegin, nResolution);
    int16_t nHi = z;
    int16_t nLo = z;
    double dPos = 0.0;
    int64_t nNextColumn = 1;
    StartPosition(span, dPos, nNextColumn);
    SColumn prev{.nHi = z,
                 .nLo = z,
                 .nThird = 0,
                 .nRep = bFromStart ? int16_t{0} : z,
                 .nCol = static_cast<int>(nNextColumn - 1)};
    for (int64_t i = span.nBegin; i < span.nEnd; ++i) {
        const int16_t v = TraceValue(lead, span.nFirst + i, nResolution);
        nHi = std::max(nHi, v);
        nLo = std::min(nLo, v);
        if (static_cast<double>(nNextColumn) <= dPos) {
            const int nCol = static_cast<int>(dPos);
            const int x = span.x + nCol;
            if (bSmooth)
                DrawSmoothColumn(pDC, span, x, nHi, nLo, prev);
            else
                DrawNormalColumn(pDC, span, x, nHi, nLo, prev, pens);
            nHi = nLo = v;
            prev.nCol = nCol;
            ++nNextColumn;
        }
        dPos += span.dPixelsPerSample;
    }
}

void CEcg12Renderer::StartPosition(const STraceSpan& span, double& dPos, int64_t& nNextColumn) const {
    // The position is a running sum, so that the columns fall exactly where they always have; far
    // into a long cell it is taken from the sample index instead, which can move a column boundary
    // by one sample.
    if (span.nBegin <= EXACT_POSITION_SAMPLES) {
        double dBefore = 0.0;
        for (int64_t i = 0; i < span.nBegin; ++i) {
            dBefore = dPos;
            dPos += span.dPixelsPerSample;
        }
        nNextColumn = static_cast<int64_t>(dBefore) + 1;
        return;
    }
    dPos = static_cast<double>(span.nBegin) * span.dPixelsPerSample;
    nNextColumn = static_cast<int64_t>(static_cast<double>(span.nBegin - 1) * span.dPixelsPerSample) + 1;
}

void CEcg12Renderer::DrawNormalColumn(CDC* pDC, const STraceSpan& span, int x, int16_t nHi, int16_t nLo,
                                      SColumn& prev, const STracePens& pens) const {
    const int B = span.nBaseline;
    const int xPrev = span.x + prev.nCol;
    const auto hi = static_cast<int16_t>(nHi + 1);
    const auto lo = static_cast<int16_t>(nLo - 1);
    const int d = hi - lo;
    const int t = d / 3;
    if (d <= 3) {
        // Flat enough to be one short bar in the trace colour.
        pDC->SelectPen(pens.penWave);
        pDC->MoveTo(x, B - lo);
        pDC->LineTo(x, B - hi);
    } else if (prev.nHi - prev.nThird <= lo) {
        // Rising: bridge up from the previous column, then dark in the middle third.
        pDC->SelectPen(pens.penLight);
        pDC->MoveTo(xPrev, B - prev.nHi);
        pDC->LineTo(xPrev, B - (lo + t));
        pDC->MoveTo(x, B - (prev.nHi - prev.nThird));
        pDC->LineTo(x, B - prev.nHi);
        pDC->SelectPen(pens.penMid);
        pDC->LineTo(x, B - (lo + t));
        pDC->SelectPen(pens.penDark);
        pDC->LineTo(x, B - (hi - t));
        pDC->SelectPen(pens.penMid);
        pDC->LineTo(x, B - hi);
    } else if (prev.nLo + prev.nThird >= hi) {
        // Falling: the same, mirrored.
        pDC->SelectPen(pens.penLight);
        pDC->MoveTo(xPrev, B - prev.nLo);
        pDC->LineTo(xPrev, B - (hi - t));
        pDC->MoveTo(x, B - (prev.nLo + prev.nThird));
        pDC->LineTo(x, B - prev.nLo);
        pDC->SelectPen(pens.penMid);
        pDC->LineTo(x, B - (hi - t));
        pDC->SelectPen(pens.penDark);
        pDC->LineTo(x, B - (lo + t));
        pDC->SelectPen(pens.penMid);
        pDC->LineTo(x, B - lo);
    } else {
        pDC->SelectPen(pens.penMid);
        pDC->MoveTo(x, B - lo);
        pDC->LineTo(x, B - (lo + t));
        pDC->SelectPen(pens.penDark);
        pDC->LineTo(x, B - (hi - t));
        pDC->SelectPen(pens.penMid);
        pDC->LineTo(x, B - hi);
    }
    prev.nHi = hi;
    prev.nLo = lo;
    prev.nThird = static_cast<int16_t>(t);
}

void CEcg12Renderer::DrawSmoothColumn(CDC* pDC, const STraceSpan& span, int x, int16_t nHi, int16_t nLo,
                                      SColumn& prev) {
    // The column's extreme farther from the zero line stands for it.
    const int16_t nRep = std::abs(nLo) >= std::abs(nHi) ? nLo : nHi;
    m_smooth.DrawSmoothLine(pDC, span.x + prev.nCol, span.nBaseline - prev.nRep, x, span.nBaseline - nRep);
    prev.nRep = nRep;
}

#include "displays/general/CType30Renderer.h"

#include "mfer/MferAttributes.h"
#include "view/CZelvoView.h"

namespace {

constexpr BandLayout g_type30Layout = {.nBandMm = 30, .nMsPerMm = 20, .dMmPerMs = 0.05};

constexpr int g_nPartialColumns = 1;
constexpr int g_nExtentMarginMm = 5;
constexpr COLORREF g_crTrace = RGB(0, 0, 0);
// Channels below this code are ECG leads in millivolts; the others carry raw units.
constexpr uint16_t g_wFirstRawLead = 128;
// Codes from here on have no lead name of their own.
constexpr uint16_t g_wFirstUnnamedLead = 256;
constexpr int g_nRawUnitsPerPixel = 4;

struct SoundBandLabel {
    uint16_t wLeadCode;
    const char* pszLabel;
};

// Low, middle and high frequency bands of the heart sounds.
constexpr SoundBandLabel g_aSoundBandLabels[] = {{513, "L"}, {514, "M"}, {515, "H"}};

bool IsRawChannel(const MferAttributes& attr) {
    return attr.m_wLeadCode >= g_wFirstRawLead;
}

} // namespace

CType30Renderer::CType30Renderer() : CChannelBandRenderer(g_type30Layout) {}

void CType30Renderer::LoadColors() {
    m_nBackColor = BAND_SCHEME_GREEN;
    m_crWave = g_crTrace;
}

void CType30Renderer::DrawBackground(CDC* pDC) {
    const int64_t s = m_nPixelsPerMm;
    const int64_t nColumns = GetPaperColumns(g_nPartialColumns);
    m_rcExtent = ClampedExtent((nColumns + g_nExtentMarginMm) * s, int64_t{GetPaperHeightMm()} * s);
    DrawGrid(pDC, nColumns, GetBandScheme(m_nBackColor));
}

std::string CType30Renderer::BandLabel(int nChannel, const MferAttributes* pAttr) const {
    if (pAttr == nullptr)
        return {};
    if (pAttr->m_wLeadCode < g_wFirstUnnamedLead)
        return m_pView->GetChannelLabel(nChannel);
    for (const SoundBandLabel& label : g_aSoundBandLabels)
        if (label.wLeadCode == pAttr->m_wLeadCode)
            return label.pszLabel;
    return {};
}

int16_t CType30Renderer::SampleHeight(int16_t nSample, const MferAttributes& attr) const {
    if (IsRawChannel(attr))
        return static_cast<int16_t>(nSample / g_nRawUnitsPerPixel);
    return CalibratedHeight(nSample, attr);
}

void CType30Renderer::DrawColumn(CDC* pDC, const BandColumn& column, int y0, const MferAttributes& attr) {
    if (IsRawChannel(attr)) {
        DrawEnvelope(pDC, column, y0);
        return;
    }
    const int ox = m_ptOrigin.x;
    m_smoothLine.DrawSmoothLine(pDC, ox + column.xPrev, y0 - column.hiPrev, ox + column.x, y0 - column.hi);
}

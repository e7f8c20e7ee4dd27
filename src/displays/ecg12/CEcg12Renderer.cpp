#include "displays/ecg12/CEcg12Renderer.h"

#include "displays/ecg12/Ecg12Geometry.h"
#include "displays/ecg12/Ecg12Leads.h"
#include "displays/ecg12/RecordLength.h"
#include "mfer/MferAttributes.h"
#include "platform/CDC.h"
#include "platform/IProfile.h"
#include "view/CZelvoView.h"
#include "view/ViewSettings.h"

#include <algorithm>
#include <bit>
#include <climits>

namespace {

constexpr const char* PROFILE_SECTION = "ECG12";
constexpr int MFER_MAX_CHANNELS = 128;
// Widths beyond this (over nine days of record) would not fit a pixel coordinate when zoomed.
constexpr int64_t MAX_RECORD_WIDTH_MM = INT_MAX / 64;
constexpr int STANDARD_LEAD_COUNT = 12;
constexpr uint32_t LIMB_I_AND_II = 3;
constexpr uint32_t LIMB_I_AND_III = 5;
constexpr uint32_t LIMB_II_AND_III = 6;

enum : int32_t {
    LEAD_SET_I_II = 0,
    LEAD_SET_II_III = 1,
    LEAD_SET_I_III = 2,
    LEAD_SET_ALL_LIMBS = 3,
    LEAD_SET_MORE = 4,
    LEAD_SET_FEWER = 5,
};

} // namespace

void CEcg12Renderer::Setup(CZelvoView* pView, int nPixelsPerMm, const MferAttributes* pFrameAttr) {
    m_pView = pView;
    m_nPixelsPerMm = nPixelsPerMm;
    m_pFrameAttr = pFrameAttr;
    m_pSettings = pView != nullptr ? pView->GetSettings() : nullptr;
    if (pView == nullptr)
        return;
    const IProfile* pProfile = pView->GetProfile();
    m_nBackColor = pProfile->GetProfileInt(PROFILE_SECTION, "BackColor", 0);
    m_crWave = static_cast<COLORREF>(pProfile->GetProfileInt(PROFILE_SECTION, "WaveColor", 0));
    // Without a recording there is nothing to filter.
    if (pFrameAttr != nullptr)
        m_pSettings->m_nFilter |= FILTER_AVAILABLE;
    m_nFrame = static_cast<int16_t>(pView->GetFrame());
}

void CEcg12Renderer::Draw(CDC* pDC) {
    m_rcExtent = CRect();
    if (!IsReady())
        return;
    // A screen paint has replaced whatever inverted figure the window showed.
    if (!pDC->IsPrinting())
        m_bCursorShown = false;
    m_rcClip = pDC->GetClipBox();
    AnalyseLeadSet();
    CorrectLayout();
    m_bGridFromLeft = true;
    DrawLabelColumn(pDC);
    DrawLayout(pDC);
    if (m_pSettings->m_nMouseMode == MOUSE_MODE_VALUE)
        DrawValueMarks(pDC);
    else if (m_pSettings->m_nMouseMode == MOUSE_MODE_INTERVAL && m_nMeasureStep == 2)
        DrawCaliper(m_ptSecond.x, m_ptSecond.y);
    m_pSettings->m_bMouseCmds = 1;
    m_pSettings->m_bZoomCmds = 1;
}

bool CEcg12Renderer::IsReady() const {
    return m_pView != nullptr && m_pFrameAttr != nullptr && m_pSettings != nullptr && m_nPixelsPerMm > 0;
}

void CEcg12Renderer::AnalyseLeadSet() {
    m_dwLeadMask = 0;
    m_nDeriveMode = 0;
    int64_t nLongestMs = 0;
    for (int i = 0; i < FrameChannelCount(); ++i) {
        const MferAttributes* pChannel = FrameChannel(i);
        if (pChannel == nullptr)
            continue;
        nLongestMs = std::max(nLongestMs, DurationMs(*pChannel));
        m_dwLeadMask |= LeadMaskBit(pChannel->m_wLeadCode).value_or(0);
    }
    m_nLeadCount = std::popcount(m_dwLeadMask);
    const uint32_t dwLimbs = m_dwLeadMask & LIMB_LEAD_BITS;
    if (dwLimbs == LIMB_I_AND_II || dwLimbs == LIMB_I_AND_III || dwLimbs == LIMB_II_AND_III) {
        m_nDeriveMode = dwLimbs;
        m_nLeadCount += DERIVED_LIMB_LEADS;
    }
    m_nRecordWidthMm = RecordWidthMm(nLongestMs);
}

void CEcg12Renderer::CorrectLayout() {
    const uint32_t dwLimbs = m_dwLeadMask & LIMB_LEAD_BITS;
    int32_t& nKind = m_pSettings->m_nLeadSetKind;
    if (m_nLeadCount < STANDARD_LEAD_COUNT)
        nKind = LEAD_SET_FEWER;
    else if (m_nLeadCount > STANDARD_LEAD_COUNT)
        nKind = LEAD_SET_MORE;
    else if (dwLimbs == LIMB_I_AND_II)
        nKind = LEAD_SET_I_II;
    else if (dwLimbs == LIMB_II_AND_III)
        nKind = LEAD_SET_II_III;
    else if (dwLimbs == LIMB_I_AND_III)
        nKind = LEAD_SET_I_III;
    else
        nKind = LEAD_SET_ALL_LIMBS;
    // 6x2 and 3x4 need a standard twelve-lead set; the page display is for smaller sets.
    int32_t& nLayout = m_pSettings->m_nLayout;
    if (nKind > LEAD_SET_MORE && (nLayout == LAYOUT_6X2 || nLayout == LAYOUT_3X4))
        nLayout = LAYOUT_PAGE;
    if (nLayout == LAYOUT_PAGE && nKind <= LEAD_SET_MORE)
        nLayout = LAYOUT_FULL;
}

int CEcg12Renderer::FrameChannelCount() const {
    return std::clamp(m_pFrameAttr->m_nChannels, 0, MFER_MAX_CHANNELS);
}

const MferAttributes* CEcg12Renderer::FrameChannel(int nChannel) const {
    if (nChannel < 0 || nChannel >= FrameChannelCount())
        return nullptr;
    return m_pView->GetFrameChannel(m_nFrame, nChannel);
}

uint16_t CEcg12Renderer::ChannelLeadCode(int nChannel) const {
    const MferAttributes* pChannel = FrameChannel(nChannel);
    return pChannel != nullptr ? pChannel->m_wLeadCode : 0;
}

uint16_t CEcg12Renderer::LeadCodeOfRow(int nRow) const {
    if (m_nDeriveMode == 0)
        return ChannelLeadCode(nRow);
    if (nRow >= 0 && nRow < STANDARD_LEAD_ROWS)
        return g_anLimbLeads[static_cast<size_t>(nRow)];
    return ChannelLeadCode(nRow - DERIVED_LIMB_LEADS);
}

int64_t CEcg12Renderer::RecordWidthMm(int64_t nDurationMs) const {
    const int64_t nWidth = nDurationMs / MS_PER_MM + (nDurationMs % MS_PER_MM != 0 ? 1 : 0);
    return std::min(nWidth, MAX_RECORD_WIDTH_MM);
}

int64_t CEcg12Renderer::Channel0WidthMm() const {
    const MferAttributes* pChannel = FrameChannel(0);
    return pChannel != nullptr ? RecordWidthMm(DurationMs(*pChannel)) : 0;
}

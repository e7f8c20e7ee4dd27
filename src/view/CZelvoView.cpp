#include "view/CZelvoView.h"

#include "app/CZelvoDoc.h"
#include "displays/bp/CBloodPressureRenderer.h"
#include "displays/ecg12/CEcg12Renderer.h"
#include "displays/eeg/CEegRenderer.h"
#include "displays/general/CType30Renderer.h"
#include "displays/general/CUniversalRenderer.h"
#include "displays/longterm/CLongTermRenderer.h"
#include "platform/CDC.h"
#include "platform/MouseKeys.h"
#include "platform/ScrollBar.h"
#include "res/CStringTable.h"
#include "res/Resource.h"
#include "view/CExtentProbeDC.h"
#include "view/IViewDialogHost.h"

#include <algorithm>

namespace {

constexpr int DEFAULT_SCREEN_DPI = 96;
constexpr int LONG_TERM_PIXELS_PER_MM = 4;
constexpr int PRINT_JOB_MAX_PAGE = 999;
// Below this line of the long-term window a right click cannot open the detail window.
constexpr int LONG_TERM_CLICK_LIMIT_Y = 750;

struct CategoryLine {
    int nCategory;
    CSize sizeLine;
};

constexpr CategoryLine g_aScrollLines[] = {
    {CATEGORY_ECG12, {100, 20}},          {CATEGORY_UNIVERSAL, {100, 15}}, {CATEGORY_EEG, {125, 15}},
    {CATEGORY_BLOOD_PRESSURE, {100, 20}}, {CATEGORY_TYPE30, {200, 40}},
};

int CeilDiv(int nValue, int nDivisor) {
    return nValue / nDivisor + (nValue % nDivisor != 0 ? 1 : 0);
}

} // namespace

CZelvoView::CZelvoView(CZelvoDoc& doc, IViewWindow& window, IProfile& profile)
    : m_doc(doc), m_window(window), m_profile(profile), m_pEcg12(std::make_unique<CEcg12Renderer>()),
      m_pLongTerm(std::make_unique<CLongTermRenderer>()), m_pEeg(std::make_unique<CEegRenderer>(window)),
      m_pBloodPressure(std::make_unique<CBloodPressureRenderer>()),
      m_pUniversal(std::make_unique<CUniversalRenderer>()), m_pType30(std::make_unique<CType30Renderer>()),
      m_nScreenDpi(ScreenLogicalDpi()) {}

CZelvoView::~CZelvoView() = default;

const MferAttributes* CZelvoView::FrameAttributes() const {
    return m_doc.GetFrameAttributes(m_nFrame);
}

const MferAttributes* CZelvoView::GetRootAttributes() const {
    return m_doc.GetRootAttributes();
}

const MferAttributes* CZelvoView::GetChannel(int nChannel) const {
    return m_doc.GetChannelAttributes(nChannel);
}

const MferAttributes* CZelvoView::GetFrameChannel(int nFrame, int nChannel) const {
    return m_doc.GetFrameChannelAttributes(nFrame, nChannel);
}

std::string CZelvoView::GetChannelLabel(int nChannel) const {
    return m_doc.GetChannelLabel(nChannel);
}

int CZelvoView::GetCategory() const {
    if (m_settings.m_bUniversal)
        return CATEGORY_UNIVERSAL;
    switch (m_doc.GetWaveformType(m_nFrame)) {
    case 40:
        return CATEGORY_EEG;
    case 20:
        return CATEGORY_BLOOD_PRESSURE;
    case 30:
        return CATEGORY_TYPE30;
    case 2:
        return CATEGORY_LONG_TERM;
    case 1:
        return CATEGORY_ECG12;
    default:
        return CATEGORY_UNIVERSAL;
    }
}

CRenderer* CZelvoView::RendererOf(int nCategory) const {
    switch (nCategory) {
    case CATEGORY_ECG12:
        return m_pEcg12.get();
    case CATEGORY_LONG_TERM:
        return m_pLongTerm.get();
    case CATEGORY_EEG:
        return m_pEeg.get();
    case CATEGORY_BLOOD_PRESSURE:
        return m_pBloodPressure.get();
    case CATEGORY_TYPE30:
        return m_pType30.get();
    default:
        return m_pUniversal.get();
    }
}

// ---- First update --------------------------------------------------------------------------

void CZelvoView::OnInitialUpdate() {
    if (m_strLoadedPath != m_doc.GetPathName()) {
        m_strLoadedPath = m_doc.GetPathName();
        ApplyFileDefaults();
    }
    // The first draw replaces these with the drawing's own sizes.
    m_window.SetScrollSizes(CSize(100, 100), CSize(), CSize());
}

void CZelvoView::ApplyFileDefaults() {
    m_nMeasureState = m_pEcg12->ResetMeasure();
    m_settings.m_nTimeScale = STANDARD_TIME_SCALE;
    m_settings.m_bUniversal = 0;
    m_nCategory = GetCategory();
    if (m_nCategory == CATEGORY_LONG_TERM) {
        m_window.SetCursor(m_hCurZoom);
        return;
    }
    m_settings.m_bUniversal = m_nCategory == CATEGORY_UNIVERSAL ? 1 : 0;
    m_settings.m_nMouseMode = MOUSE_MODE_SCROLL;
    m_window.SetCursor(m_hCurHand);
}

// ---- Drawing ---------------------------------------------------------------------------------

int CZelvoView::CalcPixelsPerMm(CDC* pDC) const {
    const int nScreen = m_settings.m_nTimeScale - 2;
    // Paper, and a high-density screen, have more device pixels to the inch than the screen's
    // logical resolution the scale is made for: the sheet keeps its size in millimetres.
    const int nReference = pDC->IsPrinting() ? m_nScreenDpi : ScreenLogicalDpi();
    const int nDevice = pDC->GetDeviceCaps(LOGPIXELSX);
    if (nDevice == nReference)
        return nScreen;
    return static_cast<int>(nScreen * (static_cast<double>(nDevice) / nReference));
}

int CZelvoView::ScreenLogicalDpi() const {
    const int nDpi = m_window.GetScreenLogPixelsX();
    return nDpi > 0 ? nDpi : DEFAULT_SCREEN_DPI;
}

void CZelvoView::OnDraw(CDC* pDC) {
    const CSize sizeClient = m_window.GetClientSize();
    m_rcExtent = CRect(CPoint(), sizeClient);
    if (m_doc.IsLoaded()) {
        m_nPixelsPerMm = CalcPixelsPerMm(pDC);
        const bool bPrinting = pDC->IsPrinting();
        const int32_t nUserTimeScale = m_settings.m_nTimeScale;
        if (bPrinting)
            m_settings.m_nTimeScale = STANDARD_TIME_SCALE;
        else
            m_nScreenDpi = ScreenLogicalDpi();
        m_nCategory = GetCategory();
        DrawCategory(pDC);
        // A printer pass must not leave the screen's scroll bars in printer pixels.
        if (!bPrinting)
            SetScrollSizesForCategory(sizeClient);
        m_settings.m_nTimeScale = nUserTimeScale;
    }
}

void CZelvoView::DrawCategory(CDC* pDC) {
    m_settings.m_nFilter &= ~FILTER_AVAILABLE;
    m_settings.m_bUniversal = 0;
    m_settings.m_bZoomCmds = 0;
    m_settings.m_bMouseCmds = 0;
    if (m_nCategory == CATEGORY_LONG_TERM)
        m_nPixelsPerMm = LONG_TERM_PIXELS_PER_MM;
    else if (m_nCategory == CATEGORY_UNIVERSAL)
        m_settings.m_bUniversal = 1;
    CRenderer* pRenderer = RendererOf(m_nCategory);
    pRenderer->Setup(this, m_nPixelsPerMm, FrameAttributes());
    pRenderer->Draw(pDC);
    m_rcExtent = pRenderer->m_rcExtent;
}

void CZelvoView::SetScrollSizesForCategory(CSize sizeClient) {
    const CSize sizeTotal(m_rcExtent.right, m_rcExtent.bottom);
    if (m_nCategory == CATEGORY_LONG_TERM) {
        m_window.SetScrollSizes(sizeTotal, CSize(m_rcExtent.right, m_rcExtent.bottom / 25),
                                CSize(m_rcExtent.right / 50, 80));
        return;
    }
    const auto it = std::find_if(std::begin(g_aScrollLines), std::end(g_aScrollLines),
                                 [&](const CategoryLine& line) { return line.nCategory == m_nCategory; });
    m_window.SetScrollSizes(sizeTotal, sizeClient, it->sizeLine);
}

void CZelvoView::DrawEcgDisplay(CDC* pDC) {
    m_pEcg12->Setup(this, m_nPixelsPerMm, FrameAttributes());
    m_pEcg12->Draw(pDC);
    m_pBloodPressure->m_rcExtent = m_pEcg12->m_rcExtent;
}

// ---- Printing --------------------------------------------------------------------------------

bool CZelvoView::OnPreparePrinting(CPrintInfo* pInfo) {
    m_pEcg12->EraseCursor();
    m_nMeasureState = m_pEcg12->ResetMeasure();
    pInfo->SetMaxPage(PRINT_JOB_MAX_PAGE);
    m_bPrintJob = true;
    const bool bAccepted = m_pDialogHost == nullptr || m_pDialogHost->RunPrintDialog(*pInfo);
    if (!bAccepted)
        m_bPrintJob = false;
    return bAccepted;
}

void CZelvoView::OnPrepareDC(CDC*, CPrintInfo* pInfo) {
    // After the last page the job ends here, whatever page range the dialog allowed.
    if (pInfo != nullptr && !m_bPrintJob)
        pInfo->m_bContinuePrinting = false;
}

CSize CZelvoView::GetDocExtent(CDC* pDC) {
    // The sheet is measured by drawing it once at the printer's scale without painting: every
    // display and layout then tiles by what it really covers on paper.
    CExtentProbeDC probe(*pDC);
    const CRect rcSaved = m_rcExtent;
    OnDraw(&probe);
    const CSize sizeExtent(std::max(0, m_rcExtent.right), std::max(0, m_rcExtent.bottom));
    m_rcExtent = rcSaved;
    return sizeExtent;
}

void CZelvoView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
    m_nPixelsPerMm = CalcPixelsPerMm(pDC);
    const CSize sizeExtent = GetDocExtent(pDC);
    const int w = std::max(1, pInfo->m_rectDraw.Width());
    const int h = std::max(1, pInfo->m_rectDraw.Height());
    const int nColumns = std::max(1, CeilDiv(sizeExtent.cx, w));
    const int nRows = std::max(1, CeilDiv(sizeExtent.cy, h));
    const int nPages = nRows * nColumns;
    pInfo->SetMaxPage(nPages);
    const int nPage = pInfo->m_nCurPage;
    const int nColumn = (nPage - 1) % nColumns;
    const int nRow = (nPage - 1) / nColumns;
    if (nPage >= nPages)
        m_bPrintJob = false;
    pDC->SetWindowOrg(w * nColumn, h * nRow);
    OnDraw(pDC);
}

// ---- Commands --------------------------------------------------------------------------------

bool CZelvoView::OnCommand(int nId) {
    // A command whose item is disabled is not carried out, whether it came by menu, key or button.
    CCmdUI state(nId);
    if (OnUpdateCommand(state) && !state.m_bEnabled)
        return true;
    switch (nId) {
    case ID_LAYOUT_FULL:
        SetLayout(0);
        return true;
    case ID_LAYOUT_6X2:
        SetLayout(1);
        return true;
    case ID_LAYOUT_3X4:
        SetLayout(2);
        return true;
    case ID_LAYOUT_PAGE:
        SetLayout(3);
        return true;
    case ID_SENSITIVITY_HALF:
        SetSensitivity(1);
        return true;
    case ID_SENSITIVITY_ONE:
        SetSensitivity(2);
        return true;
    case ID_SENSITIVITY_TWO:
        SetSensitivity(4);
        return true;
    case ID_ECG_VIEW:
    case ID_ECG_VIEW_BUTTON:
        OnToggleEcgView();
        return true;
    case ID_MEASURE_VALUE:
        SetMouseMode(MOUSE_MODE_VALUE, true);
        return true;
    case ID_MEASURE_INTERVAL:
        SetMouseMode(MOUSE_MODE_INTERVAL, true);
        return true;
    case ID_MOUSE_SCROLL:
        SetMouseMode(MOUSE_MODE_SCROLL, false);
        return true;
    case ID_STANDARD_SCALE:
        OnStandardScale();
        return true;
    case ID_ZOOM_IN:
        OnZoom(+1);
        return true;
    case ID_ZOOM_OUT:
        OnZoom(-1);
        return true;
    case ID_SMOOTH:
        m_settings.m_bSmooth = !m_settings.m_bSmooth;
        RedrawNow();
        return true;
    case ID_UNIVERSAL:
        if (m_doc.IsLoaded())
            m_settings.m_bUniversal = !m_settings.m_bUniversal;
        RedrawNow();
        return true;
    case ID_DISPLAY_COLOR:
        if (m_pDialogHost && m_pDialogHost->RunColorDialog(*this))
            RedrawNow();
        return true;
    case ID_WAVE_INFO:
        if (m_pDialogHost)
            m_pDialogHost->RunWaveInfoDialog(*this);
        return true;
    case ID_DISPLAY_SWITCH:
        OnDisplaySwitch();
        return true;
    case ID_HIGH_CUT_FILTER:
        m_settings.m_nFilter = (m_settings.m_nFilter & FILTER_ON) ? (m_settings.m_nFilter & FILTER_AVAILABLE)
                                                                  : (m_settings.m_nFilter | FILTER_ON);
        RedrawNow();
        return true;
    case ID_REMEASURE:
        OnRemeasure();
        return true;
    case ID_OLE_INSERT_NEW:
        if (m_pDialogHost)
            m_pDialogHost->InsertNewObject(*this);
        return true;
    case ID_CANCEL_EDIT_CNTR:
        if (m_pDialogHost)
            m_pDialogHost->CancelEditContainer(*this);
        return true;
    default:
        return false;
    }
}

void CZelvoView::SetLayout(int nLayout) {
    m_settings.m_nLayout = nLayout;
    RedrawNow();
}

void CZelvoView::SetSensitivity(int nSensitivity) {
    m_settings.m_nSensitivity = nSensitivity;
    RedrawNow();
}

void CZelvoView::OnToggleEcgView() {
    m_settings.m_bEcgView = !m_settings.m_bEcgView;
    if (m_settings.m_bEcgView)
        m_settings.m_nLayout = 0;
    RedrawNow();
}

void CZelvoView::SetMouseMode(int nMode, bool bHideCursor) {
    if (bHideCursor)
        m_window.SetCursor(ECursor::None);
    m_pEcg12->EraseCursor();
    m_settings.m_nMouseMode = nMode;
    m_nMeasureState = m_pEcg12->ResetMeasure();
    RedrawNow();
}

void CZelvoView::OnStandardScale() {
    // A shown measurement keeps the scale its numbers were taken at.
    if (m_nMeasureState > 0)
        return;
    m_pEcg12->EraseCursor();
    m_settings.m_nTimeScale = STANDARD_TIME_SCALE;
    RedrawNow();
}

void CZelvoView::OnZoom(int nStep) {
    const int32_t nScale = m_settings.m_nTimeScale + nStep;
    if (nScale < MIN_TIME_SCALE || nScale > MAX_TIME_SCALE)
        return;
    m_pEcg12->EraseCursor();
    m_settings.m_nTimeScale = nScale;
    RedrawNow();
}

void CZelvoView::OnRemeasure() {
    m_pEcg12->EraseCursor();
    m_nMeasureState = m_pEcg12->ResetMeasure();
    RedrawNow();
}

void CZelvoView::OnDisplaySwitch() {
    int32_t& nLayout = m_settings.m_nLayout;
    const int32_t nBefore = nLayout;
    if (nLayout == 0)
        nLayout = 1;
    else if (m_settings.m_nLeadSetKind < 4)
        nLayout = nLayout == 1 ? 2 : nLayout == 2 ? 0 : nLayout;
    else if (nLayout == 3)
        nLayout = 0;
    if (nLayout != nBefore)
        RedrawNow();
}

// ---- Update rules ----------------------------------------------------------------------------

bool CZelvoView::OnUpdateCommand(CCmdUI& cmdUI) {
    const int nCategory = GetCategory();
    const bool bLoaded = m_doc.IsLoaded() != 0;
    const bool bSheet = nCategory == CATEGORY_ECG12 || nCategory == CATEGORY_BLOOD_PRESSURE;
    const ViewSettings& s = m_settings;
    auto set = [&](bool bEnabled, bool bChecked) {
        cmdUI.Enable(bEnabled);
        cmdUI.SetCheck(bEnabled && bChecked);
    };
    switch (cmdUI.m_nID) {
    case ID_LAYOUT_FULL:
    case ID_LAYOUT_6X2:
    case ID_LAYOUT_3X4:
    case ID_LAYOUT_PAGE:
        UpdateLayoutItem(cmdUI);
        return true;
    case ID_SENSITIVITY_HALF:
        set(bLoaded && nCategory != CATEGORY_LONG_TERM, s.m_nSensitivity == 1);
        return true;
    case ID_SENSITIVITY_ONE:
        set(bLoaded && nCategory != CATEGORY_LONG_TERM, s.m_nSensitivity == 2);
        return true;
    case ID_SENSITIVITY_TWO:
        set(bLoaded && nCategory != CATEGORY_LONG_TERM, s.m_nSensitivity == 4);
        return true;
    case ID_MEASURE_VALUE:
        set(s.m_bMouseCmds != 0, s.m_nMouseMode == MOUSE_MODE_VALUE);
        return true;
    case ID_MEASURE_INTERVAL:
        set(s.m_bMouseCmds != 0, s.m_nMouseMode == MOUSE_MODE_INTERVAL);
        return true;
    case ID_MOUSE_SCROLL:
        set(s.m_bMouseCmds != 0, s.m_nMouseMode == MOUSE_MODE_SCROLL);
        return true;
    case ID_STANDARD_SCALE:
    case ID_ZOOM_IN:
    case ID_ZOOM_OUT:
        set(s.m_bZoomCmds != 0, false);
        return true;
    case ID_ECG_VIEW:
    case ID_ECG_VIEW_BUTTON:
        set(nCategory == CATEGORY_BLOOD_PRESSURE, s.m_bEcgView != 0);
        return true;
    case ID_SMOOTH:
        set(true, s.m_bSmooth != 0);
        return true;
    case ID_UNIVERSAL:
        cmdUI.Enable(bLoaded);
        if (bLoaded)
            cmdUI.SetCheck(s.m_bUniversal != 0);
        return true;
    case ID_DISPLAY_COLOR:
        set(true, false);
        return true;
    case ID_WAVE_INFO:
        set(bLoaded, false);
        return true;
    case ID_DISPLAY_SWITCH:
        set(bSheet || nCategory == CATEGORY_EEG, false);
        return true;
    case ID_HIGH_CUT_FILTER:
        cmdUI.Enable((s.m_nFilter & FILTER_AVAILABLE) != 0);
        cmdUI.SetCheck((s.m_nFilter & FILTER_ON) != 0);
        return true;
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_AS:
        set(false, false);
        return true;
    default:
        return false;
    }
}

void CZelvoView::UpdateLayoutItem(CCmdUI& cmdUI) {
    const int nCategory = GetCategory();
    const bool bSheet = nCategory == CATEGORY_ECG12 || nCategory == CATEGORY_BLOOD_PRESSURE;
    const bool bTwelveLeads = m_settings.m_nLeadSetKind < 4;
    const bool bEcgTexts = nCategory == CATEGORY_ECG12 || m_settings.m_bEcgView;
    if (bSheet && cmdUI.m_nID != ID_LAYOUT_FULL)
        ApplyLayoutRule(cmdUI.m_nID);
    struct LayoutItem {
        int nId;
        int nLayout;
        bool bEnabled;
        unsigned nEcgText;
        unsigned nBloodPressureText;
    };
    const LayoutItem items[] = {
        {ID_LAYOUT_FULL, 0, bSheet, IDS_LAYOUT_FULL, IDS_BP_LAYOUT_FULL},
        {ID_LAYOUT_6X2, 1, bSheet && bTwelveLeads, IDS_LAYOUT_6X2, IDS_BP_LAYOUT_WAVEFORM},
        {ID_LAYOUT_3X4, 2, bSheet && bTwelveLeads, IDS_LAYOUT_3X4, IDS_BP_LAYOUT_EP},
        {ID_LAYOUT_PAGE, 3, bSheet && !bTwelveLeads, 0, 0},
    };
    for (const LayoutItem& item : items) {
        if (item.nId != cmdUI.m_nID)
            continue;
        cmdUI.Enable(item.bEnabled);
        cmdUI.SetCheck(item.bEnabled && m_settings.m_nLayout == item.nLayout);
        if (item.bEnabled && item.nEcgText != 0)
            cmdUI.SetText(CStringTable::Load(bEcgTexts ? item.nEcgText : item.nBloodPressureText));
    }
}

void CZelvoView::ApplyLayoutRule(int nId) {
    // Without a standard twelve-lead set only full and page display exist.
    int32_t& nLayout = m_settings.m_nLayout;
    const bool bTwelveLeads = m_settings.m_nLeadSetKind < 4;
    if (!bTwelveLeads && (nLayout == 1 || nLayout == 2))
        nLayout = 3;
    if (nId == ID_LAYOUT_PAGE && bTwelveLeads && nLayout == 3)
        nLayout = 0;
}

// ---- Mouse, keys and scrolling -----------------------------------------------------------------

void CZelvoView::SetupMouseRenderers() {
    const MferAttributes* pFrame = FrameAttributes();
    m_pLongTerm->Setup(this, m_nPixelsPerMm, pFrame);
    m_pEcg12->Setup(this, m_nPixelsPerMm, pFrame);
    m_pUniversal->Setup(this, m_nPixelsPerMm, pFrame);
}

void CZelvoView::OnMouseMove(unsigned nFlags, CPoint point) {
    SetupMouseRenderers();
    m_nCategory = GetCategory();
    if (m_nCategory == CATEGORY_LONG_TERM)
        m_pLongTerm->OnMouseMove(nFlags, point.x, point.y);
    else
        m_nMeasureState = m_pEcg12->OnMouseMove(nFlags, point.x, point.y);
}

void CZelvoView::OnLButtonDown(unsigned nFlags, CPoint point) {
    // The handlers read the renderers' view and frame, which a press without a move before it
    // would otherwise find from another display's last draw.
    SetupMouseRenderers();
    m_nCategory = GetCategory();
    if (m_nCategory == CATEGORY_LONG_TERM)
        m_pLongTerm->OnLButtonDown(nFlags, point.x, point.y);
    else
        m_nMeasureState = m_pEcg12->OnLButtonDown(nFlags, point.x, point.y);
}

void CZelvoView::OnLButtonUp(unsigned nFlags, CPoint point) {
    SetupMouseRenderers();
    m_nCategory = GetCategory();
    if (m_nCategory == CATEGORY_LONG_TERM)
        m_pLongTerm->OnLButtonUp(nFlags, point.x, point.y);
    else
        m_nMeasureState = m_pEcg12->OnLButtonUp(nFlags, point.x, point.y);
}

void CZelvoView::OnRButtonDown(unsigned, CPoint point) {
    m_nCategory = GetCategory();
    if (m_nCategory == CATEGORY_LONG_TERM) {
        m_window.SetCursor(point.y > LONG_TERM_CLICK_LIMIT_Y ? m_hCurNo : m_hCurZoom);
        return;
    }
    // One right click clears a shown measurement; the next returns to the standard scale.
    if (m_nMeasureState > 0)
        OnRemeasure();
    else
        OnStandardScale();
}

void CZelvoView::OnRButtonUp(unsigned, CPoint point) {
    m_nCategory = GetCategory();
    if (m_nCategory == CATEGORY_LONG_TERM)
        m_window.SetCursor(point.y > LONG_TERM_CLICK_LIMIT_Y ? m_hCurNo : m_hCurZoom);
}

void CZelvoView::OnKeyDown(unsigned nChar) {
    switch (nChar) {
    case VK_PRIOR:
        OnScroll(SB_VERT, SB_PAGEUP, 0);
        break;
    case VK_NEXT:
        OnScroll(SB_VERT, SB_PAGEDOWN, 0);
        break;
    case VK_END:
        OnScroll(SB_VERT, SB_BOTTOM, 0);
        OnScroll(SB_HORZ, SB_RIGHT, 0);
        break;
    case VK_HOME:
        OnScroll(SB_VERT, SB_TOP, 0);
        OnScroll(SB_HORZ, SB_LEFT, 0);
        break;
    case VK_LEFT:
        OnScroll(SB_HORZ, SB_LINELEFT, 0);
        break;
    case VK_UP:
        OnScroll(SB_VERT, SB_LINEUP, 0);
        break;
    case VK_RIGHT:
        OnScroll(SB_HORZ, SB_LINERIGHT, 0);
        break;
    case VK_DOWN:
        OnScroll(SB_VERT, SB_LINEDOWN, 0);
        break;
    default:
        break;
    }
}

void CZelvoView::OnScroll(int nBar, int nScrollCode, int nPos) {
    m_pEcg12->EraseCursor();
    // A measurement belongs to the picture it was taken on.
    if (m_nMeasureState > 0) {
        m_pEcg12->EraseCursor();
        m_nMeasureState = m_pEcg12->ResetMeasure();
        RedrawNow();
    }
    m_window.DefaultScroll(nBar, nScrollCode, nPos);
}

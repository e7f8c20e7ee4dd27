#pragma once

#include "platform/CRect.h"
#include "platform/CSize.h"
#include "platform/IViewWindow.h"
#include "view/CCmdUI.h"
#include "view/CPrintInfo.h"
#include "view/DetailWindowRunner.h"
#include "view/ViewSettings.h"

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

class CDC;
class CZelvoDoc;
class IProfile;
class IViewDialogHost;
class CRenderer;
class CEcg12Renderer;
class CLongTermRenderer;
class CEegRenderer;
class CBloodPressureRenderer;
class CUniversalRenderer;
class CType30Renderer;
struct MferAttributes;

// The one view of the open document: owns the display settings and the six displays, derives
// the display category, carries out the View commands with their update rules, routes painting,
// printing, the mouse, the keys and scrolling. It draws through CDC and asks its window through
// IViewWindow, so it runs the same on screen, on paper and headless.
class CZelvoView {
public:
    CZelvoView(CZelvoDoc& doc, IViewWindow& window, IProfile& profile);
    virtual ~CZelvoView();
    CZelvoView(const CZelvoView&) = delete;
    CZelvoView& operator=(const CZelvoView&) = delete;

    void SetDialogHost(IViewDialogHost* pHost) { m_pDialogHost = pHost; }
    // How the long-term strip's click shows the detail window; without a runner it is not shown.
    void SetDetailWindowRunner(DetailWindowRunner runner) { m_detailWindowRunner = std::move(runner); }
    const DetailWindowRunner& GetDetailWindowRunner() const { return m_detailWindowRunner; }

    // Framework side: first update, painting and printing.
    void OnInitialUpdate();
    void OnDraw(CDC* pDC);
    bool OnPreparePrinting(CPrintInfo* pInfo);
    void OnBeginPrinting(CDC*, CPrintInfo*) {}
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo);
    void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    void OnEndPrinting(CDC*, CPrintInfo*) {}

    // Commands: true when the view handles the identifier.
    bool OnCommand(int nId);
    bool OnUpdateCommand(CCmdUI& cmdUI);

    // Mouse, keys and scrolling, in client coordinates.
    void OnMouseMove(unsigned nFlags, CPoint point);
    void OnLButtonDown(unsigned nFlags, CPoint point);
    void OnLButtonUp(unsigned nFlags, CPoint point);
    void OnRButtonDown(unsigned nFlags, CPoint point);
    void OnRButtonUp(unsigned nFlags, CPoint point);
    void OnKeyDown(unsigned nChar);
    void OnScroll(int nBar, int nScrollCode, int nPos);

    int GetCategory() const;
    ViewSettings* GetSettings() { return &m_settings; }
    const ViewSettings* GetSettings() const { return &m_settings; }

    // Accessors for the displays and the detail window.
    CZelvoDoc* GetDocument() const { return &m_doc; }
    IViewWindow* GetWindow() const { return &m_window; }
    IProfile* GetProfile() const { return &m_profile; }
    const MferAttributes* GetRootAttributes() const;
    const MferAttributes* GetChannel(int nChannel) const;
    const MferAttributes* GetFrameChannel(int nFrame, int nChannel) const;
    std::string GetChannelLabel(int nChannel) const;
    void DrawEcgDisplay(CDC* pDC);
    // Immediate repaint of the whole view.
    void RedrawNow() { m_window.RedrawNow(); }

    int CalcPixelsPerMm(CDC* pDC) const;
    CSize GetDocExtent(CDC* pDC);

    int GetFrame() const { return m_nFrame; }
    int GetPixelsPerMm() const { return m_nPixelsPerMm; }
    int GetMeasureState() const { return m_nMeasureState; }
    const CRect& GetExtent() const { return m_rcExtent; }
    CEcg12Renderer* GetEcg12Renderer() const { return m_pEcg12.get(); }
    CLongTermRenderer* GetLongTermRenderer() const { return m_pLongTerm.get(); }

    // The view's cursors.
    static constexpr ECursor m_hCurArrow = ECursor::Arrow;
    static constexpr ECursor m_hCurHand = ECursor::Hand;
    static constexpr ECursor m_hCurGrab = ECursor::Grab;
    static constexpr ECursor m_hCurZoom = ECursor::Magnifier;
    static constexpr ECursor m_hCurNo = ECursor::No;

private:
    const MferAttributes* FrameAttributes() const;
    int ScreenLogicalDpi() const;
    CRenderer* RendererOf(int nCategory) const;
    void DrawCategory(CDC* pDC);
    void SetScrollSizesForCategory(CSize sizeClient);
    void ApplyFileDefaults();
    void SetupMouseRenderers();

    void SetLayout(int nLayout);
    void SetSensitivity(int nSensitivity);
    void SetMouseMode(int nMode, bool bHideCursor);
    void OnStandardScale();
    void OnZoom(int nStep);
    void OnRemeasure();
    void OnDisplaySwitch();
    void OnToggleEcgView();
    void UpdateLayoutItem(CCmdUI& cmdUI);
    void ApplyLayoutRule(int nId);

    CZelvoDoc& m_doc;
    IViewWindow& m_window;
    IProfile& m_profile;
    IViewDialogHost* m_pDialogHost = nullptr;
    DetailWindowRunner m_detailWindowRunner;

    int m_nFrame = 0;
    std::string m_strLoadedPath;
    std::unique_ptr<CEcg12Renderer> m_pEcg12;
    std::unique_ptr<CLongTermRenderer> m_pLongTerm;
    std::unique_ptr<CEegRenderer> m_pEeg;
    std::unique_ptr<CBloodPressureRenderer> m_pBloodPressure;
    std::unique_ptr<CUniversalRenderer> m_pUniversal;
    std::unique_ptr<CType30Renderer> m_pType30;
    CRect m_rcExtent;
    int m_nPixelsPerMm = 0;
    int m_nCategory = 0;
    int m_nMeasureState = 0;
    int m_nScreenDpi;
    bool m_bPrintJob = false;
    ViewSettings m_settings;
};

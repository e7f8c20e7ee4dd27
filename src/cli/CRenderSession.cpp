#include "cli/CRenderSession.h"

#include "cli/CCliDocument.h"
#include "cli/CCommandLine.h"
#include "cli/CJsonWriter.h"
#include "displays/longterm/CDetailEventScript.h"
#include "displays/longterm/CDetailWaveWnd.h"
#include "displays/longterm/CHeadlessDetailWindow.h"
#include "platform/CImagePrintPages.h"
#include "platform/CPagedPrintPages.h"
#include "platform/MouseKeys.h"
#include "view/CPrintLoop.h"

#include <QPdfWriter>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <vector>

namespace {

constexpr double MM_PER_INCH = 25.4;

} // namespace

CRenderSession::CRenderSession(const CRenderOptions& options)
    : m_options(options), m_window(options.sizeClient) {
    m_window.SetMessageEcho(&std::cerr);
}

int CRenderSession::Open() {
    m_doc.SetPrompt(&m_prompt);
    if (!m_doc.OnOpenDocument(m_options.strFile)) {
        if (m_doc.GetOpenError() == CZelvoDoc::OpenError::Read)
            return CLI_EXIT_USAGE;
        std::cerr << "zelvo-cli: " << m_options.strFile << ": " << m_doc.GetOpenErrorDetail() << '\n';
        return CLI_EXIT_NOT_DECODED;
    }
    m_pView = std::make_unique<CZelvoView>(m_doc, m_window, m_profile);
    m_doc.SetPrompt(&m_window);
    m_window.SetPaintHandler([this](CDC& dc) { m_pView->OnDraw(&dc); });
    m_pView->SetDetailWindowRunner([this](CDetailWaveWnd& wnd) { return RunDetailWindow(wnd); });
    m_pView->OnInitialUpdate();
    return CLI_EXIT_OK;
}

void CRenderSession::ApplySettings() {
    ViewSettings& s = *m_pView->GetSettings();
    if (m_options.nLayout)
        s.m_nLayout = *m_options.nLayout;
    if (m_options.nSensitivity)
        s.m_nSensitivity = *m_options.nSensitivity;
    if (m_options.nTimeScale)
        s.m_nTimeScale = *m_options.nTimeScale;
    if (m_options.nMouseMode)
        s.m_nMouseMode = *m_options.nMouseMode;
    if (m_options.bSmooth)
        s.m_bSmooth = 1;
    if (m_options.bFilter)
        s.m_nFilter |= FILTER_ON;
    if (m_options.bUniversal)
        s.m_bUniversal = 1;
    if (m_options.bEcgView)
        s.m_bEcgView = 1;
}

void CRenderSession::PaintFirst() {
    m_window.RedrawNow();
    if (m_options.bFull) {
        const CRect& rcExtent = m_pView->GetExtent();
        if (rcExtent.right > 0 && rcExtent.bottom > 0) {
            m_window.SetClientSize(CSize(rcExtent.right, rcExtent.bottom));
            m_window.RedrawNow();
        }
    }
    if (m_options.ptScroll) {
        m_window.ScrollToPosition(*m_options.ptScroll);
        m_window.UpdateWindow();
    }
}

bool CRenderSession::SendMouse(const std::string& strScript, std::string& strError) {
    std::istringstream events(strScript);
    std::string event;
    while (events >> event) {
        char name[16] = {};
        CPoint pt;
        char trailing = 0;
        if (std::sscanf(event.c_str(), "%15[a-z]:%d,%d%c", name, &pt.x, &pt.y, &trailing) != 3) {
            strError = "mouse event \"" + event + "\" is not NAME:X,Y";
            return false;
        }
        const std::string kind = name;
        if (kind == "down") {
            m_nButtons |= MK_LBUTTON;
            m_pView->OnLButtonDown(m_nButtons, pt);
        } else if (kind == "move") {
            m_pView->OnMouseMove(m_nButtons, pt);
        } else if (kind == "up") {
            m_nButtons &= ~MK_LBUTTON;
            m_pView->OnLButtonUp(m_nButtons, pt);
        } else if (kind == "right") {
            m_pView->OnRButtonDown(m_nButtons | MK_RBUTTON, pt);
            m_pView->OnRButtonUp(m_nButtons, pt);
        } else {
            strError = "mouse event \"" + kind + "\" is not down, move, up or right";
            return false;
        }
        m_window.UpdateWindow();
    }
    return true;
}

double CRenderSession::MedianPaintMs(int nRepeat) {
    std::vector<double> times;
    QImage image = CRasterDC::CreateImage(m_window.GetClientSize(), RGB(255, 255, 255));
    for (int i = 0; i < nRepeat; ++i) {
        CRasterDC dc(image, m_window.GetScreenLogPixelsX());
        dc.SetWindowOrg(m_window.GetScrollPosition());
        const auto start = std::chrono::steady_clock::now();
        m_pView->OnDraw(&dc);
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times.empty() ? 0.0 : times[times.size() / 2];
}

// The strip's click opens the detail window here without a screen: its events are sent, and its
// picture after them is written.
int CRenderSession::RunDetailWindow(CDetailWaveWnd& wnd) {
    CHeadlessDetailWindow window(wnd);
    window.Open();
    if (!m_options.strDetailMouse.empty())
        CDetailEventScript(wnd).Run(m_options.strDetailMouse, m_strDetailError);
    if (!m_options.strDetailOutput.empty() && !window.SavePng(m_options.strDetailOutput) &&
        m_strDetailError.empty())
        m_strDetailError = "cannot write " + m_options.strDetailOutput;
    m_detail =
        SDetailReport{wnd.GetViewSample(), wnd.GetRangeStart(), wnd.GetMeasureMode(), wnd.GetMeasureStep()};
    return window.IsEnded() ? window.GetResult() : IDCANCEL;
}

CSize CRenderSession::PagePixels() const {
    auto pixels = [&](int nMm) { return static_cast<int>(std::lround(nMm * m_options.nDpi / MM_PER_INCH)); };
    return {pixels(m_options.sizePageMm.cx), pixels(m_options.sizePageMm.cy)};
}

int CRenderSession::PrintPages() {
    CImagePrintPages pages(m_options.strPrintFolder, PagePixels(), m_options.nDpi);
    CPrintInfo info;
    const int nPages = CPrintLoop::Run(*m_pView, pages, info);
    return pages.HasFailed() ? -1 : nPages;
}

int CRenderSession::PrintPdf() {
    QPdfWriter writer(QString::fromStdString(m_options.strOutput));
    writer.setResolution(m_options.nDpi);
    writer.setPageSize(
        QPageSize(QSizeF(m_options.sizePageMm.cx, m_options.sizePageMm.cy), QPageSize::Millimeter));
    writer.setPageMargins(QMarginsF());
    writer.setCreator("Zelvo");
    CPagedPrintPages pages(writer);
    CPrintInfo info;
    const int nPages = CPrintLoop::Run(*m_pView, pages, info);
    return pages.IsUsable() ? nPages : -1;
}

void CRenderSession::WriteReport(CJsonWriter& json) const {
    const ViewSettings& s = *m_pView->GetSettings();
    const CRect& rc = m_pView->GetExtent();
    json.Key("category");
    json.Int(m_pView->GetCategory());
    json.Key("pixelsPerMm");
    json.Int(m_pView->GetPixelsPerMm());
    json.Key("extent");
    json.BeginArray();
    for (const int n : {rc.left, rc.top, rc.right, rc.bottom})
        json.Int(n);
    json.EndArray();
    json.Key("settings");
    json.BeginObject();
    const std::pair<const char*, int32_t> fields[] = {
        {"m_nLayout", s.m_nLayout},           {"m_nLeadSetKind", s.m_nLeadSetKind},
        {"m_nSensitivity", s.m_nSensitivity}, {"m_nMouseMode", s.m_nMouseMode},
        {"m_bMouseCmds", s.m_bMouseCmds},     {"m_bUniversal", s.m_bUniversal},
        {"m_bEcgView", s.m_bEcgView},         {"m_bSmooth", s.m_bSmooth},
        {"m_nTimeScale", s.m_nTimeScale},     {"m_bZoomCmds", s.m_bZoomCmds},
        {"m_nFilter", s.m_nFilter},
    };
    for (const auto& [name, value] : fields) {
        json.Key(name);
        json.Int(value);
    }
    json.EndObject();
    json.Key("measureState");
    json.Int(m_pView->GetMeasureState());
    if (m_detail)
        WriteDetailReport(json);
}

void CRenderSession::WriteDetailReport(CJsonWriter& json) const {
    json.Key("detail");
    json.BeginObject();
    const std::pair<const char*, int64_t> fields[] = {
        {"viewSample", m_detail->nViewSample},
        {"rangeStart", m_detail->nRangeStart},
        {"measureMode", m_detail->nMeasureMode},
        {"measureStep", m_detail->nMeasureStep},
    };
    for (const auto& [name, value] : fields) {
        json.Key(name);
        json.Int(value);
    }
    json.EndObject();
}

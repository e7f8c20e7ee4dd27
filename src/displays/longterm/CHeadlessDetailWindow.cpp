#include "displays/longterm/CHeadlessDetailWindow.h"

#include "displays/longterm/CDetailWaveWnd.h"
#include "platform/CRasterDC.h"
#include "platform/QtColor.h"

#include <QString>

namespace {

constexpr COLORREF g_crDialogBackground = RGB(240, 240, 240);

} // namespace

CHeadlessDetailWindow::CHeadlessDetailWindow(CDetailWaveWnd& wnd) : m_wnd(wnd) {
    m_wnd.Attach(this);
}

void CHeadlessDetailWindow::Open() {
    m_wnd.OnInitDialog();
    RedrawNow();
}

bool CHeadlessDetailWindow::SavePng(const std::string& strPath) const {
    return m_image.save(QString::fromStdString(strPath), "PNG");
}

void CHeadlessDetailWindow::SetClientSize(CSize sizeClient) {
    m_image = CRasterDC::CreateImage(sizeClient, g_crDialogBackground);
}

void CHeadlessDetailWindow::SetScrollRange(int nMin, int nMax, bool) {
    m_nScrollMin = nMin;
    m_nScrollMax = nMax;
}

void CHeadlessDetailWindow::SetScrollPos(int nPos, bool) {
    m_nScrollPos = nPos;
}

void CHeadlessDetailWindow::RedrawNow() {
    ++m_nPaintCount;
    m_image.fill(ToQRgb(g_crDialogBackground));
    CRasterDC dc(m_image);
    m_wnd.OnPaint(&dc);
}

std::unique_ptr<CDC> CHeadlessDetailWindow::GetClientDC() {
    return std::make_unique<CRasterDC>(m_image);
}

void CHeadlessDetailWindow::EndDialog(int nResult) {
    m_bEnded = true;
    m_nResult = nResult;
}

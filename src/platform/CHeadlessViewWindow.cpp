#include "platform/CHeadlessViewWindow.h"

#include "platform/QtColor.h"

#include <QString>

#include <algorithm>

namespace {

// The window class's background, which every paint starts from.
constexpr COLORREF g_crWindowBackground = RGB(255, 255, 255);
constexpr unsigned g_nButtonsMask = 0x000F;

int FirstButton(unsigned nStyle) {
    return (nStyle & g_nButtonsMask) == MB_YESNO ? IDYES : IDOK;
}

CSize NonNegative(CSize size) {
    return {std::max(size.cx, 0), std::max(size.cy, 0)};
}

} // namespace

CHeadlessViewWindow::CHeadlessViewWindow(CSize sizeClient, int nLogPixelsX) : m_nLogPixelsX(nLogPixelsX) {
    SetClientSize(sizeClient);
}

void CHeadlessViewWindow::SetClientSize(CSize sizeClient) {
    const CSize size = NonNegative(sizeClient);
    m_image = CRasterDC::CreateImage(size, g_crWindowBackground);
    m_scroll.SetClientSize(size);
    m_bInvalid = true;
}

bool CHeadlessViewWindow::SavePng(const std::string& strPath) const {
    return m_image.save(QString::fromStdString(strPath), "PNG");
}

void CHeadlessViewWindow::InvalidateIf(bool bChanged) {
    m_bInvalid = m_bInvalid || bChanged;
}

void CHeadlessViewWindow::ScrollToPosition(CPoint pt) {
    InvalidateIf(m_scroll.ScrollToPosition(pt));
}

void CHeadlessViewWindow::SetScrollSizes(CSize sizeTotal, CSize sizePage, CSize sizeLine) {
    const CPoint ptBefore = m_scroll.GetScrollPosition();
    m_scroll.SetScrollSizes(sizeTotal, sizePage, sizeLine);
    InvalidateIf(m_scroll.GetScrollPosition() != ptBefore);
}

void CHeadlessViewWindow::DefaultScroll(int nBar, int nScrollCode, int nPos) {
    InvalidateIf(m_scroll.Scroll(nBar, nScrollCode, nPos));
}

void CHeadlessViewWindow::SetCursor(ECursor eCursor) {
    m_eCursor = eCursor;
    m_aCursorHistory.push_back(eCursor);
}

void CHeadlessViewWindow::RedrawNow() {
    m_bInvalid = true;
    UpdateWindow();
}

// A paint that asks for another paint leaves the window invalid for the next update instead of
// painting inside itself.
void CHeadlessViewWindow::UpdateWindow() {
    if (m_bInvalid && !m_bPainting) {
        Paint();
    }
}

void CHeadlessViewWindow::Paint() {
    struct SPaintingScope {
        bool& bPainting;
        explicit SPaintingScope(bool& b) : bPainting(b) { bPainting = true; }
        ~SPaintingScope() { bPainting = false; }
    } scope(m_bPainting);
    m_bInvalid = false;
    ++m_nPaintCount;
    m_image.fill(ToQRgb(g_crWindowBackground));
    CRasterDC dc(m_image, m_nLogPixelsX);
    dc.SetWindowOrg(m_scroll.GetScrollPosition());
    if (m_fnPaint) {
        m_fnPaint(dc);
    }
}

std::unique_ptr<CDC> CHeadlessViewWindow::GetClientDC() {
    return std::make_unique<CRasterDC>(m_image, m_nLogPixelsX);
}

int CHeadlessViewWindow::MessageBox(const std::string& strText, const std::string& strCaption,
                                    unsigned nStyle) {
    m_aMessageBoxes.push_back({strText, strCaption, nStyle});
    if (m_pEcho != nullptr) {
        *m_pEcho << strCaption << ": " << strText << '\n';
    }
    return m_nReply.value_or(FirstButton(nStyle));
}

void CHeadlessViewWindow::EndWaitCursor() {
    m_nWaitDepth = std::max(m_nWaitDepth - 1, 0);
}

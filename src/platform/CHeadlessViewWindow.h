#pragma once

#include "platform/CRasterDC.h"
#include "platform/CScrollState.h"
#include "platform/IViewWindow.h"

#include <QImage>

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// A view window without a screen, for the tests and the command-line tool. Its client area is an
// image; painting calls the registered paint function with a context whose window origin is the
// scroll position. Scrolling only invalidates, like a real window: the picture follows at the next
// RedrawNow or UpdateWindow. Cursors and message boxes are recorded.
class CHeadlessViewWindow : public IViewWindow {
public:
    using PaintHandler = std::function<void(CDC& dc)>;
    struct SMessageBox {
        std::string strText;
        std::string strCaption;
        unsigned nStyle = MB_OK;
    };

    explicit CHeadlessViewWindow(CSize sizeClient, int nLogPixelsX = g_nScreenLogPixels);

    void SetPaintHandler(PaintHandler fnPaint) { m_fnPaint = std::move(fnPaint); }
    void SetClientSize(CSize sizeClient);
    // Paints if anything invalidated the window since its last paint, as a message loop would.
    void UpdateWindow();
    bool IsInvalid() const { return m_bInvalid; }
    int GetPaintCount() const { return m_nPaintCount; }
    const QImage& GetImage() const { return m_image; }
    bool SavePng(const std::string& strPath) const;

    // The pointer shown now: the wait cursor while one is up, otherwise the last one set.
    ECursor GetCursor() const { return m_nWaitDepth > 0 ? ECursor::Wait : m_eCursor; }
    const std::vector<ECursor>& GetCursorHistory() const { return m_aCursorHistory; }

    const std::vector<SMessageBox>& GetMessageBoxes() const { return m_aMessageBoxes; }
    // The answer to give; without one, the first button of each box (OK or Yes).
    void SetMessageBoxReply(std::optional<int> nReply) { m_nReply = nReply; }
    // Where message boxes are also written as "caption: text" lines; nullptr keeps them silent.
    void SetMessageEcho(std::ostream* pEcho) { m_pEcho = pEcho; }

    CSize GetClientSize() const override { return m_scroll.GetClientSize(); }
    CPoint GetScrollPosition() const override { return m_scroll.GetScrollPosition(); }
    void ScrollToPosition(CPoint pt) override;
    void SetScrollSizes(CSize sizeTotal, CSize sizePage, CSize sizeLine) override;
    CSize GetTotalSize() const override { return m_scroll.GetTotalSize(); }
    int GetScrollLimit(int nBar) const override { return m_scroll.GetScrollLimit(nBar); }
    void DefaultScroll(int nBar, int nScrollCode, int nPos) override;
    void SetCursor(ECursor eCursor) override;
    void RedrawNow() override;
    std::unique_ptr<CDC> GetClientDC() override;
    int GetScreenLogPixelsX() const override { return m_nLogPixelsX; }

    int MessageBox(const std::string& strText, const std::string& strCaption, unsigned nStyle) override;
    void BeginWaitCursor() override { ++m_nWaitDepth; }
    void EndWaitCursor() override;

    const CScrollState& GetScrollState() const { return m_scroll; }

private:
    void InvalidateIf(bool bChanged);
    void Paint();

    QImage m_image;
    int m_nLogPixelsX;
    CScrollState m_scroll;
    PaintHandler m_fnPaint;
    bool m_bInvalid = true;
    bool m_bPainting = false;
    int m_nPaintCount = 0;
    ECursor m_eCursor = ECursor::Arrow;
    std::vector<ECursor> m_aCursorHistory;
    int m_nWaitDepth = 0;
    std::vector<SMessageBox> m_aMessageBoxes;
    std::optional<int> m_nReply;
    std::ostream* m_pEcho = nullptr;
};

#pragma once

#include "platform/CScrollState.h"
#include "platform/IViewWindow.h"

#include <QAbstractScrollArea>
#include <QImage>

#include <functional>

class CZelvoView;
class QPainter;

// The waveform window: a Qt scroll area whose picture is an image the view paints through a raster
// context with the window origin at the scroll position. The scroll bars follow the view's scroll
// sizes; mouse, keys and scroll-bar actions go to the view, which scrolls through DefaultScroll.
class CZelvoViewWidget : public QAbstractScrollArea, public IViewWindow {
public:
    using OverlayPainter = std::function<void(QPainter& painter, CPoint ptScroll)>;

    explicit CZelvoViewWidget(QWidget* pParent = nullptr);

    void SetView(CZelvoView* pView) { m_pView = pView; }
    // Drawn over the view's picture on every paint: the embedded objects.
    void SetOverlayPainter(OverlayPainter fnOverlay) { m_fnOverlay = std::move(fnOverlay); }
    // Marks the picture out of date and schedules a paint.
    void Invalidate();
    const QImage& GetImage() const { return m_image; }
    ECursor GetCursor() const { return m_eCursor; }

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
    int GetScreenLogPixelsX() const override;

    int MessageBox(const std::string& strText, const std::string& strCaption, unsigned nStyle) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    void scrollContentsBy(int, int) override {}

private:
    void OnScrollAction(int nBar, int nAction);
    void MovedIf(bool bMoved);
    void SyncScrollBars();
    void RepaintImage();
    // Device pixels per logical pixel of the screen the widget is on, and the resolution that gives.
    double DeviceRatio() const;
    int DeviceLogPixelsX() const;

    CZelvoView* m_pView = nullptr;
    CScrollState m_scroll;
    QImage m_image;
    OverlayPainter m_fnOverlay;
    bool m_bStale = true;
    bool m_bPainting = false;
    bool m_bSyncing = false;
    ECursor m_eCursor = ECursor::Arrow;
    int m_nWaitDepth = 0;
};

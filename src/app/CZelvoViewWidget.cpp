#include "app/CZelvoViewWidget.h"

#include "app/CCursorSet.h"
#include "app/CMessageBox.h"
#include "app/CWindowClientDC.h"
#include "platform/CRasterDC.h"
#include "platform/MouseKeys.h"
#include "platform/QtColor.h"
#include "platform/ScrollBar.h"
#include "view/CZelvoView.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace {

// The window class's background, which every paint starts from.
constexpr COLORREF g_crWindowBackground = RGB(255, 255, 255);

struct KeyMapping {
    int nQtKey;
    unsigned nVirtualKey;
};

constexpr KeyMapping g_aNavigationKeys[] = {
    {Qt::Key_PageUp, VK_PRIOR}, {Qt::Key_PageDown, VK_NEXT}, {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME},    {Qt::Key_Left, VK_LEFT},     {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},  {Qt::Key_Down, VK_DOWN},
};

// The scroll message a scroll-bar action stands for; -1 for none.
int ScrollCodeOf(int nAction) {
    switch (nAction) {
    case QAbstractSlider::SliderSingleStepAdd:
        return SB_LINEDOWN;
    case QAbstractSlider::SliderSingleStepSub:
        return SB_LINEUP;
    case QAbstractSlider::SliderPageStepAdd:
        return SB_PAGEDOWN;
    case QAbstractSlider::SliderPageStepSub:
        return SB_PAGEUP;
    case QAbstractSlider::SliderToMinimum:
        return SB_TOP;
    case QAbstractSlider::SliderToMaximum:
        return SB_BOTTOM;
    case QAbstractSlider::SliderMove:
        return SB_THUMBTRACK;
    default:
        return -1;
    }
}

unsigned MouseFlags(const QMouseEvent& event) {
    unsigned nFlags = 0;
    const Qt::MouseButtons buttons = event.buttons();
    if (buttons & Qt::LeftButton)
        nFlags |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        nFlags |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton)
        nFlags |= MK_MBUTTON;
    if (event.modifiers() & Qt::ShiftModifier)
        nFlags |= MK_SHIFT;
    if (event.modifiers() & Qt::ControlModifier)
        nFlags |= MK_CONTROL;
    return nFlags;
}

// Positions are device pixels, the view's own unit on a high-density screen too.
CPoint ClientPoint(const QMouseEvent& event, double ratio) {
    const QPointF pt = event.position() * ratio;
    return {static_cast<int>(pt.x()), static_cast<int>(pt.y())};
}

} // namespace

CZelvoViewWidget::CZelvoViewWidget(QWidget* pParent) : QAbstractScrollArea(pParent) {
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int nAction) { OnScrollAction(SB_HORZ, nAction); });
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int nAction) { OnScrollAction(SB_VERT, nAction); });
}

void CZelvoViewWidget::Invalidate() {
    m_bStale = true;
    viewport()->update();
}

// ---- Scrolling -------------------------------------------------------------------------------

void CZelvoViewWidget::OnScrollAction(int nBar, int nAction) {
    if (m_bSyncing)
        return;
    QScrollBar* pBar = nBar == SB_HORZ ? horizontalScrollBar() : verticalScrollBar();
    const int nCode = ScrollCodeOf(nAction);
    const int nPos = pBar->sliderPosition();
    if (nCode >= 0 && m_pView != nullptr)
        m_pView->OnScroll(nBar, nCode, nPos);
    else if (nCode >= 0)
        DefaultScroll(nBar, nCode, nPos);
    // The bar moves to where the view scrolled, not where Qt would have put it.
    const CPoint pt = m_scroll.GetScrollPosition();
    pBar->setSliderPosition(nBar == SB_HORZ ? pt.x : pt.y);
}

void CZelvoViewWidget::MovedIf(bool bMoved) {
    SyncScrollBars();
    if (bMoved)
        Invalidate();
}

void CZelvoViewWidget::SyncScrollBars() {
    m_bSyncing = true;
    const CPoint pt = m_scroll.GetScrollPosition();
    const CSize sizePage = m_scroll.GetPageSize();
    const CSize sizeLine = m_scroll.GetLineSize();
    auto sync = [](QScrollBar* pBar, int nLimit, int nPage, int nLine, int nPos) {
        pBar->setRange(0, nLimit);
        pBar->setPageStep(std::max(nPage, 1));
        pBar->setSingleStep(std::max(nLine, 1));
        pBar->setValue(nPos);
    };
    sync(horizontalScrollBar(), m_scroll.GetScrollLimit(SB_HORZ), sizePage.cx, sizeLine.cx, pt.x);
    sync(verticalScrollBar(), m_scroll.GetScrollLimit(SB_VERT), sizePage.cy, sizeLine.cy, pt.y);
    m_bSyncing = false;
}

void CZelvoViewWidget::ScrollToPosition(CPoint pt) {
    MovedIf(m_scroll.ScrollToPosition(pt));
}

void CZelvoViewWidget::SetScrollSizes(CSize sizeTotal, CSize sizePage, CSize sizeLine) {
    const CPoint ptBefore = m_scroll.GetScrollPosition();
    m_scroll.SetScrollSizes(sizeTotal, sizePage, sizeLine);
    MovedIf(m_scroll.GetScrollPosition() != ptBefore);
}

void CZelvoViewWidget::DefaultScroll(int nBar, int nScrollCode, int nPos) {
    MovedIf(m_scroll.Scroll(nBar, nScrollCode, nPos));
}

// ---- Painting --------------------------------------------------------------------------------

void CZelvoViewWidget::RedrawNow() {
    m_bStale = true;
    RepaintImage();
    viewport()->repaint();
}

// A paint that asks for another paint leaves the picture stale for the next paint instead of
// painting inside itself.
void CZelvoViewWidget::RepaintImage() {
    if (m_bPainting || !m_bStale)
        return;
    m_bPainting = true;
    m_bStale = false;
    const CSize sizeClient = m_scroll.GetClientSize();
    if (m_image.width() != sizeClient.cx || m_image.height() != sizeClient.cy)
        m_image = CRasterDC::CreateImage(sizeClient, g_crWindowBackground);
    else
        m_image.fill(ToQRgb(g_crWindowBackground));
    CRasterDC dc(m_image, DeviceLogPixelsX());
    dc.SetWindowOrg(m_scroll.GetScrollPosition());
    if (m_pView != nullptr)
        m_pView->OnDraw(&dc);
    m_bPainting = false;
    if (m_bStale)
        viewport()->update();
}

void CZelvoViewWidget::paintEvent(QPaintEvent*) {
    RepaintImage();
    QPainter painter(viewport());
    // The picture is drawn in device pixels and shown one to one, so it stays sharp at any
    // screen scale.
    const double ratio = DeviceRatio();
    painter.scale(1.0 / ratio, 1.0 / ratio);
    painter.drawImage(0, 0, m_image);
    if (m_fnOverlay)
        m_fnOverlay(painter, m_scroll.GetScrollPosition());
}

void CZelvoViewWidget::resizeEvent(QResizeEvent* pEvent) {
    QAbstractScrollArea::resizeEvent(pEvent);
    const QSize size = viewport()->size() * DeviceRatio();
    m_scroll.SetClientSize(CSize(size.width(), size.height()));
    SyncScrollBars();
    Invalidate();
}

std::unique_ptr<CDC> CZelvoViewWidget::GetClientDC() {
    return std::make_unique<CWindowClientDC>(m_image, DeviceLogPixelsX(), [this] { viewport()->update(); });
}

int CZelvoViewWidget::GetScreenLogPixelsX() const {
    return logicalDpiX();
}

double CZelvoViewWidget::DeviceRatio() const {
    return viewport()->devicePixelRatioF();
}

int CZelvoViewWidget::DeviceLogPixelsX() const {
    return static_cast<int>(logicalDpiX() * DeviceRatio() + 0.5);
}

// ---- Input -----------------------------------------------------------------------------------

void CZelvoViewWidget::mouseMoveEvent(QMouseEvent* pEvent) {
    if (m_pView != nullptr)
        m_pView->OnMouseMove(MouseFlags(*pEvent), ClientPoint(*pEvent, DeviceRatio()));
}

void CZelvoViewWidget::mousePressEvent(QMouseEvent* pEvent) {
    if (m_pView == nullptr)
        return;
    if (pEvent->button() == Qt::LeftButton)
        m_pView->OnLButtonDown(MouseFlags(*pEvent), ClientPoint(*pEvent, DeviceRatio()));
    else if (pEvent->button() == Qt::RightButton)
        m_pView->OnRButtonDown(MouseFlags(*pEvent), ClientPoint(*pEvent, DeviceRatio()));
}

void CZelvoViewWidget::mouseReleaseEvent(QMouseEvent* pEvent) {
    if (m_pView == nullptr)
        return;
    if (pEvent->button() == Qt::LeftButton)
        m_pView->OnLButtonUp(MouseFlags(*pEvent), ClientPoint(*pEvent, DeviceRatio()));
    else if (pEvent->button() == Qt::RightButton)
        m_pView->OnRButtonUp(MouseFlags(*pEvent), ClientPoint(*pEvent, DeviceRatio()));
}

void CZelvoViewWidget::keyPressEvent(QKeyEvent* pEvent) {
    const auto it = std::find_if(std::begin(g_aNavigationKeys), std::end(g_aNavigationKeys),
                                 [&](const KeyMapping& key) { return key.nQtKey == pEvent->key(); });
    if (it == std::end(g_aNavigationKeys) || m_pView == nullptr) {
        pEvent->ignore();
        return;
    }
    m_pView->OnKeyDown(it->nVirtualKey);
}

// The view shows no context menu.
void CZelvoViewWidget::contextMenuEvent(QContextMenuEvent* pEvent) {
    pEvent->accept();
}

// ---- Cursors and prompts -----------------------------------------------------------------------

void CZelvoViewWidget::SetCursor(ECursor eCursor) {
    m_eCursor = eCursor;
    viewport()->setCursor(CCursorSet::Get(eCursor));
}

int CZelvoViewWidget::MessageBox(const std::string& strText, const std::string& strCaption, unsigned nStyle) {
    return CMessageBox::Show(window(), strText, strCaption, nStyle);
}

void CZelvoViewWidget::BeginWaitCursor() {
    if (m_nWaitDepth++ == 0)
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CZelvoViewWidget::EndWaitCursor() {
    if (m_nWaitDepth > 0 && --m_nWaitDepth == 0)
        QApplication::restoreOverrideCursor();
}

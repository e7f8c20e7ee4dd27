#include "app/CDetailWaveDialog.h"

#include "displays/longterm/CDetailWaveWnd.h"
#include "displays/longterm/DetailWaveMenu.h"
#include "platform/CRasterDC.h"
#include "platform/MouseKeys.h"
#include "platform/QtColor.h"
#include "platform/ScrollBar.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

constexpr COLORREF g_crDialogBackground = RGB(240, 240, 240);
constexpr int DIALOG_FONT_POINTS = 9;

unsigned KeyStateOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    unsigned nFlags = 0;
    nFlags |= buttons & Qt::LeftButton ? MK_LBUTTON : 0U;
    nFlags |= buttons & Qt::RightButton ? MK_RBUTTON : 0U;
    nFlags |= buttons & Qt::MiddleButton ? MK_MBUTTON : 0U;
    nFlags |= modifiers & Qt::ShiftModifier ? MK_SHIFT : 0U;
    nFlags |= modifiers & Qt::ControlModifier ? MK_CONTROL : 0U;
    return nFlags;
}

CPoint PointOf(const QMouseEvent* pEvent) {
    const QPoint pt = pEvent->position().toPoint();
    return {pt.x(), pt.y()};
}

Qt::CursorShape ShapeOf(ECursor eCursor) {
    switch (eCursor) {
    case ECursor::None:
        return Qt::BlankCursor;
    case ECursor::Hand:
        return Qt::OpenHandCursor;
    case ECursor::Grab:
        return Qt::ClosedHandCursor;
    case ECursor::No:
        return Qt::ForbiddenCursor;
    case ECursor::Wait:
        return Qt::WaitCursor;
    case ECursor::Cross:
    case ECursor::Magnifier:
        return Qt::CrossCursor;
    case ECursor::Arrow:
        break;
    }
    return Qt::ArrowCursor;
}

int ScrollCodeOf(int nAction) {
    switch (nAction) {
    case QAbstractSlider::SliderSingleStepSub:
        return SB_LINELEFT;
    case QAbstractSlider::SliderSingleStepAdd:
        return SB_LINERIGHT;
    case QAbstractSlider::SliderPageStepSub:
        return SB_PAGELEFT;
    case QAbstractSlider::SliderPageStepAdd:
        return SB_PAGERIGHT;
    case QAbstractSlider::SliderMove:
        return SB_THUMBTRACK;
    case QAbstractSlider::SliderToMinimum:
        return SB_LEFT;
    case QAbstractSlider::SliderToMaximum:
        return SB_RIGHT;
    default:
        return SB_ENDSCROLL;
    }
}

} // namespace

CDetailWaveDialog::CDetailWaveDialog(CDetailWaveWnd& wnd, QWidget* pParent)
    : QDialog(pParent), m_wnd(wnd), m_pPaper(new QWidget(this)),
      m_pScrollBar(new QScrollBar(Qt::Horizontal, this)) {
    setWindowTitle(QString::fromUtf8(g_pszDetailCaption));
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), DIALOG_FONT_POINTS));
    setSizeGripEnabled(true);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(0);
    pLayout->addWidget(m_pPaper, 1);
    pLayout->addWidget(m_pScrollBar);
    BuildMenu();
    m_pPaper->setMouseTracking(true);
    m_pPaper->setAttribute(Qt::WA_OpaquePaintEvent);
    m_pPaper->installEventFilter(this);
    connect(m_pScrollBar, &QScrollBar::actionTriggered, this,
            [this](int nAction) { OnScrollAction(nAction); });
    m_wnd.Attach(this);
}

CDetailWaveDialog::~CDetailWaveDialog() {
    m_wnd.Attach(nullptr);
}

int CDetailWaveDialog::RunModal(CDetailWaveWnd& wnd, QWidget* pParent) {
    CDetailWaveDialog dialog(wnd, pParent);
    wnd.OnInitDialog();
    return dialog.exec();
}

void CDetailWaveDialog::BuildMenu() {
    auto* pMenuBar = new QMenuBar(this);
    layout()->setMenuBar(pMenuBar);
    for (const SDetailMenuPopup& popup : GetDetailWaveMenu()) {
        QMenu* pMenu = pMenuBar->addMenu(QString::fromUtf8(popup.pszText));
        for (const SDetailMenuItem& item : popup.aItems) {
            if (item.nId == 0) {
                pMenu->addSeparator();
                continue;
            }
            QAction* pAction = pMenu->addAction(QString::fromUtf8(item.pszText));
            const int nId = item.nId;
            connect(pAction, &QAction::triggered, this, [this, nId] { m_wnd.OnCommand(nId); });
            m_actions[nId] = pAction;
        }
        // A dialog gets no idle update: the items are brought up to date as their popup opens.
        connect(pMenu, &QMenu::aboutToShow, this, [this, pMenu] { UpdatePopup(pMenu); });
    }
}

void CDetailWaveDialog::UpdatePopup(QMenu* pMenu) {
    for (QAction* pAction : pMenu->actions()) {
        for (const auto& [nId, pItem] : m_actions) {
            if (pItem != pAction)
                continue;
            CCmdUI cmdUI(nId);
            if (!m_wnd.OnUpdateCommand(cmdUI))
                continue;
            pAction->setEnabled(cmdUI.m_bEnabled);
            pAction->setCheckable(cmdUI.m_bChecked || pAction->isCheckable());
            pAction->setChecked(cmdUI.m_bChecked);
        }
    }
}

QAction* CDetailWaveDialog::GetCommandAction(int nId) const {
    const auto it = m_actions.find(nId);
    return it != m_actions.end() ? it->second : nullptr;
}

// ---- The window the detail logic draws on ----------------------------------------------------

CSize CDetailWaveDialog::GetClientSize() const {
    return {m_pPaper->width(), m_pPaper->height()};
}

void CDetailWaveDialog::SetClientSize(CSize sizeClient) {
    // The dialog grows around a paper area of exactly this size, and may be resized afterwards.
    m_pPaper->setMinimumSize(sizeClient.cx, sizeClient.cy);
    adjustSize();
    m_pPaper->setMinimumSize(1, 1);
    SyncImageSize();
}

void CDetailWaveDialog::SetScrollRange(int nMin, int nMax, bool) {
    const QSignalBlocker blocker(m_pScrollBar);
    m_pScrollBar->setRange(nMin, nMax);
}

void CDetailWaveDialog::SetScrollPos(int nPos, bool) {
    const QSignalBlocker blocker(m_pScrollBar);
    m_pScrollBar->setSliderPosition(nPos);
    m_pScrollBar->setValue(nPos);
}

void CDetailWaveDialog::SetCursor(ECursor eCursor) {
    m_pPaper->setCursor(ShapeOf(eCursor));
}

void CDetailWaveDialog::SyncImageSize() {
    const QSize size = m_pPaper->size();
    if (m_image.size() != size)
        m_image = CRasterDC::CreateImage(CSize(size.width(), size.height()), g_crDialogBackground);
}

void CDetailWaveDialog::RedrawNow() {
    SyncImageSize();
    m_image.fill(ToQRgb(g_crDialogBackground));
    {
        CRasterDC dc(m_image);
        m_wnd.OnPaint(&dc);
    }
    m_pPaper->repaint();
}

std::unique_ptr<CDC> CDetailWaveDialog::GetClientDC() {
    SyncImageSize();
    // What the context draws reaches the screen at the next expose of the paper.
    m_pPaper->update();
    return std::make_unique<CRasterDC>(m_image);
}

void CDetailWaveDialog::EndDialog(int nResult) {
    done(nResult);
}

// ---- Events ----------------------------------------------------------------------------------

void CDetailWaveDialog::OnScrollAction(int nAction) {
    m_wnd.OnHScroll(ScrollCodeOf(nAction), m_pScrollBar->sliderPosition());
    // The bar shows where the window is, not where Qt's own step would have put it.
    m_pScrollBar->setSliderPosition(m_wnd.GetScrollX());
}

bool CDetailWaveDialog::eventFilter(QObject* pWatched, QEvent* pEvent) {
    if (pWatched == m_pPaper && OnPaperEvent(pEvent))
        return true;
    return QDialog::eventFilter(pWatched, pEvent);
}

bool CDetailWaveDialog::OnPaperEvent(QEvent* pEvent) {
    switch (pEvent->type()) {
    case QEvent::Paint: {
        QPainter painter(m_pPaper);
        painter.drawImage(0, 0, m_image);
        return true;
    }
    case QEvent::Resize:
        RedrawNow();
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* pMouse = static_cast<QMouseEvent*>(pEvent);
        const unsigned nFlags = KeyStateOf(pMouse->buttons(), pMouse->modifiers());
        if (pMouse->button() == Qt::LeftButton)
            m_wnd.OnLButtonDown(nFlags, PointOf(pMouse));
        else if (pMouse->button() == Qt::RightButton)
            m_wnd.OnRButtonDown(nFlags, PointOf(pMouse));
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* pMouse = static_cast<QMouseEvent*>(pEvent);
        if (pMouse->button() == Qt::LeftButton)
            m_wnd.OnLButtonUp(KeyStateOf(pMouse->buttons(), pMouse->modifiers()), PointOf(pMouse));
        return true;
    }
    case QEvent::MouseMove: {
        auto* pMouse = static_cast<QMouseEvent*>(pEvent);
        m_wnd.OnMouseMove(KeyStateOf(pMouse->buttons(), pMouse->modifiers()), PointOf(pMouse));
        return true;
    }
    default:
        return false;
    }
}

void CDetailWaveDialog::keyPressEvent(QKeyEvent* pEvent) {
    switch (pEvent->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_wnd.OnKeyDown(VK_RETURN);
        return;
    case Qt::Key_Escape:
        m_wnd.OnKeyDown(VK_ESCAPE);
        return;
    default:
        QDialog::keyPressEvent(pEvent);
    }
}

void CDetailWaveDialog::closeEvent(QCloseEvent* pEvent) {
    // The close box ends the window through its own logic, which sets the result.
    if (result() == 0 && isVisible())
        m_wnd.OnClose();
    pEvent->accept();
}

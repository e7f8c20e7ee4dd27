#include "app/CMainFrame.h"

#include "app/CCommandActions.h"
#include "app/CDetailWaveDialog.h"
#include "app/CSettingsProfile.h"
#include "app/CWindowPlacement.h"
#include "app/CZelvoCntrItem.h"
#include "app/CZelvoDoc.h"
#include "app/CZelvoViewWidget.h"
#include "app/dialogs/CAboutDlg.h"
#include "res/CResources.h"
#include "res/Resource.h"
#include "view/CZelvoView.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

namespace {

// How often the toolbar takes its commands' state while the program is idle.
constexpr int g_nIdleUpdateMs = 250;
// A first start, with no saved placement, takes this share of the screen.
constexpr double g_dFirstSizeShare = 0.8;
const QString g_strToolBarState = QStringLiteral("ToolBar/State");

// The fields of the document template string (resource 128).
enum : int { DOC_FILTER_NAME = 3 };

constexpr int g_anIndicators[] = {ID_INDICATOR_KANA, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

QString Text(unsigned nId) {
    return QString::fromStdString(CResources::LoadString(nId));
}

QString RecentFileText(int nIndex, const QString& strPath) {
    return QStringLiteral("&%1 %2").arg(nIndex + 1).arg(QDir::toNativeSeparators(strPath));
}

} // namespace

CMainFrame::CMainFrame(CZelvoDoc& doc, CSettingsProfile& profile)
    : m_doc(doc), m_profile(profile), m_pViewWidget(new CZelvoViewWidget(this)), m_printing(this),
      m_dialogHost(*m_pViewWidget, m_items, m_printing), m_recentFiles(profile.GetSettings()) {
    setObjectName(QStringLiteral("CMainFrame"));
    setCentralWidget(m_pViewWidget);
    m_pView = std::make_unique<CZelvoView>(m_doc, *m_pViewWidget, m_profile);
    m_pView->SetDialogHost(&m_dialogHost);
    m_pView->SetDetailWindowRunner(
        [this](CDetailWaveWnd& wnd) { return CDetailWaveDialog::RunModal(wnd, this); });
    m_pViewWidget->SetView(m_pView.get());
    m_pViewWidget->SetOverlayPainter(
        [this](QPainter& painter, CPoint ptScroll) { m_items.Draw(painter, ptScroll); });
    m_pViewWidget->viewport()->installEventFilter(this);
    m_doc.SetPrompt(m_pViewWidget);
    setAcceptDrops(true);
    connect(&m_idleTimer, &QTimer::timeout, this, [this] { UpdateToolBar(); });
}

CMainFrame::~CMainFrame() {
    m_doc.SetPrompt(nullptr);
    m_pViewWidget->SetView(nullptr);
}

// ---- Creation ----------------------------------------------------------------------------------

bool CMainFrame::OnCreate() {
    const MenuResource* pMenu = CResources::LoadMenu(IDR_MAINFRAME);
    const ToolBarResource* pToolBar = CResources::LoadToolBar(IDR_MAINFRAME);
    const AcceleratorTable* pAccelerators = CResources::LoadAccelerators(IDR_MAINFRAME);
    if (pMenu == nullptr || pToolBar == nullptr || pAccelerators == nullptr)
        return false;
    m_pCommands = new CCommandActions(
        this, [this](int nId) { OnCommand(nId); }, [this](CCmdUI& cmdUI) { return OnUpdateCommand(cmdUI); });
    m_pCommands->BuildMenuBar(*pMenu, menuBar());
    m_pToolBar = addToolBar(QString());
    m_pToolBar->setObjectName(QStringLiteral("ToolBar%1").arg(IDR_MAINFRAME));
    m_pCommands->BuildToolBar(*pToolBar, m_pToolBar);
    m_pCommands->AddAccelerators(*pAccelerators);
    CreateRecentFileItems();
    CreateStatusBar();
    UpdateTitle();
    // The navigation keys go to the view from the start.
    m_pViewWidget->setFocus();
    m_idleTimer.start(g_nIdleUpdateMs);
    return true;
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* pStatusBar = statusBar();
    for (const int nId : g_anIndicators) {
        // The lock keys' state is not readable here, so the indicators stay in their off colour.
        auto* pIndicator = new QLabel(Text(static_cast<unsigned>(nId)), pStatusBar);
        pIndicator->setEnabled(false);
        pIndicator->setFrameShape(QFrame::Panel);
        pIndicator->setFrameShadow(QFrame::Sunken);
        pStatusBar->addPermanentWidget(pIndicator);
    }
    connect(pStatusBar, &QStatusBar::messageChanged, this, [this](const QString& strMessage) {
        if (strMessage.isEmpty())
            ShowIdleMessage();
    });
    ShowIdleMessage();
}

void CMainFrame::ShowIdleMessage() {
    statusBar()->showMessage(Text(AFX_IDS_IDLEMESSAGE));
}

// The first recent-file item of the menu resource stands for the whole list.
void CMainFrame::CreateRecentFileItems() {
    QAction* pFirst = m_pCommands->FindAction(ID_FILE_MRU_FILE1);
    QMenu* pMenu = m_pCommands->FindPopupOf(ID_FILE_MRU_FILE1);
    if (pFirst == nullptr || pMenu == nullptr)
        return;
    m_strRecentPlaceholder = pFirst->text();
    m_apRecentActions.push_back(pFirst);
    const QList<QAction*> apMenuActions = pMenu->actions();
    QAction* pBefore = apMenuActions.value(apMenuActions.indexOf(pFirst) + 1);
    for (int i = 1; i < CRecentFileList::m_nMaxEntries; ++i) {
        auto* pAction = new QAction(this);
        connect(pAction, &QAction::triggered, this, [this, i] { OnOpenRecentFile(i); });
        pMenu->insertAction(pBefore, pAction);
        m_apRecentActions.push_back(pAction);
    }
    connect(pMenu, &QMenu::aboutToShow, this, [this] { UpdateRecentFileItems(); });
    UpdateRecentFileItems();
}

void CMainFrame::UpdateRecentFileItems() {
    const QStringList& astrFiles = m_recentFiles.GetEntries();
    for (int i = 0; i < static_cast<int>(m_apRecentActions.size()); ++i) {
        QAction* pAction = m_apRecentActions[static_cast<size_t>(i)];
        if (i < astrFiles.size()) {
            pAction->setText(RecentFileText(i, astrFiles[i]));
            pAction->setEnabled(true);
            pAction->setVisible(true);
        } else if (i == 0) {
            pAction->setText(m_strRecentPlaceholder);
            pAction->setEnabled(false);
        } else {
            pAction->setVisible(false);
        }
    }
}

// ---- Placement -------------------------------------------------------------------------------

void CMainFrame::ActivateFrame() {
    const std::optional<CWindowPlacement> placement = CWindowPlacement::Load(m_profile);
    if (!placement) {
        // Where the window system puts a new window, at a size that shows a sheet.
        if (const QScreen* pScreen = screen())
            resize(pScreen->availableSize() * g_dFirstSizeShare);
        show();
        return;
    }
    restoreState(m_profile.GetSettings().value(g_strToolBarState).toByteArray());
    const CRect& rc = placement->m_rcNormalPosition;
    setGeometry(rc.left, rc.top, rc.Width(), rc.Height());
    switch (placement->m_nShowCmd) {
    case CWindowPlacement::SW_SHOWMAXIMIZED:
        showMaximized();
        break;
    case CWindowPlacement::SW_SHOWMINIMIZED:
        showMinimized();
        break;
    default:
        showNormal();
        break;
    }
}

void CMainFrame::SavePlacement() {
    const bool bRestored = !isMaximized() && !isMinimized();
    const QRect rc = bRestored || normalGeometry().isEmpty() ? geometry() : normalGeometry();
    CWindowPlacement placement;
    placement.m_rcNormalPosition = CRect(rc.left(), rc.top(), rc.left() + rc.width(), rc.top() + rc.height());
    placement.m_nShowCmd = isMinimized()   ? CWindowPlacement::SW_SHOWMINIMIZED
                           : isMaximized() ? CWindowPlacement::SW_SHOWMAXIMIZED
                                           : CWindowPlacement::SW_SHOWNORMAL;
    placement.Save(m_profile);
    m_profile.GetSettings().setValue(g_strToolBarState, saveState());
    m_profile.GetSettings().sync();
}

void CMainFrame::closeEvent(QCloseEvent* pEvent) {
    SavePlacement();
    QMainWindow::closeEvent(pEvent);
}

// ---- Documents -------------------------------------------------------------------------------

QString CMainFrame::DocumentFilter() const {
    const QStringList astrFields = Text(IDR_MAINFRAME).split('\n');
    return astrFields.value(DOC_FILTER_NAME);
}

void CMainFrame::OnFileOpen() {
    const QString strPath = QFileDialog::getOpenFileName(this, QString(), QString(), DocumentFilter());
    if (!strPath.isEmpty())
        OpenDocumentFile(strPath);
}

bool CMainFrame::OpenDocumentFile(const QString& strPath) {
    m_items.RemoveAll();
    const bool bOpened = m_doc.OnOpenDocument(strPath.toStdString()) != 0;
    if (bOpened)
        m_recentFiles.Add(strPath);
    else
        m_doc.OnNewDocument();
    m_pView->OnInitialUpdate();
    UpdateTitle();
    m_pViewWidget->RedrawNow();
    return bOpened;
}

void CMainFrame::OnNewDocument() {
    m_items.RemoveAll();
    m_doc.OnNewDocument();
    m_pView->OnInitialUpdate();
    UpdateTitle();
    m_pViewWidget->RedrawNow();
}

void CMainFrame::OnOpenRecentFile(int nIndex) {
    const QString strPath = m_recentFiles.GetEntries().value(nIndex);
    // A recent file that no longer opens leaves the list, as it would after any failed open.
    if (!strPath.isEmpty() && !OpenDocumentFile(strPath))
        m_recentFiles.Remove(
            static_cast<int>(m_recentFiles.GetEntries().indexOf(QFileInfo(strPath).absoluteFilePath())));
}

void CMainFrame::UpdateTitle() {
    const QString strApp = Text(AFX_IDS_APP_TITLE);
    if (!m_doc.IsLoaded()) {
        setWindowTitle(strApp);
        return;
    }
    setWindowTitle(QFileInfo(QString::fromStdString(m_doc.GetPathName())).fileName() + " - " + strApp);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* pEvent) {
    if (pEvent->mimeData()->hasUrls())
        pEvent->acceptProposedAction();
}

// One document at a time: of several dropped files the first is opened.
void CMainFrame::dropEvent(QDropEvent* pEvent) {
    for (const QUrl& url : pEvent->mimeData()->urls()) {
        if (url.isLocalFile()) {
            pEvent->acceptProposedAction();
            OpenDocumentFile(url.toLocalFile());
            return;
        }
    }
}

// A double click on an embedded object opens it in place.
bool CMainFrame::eventFilter(QObject* pObject, QEvent* pEvent) {
    if (pObject == m_pViewWidget->viewport() && pEvent->type() == QEvent::MouseButtonDblClick) {
        const QPoint pt = static_cast<QMouseEvent*>(pEvent)->position().toPoint();
        const CPoint ptScroll = m_pViewWidget->GetScrollPosition();
        if (CZelvoCntrItem* pItem = m_items.HitTest(CPoint(pt.x() + ptScroll.x, pt.y() + ptScroll.y))) {
            m_items.SetSelection(pItem);
            m_items.Activate(pItem);
            m_pViewWidget->Invalidate();
            return true;
        }
    }
    return QMainWindow::eventFilter(pObject, pEvent);
}

// ---- Commands --------------------------------------------------------------------------------

void CMainFrame::OnCommand(int nId) {
    switch (nId) {
    case ID_FILE_NEW:
        OnNewDocument();
        break;
    case ID_FILE_OPEN:
        OnFileOpen();
        break;
    case ID_FILE_PRINT:
        m_printing.Print(*m_pView);
        m_pViewWidget->Invalidate();
        break;
    case ID_FILE_PRINT_PREVIEW:
        m_printing.Preview(*m_pView);
        m_pViewWidget->Invalidate();
        break;
    case ID_FILE_PRINT_SETUP:
        m_printing.PageSetup();
        break;
    case ID_APP_EXIT:
        close();
        break;
    case ID_APP_ABOUT:
        OnAppAbout();
        break;
    case ID_VIEW_TOOLBAR:
        m_pToolBar->setHidden(!m_pToolBar->isHidden());
        break;
    case ID_VIEW_STATUS_BAR:
        statusBar()->setHidden(!statusBar()->isHidden());
        break;
    case ID_FILE_MRU_FILE1:
        OnOpenRecentFile(0);
        break;
    default:
        m_pView->OnCommand(nId);
        break;
    }
    UpdateToolBar();
}

bool CMainFrame::OnUpdateCommand(CCmdUI& cmdUI) {
    switch (cmdUI.m_nID) {
    case ID_FILE_NEW:
    case ID_FILE_OPEN:
    case ID_FILE_PRINT:
    case ID_FILE_PRINT_PREVIEW:
    case ID_FILE_PRINT_SETUP:
    case ID_APP_EXIT:
    case ID_APP_ABOUT:
    case ID_OLE_INSERT_NEW:
        cmdUI.Enable(true);
        return true;
    case ID_VIEW_TOOLBAR:
        cmdUI.SetCheck(!m_pToolBar->isHidden());
        return true;
    case ID_VIEW_STATUS_BAR:
        cmdUI.SetCheck(!statusBar()->isHidden());
        return true;
    case ID_FILE_MRU_FILE1:
        cmdUI.Enable(!m_recentFiles.GetEntries().isEmpty());
        return true;
    default:
        return m_pView->OnUpdateCommand(cmdUI);
    }
}

void CMainFrame::UpdateToolBar() {
    if (m_pCommands != nullptr)
        m_pCommands->UpdateToolBar();
}

void CMainFrame::OnAppAbout() {
    CAboutDlg::Run(this);
}

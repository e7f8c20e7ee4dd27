#pragma once

#include "app/COleItemList.h"
#include "app/CPrintController.h"
#include "app/CRecentFileList.h"
#include "app/CViewDialogHost.h"
#include "view/CCmdUI.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>
#include <vector>

class CCommandActions;
class CSettingsProfile;
class CZelvoDoc;
class CZelvoView;
class CZelvoViewWidget;
class QAction;
class QToolBar;

// The main window: the menus, toolbar 128 and status bar around the waveform view. It carries out
// the File, Edit and Help commands itself and hands every other command to the view; it keeps its
// placement, toolbar state and recent files in the profile and opens files dropped on it.
class CMainFrame : public QMainWindow {
public:
    CMainFrame(CZelvoDoc& doc, CSettingsProfile& profile);
    ~CMainFrame() override;

    // Builds the bars; false when a resource is missing.
    bool OnCreate();
    // Restores the saved placement, if any, and shows the window.
    void ActivateFrame();

    // Opens a recording into the one document; false when it cannot be read or decoded.
    bool OpenDocumentFile(const QString& strPath);
    void OnNewDocument();

    void OnCommand(int nId);
    bool OnUpdateCommand(CCmdUI& cmdUI);
    void UpdateToolBar();

    CZelvoView& GetView() { return *m_pView; }
    CZelvoViewWidget& GetViewWidget() { return *m_pViewWidget; }
    CCommandActions& GetCommands() { return *m_pCommands; }
    CPrintController& GetPrinting() { return m_printing; }
    CRecentFileList& GetRecentFiles() { return m_recentFiles; }
    COleItemList& GetItems() { return m_items; }
    CViewDialogHost& GetDialogHost() { return m_dialogHost; }

protected:
    void closeEvent(QCloseEvent* pEvent) override;
    void dragEnterEvent(QDragEnterEvent* pEvent) override;
    void dropEvent(QDropEvent* pEvent) override;
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

private:
    void CreateStatusBar();
    void OnFileOpen();
    void OnOpenRecentFile(int nIndex);
    void OnAppAbout();
    void UpdateRecentFileItems();
    void UpdateTitle();
    void SavePlacement();
    void ShowIdleMessage();
    void CreateRecentFileItems();
    QString DocumentFilter() const;

    CZelvoDoc& m_doc;
    CSettingsProfile& m_profile;
    CZelvoViewWidget* m_pViewWidget;
    std::unique_ptr<CZelvoView> m_pView;
    COleItemList m_items;
    CPrintController m_printing;
    CViewDialogHost m_dialogHost;
    CRecentFileList m_recentFiles;
    CCommandActions* m_pCommands = nullptr;
    QToolBar* m_pToolBar = nullptr;
    QTimer m_idleTimer;
    QString m_strRecentPlaceholder;
    std::vector<QAction*> m_apRecentActions;
};

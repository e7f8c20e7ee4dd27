#pragma once

#include "displays/longterm/IDetailWindow.h"

#include <QDialog>
#include <QImage>

#include <map>

class CDetailWaveWnd;
class QAction;
class QMenu;
class QScrollBar;
class QWidget;

// The detail waveform window on screen: a modal dialog with menu 152, a paper area and a
// horizontal scroll bar. CDetailWaveWnd decides everything; this class only carries Qt's events to
// it and shows what it draws, keeping the picture in an image so that inverted figures drawn
// between paints survive every expose.
class CDetailWaveDialog : public QDialog, public IDetailWindow {
public:
    explicit CDetailWaveDialog(CDetailWaveWnd& wnd, QWidget* pParent = nullptr);
    ~CDetailWaveDialog() override;

    // Shows the window modally until it closes; the desktop program's detail window runner.
    static int RunModal(CDetailWaveWnd& wnd, QWidget* pParent = nullptr);

    CSize GetClientSize() const override;
    void SetClientSize(CSize sizeClient) override;
    void SetScrollRange(int nMin, int nMax, bool bRedraw) override;
    void SetScrollPos(int nPos, bool bRedraw) override;
    void SetCursor(ECursor eCursor) override;
    void RedrawNow() override;
    std::unique_ptr<CDC> GetClientDC() override;
    void EndDialog(int nResult) override;

    QWidget* GetPaper() const { return m_pPaper; }
    QScrollBar* GetScrollBar() const { return m_pScrollBar; }
    // The menu item of a command of menu 152.
    QAction* GetCommandAction(int nId) const;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void closeEvent(QCloseEvent* pEvent) override;

private:
    void BuildMenu();
    void UpdatePopup(QMenu* pMenu);
    void OnScrollAction(int nAction);
    bool OnPaperEvent(QEvent* pEvent);
    void SyncImageSize();

    CDetailWaveWnd& m_wnd;
    QWidget* m_pPaper;
    QScrollBar* m_pScrollBar;
    QImage m_image;
    std::map<int, QAction*> m_actions;
};

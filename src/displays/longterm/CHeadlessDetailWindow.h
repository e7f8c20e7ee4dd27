#pragma once

#include "displays/longterm/IDetailWindow.h"

#include <QImage>

#include <string>
#include <vector>

class CDetailWaveWnd;

// The detail window without a screen: its client area is an image, its scroll bar, cursor and end
// are recorded. Running it shows the window's first display and paint.
class CHeadlessDetailWindow : public IDetailWindow {
public:
    explicit CHeadlessDetailWindow(CDetailWaveWnd& wnd);

    // The window's first display and first paint.
    void Open();
    const QImage& GetImage() const { return m_image; }
    bool SavePng(const std::string& strPath) const;
    bool IsEnded() const { return m_bEnded; }
    int GetResult() const { return m_nResult; }
    int GetScrollMin() const { return m_nScrollMin; }
    int GetScrollMax() const { return m_nScrollMax; }
    int GetScrollPos() const { return m_nScrollPos; }
    int GetPaintCount() const { return m_nPaintCount; }
    ECursor GetCursor() const { return m_eCursor; }

    CSize GetClientSize() const override { return {m_image.width(), m_image.height()}; }
    void SetClientSize(CSize sizeClient) override;
    void SetScrollRange(int nMin, int nMax, bool bRedraw) override;
    void SetScrollPos(int nPos, bool bRedraw) override;
    void SetCursor(ECursor eCursor) override { m_eCursor = eCursor; }
    void RedrawNow() override;
    std::unique_ptr<CDC> GetClientDC() override;
    void EndDialog(int nResult) override;

private:
    CDetailWaveWnd& m_wnd;
    QImage m_image;
    int m_nScrollMin = 0;
    int m_nScrollMax = 0;
    int m_nScrollPos = 0;
    int m_nPaintCount = 0;
    ECursor m_eCursor = ECursor::Arrow;
    bool m_bEnded = false;
    int m_nResult = 0;
};

#pragma once

#include "displays/longterm/CDetailWaveWnd.h"
#include "displays/longterm/CEventIndex.h"
#include "platform/CPoint.h"
#include "view/CRenderer.h"

#include <cstdint>

class CDC;
class CStripLayout;

// The long-term ECG strip: the recording cut into rows of 30 seconds (a minute when the window is
// wide), up to two channels as min/max envelopes at 50 uV per pixel, the elapsed time of each row
// on the left and the events written into the rows. A click opens the detail window on the
// clicked moment.
class CLongTermRenderer : public CRenderer {
public:
    void Setup(CZelvoView* pView, int nPixelsPerMm, const MferAttributes* pFrameAttr) override;
    void Draw(CDC* pDC) override;

    void OnMouseMove(unsigned nFlags, int x, int y);
    void OnLButtonDown(unsigned nFlags, int x, int y);
    void OnLButtonUp(unsigned nFlags, int x, int y);

    // The sample under a client point of the strip, and where the detail window opens for it.
    struct SClickTarget {
        int64_t nClicked;
        int64_t nStart;
        int64_t nRangeStart;
    };
    bool ClickTarget(int x, int y, SClickTarget& target) const;

private:
    CStripLayout Layout() const;
    int ClientWidth() const;
    void DrawTimeColumn(CDC* pDC, const CStripLayout& layout) const;
    void DrawRowBands(CDC* pDC, const CStripLayout& layout) const;
    void DrawTraces(CDC* pDC, const CStripLayout& layout) const;
    void DrawChannelRow(CDC* pDC, const CStripLayout& layout, int nChannel, int nRow) const;
    void DrawEventMarks(CDC* pDC, const CStripLayout& layout);
    int Amplitude(int nValue) const;
    CDetailWaveWnd::SChannel ChannelSamples(int nChannel, const CStripLayout& layout) const;
    const CEventIndex* RootEvents();
    void OpenDetailWindow(const SClickTarget& target);

    CPoint m_ptOrigin;
    CZelvoView* m_pView = nullptr;
    int m_nPixelsPerMm = 0;
    const MferAttributes* m_pFrameAttr = nullptr;
    CEventIndex m_frameEvents;
    CEventIndex m_rootEvents;
};

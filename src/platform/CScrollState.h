#pragma once

#include "platform/CPoint.h"
#include "platform/CSize.h"

// The scroll bars of a scrolling window as numbers: the drawing's total size, the client size,
// the page and line amounts and the position, which always stays within the scroll limits.
class CScrollState {
public:
    void SetClientSize(CSize sizeClient);
    void SetScrollSizes(CSize sizeTotal, CSize sizePage, CSize sizeLine);

    CSize GetClientSize() const { return m_sizeClient; }
    CSize GetTotalSize() const { return m_sizeTotal; }
    CSize GetPageSize() const { return m_sizePage; }
    CSize GetLineSize() const { return m_sizeLine; }
    CPoint GetScrollPosition() const { return m_ptPosition; }
    int GetScrollLimit(int nBar) const;

    // Each returns whether the position moved.
    bool ScrollToPosition(CPoint pt);
    bool Scroll(int nBar, int nScrollCode, int nPos);

private:
    long long TargetPosition(int nBar, int nScrollCode, int nPos) const;
    int ClampToLimit(int nBar, long long nPosition) const;

    CSize m_sizeClient;
    CSize m_sizeTotal;
    CSize m_sizePage;
    CSize m_sizeLine;
    CPoint m_ptPosition;
};

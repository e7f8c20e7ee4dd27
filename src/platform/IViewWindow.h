#pragma once

#include "platform/CDC.h"
#include "platform/CPoint.h"
#include "platform/CRect.h"
#include "platform/CSize.h"
#include "platform/IUserPrompt.h"
#include "platform/ScrollBar.h"

#include <memory>

// The mouse pointers a waveform window shows. None hides the pointer while an inverting figure is
// being erased.
enum class ECursor { None, Arrow, Hand, Grab, No, Magnifier, Wait, Cross };

// What the view and its displays ask of the scrolling window they live in. Positions and sizes are
// device pixels; the client rectangle always starts at (0, 0).
class IViewWindow : public IUserPrompt {
public:
    CRect GetClientRect() const { return CRect(CPoint(), GetClientSize()); }
    virtual CSize GetClientSize() const = 0;

    // The scroll position is the sheet point at the client's top-left corner, kept between 0 and
    // the scroll limit of each bar.
    virtual CPoint GetScrollPosition() const = 0;
    virtual void ScrollToPosition(CPoint pt) = 0;
    // Total size of the drawing, and how far a page and a line move. A zero page or line amount
    // stands for a tenth or a hundredth of the total.
    virtual void SetScrollSizes(CSize sizeTotal, CSize sizePage, CSize sizeLine) = 0;
    virtual CSize GetTotalSize() const = 0;
    // The largest scroll position of the bar: the part of the total that does not fit the client,
    // 0 when it all fits.
    virtual int GetScrollLimit(int nBar) const = 0;
    // The scrolling window's own handling of a scroll action (SB_LINEUP ... SB_BOTTOM) on one bar;
    // nPos is the thumb position of SB_THUMBTRACK and SB_THUMBPOSITION.
    virtual void DefaultScroll(int nBar, int nScrollCode, int nPos) = 0;

    virtual void SetCursor(ECursor eCursor) = 0;

    // Invalidates the whole client area, erases it and paints it before returning.
    virtual void RedrawNow() = 0;
    // A context on what the window shows now, in client coordinates, for figures drawn and erased
    // in R2_NOT between paints. It stays valid until the result is destroyed.
    virtual std::unique_ptr<CDC> GetClientDC() = 0;
    // The screen's horizontal logical pixels per inch.
    virtual int GetScreenLogPixelsX() const = 0;
};
